# The Windows build (cmake/mingw-w64.cmake): Debian ships no GoogleTest for
# mingw, so it is built here from its sources. Each test program is one
# ctest entry (dsp_test), run under Wine beside the wineserver scripts/test
# keeps up.
set(DSP_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${DSP_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# (GoogleTest's own CMakeLists names its targets GTest::gtest and so on.)
