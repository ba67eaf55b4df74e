#include "MainWindow.h"

#include "Files.h"
#include "MapWindow.h"
#include "Messages.h"
#include "PackageInstaller.h"
#include "Program.h"
#include "SkinColour.h"
#include "WindowSkin.h"

#include <shellapi.h>

#include <utility>

namespace toolbox {

namespace {

const char kBallList[] = "balls";
const char kColour[] = "colour";

struct PackageButton {
    const char* caption;
    Box box;
    const char* package;
};

const PackageButton kPackageButtons[] = {
    {"安装汉化补丁", {16, 56, 176, 16}, "汉化补丁.zi"}, {"第1关", {112, 96, 56, 16}, "Level_01.zi"},
    {"第2关", {184, 96, 56, 16}, "Level_02.zi"},        {"第3关", {248, 96, 56, 16}, "Level_03.zi"},
    {"第4关", {312, 96, 56, 16}, "Level_04.zi"},        {"第5关", {112, 120, 56, 16}, "Level_05.zi"},
    {"第6关", {184, 120, 56, 16}, "Level_06.zi"},       {"第7关", {248, 120, 56, 16}, "Level_07.zi"},
    {"第8关", {312, 120, 56, 16}, "Level_08.zi"},       {"第9关", {112, 144, 56, 16}, "Level_09.zi"},
    {"第10关", {184, 144, 56, 16}, "Level_10.zi"},      {"第11关", {248, 144, 56, 16}, "Level_11.zi"},
    {"第12关", {312, 144, 56, 16}, "Level_12.zi"},      {"第13关", {112, 168, 56, 16}, "Level_13.zi"},
    {"所有", {184, 168, 120, 16}, "alllevel.zi"},       {"全通关存档", {24, 192, 128, 16}, "Database.zi"},
    {"原版PH模型", {168, 192, 96, 16}, "ph.zi"},        {"原版BIN文件夹", {280, 192, 88, 16}, "bin.zi"},
};
const size_t kPackageButtonCount = sizeof kPackageButtons / sizeof kPackageButtons[0];

// Neutral placeholder pages: where the game can be downloaded, and its forum.
const char kDownloadPage[] = "https://www.example.com/tumbra/download";
const char kForumPage[] = "https://www.example.com/tumbra/forum";

const char kHelpText[] = "点击你想要使用的功能就可以了。如果出现失败提示，请尝试重新安装。";
const char kStatusText[] = "tumbra工具箱，玩tumbra必备的软件。";

template <size_t Index> void InstallButtonPackage() {
    InstallPackage(kPackageButtons[Index].package);
}

template <size_t... Index> std::vector<ElementDesign> PackageButtonDesigns(std::index_sequence<Index...>) {
    return {ButtonDesign(kPackageButtons[Index].package, kPackageButtons[Index].caption,
                         kPackageButtons[Index].box, InstallButtonPackage<Index>)...};
}

void InstallBallPatch() {
    InstallPackage("balls" + ToText(MainWindow().Item(kBallList).Selection()) + ".zi");
}

void OnRunGameClick() {
    if (!IsInstalling())
        RunGame();
}

void OnChangeMapClick() {
    // The map window would otherwise copy a level while a package writes the same folder.
    if (!IsInstalling())
        LoadWindow(MapWindow(), &MainWindow(), true);
}

// Commands that open something (the colour dialog, a web page, the help box) are refused
// while a package is extracted, like every other command: a modal box opened from inside a
// progress report would hold the extraction until the user closed it.
bool MayOpenDuringInstall() {
    return !IsInstalling();
}

void OnHelpClick() {
    if (MayOpenDuringInstall())
        ShowHelp();
}

void OnMainCreated() {
    // The user can never empty a drop-down list's selection, so starting with "原版"
    // keeps the non-existent package balls-1.zi out of reach.
    MainWindow().Item(kBallList).SetSelection(0);
    AttachSkin(MainWindow(), FixedFrame(true, true));
    SetSkinHelpHandler(MainWindow(), OnHelpClick);
    SetSkinStatusText(MainWindow(), kStatusText);
    ApplySavedSkinColour();
}

bool OnMainClose() {
    return MayCloseDuringInstall(MainWindow());
}

WindowDesign MainDesign() {
    WindowDesign design;
    design.title = "tumbra常用工具箱";
    design.box = {50, 50, 387, 324};
    design.onCreated = OnMainCreated;
    design.onClose = OnMainClose;
    design.elements = PackageButtonDesigns(std::make_index_sequence<kPackageButtonCount>());
    std::vector<ElementDesign> others = {
        LabelDesign("levelsLabel", "原版关卡文件", {16, 96, 80, 16}),
        LabelDesign("ballsLabel", "球速/弹力球补丁", {16, 216, 104, 20}),
        DropDownListDesign(
            kBallList, {128, 216, 128, 20},
            {"原版", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "小弹力球", "超弹力球"}),
        ButtonDesign("ballsOk", "确定", {280, 216, 40, 20}, InstallBallPatch),
        HyperlinkDesign("download", "下载tumbra", {24, 240, 88, 16}, kDownloadPage, MayOpenDuringInstall),
        HyperlinkDesign("forum", "tumbra吧", {152, 240, 80, 16}, kForumPage, MayOpenDuringInstall),
        ButtonDesign("map", "更换地图", {264, 248, 96, 24}, OnChangeMapClick),
        LabelDesign("colourLabel", "皮肤颜色", {32, 264, 64, 16}),
        ColourPickerDesign(kColour, {120, 264, 80, 16}, SaveSkinColour, SkinEngine::kDefaultBannerColour,
                           MayOpenDuringInstall),
        ButtonDesign("run", "运行游戏", {224, 40, 136, 32}, OnRunGameClick),
    };
    design.elements.insert(design.elements.end(), others.begin(), others.end());
    return design;
}

} // namespace

DesignedWindow& MainWindow() {
    static DesignedWindow window(MainDesign());
    return window;
}

void SaveSkinColour() {
    COLORREF colour = MainWindow().Item(kColour).Colour();
    SetSkinBannerColour(colour);
    WriteSkinColour(colour);
}

void ApplySavedSkinColour() {
    std::optional<COLORREF> colour = SavedSkinColour();
    if (!colour)
        return;
    SetSkinBannerColour(*colour);
    // The picker shows the skin's colour.
    MainWindow().Item(kColour).SetColour(*colour);
}

void RunGame() {
    Text file = ProgramDirectory() + "\\bin\\Player.exe";
    Text directory = ProgramDirectory() + "\\bin";
    ShellExecuteA(nullptr, "open", file.c_str(), nullptr, directory.c_str(), SW_SHOWNORMAL);
}

void ShowHelp() {
    ShowMessage(kHelpText, kMessageInformation);
}

} // namespace toolbox
