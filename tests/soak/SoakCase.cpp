#include "SoakCase.h"

#include "SoakCorpus.h"
#include "TestFolder.h"
#include "Unzip.h"
#include "ZipWriter.h"

#include <windows.h>

#include <cstdio>
#include <map>

namespace soak {

namespace {

const char kGame[] = "game";
const size_t kFaultsPrinted = 10;

using Snapshot = std::map<std::string, std::string>; // relative path → contents, "<dir>" for folders

void Take(const std::string& folder, const std::string& relative, Snapshot& snapshot) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\" + relative + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = relative + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snapshot[path + "\\"] = "<dir>";
            Take(folder, path + "\\", snapshot);
        } else {
            snapshot[path] = ReadFileText(folder + "\\" + path);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

Snapshot Take(const std::string& folder) {
    Snapshot snapshot;
    Take(folder, "", snapshot);
    return snapshot;
}

bool IsTemporaryName(const std::string& path) {
    const size_t slash = path.find_last_of('\\', path.size() - 2);
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    return name.rfind("~toolbox-", 0) == 0 || name.rfind("~tb", 0) == 0;
}

void LayOut(const std::string& folder, const std::string& archive) {
    CreateDirectoryA((folder + "\\" + kGame).c_str(), nullptr);
    CreateDirectoryA((folder + "\\beside").c_str(), nullptr);
    WriteFileText(folder + "\\beside\\keep.txt", "not the game's");
    WriteBytesToFile(folder + "\\package.zi", archive);
    for (const auto& [path, contents] : GameLayout()) {
        const std::string full = folder + "\\" + kGame + "\\" + path;
        if (path.back() == '\\')
            CreateDirectoryA(full.c_str(), nullptr);
        else
            WriteFileText(full, contents);
    }
}

std::string CheckBeside(const Snapshot& before, const Snapshot& after) {
    const std::string prefix = std::string(kGame) + "\\";
    for (const auto& [path, contents] : after) {
        if (path.rfind(prefix, 0) == 0 || path == prefix)
            continue;
        auto old = before.find(path);
        if (old == before.end())
            return "created beside the game: " + path;
        if (old->second != contents)
            return "changed beside the game: " + path;
    }
    for (const auto& entry : before)
        if (!after.count(entry.first))
            return "removed beside the game: " + entry.first;
    return "";
}

std::string CheckGame(const Snapshot& after) {
    const std::string prefix = std::string(kGame) + "\\";
    for (const auto& [path, old] : GameLayout()) {
        auto now = after.find(prefix + path);
        if (now == after.end())
            return "lost: " + path;
        if (path.back() != '\\' && now->second != old && !EntryContents().count(now->second))
            return "replaced with damaged data: " + path;
    }
    for (const auto& entry : after)
        if (IsTemporaryName(entry.first))
            return "temporary file left: " + entry.first;
    return "";
}

} // namespace

CaseOutcome RunCase(const std::string& archive, const std::string& folder) {
    LayOut(folder, archive);
    const Snapshot before = Take(folder);
    toolbox::Element unit(toolbox::UnzipUnitDesign("unzip"));
    CaseOutcome outcome;
    outcome.result = toolbox::Unzip(folder + "\\package.zi", folder + "\\" + kGame, unit);
    const Snapshot after = Take(folder);
    if (outcome.result < -1 || outcome.result > 1)
        outcome.fault = "result " + std::to_string(outcome.result);
    if (outcome.fault.empty())
        outcome.fault = CheckBeside(before, after);
    if (outcome.fault.empty())
        outcome.fault = CheckGame(after);
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return outcome;
}

SoakSummary RunCases(uint32_t first, uint32_t count, const std::string& root) {
    SoakSummary summary;
    const std::string folder = root + "\\case";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (uint32_t index = first; index < first + count; ++index) {
        CaseOutcome outcome = RunCase(MutatedArchive(index), folder);
        // Above the case folder too: nothing may have reached the root.
        if (outcome.fault.empty() && Take(root) != Snapshot{{"case\\", "<dir>"}})
            outcome.fault = "created above the case folder";
        ++summary.cases;
        if (outcome.result >= -1 && outcome.result <= 1)
            ++summary.results[outcome.result + 1];
        if (outcome.fault.empty())
            continue;
        if (summary.failures++ < kFaultsPrinted)
            printf("case %u: %s\n", index, outcome.fault.c_str());
    }
    RemoveTree(folder);
    printf("soak: %u archives (cases %u-%u), %u failed; results -1: %u, 0: %u, 1: %u\n", summary.cases, first,
           first + count - 1, summary.failures, summary.results[0], summary.results[1], summary.results[2]);
    fflush(stdout);
    return summary;
}

} // namespace soak
