// Catches the window that CreateEx is creating before its first message, so that
// WM_NCCREATE and WM_CREATE already reach the C++ object.
#pragma once

#include <afxwin.h>

class CreationHook {
public:
    explicit CreationHook(CWnd* pending);
    ~CreationHook();
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;

    // True when the window was caught and attached.
    bool Caught() const { return caught_; }

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);

    CWnd* pending_;
    CreationHook* outer_;
    HHOOK hook_;
    bool caught_ = false;
};
