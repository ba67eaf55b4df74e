// The start-up window: decides whether the toolbox sits in a game directory, whether this
// is its first run (then it unpacks data.zip and ends), or whether the main window opens.
#pragma once

#include "DesignedWindow.h"

namespace toolbox {

DesignedWindow& StartupWindow();

} // namespace toolbox
