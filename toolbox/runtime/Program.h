// Process start, window loading, events and the message loop of the toolbox.
#pragma once

#include "Design.h"
#include "DesignedWindow.h"

namespace toolbox {

// Runtime start: sets the working directory to the program directory, prepares the common
// controls, then calls the start routine. Returns the process exit code once the start
// routine has returned, after the exit routines have run.
int RunProgram(Handler startRoutine);

// The routine runs once when the program ends, by EndProgram or after the last window.
void RegisterExitRoutine(Handler routine);
// Runs the exit routines and ends the process at once with exit code 0.
[[noreturn]] void EndProgram();

// Not modal: returns once the window is shown. Modal: disables the owner and returns when
// the window has been closed.
void LoadWindow(DesignedWindow& window, DesignedWindow* owner, bool modal);
void CloseWindow(DesignedWindow& window);
bool IsWindowLoaded(const DesignedWindow& window);
HWND WindowHandle(const DesignedWindow& window);

// Dispatches every queued message of this thread. A quit request found on the way is
// posted again, so the message loop still sees it.
void ProcessPendingEvents();
// Returns when the last designed window has been destroyed (at once when none is loaded).
void RunMessageLoop();

} // namespace toolbox
