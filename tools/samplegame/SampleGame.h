// Builds a sample game folder from nothing: the launcher marker "Startup.exe", the stand-in
// player bin\Player.exe, the thirteen stock levels and the toolbox's data.zip, whose
// extraction creates "datas" with every content package.
#pragma once

#include <string>
#include <vector>

namespace samplegame {

struct Package {
    std::string name;    // file name in "datas" (GBK bytes)
    std::string archive; // the package's ZIP bytes
};

// Every package the toolbox installs, each with directory entries before its files.
std::vector<Package> Packages();
// The toolbox's first-run archive: "datas/" and every package inside it.
std::string DataArchive();
// Content of the stock level file number 1 to 13 and of its package's version.
std::string StockLevel(int number);

// Creates `folder` (and its parents' last level) with the game's files and data.zip.
// `player` is the stand-in player program to copy into bin\. False on any failure.
bool Build(const std::string& folder, const std::string& player);

} // namespace samplegame
