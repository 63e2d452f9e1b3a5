# Compiler flags shared by every target: warnings for our own code and the
# optional sanitizer builds.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    # ccache takes the tests' precompiled header (NorvTargets.cmake) only with
    # these two sloppiness settings, added to the user's own; without them it
    # compiles every test file again.
    execute_process(COMMAND ${CCACHE_PROGRAM} --get-config sloppiness
        OUTPUT_VARIABLE sloppiness OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX REPLACE "[ ,]+" ";" sloppiness "${sloppiness}")
    list(APPEND sloppiness pch_defines time_macros)
    list(REMOVE_DUPLICATES sloppiness)
    list(JOIN sloppiness "," sloppiness)
    set(launcher env CCACHE_SLOPPINESS=${sloppiness} ${CCACHE_PROGRAM})
    set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()

set(NORV_WARNINGS -Wall -Wextra)
# CI builds with warnings as errors; developers' builds only warn, so a new
# compiler's new warning never stops someone from building.
option(NORV_WERROR "Treat compiler warnings as errors" OFF)
if(NORV_WERROR)
    list(APPEND NORV_WARNINGS -Werror)
    # With the sanitizers' instrumentation g++ 12 reports uninitialised reads
    # inside the standard library's own <regex>; they stay warnings there.
    if(NORV_SANITIZE)
        list(APPEND NORV_WARNINGS -Wno-error=maybe-uninitialized)
    endif()
endif()

if(NORV_SANITIZE)
    set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${sanitize_flags})
    add_link_options(${sanitize_flags})
endif()

# The fuzzing build (scripts/fuzz.sh, clang only): every object carries
# libFuzzer's coverage hooks and both sanitizers; tests/fuzz links the
# harnesses with libFuzzer's own main.
option(NORV_FUZZ "Build the fuzz harnesses for libFuzzer (clang)" OFF)
if(NORV_FUZZ)
    set(fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${fuzz_flags})
    add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer cannot be combined with AddressSanitizer: a build of its own.
option(NORV_TSAN "Build with ThreadSanitizer" OFF)
if(NORV_TSAN)
    set(tsan_flags -fsanitize=thread -fno-omit-frame-pointer)
    add_compile_options(${tsan_flags})
    add_link_options(${tsan_flags})
endif()
