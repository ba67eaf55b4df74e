// Finds message boxes that this process (or a given child process) shows, records what
// they said and presses OK, so a test that runs code which reports through MessageBoxA
// neither hangs nor loses the report.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::string text;    // ANSI bytes, as the box shows them
    std::string caption; // ANSI bytes
    UINT icon = 0;       // MB_ICONERROR, MB_ICONINFORMATION, MB_ICONWARNING, MB_ICONQUESTION or 0
};

// The visible dialog windows (message boxes, file dialogs) of a process, topmost first.
std::vector<HWND> VisibleDialogs(DWORD processId = GetCurrentProcessId());

class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(DWORD processId = GetCurrentProcessId());
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen() const;
    // Waits until at least `count` boxes were seen; false when the time ran out.
    bool WaitFor(size_t count, DWORD timeoutMs = 10000) const;

private:
    void Watch();
    void Record(HWND box);

    mutable std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    std::vector<HWND> handled_;
    DWORD process_;
    HANDLE stop_;
    std::thread thread_;
};
