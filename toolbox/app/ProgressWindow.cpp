#include "ProgressWindow.h"

#include "Program.h"
#include "Unzip.h"
#include "WindowSkin.h"

#include <algorithm>

namespace toolbox {

namespace {

const char kBar[] = "bar";
const char kFile[] = "file";
const char kUnzip[] = "unzip";
// At most one repaint per display frame: reports in between are set but not painted.
const DWORD kFrameInterval = 16; // ms
// Painting and handling messages get at most this share of the extraction's time (one part
// in so many): where a dispatch is slow (a loaded machine, a slow display) the window
// repaints less often instead of slowing the extraction down.
const DWORD kWorkPerDispatchTime = 80;

int shownPercent = -1;
DWORD lastDispatch = 0; // when the last dispatch ended
DWORD dispatchWait = kFrameInterval;

bool deferBarPaint = false;
WNDPROC barProcedure = nullptr; // the bar's own procedure; the window exists at most once

// The bar paints itself at once on every position change, which under Wine costs more than
// extracting a small entry. While a report sets it, its paint is left pending: the changed
// part stays invalid and the next dispatch paints the latest position. (Kept without a
// window property: under Wine each property read is a round trip to the server.)
LRESULT CALLBACK DeferBarPaint(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && deferBarPaint)
        return 0;
    return CallWindowProcA(barProcedure, bar, message, wParam, lParam);
}

void OnProgressCreated() {
    shownPercent = -1;
    lastDispatch = 0;
    dispatchWait = kFrameInterval;
    AttachSkin(ProgressWindow(), FixedFrame(false, false));
    barProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        ProgressWindow().Item(kBar).Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DeferBarPaint)));
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
    // small entry, so that waits until a display frame, or a multiple of the last dispatch's
    // time, has passed (or the last report): the next dispatch then paints the latest state.
    DesignedWindow& window = ProgressWindow();
    if (percent != shownPercent) {
        shownPercent = percent;
        deferBarPaint = true;
        window.Item(kBar).SetPosition(percent);
        deferBarPaint = false;
        window.SetTitle(ToText(percent) + "%");
    }
    const DWORD now = GetTickCount();
    if (percent != 100 && now - lastDispatch < dispatchWait)
        return;
    window.Item(kFile).SetCaption(CurrentUnzipFile(PackageUnzipUnit()));
    ProcessPendingEvents();
    lastDispatch = GetTickCount();
    dispatchWait = std::max(kFrameInterval, (lastDispatch - now) * kWorkPerDispatchTime);
    if (percent == 100)
        CloseWindow(window);
}

} // namespace toolbox
