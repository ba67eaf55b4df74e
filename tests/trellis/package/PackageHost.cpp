// Uses the installed headers, an exported function, an exported class and the ZC_* data, and
// starts the library as a host does, with a settings file in the host's folder.
#include <Trellis.h>

namespace {

bool BuiltInTheme() {
    KaloControl control;
    return GetKaloColor(ZC_MENUBACK) == RGB(51, 51, 51) && control.GetFlags() == 0;
}

bool SettingsBesideTheHostApplied() {
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    LOGBRUSH brush{};
    GetKaloBrush(10)->GetLogBrush(&brush);
    return GetKaloColor(10) == RGB(0, 255, 0) && brush.lbColor == RGB(0, 255, 0) &&
           GetKaloColor(9) == RGB(255, 255, 255) && theme.MarginLeft == 3 && theme.MarginTop == 5 &&
           theme.ButtonOkSize.cx == 70 && theme.ButtonOkSize.cy == 20;
}

} // namespace

int main() {
    const bool builtIn = BuiltInTheme();
    InitKaloControls();
    const bool settings = SettingsBesideTheHostApplied();
    ZC_MENUBACK = 2;
    const bool repointed = GetKaloColor(ZC_MENUBACK) == RGB(65, 65, 65);
    // Each failure has its own exit code.
    if (!builtIn)
        return 1;
    if (!settings)
        return 2;
    return repointed ? 0 : 3;
}
