# Cross build for 64-bit Windows with Debian's mingw-w64 (the posix thread
# model: the win32 one has no std::thread or std::mutex). The programs are
# linked statically, so dsp-panel.exe needs no DLL beside it; build-time tools
# and the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DSP_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DSP_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DSP_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${DSP_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DSP_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(ZLIB_USE_STATIC_LIBS ON)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# wine64 is not on PATH in Debian.
find_program(DSP_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(DSP_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DSP_WINE64})
endif()
