// A library loaded from the system directory only, with entry points that must exist.
//
// The program folder is where content packages are extracted, so a library looked up there
// could be one a package planted; system libraries therefore never come from the standard
// search order. A missing library or entry point is fatal: the runtime error box, then exit -1.
#pragma once

#include <windows.h>

#include <string>

class SystemLibrary {
public:
    // `displayName` is the name the error box shows; `fileName` is looked up in the system directory.
    SystemLibrary(const char* displayName, const char* fileName);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    HMODULE Module() const { return module_; }

    // The address of an exported function, typed as the SDK declares it.
    template <typename Fn> Fn Entry(const char* function) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(RequireEntry(function)));
    }

private:
    FARPROC RequireEntry(const char* function) const;

    std::string displayName_;
    HMODULE module_ = nullptr;
};

// The text of the runtime error box for an entry point that cannot be bound.
std::string MissingEntryMessage(const std::string& library, const std::string& function);

// Shows the runtime error box for a missing entry point and ends the process with exit code -1.
[[noreturn]] void FailMissingEntry(const std::string& library, const std::string& function);
