// The mutated-archive soak: extracts thousands of damaged and hostile archives and checks
// that none crashes, escapes the target, damages an existing file or leaves a temporary
// file. Prints one summary line; exits with 1 on any failure, 2 on a crash.
//   unzip_soak [cases, default 3000] [first case, default 0]
#include "SoakCase.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    printf("soak: crashed with exception %#lx\n",
           static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
    fflush(stdout);
    ExitProcess(2);
}

} // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(ReportCrash);
    const uint32_t count = argc > 1 ? static_cast<uint32_t>(strtoul(argv[1], nullptr, 10)) : 3000;
    const uint32_t first = argc > 2 ? static_cast<uint32_t>(strtoul(argv[2], nullptr, 10)) : 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "unzip-soak-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(root.c_str(), nullptr);
    soak::SoakSummary summary = soak::RunCases(first, count, root);
    RemoveDirectoryA(root.c_str());
    return summary.failures == 0 ? 0 : 1;
}
