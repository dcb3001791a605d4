// The Win32 API for the platform sources, without the min and max macros of windows.h that would break
// std::min and std::max. Included on Windows only.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
