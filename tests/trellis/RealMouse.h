#pragma once

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

// Drags the real mouse from the first screen point through the others with the left button
// held. A user thread sends the input while this thread keeps pumping, so a control that runs
// its own loop on button-down cannot hang the test.
inline void RealDrag(const std::vector<POINT>& path) {
    auto send = [](DWORD flags, POINT screen) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        SendInput(1, &input, sizeof input);
    };
    std::atomic<bool> done{false};
    std::thread user([&] {
        send(0, path.front());
        Sleep(60);
        send(MOUSEEVENTF_LEFTDOWN, path.front());
        for (size_t i = 1; i < path.size(); ++i) {
            Sleep(60);
            send(0, path[i]);
        }
        Sleep(60);
        send(MOUSEEVENTF_LEFTUP, path.back());
        Sleep(100);
        done = true;
    });
    while (!done) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    user.join();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}
