// The map window: replaces one of the game's thirteen levels by a level file (".qlx") of
// the user's choice. Loaded modal, owned by the main window.
#pragma once

#include "DesignedWindow.h"

namespace toolbox {

DesignedWindow& MapWindow();

// "浏览": lets the user pick a level file and puts its path into the edit box.
void BrowseLevelFile();
// "更换": copies the file named in the edit box over the level chosen in the list.
void ReplaceLevel();
// The part of the path after its last "."; empty when there is none.
Text FileExtension(const Text& path);
// The level file that list index replaces: 0 is Level_01.qlx, -1 (nothing chosen) Level_00.qlx.
Text LevelFilePath(int index);
void ShowErrorBox(const Text& message);

} // namespace toolbox
