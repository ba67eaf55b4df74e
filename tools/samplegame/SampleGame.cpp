#include "SampleGame.h"

#include "ZipWriter.h"

#include <windows.h>

#include <cstdio>

namespace samplegame {

namespace {

const int kLevels = 13;
const int kBallPatches = 13;

std::string TwoDigits(int number) {
    char text[8];
    snprintf(text, sizeof text, "%02d", number);
    return text;
}

std::string LevelEntry(int number) {
    return "3D Entities/Level/Level_" + TwoDigits(number) + ".qlx";
}

std::string LevelPackage(int first, int last) {
    ZipWriter zip;
    zip.AddDirectory("3D Entities/");
    zip.AddDirectory("3D Entities/Level/");
    for (int number = first; number <= last; ++number)
        zip.AddFile(LevelEntry(number), StockLevel(number));
    return zip.Finish();
}

std::string FolderPackage(const std::string& folder,
                          const std::vector<std::pair<std::string, std::string>>& files) {
    ZipWriter zip;
    zip.AddDirectory(folder + "/");
    for (const auto& file : files)
        zip.AddFile(folder + "/" + file.first, file.second);
    return zip.Finish();
}

std::string BallPatch(int index) {
    return FolderPackage("Textures/Balls", {{"ball.cfg", "ball patch " + std::to_string(index) + "\r\n"}});
}

bool MakeFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace

std::string StockLevel(int number) {
    return "TUMBRA stock level " + TwoDigits(number) + "\r\n" + std::string(256 * number, '#');
}

std::vector<Package> Packages() {
    std::vector<Package> packages;
    packages.push_back({"汉化补丁.zi", FolderPackage("Language", {{"汉化.txt", "简体中文界面\r\n"},
                                                                  {"strings.txt", "开始游戏\r\n退出\r\n"}})});
    for (int number = 1; number <= kLevels; ++number)
        packages.push_back({"Level_" + TwoDigits(number) + ".zi", LevelPackage(number, number)});
    packages.push_back({"alllevel.zi", LevelPackage(1, kLevels)});
    packages.push_back(
        {"Database.zi", FolderPackage("Database", {{"progress.db", "levels completed: 13\r\n"}})});
    packages.push_back({"ph.zi", FolderPackage("3D Entities/PH", {{"ball.ph", "stock PH model\r\n"}})});
    packages.push_back({"bin.zi", FolderPackage("bin", {{"stock.txt", "stock BIN folder\r\n"}})});
    for (int index = 0; index < kBallPatches; ++index)
        packages.push_back({"balls" + std::to_string(index) + ".zi", BallPatch(index)});
    return packages;
}

std::string DataArchive() {
    ZipWriter zip;
    zip.AddDirectory("datas/");
    for (const Package& package : Packages())
        zip.AddFile("datas/" + package.name, package.archive, ZipWriter::Method::Stored);
    return zip.Finish();
}

bool Build(const std::string& folder, const std::string& player) {
    const std::string levels = folder + "\\3D Entities\\Level";
    bool ok = MakeFolder(folder) && MakeFolder(folder + "\\bin") && MakeFolder(folder + "\\3D Entities") &&
              MakeFolder(levels) &&
              WriteBytesToFile(folder + "\\Startup.exe", "TUMBRA launcher marker\r\n") &&
              CopyFileA(player.c_str(), (folder + "\\bin\\Player.exe").c_str(), FALSE) &&
              WriteBytesToFile(folder + "\\data.zip", DataArchive());
    for (int number = 1; ok && number <= kLevels; ++number)
        ok = WriteBytesToFile(levels + "\\Level_" + TwoDigits(number) + ".qlx", StockLevel(number));
    return ok;
}

} // namespace samplegame
