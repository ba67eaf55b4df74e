// The main window: the toolbox's working window, open from a normal start until the user
// closes it, which ends the program.
#pragma once

#include "DesignedWindow.h"

namespace toolbox {

DesignedWindow& MainWindow();

} // namespace toolbox
