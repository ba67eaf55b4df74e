#include <afxcmn.h>

BOOL CReBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(REBARCLASSNAMEA, nullptr, style, rect, parent, id);
}

BOOL CReBarCtrl::InsertBand(UINT index, REBARBANDINFOA* band) {
    band->cbSize = sizeof(REBARBANDINFOA);
    return static_cast<BOOL>(SendMessage(RB_INSERTBANDA, index, reinterpret_cast<LPARAM>(band)));
}

BOOL CReBarCtrl::SetBarInfo(REBARINFO* info) {
    info->cbSize = sizeof(REBARINFO);
    return static_cast<BOOL>(SendMessage(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(info)));
}
