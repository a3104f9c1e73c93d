# Installation: `cmake --install build/release --prefix PREFIX` (DESTDIR is
# honoured) lays the program out as a desktop program of the distribution:
#
#   PREFIX/lib/tavelin-piano/       the program, picture/ and tvl.tv beside it
#   PREFIX/bin/tavelin-piano        a relative link to the program
#   PREFIX/share/applications/      the desktop entry
#   PREFIX/share/icons/hicolor/     the icon, 16 to 256 px and scalable
#   PREFIX/share/metainfo/          the AppStream metadata
#   PREFIX/share/man/man1/          the manual page, in English
#   PREFIX/share/man/fr/man1/       the same in French
#   PREFIX/share/doc/tavelin-piano/ copyright and changelog
#
# Nothing is written outside the prefix. The program finds its pictures
# beside itself through the link, since it asks the system where it really is.
include(GNUInstallDirs)

set(TAVELIN_INSTALL_PROGRAMDIR "lib/tavelin-piano" CACHE STRING
    "Folder of the program and its pictures, relative to the prefix")
set(tavelin_packaging ${CMAKE_SOURCE_DIR}/packaging)
set(tavelin_staging ${CMAKE_BINARY_DIR}/install-staging)

install(TARGETS tavelin-piano RUNTIME DESTINATION ${TAVELIN_INSTALL_PROGRAMDIR})
install(DIRECTORY ${TAVELIN_PROGRAM_DIR}/picture DESTINATION ${TAVELIN_INSTALL_PROGRAMDIR})
install(FILES ${TAVELIN_PROGRAM_DIR}/tvl.tv ${TAVELIN_PROGRAM_DIR}/tvl@2x.tv DESTINATION ${TAVELIN_INSTALL_PROGRAMDIR})

# bin/tavelin-piano -> ../lib/tavelin-piano/tavelin-piano, made in the build
# tree and installed as the link it is.
file(RELATIVE_PATH tavelin_link_target /${CMAKE_INSTALL_BINDIR} /${TAVELIN_INSTALL_PROGRAMDIR}/tavelin-piano)
file(MAKE_DIRECTORY ${tavelin_staging}/bin)
file(CREATE_LINK ${tavelin_link_target} ${tavelin_staging}/bin/tavelin-piano SYMBOLIC)
install(FILES ${tavelin_staging}/bin/tavelin-piano DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${tavelin_packaging}/${TAVELIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tavelin_packaging}/${TAVELIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${TAVELIN_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The manual page names the installed paths, so it is written at install
# time, for the prefix installed to, and compressed as the distribution keeps
# manual pages (gzip -9n: no name or time stamp in the file).
find_program(TAVELIN_GZIP gzip REQUIRED)
install(CODE "
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")
    set(TAVELIN_FULL_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    set(TAVELIN_FULL_PROGRAMDIR \"\${CMAKE_INSTALL_PREFIX}/${TAVELIN_INSTALL_PROGRAMDIR}\")
    configure_file(${tavelin_packaging}/tavelin-piano.1.in ${tavelin_staging}/man/tavelin-piano.1 @ONLY)
    execute_process(COMMAND ${TAVELIN_GZIP} -9nf ${tavelin_staging}/man/tavelin-piano.1 COMMAND_ERROR_IS_FATAL ANY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\" TYPE FILE
         FILES ${tavelin_staging}/man/tavelin-piano.1.gz)
    # The French page where man looks for a French locale's (man/fr/man1).
    configure_file(${tavelin_packaging}/tavelin-piano.fr.1.in ${tavelin_staging}/man/fr/tavelin-piano.1 @ONLY)
    execute_process(COMMAND ${TAVELIN_GZIP} -9nf ${tavelin_staging}/man/fr/tavelin-piano.1 COMMAND_ERROR_IS_FATAL ANY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/fr/man1\" TYPE FILE
         FILES ${tavelin_staging}/man/fr/tavelin-piano.1.gz)
")
add_custom_command(
    OUTPUT ${tavelin_staging}/changelog.Debian.gz
    COMMAND ${TAVELIN_GZIP} -9n -c ${tavelin_packaging}/changelog.Debian > ${tavelin_staging}/changelog.Debian.gz
    DEPENDS ${tavelin_packaging}/changelog.Debian
    COMMENT "Compressing the changelog")
add_custom_target(tavelin_install_files ALL DEPENDS ${tavelin_staging}/changelog.Debian.gz)
install(FILES ${tavelin_packaging}/copyright ${tavelin_staging}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tavelin-piano)

# The installed tree checked as a desktop user meets it (tests/install/).
if(TAVELIN_TESTS)
    add_test(NAME install_desktop COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(install_desktop PROPERTIES
        TIMEOUT 240
        LABELS install
        ENVIRONMENT "${TAVELIN_TEST_ENV}")
endif()
