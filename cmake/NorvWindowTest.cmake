# Helpers for tests that open windows in the X display.

# norv_test_program(<name> SOURCES ... LIBS ...)
# A program that window tests start. It lands in tests/, beside the test
# binaries, so it never passes for the game in bin/.
function(norv_test_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_options(${name} PRIVATE ${NORV_WARNINGS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()

# norv_display_test(<name> LIBS ... [PROPERTIES ...])
# A GoogleTest program like norv_test whose tests draw into windows of their
# own, labelled "display". A window opens in the middle of the screen, over
# a window test's window and under its pointer, so each test has a display
# to itself: ctest shares the displays out (TestDisplays.cmake.in).
function(norv_display_test name)
    cmake_parse_arguments(ARG "" "" "LIBS;PROPERTIES" ${ARGN})
    norv_test(${name} LIBS ${ARG_LIBS} MAIN norv_display_test_main LABELS display
        PROPERTIES RESOURCE_GROUPS displays:1 ${ARG_PROPERTIES})
endfunction()

# norv_window_test(<name> LIBS ... [PROGRAMS ...] [PROPERTIES ...])
# A GoogleTest program like norv_test, labelled "display" and linked with the
# window-test harness (norv_testharness). PROGRAMS are the targets its tests
# start; they are built first. Each test has a display, with its pointer and
# keyboard, to itself.
function(norv_window_test name)
    cmake_parse_arguments(ARG "" "" "LIBS;PROGRAMS;PROPERTIES" ${ARGN})
    norv_display_test(${name} LIBS ${ARG_LIBS} norv_testharness PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
    if(ARG_PROGRAMS)
        add_dependencies(${name} ${ARG_PROGRAMS})
    endif()
endfunction()
