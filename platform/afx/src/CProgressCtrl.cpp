#include <afxcmn.h>

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(PROGRESS_CLASSA, nullptr, style, rect, parent, id);
}
