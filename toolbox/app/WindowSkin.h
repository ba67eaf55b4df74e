// How the toolbox's windows use the skin engine. Each call does nothing while the process
// has no engine (the start routine creates it before any window is loaded).
#pragma once

#include "DesignedWindow.h"
#include "SkinEngine.h"

namespace toolbox {

// Attaches the window's frame to the skin and skins the child controls of every attached
// window.
void AttachSkin(const DesignedWindow& window, const AttachOptions& options);
// The toolbox's windows have fixed frames (no sizing, no maximize, no main menu); they
// differ only in their minimize and help caption buttons.
AttachOptions FixedFrame(bool minimizeBox, bool helpButton);
// The handler runs when the user clicks the window's help caption button.
void SetSkinHelpHandler(const DesignedWindow& window, Handler handler);
void SetSkinStatusText(const DesignedWindow& window, const Text& text);
void SetSkinBannerColour(COLORREF colour);

} // namespace toolbox
