#include "StartRoutine.h"

#include "Program.h"
#include "RunCounter.h"
#include "StartupWindow.h"

namespace toolbox {

void StartRoutine() {
    // Skin engine, first: create the engine with its shared state and register its
    // release with RegisterExitRoutine (comes with the skin engine library).
    CountRun();
    // Skin engine, second: its resource initialisation (comes with the skin engine library).
    LoadWindow(StartupWindow(), nullptr, false);
    RunMessageLoop();
}

} // namespace toolbox
