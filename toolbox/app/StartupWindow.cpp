#include "StartupWindow.h"

#include "Files.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Program.h"
#include "Unzip.h"

namespace toolbox {

namespace {

const char kInstruction[] = "instruction";
const char kUnzip[] = "unzip";

Text DataArchive() {
    return ProgramDirectory() + "\\data.zip";
}

Text PackageFolder() {
    return ProgramDirectory() + "\\datas";
}

// Unpacks data.zip into the program directory, reports the outcome and ends the program.
// Runs only while "datas" does not exist.
[[noreturn]] void FirstRunSetup() {
    StartupWindow().Item(kInstruction).SetCaption("正在初始化...");
    int result = Unzip(DataArchive(), ProgramDirectory(), StartupWindow().Item(kUnzip));
    // A half-filled package folder would make the next start skip the first run for good;
    // without it the next start retries with the archive kept below.
    if (result != 1 && IsDirectory(PackageFolder()))
        RemoveFolderTree(PackageFolder());
    if (result == 1)
        ShowMessage("初始化成功，请重新运行本程序！", kMessageInformation);
    else
        ShowMessage("初始化失败，请重新安装本程序！请检查data.zip是否正常", kMessageError);
    // After a failure the archive may be the user's only copy: keep it for the next try.
    if (result == 1)
        RemoveFile(DataArchive());
    EndProgram();
}

void OnStartupCreated() {
    if (!FileExists("Startup.exe"))
        return; // not a game directory: the window stays and explains
    if (!FileExists("datas"))
        FirstRunSetup();
    // The main window comes first, so the process always has a window.
    LoadWindow(MainWindow(), nullptr, false);
    CloseWindow(StartupWindow());
}

WindowDesign StartupDesign() {
    WindowDesign design;
    design.title = "TUMBRA常用工具箱";
    design.box = {50, 50, 257, 124};
    design.onCreated = OnStartupCreated;
    FontDesign labelFont;
    labelFont.height = 16;
    design.elements = {
        LabelDesign(kInstruction, "将本程序和data.zip置于tumbra目录下使工具箱生效", {24, 24, 200, 56},
                    labelFont),
        UnzipUnitDesign(kUnzip),
    };
    return design;
}

} // namespace

DesignedWindow& StartupWindow() {
    static DesignedWindow window(StartupDesign());
    return window;
}

} // namespace toolbox
