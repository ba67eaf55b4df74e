// Hover, press and click on the frame elements of attached windows (caption buttons, tabs,
// status text), and moving or maximizing the window from its banner and status bar.
#pragma once

#include "TabStrip.h"

class ElementTracker {
public:
    ElementTracker(SkinRegistry& registry, const FramePainter& painter, const TabStrip& tabs)
        : registry_(registry), painter_(painter), tabs_(tabs) {}

    // The frame's mouse messages (move, left button down, up and double-click, leave). True
    // when the message was used up and must not reach the window's previous procedure.
    bool HandleMouse(HWND window, UINT message, LPARAM lParam) const;

private:
    // Finds the element under the point and updates hover and press for the message; true
    // when the point is on a caption button or a tab.
    bool Track(HWND window, UINT message, POINT point) const;
    void MoveHover(HWND window, SkinWindowRecord& record, int hit) const;
    void SetFlag(HWND window, SkinWindowRecord& record, int index, bool SkinElement::*flag, bool on) const;
    void Leave(HWND window) const;
    void Click(HWND window, int index) const;
    bool InDragZone(HWND window, POINT point) const;

    SkinRegistry& registry_;
    const FramePainter& painter_;
    const TabStrip& tabs_;
};
