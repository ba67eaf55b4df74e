#include "Program.h"

#include "Files.h"

#include <commctrl.h>

#include <vector>

namespace toolbox {

namespace {

std::vector<Handler>& ExitRoutines() {
    static std::vector<Handler> routines;
    return routines;
}

void RunExitRoutines() {
    std::vector<Handler> routines;
    routines.swap(ExitRoutines()); // each runs once, even if one of them ends the program
    for (auto it = routines.rbegin(); it != routines.rend(); ++it)
        (*it)();
}

void Dispatch(MSG& message) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

} // namespace

int RunProgram(Handler startRoutine) {
    SetCurrentDirectoryA(ProgramDirectory().c_str());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    startRoutine();
    RunExitRoutines();
    return 0;
}

void RegisterExitRoutine(Handler routine) {
    if (routine)
        ExitRoutines().push_back(routine);
}

void EndProgram() {
    RunExitRoutines();
    ExitProcess(0);
}

void LoadWindow(DesignedWindow& window, DesignedWindow* owner, bool modal) {
    HWND ownerHandle = owner ? owner->Handle() : nullptr;
    if (!modal || window.IsLoaded()) {
        window.Load(ownerHandle);
        return;
    }
    if (ownerHandle) {
        EnableWindow(ownerHandle, FALSE);
        window.SetDisabledOwner(ownerHandle);
    }
    if (!window.Load(ownerHandle)) {
        if (ownerHandle)
            EnableWindow(ownerHandle, TRUE);
        return;
    }
    MSG message;
    while (window.IsLoaded()) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // Closing everything from inside the modal window: leave it to the outer loop.
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
            break;
        }
        Dispatch(message);
    }
    if (ownerHandle && IsWindow(ownerHandle)) {
        EnableWindow(ownerHandle, TRUE);
        SetActiveWindow(ownerHandle);
    }
}

void CloseWindow(DesignedWindow& window) {
    window.Close();
}

bool IsWindowLoaded(const DesignedWindow& window) {
    return window.IsLoaded();
}

HWND WindowHandle(const DesignedWindow& window) {
    return window.Handle();
}

void ProcessPendingEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void RunMessageLoop() {
    if (DesignedWindow::LoadedCount() == 0)
        return;
    DesignedWindow::QuitWhenLastWindowCloses(true);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        Dispatch(message);
    DesignedWindow::QuitWhenLastWindowCloses(false);
}

} // namespace toolbox
