#pragma once

#include "KaloControl.h"

// A thin wrapper of the system rebar, which holds movable bands.
class TRELLIS_API KaloRebar : public CWnd, public KaloControl {
public:
    BOOL Create(const char* name, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr);
};
