#include "DyingWindow.h"
#include "HandleMaps.h"

namespace {

thread_local MSG currentMessage{};

// Makes a message the current one for Default() and reflection while it is dispatched.
class CurrentMessageScope {
public:
    CurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) : saved_(currentMessage) {
        currentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    }
    ~CurrentMessageScope() { currentMessage = saved_; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    MSG saved_;
};

} // namespace

// The window procedure's access to the end of a window's life.
class WindowProcedure {
public:
    static void Finish(CWnd* wnd) { wnd->FinishDestruction(); }
};

const MSG* CWnd::GetCurrentMessage() {
    return &currentMessage;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    CurrentMessageScope scope(hWnd, message, wParam, lParam);
    // Non-virtual: the object may be part way through its destruction.
    LRESULT result = DyingWindowScope::Silenced(hWnd) ? wnd->CWnd::DefWindowProc(message, wParam, lParam)
                                                      : wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        WindowProcedure::Finish(wnd);
    return result;
}

CWnd* AfxWndFromHandle(HWND handle) {
    return CWnd::FromHandle(handle);
}

CDC* AfxDCFromHandle(HDC handle) {
    return CDC::FromHandle(handle);
}
