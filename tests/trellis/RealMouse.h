#pragma once

#include "RealInput.h"
#include "TrellisTestSupport.h"

#include <atomic>
#include <thread>
#include <vector>

// Drives a gesture with real mouse input from a second thread while this thread pumps
// messages, so a control's own modal loop (drag detection, capture) cannot stall the test.
// Each step is one SendMouseInput.
struct MouseStep {
    POINT screen;
    DWORD buttons; // MOUSEEVENTF_LEFTDOWN and the like, or 0 for a plain move
};

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
        PumpFor(0);
    }
    user.join();
    PumpFor(0);
}

// Moves the pointer to a screen point, then lets the messages arrive.
inline void MoveMouseTo(POINT screen) {
    SendMouseInput(screen, 0);
    PumpFor(30);
}

// A left click at a screen point, press and release sent together.
inline void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    SendMouseInput(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouseInput(screen, MOUSEEVENTF_LEFTUP);
    PumpFor(30);
}

// The centre of a window on the screen.
inline POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

inline POINT ScreenPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

// Drags with the left button held from the first screen point through the others.
inline void RealDrag(const std::vector<POINT>& path) {
    std::vector<MouseStep> steps{{path.front(), 0}, {path.front(), MOUSEEVENTF_LEFTDOWN}};
    for (size_t i = 1; i < path.size(); ++i) {
        steps.push_back({path[i], 0});
    }
    steps.push_back({path.back(), MOUSEEVENTF_LEFTUP});
    PlayMouse(steps);
}
