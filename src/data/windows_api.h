#pragma once
// <windows.h> for the Windows branches, without the min/max macros that break the standard
// library and without the parts of the API the program never uses.

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
