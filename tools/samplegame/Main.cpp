// samplegame <folder>: builds a sample game folder for the toolbox (see SampleGame.h).
// Player.exe is taken from beside this program.
#include "SampleGame.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of('\\'));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: samplegame <folder>\n");
        return 2;
    }
    if (!samplegame::Build(argv[1], OwnFolder() + "\\Player.exe")) {
        fprintf(stderr, "samplegame: could not build %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    printf("sample game folder ready: %s\n", argv[1]);
    return 0;
}
