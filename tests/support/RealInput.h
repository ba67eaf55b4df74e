// Real input through SendInput: it travels through the display server like a user's, so the
// receiving window must be in front and the caller must pump messages for it to arrive.
#pragma once

#include <windows.h>

// Changes the buttons where the pointer is (MOUSEEVENTF_LEFTDOWN and the like, or 0), then
// moves it to a screen point; the two arrive together, since queued moves are merged.
inline void SendMouseInput(POINT screen, DWORD buttons) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = buttons;
    input[1].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    input[1].mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input[1].mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    SendInput(buttons ? 2 : 1, buttons ? input : input + 1, sizeof(INPUT));
}

// One key pressed and released.
inline void SendKeyPress(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}
