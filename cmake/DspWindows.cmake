# The Windows build (cmake/mingw-w64.cmake): Debian ships no GoogleTest for
# mingw, so it is built here from its sources; the test programs are listed
# when ctest runs (under Wine, beside the wineserver scripts/test keeps up)
# rather than at build time, where each listing would start a Wine of its own.
set(DSP_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${DSP_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# (GoogleTest's own CMakeLists names its targets GTest::gtest and so on.)
set(DSP_DISCOVERY_MODE DISCOVERY_MODE PRE_TEST)
