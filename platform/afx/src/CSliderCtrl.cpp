#include <afxcmn.h>

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(TRACKBAR_CLASSA, nullptr, style, rect, parent, id);
}
