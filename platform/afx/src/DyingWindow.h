// The end of a window whose C++ object is being destroyed while the window still lives.
// That happens to the members of a parent class as the parent's object goes: by then the
// parent's own destructor has run, so what the dying window tells its ancestors (focus loss,
// WM_PARENTNOTIFY, WM_COMMAND) must not reach their objects. The ancestors' default
// procedures still see those messages.
#pragma once

#include <windows.h>

#include <vector>

class DyingWindowScope {
public:
    explicit DyingWindowScope(HWND dying);
    ~DyingWindowScope();
    DyingWindowScope(const DyingWindowScope&) = delete;
    DyingWindowScope& operator=(const DyingWindowScope&) = delete;

    // True while `window` is an ancestor of a window dying this way on this thread.
    static bool Silenced(HWND window);

private:
    size_t m_mark;
};
