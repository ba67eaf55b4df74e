// The context of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
#pragma once

#include "afx/CDC.h"

class AFX_API CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
