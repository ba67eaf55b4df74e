// The whole-window context (frame included), released on destruction.
#pragma once

#include "afx/CDC.h"

class AFX_API CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
