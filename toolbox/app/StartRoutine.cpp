#include "StartRoutine.h"

#include "Program.h"
#include "RunCounter.h"
#include "SkinEngine.h"
#include "StartupWindow.h"

#include <memory>

namespace toolbox {

namespace {

// The process's one skin engine; windows reach it through SkinEngine::Instance().
std::unique_ptr<SkinEngine>& Engine() {
    static std::unique_ptr<SkinEngine> engine;
    return engine;
}

void ReleaseSkinEngine() {
    Engine().reset();
}

} // namespace

void StartRoutine() {
    Engine() = std::make_unique<SkinEngine>();
    RegisterExitRoutine(ReleaseSkinEngine);
    CountRun();
    Engine()->InitialiseResources();
    LoadWindow(StartupWindow(), nullptr, false);
    RunMessageLoop();
}

} // namespace toolbox
