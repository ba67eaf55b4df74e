// A window: its handle, its place in the window handle map, and the calls made on it.
#pragma once

#include "afx/CObject.h"

class AFX_API CWnd : public CObject {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND handle);
    static CWnd* FromHandlePermanent(HWND handle);
    static void DeleteTempMap();
};
