// The SDK's GDI+ declarations, usable with NOMINMAX (its C++ wrappers expect min and max).
#pragma once

#include <windows.h>
#include <objidl.h>

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus

#include <gdiplus.h>

namespace gp = Gdiplus::DllExports;
using Gdiplus::ARGB;
using Gdiplus::GpStatus;
