#include "HandleMaps.h"

HandleMap<CGdiObject, HGDIOBJ>& GdiHandleMap() {
    static HandleMap<CGdiObject, HGDIOBJ> map(&CGdiObject::m_hObject);
    return map;
}

HandleMap<CDC, HDC>& DcHandleMap() {
    static HandleMap<CDC, HDC> map(&CDC::m_hDC);
    return map;
}

HandleMap<CWnd, HWND>& WndHandleMap() {
    static HandleMap<CWnd, HWND> map(&CWnd::m_hWnd);
    return map;
}

void AfxDeleteTempMaps() {
    GdiHandleMap().DeleteTemporary();
    DcHandleMap().DeleteTemporary();
    WndHandleMap().DeleteTemporary();
}

size_t AfxTempMapCount() {
    return GdiHandleMap().TemporaryCount() + DcHandleMap().TemporaryCount() + WndHandleMap().TemporaryCount();
}
