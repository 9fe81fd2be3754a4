#pragma once
// windows.h for the window host, without the macros that would rename the
// framework's own CreateWindow and MessageBox, nor min and max.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>

#undef CreateWindow
#undef MessageBox
