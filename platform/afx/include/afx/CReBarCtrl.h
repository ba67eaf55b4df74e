// The common-control rebar.
#pragma once

#include "afx/CWnd.h"

class AFX_API CReBarCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL InsertBand(UINT index, REBARBANDINFOA* band);
    BOOL DeleteBand(UINT index) { return static_cast<BOOL>(SendMessage(RB_DELETEBAND, index)); }
    UINT GetBandCount() const { return static_cast<UINT>(SendMessage(RB_GETBANDCOUNT)); }
    BOOL SetBarInfo(REBARINFO* info);
    UINT GetBarHeight() const { return static_cast<UINT>(SendMessage(RB_GETBARHEIGHT)); }
};
