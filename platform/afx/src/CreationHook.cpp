#include "CreationHook.h"

namespace {

// The innermost creation in progress on this thread; creations nest when a WM_CREATE
// handler creates children.
thread_local CreationHook* innermost = nullptr;

} // namespace

CreationHook::CreationHook(CWnd* pending)
    : pending_(pending), outer_(innermost),
      hook_(::SetWindowsHookExA(WH_CBT, &CreationHook::Filter, nullptr, ::GetCurrentThreadId())) {
    innermost = this;
}

CreationHook::~CreationHook() {
    innermost = outer_;
    if (hook_)
        ::UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK CreationHook::Filter(int code, WPARAM wParam, LPARAM lParam) {
    CreationHook* current = innermost;
    if (code == HCBT_CREATEWND && current && current->pending_) {
        CWnd* wnd = current->pending_;
        current->pending_ = nullptr;
        HWND handle = reinterpret_cast<HWND>(wParam);
        if (wnd->Attach(handle)) {
            wnd->PreSubclassWindow();
            wnd->InstallProcedure();
            current->caught_ = true;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
