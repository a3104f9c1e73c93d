# The Debian package, built by ./package.sh (cpack -G DEB in a release build):
# tavelin-piano_VERSION-1_amd64.deb, VERSION being PROJECT_VERSION. The libraries the program links are found
# by dpkg-shlibdeps; the SoundFont and the fonts (for --report, which draws
# with them at run time) are named here.
set(CPACK_PACKAGE_NAME tavelin-piano)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tavelin Piano developers")
set(CPACK_PACKAGE_CONTACT "The Tavelin Piano developers <piano@tavelin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "piano and note-reading trainer")
set(CPACK_PACKAGE_DESCRIPTION
    "A small piano and note-reading trainer for the desktop, in French. One\n"
    "window holds a 54-key piano that plays through MIDI, with the mouse, the\n"
    "computer keyboard or a MIDI keyboard, and a staff that shows one random\n"
    "note at a time in runs of 50, in the treble clef, the bass clef or both,\n"
    "with or without sharps and flats. The results of every run can be kept in\n"
    "a CSV file and summed up in a report.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavelin.org/piano/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fluid-soundfont-gm, fonts-liberation2, fonts-noto-core")
# Qt's own texts (a dialog's buttons) in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Directories the package shares with others keep the usual modes.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
