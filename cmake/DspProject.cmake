# Shared build settings for every project target.

# Warnings and sanitizers go through one interface target, so every library,
# program and test is built the same way.
add_library(dsp_options INTERFACE)
target_compile_options(dsp_options INTERFACE -Wall -Wextra -Werror)
target_include_directories(dsp_options INTERFACE ${PROJECT_SOURCE_DIR})
if(SANITIZE)
  target_compile_options(dsp_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(dsp_options INTERFACE -fsanitize=address,undefined)
endif()
# ThreadSanitizer, for the programs whose threads share data: the serial
# port's monitoring thread and the main-thread queue (scripts/test builds
# only those test programs with it).
if(TSAN)
  target_compile_options(dsp_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(dsp_options INTERFACE -fsanitize=thread)
endif()
# The fuzz build instruments every library for coverage, so each fuzz target
# is guided through all the code its reader calls; the fuzzer programs add
# libFuzzer's main (tests/fuzz, tests/skin/fuzz).
if(FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FUZZ=ON needs clang (configure with CC=clang CXX=clang++)")
  endif()
  target_compile_options(dsp_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(dsp_options INTERFACE -fsanitize=address,undefined)
endif()

# Release builds of the Linux program are hardened as Debian builds its
# packages: checked string and memory functions (they need the optimiser, so
# not in Debug) and a read-only relocation table bound at start-up. The
# sanitizer and fuzz builds have their own run-time checks, and mingw-w64 has
# neither a fortified C library nor ELF relocations.
if(NOT WIN32 AND NOT SANITIZE AND NOT TSAN AND NOT FUZZ)
  set(release $<NOT:$<CONFIG:Debug>>)
  target_compile_options(dsp_options INTERFACE $<${release}:-U_FORTIFY_SOURCE> $<${release}:-D_FORTIFY_SOURCE=2>)
  target_link_options(dsp_options INTERFACE $<${release}:LINKER:-z,relro,-z,now>)
endif()

if(WIN32)
  # mingw-w64: gmtime_r and the other reentrant C functions are behind this.
  target_compile_definitions(dsp_options INTERFACE _POSIX_THREAD_SAFE_FUNCTIONS)
  include(cmake/DspWindows.cmake)
else()
  find_package(PkgConfig REQUIRED)
  find_package(GTest REQUIRED)
endif()
find_package(Threads REQUIRED)
include(GoogleTest)

# dsp_library(NAME SOURCES... [LINKS targets...])
# A static library of one layer; project sources include headers by path from
# the repository root ("platform/graphics/bitmap.h").
function(dsp_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC dsp_options ${ARG_LINKS})
endfunction()

# dsp_test(NAME SOURCES... [LINKS targets...] [LABELS labels...])
# A GoogleTest program registered with CTest. Tests run with the test's source
# folder as DSP_TEST_DATA so they can find golden files beside them.
# Every test carries labels, so one kind can run alone (`ctest -L unit`):
#   unit  in-process only, quick; the default when LABELS is not given
#   pty   uses pseudo-terminals, child processes or loopback servers
#   x11   starts its own Xvfb
#   slow  takes more than a few seconds (soak, fault matrix, packaging)
#   fuzz  replays a fuzz corpus
set(DSP_TEST_LABELS unit pty x11 slow fuzz)
# The font answers and glyphs the programs under test keep between runs go
# to the build tree, not the user's own cache (a test's ENVIRONMENT_MODIFICATION).
set(DSP_TEST_CACHE "XDG_CACHE_HOME=set:${CMAKE_BINARY_DIR}/test-cache")

function(dsp_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS;LABELS" ${ARGN})
  # Tests that need a pseudo-terminal or an X display are Linux only; in the
  # Windows build they are empty placeholders (so folders may still name them).
  if(WIN32 AND ("pty" IN_LIST ARG_LABELS OR "x11" IN_LIST ARG_LABELS))
    add_custom_target(${name})
    return()
  endif()
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  foreach(label IN LISTS ARG_LABELS)
    if(NOT label IN_LIST DSP_TEST_LABELS)
      message(FATAL_ERROR "dsp_test(${name}): unknown label '${label}' (one of: ${DSP_TEST_LABELS})")
    endif()
  endforeach()
  if("unit" IN_LIST ARG_LABELS AND NOT ARG_LABELS STREQUAL "unit")
    message(FATAL_ERROR "dsp_test(${name}): 'unit' stands alone: a test with another label is not a unit test")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE dsp_options ${ARG_LINKS} GTest::gtest GTest::gtest_main
                        GTest::gmock Threads::Threads)
  target_compile_definitions(${name} PRIVATE
    DSP_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}" DSP_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(WIN32)
    # Under Wine each process costs a start-up far above a test's own time:
    # one ctest entry per program, which runs all of its tests.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "DSP_TEST_OUT=${CMAKE_CURRENT_BINARY_DIR}" LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "DSP_TEST_OUT=${CMAKE_CURRENT_BINARY_DIR}"
      ENVIRONMENT_MODIFICATION "${DSP_TEST_CACHE}" LABELS "${ARG_LABELS}")
  endif()
endfunction()

# dsp_bench(NAME SOURCES... [LINKS targets...]) - a Google Benchmark program.
function(dsp_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE dsp_options ${ARG_LINKS} benchmark::benchmark
                        Threads::Threads)
endfunction()
