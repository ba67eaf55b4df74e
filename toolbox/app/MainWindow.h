// The main window: the toolbox's working window, open from a normal start until the user
// closes it, which ends the program. One button per content package, the ball patch
// list, the game launcher, the skin colour picker, two web links and the map window.
#pragma once

#include "DesignedWindow.h"

namespace toolbox {

DesignedWindow& MainWindow();

// Colour picker handler: applies the picked colour to the skin and saves it.
void SaveSkinColour();
// Applies the colour saved in "skin.ini", if there is a usable one.
void ApplySavedSkinColour();
// Starts bin\Player.exe with bin as its working directory; a failure is not reported.
void RunGame();
// The skin's help button: shows how the toolbox is used.
void ShowHelp();

} // namespace toolbox
