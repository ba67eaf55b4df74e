#include "ProgressWindow.h"

#include "Program.h"
#include "Unzip.h"
#include "WindowSkin.h"

namespace toolbox {

namespace {

const char kBar[] = "bar";
const char kFile[] = "file";
const char kUnzip[] = "unzip";

void OnProgressCreated() {
    AttachOptions options;
    options.minimizeBox = false;
    options.maximizeBox = false;
    options.helpButton = false;
    options.mainMenuButton = false;
    options.sizable = false;
    AttachSkin(ProgressWindow(), options);
}

WindowDesign ProgressDesign() {
    WindowDesign design;
    design.title = "解压中...";
    design.box = {50, 50, 301, 107};
    design.onCreated = OnProgressCreated;
    design.elements = {
        ProgressBarDesign(kBar, {8, 24, 280, 20}),
        LabelDesign(kFile, "", {8, 56, 280, 16}),
        UnzipUnitDesign(kUnzip, OnUnzipProgress),
    };
    return design;
}

} // namespace

DesignedWindow& ProgressWindow() {
    static DesignedWindow window(ProgressDesign());
    return window;
}

Element& PackageUnzipUnit() {
    return ProgressWindow().Item(kUnzip);
}

void OnUnzipProgress(int percent) {
    DesignedWindow& window = ProgressWindow();
    window.Item(kBar).SetPosition(percent);
    window.Item(kFile).SetCaption(CurrentUnzipFile(PackageUnzipUnit()));
    window.SetTitle(ToText(percent) + "%");
    ProcessPendingEvents();
    if (percent == 100)
        CloseWindow(window);
}

} // namespace toolbox
