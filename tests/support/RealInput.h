// Real input through SendInput: it travels through the display server like a user's, so the
// receiving window must be in front and the caller must pump messages for it to arrive.
#pragma once

#include <windows.h>

#include <vector>

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

// One key pressed and released, with Shift held around it when asked.
inline void SendKeyPress(WORD key, bool shift = false) {
    INPUT input[4]{};
    int count = 0;
    auto add = [&](WORD vk, DWORD flags) {
        input[count].type = INPUT_KEYBOARD;
        input[count].ki.wVk = vk;
        input[count++].ki.dwFlags = flags;
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(count), input, sizeof(INPUT));
}

// Characters as Unicode packets, each pressed and released, whatever the keyboard layout.
inline void SendTextInput(const char* text) {
    std::vector<INPUT> keys;
    for (const char* c = text; *c; ++c) {
        INPUT key{};
        key.type = INPUT_KEYBOARD;
        key.ki.wScan = static_cast<WORD>(static_cast<unsigned char>(*c));
        key.ki.dwFlags = KEYEVENTF_UNICODE;
        keys.push_back(key);
        key.ki.dwFlags |= KEYEVENTF_KEYUP;
        keys.push_back(key);
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}
