#include "ProgressWindow.h"

#include "Program.h"
#include "Unzip.h"
#include "WindowSkin.h"

namespace toolbox {

namespace {

const char kBar[] = "bar";
const char kFile[] = "file";
const char kUnzip[] = "unzip";
// About one frame of a display: reports in between are set but not painted.
const DWORD kRepaintInterval = 16; // ms

int shownPercent = -1;
DWORD lastDispatch = 0;

void OnProgressCreated() {
    shownPercent = -1;
    lastDispatch = 0;
    AttachSkin(ProgressWindow(), FixedFrame(false, false));
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
    // Every new percentage goes to the bar and the title at once, in order; these only mark
    // what changed. Painting it and handling pending messages costs more than extracting a
    // small entry, so that waits until a display frame has passed (or the last report):
    // the next dispatch then paints the latest state once.
    DesignedWindow& window = ProgressWindow();
    if (percent != shownPercent) {
        shownPercent = percent;
        window.Item(kBar).SetPosition(percent);
        window.SetTitle(ToText(percent) + "%");
    }
    const DWORD now = GetTickCount();
    if (percent != 100 && now - lastDispatch < kRepaintInterval)
        return;
    lastDispatch = now;
    window.Item(kFile).SetCaption(CurrentUnzipFile(PackageUnzipUnit()));
    ProcessPendingEvents();
    if (percent == 100)
        CloseWindow(window);
}

} // namespace toolbox
