#pragma once

#include "KaloControl.h"

// A thin wrapper of the system pager, which scrolls one child too large for it.
class TRELLIS_API KaloPager : public CWnd, public KaloControl {
public:
    BOOL Create(const char* name, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr);
};
