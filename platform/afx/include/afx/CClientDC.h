// The client-area context of a window, released on destruction.
#pragma once

#include "afx/CDC.h"

class AFX_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
