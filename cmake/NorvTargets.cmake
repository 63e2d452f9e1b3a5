# Helpers that give every library, program and test folder the same shape.

# norv_library(<name> [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# One static library from every source of the calling folder and its
# backend subfolders (a subfolder with its own CMakeLists.txt is a library of
# its own and is left out). Headers are included by their path below src/
# (e.g. "norv/base/core/SmartPtr.h").
function(norv_library name)
    cmake_parse_arguments(ARG "" "" "PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
    file(GLOB_RECURSE nested CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
    foreach(list_file ${nested})
        get_filename_component(dir ${list_file} DIRECTORY)
        list(FILTER sources EXCLUDE REGEX "^${dir}/")
    endforeach()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR})
    target_compile_options(${name} PRIVATE ${NORV_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()

# GoogleTest and the standard headers nearly every test includes, compiled
# once into a precompiled header that every test program reuses: parsing
# them took most of each test file's compile time. A reusing target must be
# compiled with the same options; GCC's -Winvalid-pch, an error under
# NORV_WERROR, names one that is not.
# The library's one source, empty, makes it a C++ target with a header to
# precompile.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/norv_test_pch.cpp CONTENT "")
add_library(norv_test_pch OBJECT ${CMAKE_BINARY_DIR}/norv_test_pch.cpp)
target_compile_options(norv_test_pch PRIVATE ${NORV_WARNINGS})
target_link_libraries(norv_test_pch PRIVATE GTest::gtest)
target_precompile_headers(norv_test_pch PRIVATE
    <gtest/gtest.h>
    <algorithm> <chrono> <cmath> <cstdint> <cstdio> <cstdlib> <cstring>
    <filesystem> <fstream> <functional> <memory> <set> <sstream> <string>
    <thread> <vector>)

# norv_test(<name> LIBS ... [MAIN <library>] [LABELS ...] [PROPERTIES ...])
# One GoogleTest program from every source of the calling folder, with each
# test registered in CTest. MAIN replaces GoogleTest's main. LABELS "display"
# marks tests that need an X display.
function(norv_test name)
    cmake_parse_arguments(ARG "" "MAIN" "LIBS;LABELS;PROPERTIES" ${ARGN})
    if(NOT ARG_MAIN)
        set(ARG_MAIN GTest::gtest_main)
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_options(${name} PRIVATE ${NORV_WARNINGS})
    target_compile_definitions(${name} PRIVATE
        NORV_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
        NORV_TEST_BINARY_DIR="${CMAKE_CURRENT_BINARY_DIR}")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest ${ARG_MAIN})
    target_precompile_headers(${name} REUSE_FROM norv_test_pch)
    set(labels ${ARG_LABELS})
    if(NOT labels)
        set(labels unit)
    endif()
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${labels}" ${ARG_PROPERTIES})
endfunction()

# norv_program(<name> SOURCES ... LIBS ...): a program in bin/.
function(norv_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE ${NORV_WARNINGS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
