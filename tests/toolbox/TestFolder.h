// A fresh folder under the temp directory for one test, removed with everything in it
// afterwards (read-only files included).
#pragma once

#include <string>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Folder of the running test program (where the build puts every program).
std::string ProgramFolder();
// Removes a file or a folder with everything in it (read-only files included).
void RemoveTree(const std::string& path);
std::string ReadFileText(const std::string& path);
bool WriteFileText(const std::string& path, const std::string& text);
