// Entry of the toolbox program: the runtime starts and calls the start routine.
#include "Program.h"
#include "StartRoutine.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return toolbox::RunProgram(toolbox::StartRoutine);
}
