// Runs a program as a child process for a test: started in a chosen working directory,
// waited for with a timeout, killed if it outlives the test. Pair it with a
// MessageBoxWatcher(child.Id()) to answer its message boxes.
#pragma once

#include <windows.h>

#include <string>

class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::string& workingDirectory);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // False when the child did not end in time; it is killed then.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);
    // A visible top-level window of the child with this title (ANSI); null on timeout.
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs) const;
    // Whether the child has a visible top-level window with this title right now.
    bool HasWindow(const std::string& title) const;

private:
    HWND FindTitledWindow(const std::string& title) const;

    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Text of a window or control (works across processes for standard controls).
std::string WindowTextOf(HWND window);
