#pragma once

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

// Drives a gesture with real mouse input from a second thread while this thread pumps
// messages, so a control's own modal loop (drag detection, capture) cannot stall the test.
// Each step changes the buttons where the pointer is, then moves it to a screen point; the
// two arrive together, since queued moves are merged.
struct MouseStep {
    POINT screen;
    DWORD buttons; // MOUSEEVENTF_LEFTDOWN and the like, or 0 for a plain move
};

inline void SendMouseInput(POINT screen, DWORD buttons) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = buttons;
    input[1].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    input[1].mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input[1].mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    SendInput(buttons ? 2 : 1, buttons ? input : input + 1, sizeof(INPUT));
}

inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The steps run in order with a pause between them.
inline void PlayMouse(const std::vector<MouseStep>& steps, DWORD pauseMs = 60) {
    std::atomic<bool> done{false};
    std::thread user([&] {
        for (const MouseStep& step : steps) {
            SendMouseInput(step.screen, step.buttons);
            Sleep(pauseMs);
        }
        Sleep(pauseMs);
        done = true;
    });
    while (!done) {
        PumpMessages();
        Sleep(5);
    }
    user.join();
    PumpMessages();
}

inline POINT ScreenPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}
