// Catches the window that CreateEx is creating before its first message, so that
// WM_NCCREATE and WM_CREATE already reach the C++ object.
#pragma once

#include <afxwin.h>

// The window a creation expects: its parent and its class atom (0 when the class cannot be
// told in advance; then any window under that parent except the system's helpers counts).
struct ExpectedWindow {
    HWND parent = nullptr;
    ATOM classAtom = 0;

    static ExpectedWindow ForClass(HWND parent, HINSTANCE instance, LPCSTR className);
    // The class a dialog template names (the dialog class when it names none).
    static ExpectedWindow ForDialog(HWND parent, HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate);
};

class CreationHook {
public:
    CreationHook(CWnd* pending, const ExpectedWindow& expected);
    ~CreationHook();
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;

    // True when the window was caught and attached.
    bool Caught() const { return caught_; }

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);
    // The system may create windows of its own first (the input-method window, say).
    bool Expects(HWND handle, const CREATESTRUCTA& cs) const;

    CWnd* pending_;
    ExpectedWindow expected_;
    CreationHook* outer_;
    HHOOK hook_;
    bool caught_ = false;
};
