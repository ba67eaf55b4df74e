#include <afxcmn.h>

BOOL CSpinButtonCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(UPDOWN_CLASSA, nullptr, style, rect, parent, id);
}
