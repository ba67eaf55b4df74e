#include "ProgressWindow.h"

#include "Program.h"
#include "Unzip.h"
#include "WindowSkin.h"

namespace toolbox {

namespace {

const char kBar[] = "bar";
const char kFile[] = "file";
const char kUnzip[] = "unzip";
const DWORD kRefreshInterval = 100; // ms

// The report shown last and when.
struct ShownReport {
    int percent;
    DWORD at;
};
ShownReport shown{-1, 0};

void OnProgressCreated() {
    shown = {-1, 0};
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
    // Showing a report costs more than extracting a small entry (the bar repaints at once),
    // so reports that change nothing a person could see are passed over: each new
    // percentage is shown, and in between the file name and pending messages get a turn
    // once a refresh interval has passed, which keeps the windows responsive.
    DWORD now = GetTickCount();
    bool newPercent = percent != shown.percent;
    if (!newPercent && now - shown.at < kRefreshInterval)
        return;
    shown = {percent, now};
    DesignedWindow& window = ProgressWindow();
    if (newPercent) {
        window.Item(kBar).SetPosition(percent);
        window.SetTitle(ToText(percent) + "%");
    }
    window.Item(kFile).SetCaption(CurrentUnzipFile(PackageUnzipUnit()));
    ProcessPendingEvents();
    if (percent == 100)
        CloseWindow(window);
}

} // namespace toolbox
