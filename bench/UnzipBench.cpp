// Unzip against a bare minizip extraction loop over the same generated archives: throughput
// on a large archive (the ratio should stay at or above 0.95) and the cost per entry at
// 100, 1,000 and 10,000 small entries (which should stay flat), once into fresh folders
// (ratio goal 0.9: new files are written in place) and once with every entry replacing a
// file (goal 0.75: each replacement is checked whole before the file is touched).
//   unzip_bench [entries for the large archive, default 3000]
#include "BenchSupport.h"
#include "TestFolder.h"
#include "Unzip.h"
#include "ZipWriter.h"

// unzip.h first: iowin32.h relies on the macros it brings.
#include <unzip.h>
#include <iowin32.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const size_t kBufferSize = 256 * 1024;

// What a plain extractor does with minizip: no name checks, files written in place.
bool BareExtract(const std::string& archive, const std::string& target) {
    zlib_filefunc64_def functions;
    fill_win32_filefunc64A(&functions);
    unzFile zip = unzOpen2_64(archive.c_str(), &functions);
    if (!zip)
        return false;
    CreateDirectoryA(target.c_str(), nullptr);
    std::vector<char> buffer(kBufferSize);
    char name[1024];
    bool ok = true;
    for (int status = unzGoToFirstFile(zip); ok && status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info64 info;
        ok = unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK;
        std::string path = target + "\\" + name;
        std::replace(path.begin(), path.end(), '/', '\\');
        if (!ok || path.back() == '\\') {
            CreateDirectoryA(path.c_str(), nullptr);
            continue;
        }
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ok = file != INVALID_HANDLE_VALUE && unzOpenCurrentFile(zip) == UNZ_OK;
        int read = 0;
        DWORD written = 0;
        while (ok &&
               (read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0)
            ok = WriteFile(file, buffer.data(), static_cast<DWORD>(read), &written, nullptr) != FALSE;
        ok = ok && read == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
        FILETIME local, time;
        DosDateTimeToFileTime(HIWORD(info.dosDate), LOWORD(info.dosDate), &local);
        LocalFileTimeToFileTime(&local, &time);
        SetFileTime(file, &time, &time, &time);
        CloseHandle(file);
    }
    unzClose(zip);
    return ok;
}

bool RuntimeExtract(const std::string& archive, const std::string& target) {
    toolbox::Element unit(toolbox::UnzipUnitDesign("unzip"));
    return toolbox::Unzip(archive, target, unit) == 1;
}

struct Timing {
    double bare;
    double runtime;
};

enum class Targets { Mixed, Fresh, Replaced };

// Best of `rounds` runs taking turns to go first. Mixed: the first round writes fresh files,
// later ones replace; Fresh: the targets are removed before each run; Replaced: a run before
// the measured ones has written every file.
Timing Measure(const std::string& archive, const std::string& folder, int rounds, Targets targets) {
    const std::string bareTarget = folder + "\\bare", runtimeTarget = folder + "\\runtime";
    bool ok = true;
    if (targets == Targets::Replaced)
        ok = BareExtract(archive, bareTarget) && RuntimeExtract(archive, runtimeTarget);
    Timing best{1e9, 1e9};
    for (int round = 0; round < rounds; ++round) {
        if (targets == Targets::Fresh) {
            RemoveTree(bareTarget);
            RemoveTree(runtimeTarget);
        }
        double bare = 0, runtime = 0;
        auto runBare = [&] { bare = Seconds([&] { ok = BareExtract(archive, bareTarget) && ok; }); };
        auto runRuntime = [&] {
            runtime = Seconds([&] { ok = RuntimeExtract(archive, runtimeTarget) && ok; });
        };
        // Whichever runs second pays for the write-back of the first one's data: take turns.
        if (round % 2 == 0) {
            runBare();
            runRuntime();
        } else {
            runRuntime();
            runBare();
        }
        if (!ok) {
            fprintf(stderr, "extraction failed\n");
            exit(1);
        }
        best.bare = std::min(best.bare, bare);
        best.runtime = std::min(best.runtime, runtime);
    }
    RemoveTree(bareTarget);
    RemoveTree(runtimeTarget);
    return best;
}

void MeasureSmallEntries(const std::string& folder, Targets targets, const char* title, double goal) {
    printf("per-entry cost (1 KB entries), %s:\n", title);
    for (int entries : {100, 1000, 10000}) {
        uint64_t total = 0;
        std::string small = folder + "\\small.zip";
        WriteBytesToFile(small, MakeArchive(entries, 1024, total));
        Timing timing = Measure(small, folder, 3, targets);
        printf("  %6d entries: bare %7.1f us/entry, Unzip %7.1f us/entry, ratio %.3f (goal >= %.2f)\n",
               entries, timing.bare * 1e6 / entries, timing.runtime * 1e6 / entries,
               timing.bare / timing.runtime, goal);
        DeleteFileA(small.c_str());
    }
}

std::string WorkFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "unzip-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace

int main(int argc, char** argv) {
    const int largeEntries = argc > 1 ? atoi(argv[1]) : 3000;
    const size_t largeEntrySize = 100 * 1024;
    std::string folder = WorkFolder();

    uint64_t total = 0;
    std::string archive = folder + "\\large.zip";
    WriteBytesToFile(archive, MakeArchive(largeEntries, largeEntrySize, total));
    Timing large = Measure(archive, folder, 3, Targets::Mixed);
    const double megabytes = static_cast<double>(total) / (1024.0 * 1024.0);
    printf("large archive: %d entries, %.0f MB inflated\n", largeEntries, megabytes);
    printf("  bare minizip loop: %7.3f s  %7.1f MB/s\n", large.bare, megabytes / large.bare);
    printf("  Unzip:             %7.3f s  %7.1f MB/s\n", large.runtime, megabytes / large.runtime);
    printf("  throughput ratio Unzip / bare: %.3f (goal >= 0.95)\n", large.bare / large.runtime);
    DeleteFileA(archive.c_str());

    MeasureSmallEntries(folder, Targets::Fresh, "fresh targets", 0.9);
    MeasureSmallEntries(folder, Targets::Replaced, "every entry replacing a file", 0.75);
    RemoveTree(folder);
    return 0;
}
