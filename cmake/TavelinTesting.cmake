# tavelin_add_test(NAME SOURCES src... [LIBS lib...] [LABELS label...] [TIMEOUT s]
#                  [RUN_UNDER command...])
# One GoogleTest executable, registered with CTest. Widget tests run on the
# offscreen platform; nothing needs a screen, a sound card or MIDI hardware.
# RUN_UNDER: a command that starts what the test needs (a virtual X server,
# a D-Bus session) and then runs the test.
include(GoogleTest)
find_package(GTest REQUIRED)

# The settings of every test. The locale the tests assume, whatever the
# caller's: UTF-8, and no translation asked for (where the locale is not
# UTF-8, Qt 6.8 says so on stderr, which tests of the program's messages
# count). The sanitizers': any report fails a test, a leak at exit too,
# except the leaks inside system libraries that
# tests/e2e/lsan.supp names (each with its library and the reason).
# intercept_tls_get_addr=0: the leak checker's tracer otherwise crashes at
# exit ("Tracer caught signal 11") on the thread-local storage of a plugin Qt
# loads with dlopen (the SVG image format), before it reports.
set(TAVELIN_LSAN_SUPPRESSIONS ${CMAKE_SOURCE_DIR}/tests/e2e/lsan.supp)
set(TAVELIN_TEST_ENV
    "LC_ALL=" "LANG=C.UTF-8" "LANGUAGE="
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
    "LSAN_OPTIONS=suppressions=${TAVELIN_LSAN_SUPPRESSIONS}"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

function(tavelin_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS;RUN_UNDER" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tavelin_testsupport ${ARG_LIBS} GTest::gtest)
    set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${TAVELIN_PROGRAM_DIR})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_test(NAME ${name} COMMAND ${ARG_RUN_UNDER} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${ARG_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${TAVELIN_TEST_ENV}")
endfunction()
