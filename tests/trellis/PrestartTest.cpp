// Controls and lookups used before InitKaloControls: the tables hold colours only.
#include "TrellisTestSupport.h"

TEST(BeforeStartup, BrushAndFontLookupsYieldNullInsteadOfReadingPastTheTables) {
    EXPECT_EQ(GetKaloInterfaceData()->Colors.size(), 15u);
    EXPECT_TRUE(GetKaloInterfaceData()->Brushes.empty());
    EXPECT_TRUE(GetKaloInterfaceData()->Fonts.empty());
    EXPECT_EQ(GetKaloBrush(0), nullptr);
    EXPECT_EQ(GetKaloBrush(ZC_CONTROLBACK), nullptr);
    EXPECT_EQ(GetKaloBrush(RGB(0, 0, 0)), nullptr);
    EXPECT_EQ(GetKaloFont(0), nullptr);
    EXPECT_EQ(SetKaloBrush(0, RGB(1, 2, 3)), 0u);
    EXPECT_EQ(GetWindowVersion(), 0);
}

TEST(BeforeStartup, AControlStartsWithTheBuiltInColoursAndNoBrushesOrFont) {
    KaloControl control;
    EXPECT_EQ(control.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(control.GetBackColor(), RGB(200, 200, 200));
    EXPECT_EQ(control.GetControlBrush(), nullptr);
    EXPECT_EQ(control.GetEditBrush(), nullptr);
    EXPECT_EQ(control.GetControlFont(), nullptr);
}

TEST(BeforeStartup, ForDllStartupOnlyPutsTheLibraryOnTheResourceChain) {
    HMODULE library = GetModuleHandleA("Trellis.dll");
    ASSERT_NE(library, nullptr);
    InitKaloControlsForDll();
    InitKaloControlsForDll();
    EXPECT_TRUE(AfxIsModuleInResourceChain(library));
    EXPECT_TRUE(GetKaloInterfaceData()->Fonts.empty());
    EXPECT_TRUE(GetKaloInterfaceData()->Brushes.empty());
    EXPECT_EQ(GetWindowVersion(), 0);
}

namespace {

// Windows with control id 1974 seen by a creation hook, and whether each was destroyed.
struct ProbeRecord {
    HWND window = nullptr;
    bool destroyed = false;
};
ProbeRecord probeRecord;

LRESULT CALLBACK WatchProbe(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CBT_CREATEWNDA* creation = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if (reinterpret_cast<UINT_PTR>(creation->lpcs->hMenu) == 1974)
            probeRecord.window = reinterpret_cast<HWND>(wParam);
    } else if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wParam) == probeRecord.window) {
        probeRecord.destroyed = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// Last in this program: it starts the theme.
TEST(Startup, WithoutAMainWindowColoursAreSnappedThroughAShortLivedProbeWindow) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, &WatchProbe, nullptr, GetCurrentThreadId());
    InitKaloControls();
    UnhookWindowsHookEx(hook);
    EXPECT_NE(probeRecord.window, nullptr);
    EXPECT_TRUE(probeRecord.destroyed); // it existed: only a created window is destroyed
    EXPECT_FALSE(IsWindow(probeRecord.window));
}
