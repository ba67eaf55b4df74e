#include "MapWindow.h"

#include "Files.h"
#include "Messages.h"
#include "WindowSkin.h"

namespace toolbox {

namespace {

const char kPath[] = "path";
const char kLevelList[] = "level";
const char kOpenDialog[] = "open";

void OnMapCreated() {
    AttachSkin(MapWindow(), FixedFrame(true, false));
}

std::vector<Text> LevelItems() {
    std::vector<Text> items;
    for (int level = 1; level <= 13; ++level)
        items.push_back("第" + ToText(level) + "关");
    return items;
}

WindowDesign MapDesign() {
    WindowDesign design;
    design.title = "地图更换窗口";
    design.box = {50, 50, 275, 169};
    design.onCreated = OnMapCreated;
    design.elements = {
        EditDesign(kPath, {8, 48, 200, 16}),
        ButtonDesign("browse", "浏览", {216, 48, 40, 16}, BrowseLevelFile),
        DropDownListDesign(kLevelList, {8, 88, 248, 20}, LevelItems()),
        ButtonDesign("replace", "更换", {96, 120, 80, 24}, ReplaceLevel),
        OpenFileDialogDesign(kOpenDialog, "tumbra地图（QLX文件）|*.QLX", "qlx"),
    };
    return design;
}

bool IsLevelFile(const Text& path) {
    // Existence first: the extension of a path that names nothing is not looked at.
    return FileExists(path) && ToLowerAscii(FileExtension(path)) == "qlx";
}

} // namespace

DesignedWindow& MapWindow() {
    static DesignedWindow window(MapDesign());
    return window;
}

void BrowseLevelFile() {
    Element& dialog = MapWindow().Item(kOpenDialog);
    dialog.SetInitialFolder("");
    if (dialog.ShowOpenDialog())
        MapWindow().Item(kPath).SetCaption(dialog.ChosenPath());
}

void ReplaceLevel() {
    Text path = MapWindow().Item(kPath).Caption();
    if (!IsLevelFile(path)) {
        ShowErrorBox("错误！请输入正确的地图文件名，必须为QLX格式！");
        return;
    }
    bool ok = CopyFileOver(path, LevelFilePath(MapWindow().Item(kLevelList).Selection()));
    ShowMessage(ok ? "成功" : "失败", kMessageInformation);
}

Text FileExtension(const Text& path) {
    int dot = FindLast(path, ".", true);
    return dot < 1 ? Text() : MidText(path, dot + 1, TextLength(path));
}

Text LevelFilePath(int index) {
    Text number = ToText(static_cast<double>(index) + 1);
    if (index <= 8)
        number = "0" + number;
    return ProgramDirectory() + "\\3D Entities\\Level\\Level_" + number + ".qlx";
}

void ShowErrorBox(const Text& message) {
    ShowMessage(message, kMessageError, "错误：");
}

} // namespace toolbox
