#include "HandleMaps.h"

CWnd::~CWnd() {
    if (m_hWnd)
        WndHandleMap().RemovePermanent(m_hWnd, this);
}

CWnd* CWnd::FromHandle(HWND handle) {
    return WndHandleMap().FromHandle<CWnd>(handle);
}

CWnd* CWnd::FromHandlePermanent(HWND handle) {
    return WndHandleMap().FindPermanent(handle);
}

void CWnd::DeleteTempMap() {
    WndHandleMap().DeleteTemporary();
}
