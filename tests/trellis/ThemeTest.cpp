// The theme after InitKaloControls: tables, lookups, defaults and the settings file.
#include "TrellisTestSupport.h"

namespace {

class Theme : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitKaloControls(); }
    ThemeSnapshot m_snapshot;
};

COLORREF LogBrushColor(CBrush* brush) {
    LOGBRUSH logBrush{};
    brush->GetLogBrush(&logBrush);
    return logBrush.lbColor;
}

} // namespace

TEST_F(Theme, StartupBuildsFontsBrushesAndDefaultsOnce) {
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    EXPECT_EQ(theme.Fonts.size(), 8u);
    EXPECT_GE(theme.Brushes.size(), 15u);
    const size_t brushes = theme.Brushes.size();
    InitKaloControls();
    EXPECT_EQ(theme.Fonts.size(), 8u);
    EXPECT_EQ(theme.Brushes.size(), brushes);

    EXPECT_EQ(GetKaloColor(ZC_MENUBACK), RGB(51, 51, 51));
    EXPECT_EQ(theme.ButtonOkSize.cx, 60);
    EXPECT_EQ(theme.ButtonOkSize.cy, 18);
    EXPECT_EQ(LogBrushColor(GetKaloBrush(7)), GetKaloColor(7));
    EXPECT_EQ(KaloCtlGetDefaultFont(), GetKaloFont(0));
    EXPECT_EQ(KaloCtlGetDefaultBoldFont(), GetKaloFont(1));
    LOGFONTA bold{};
    GetKaloFont(2)->GetLogFont(&bold);
    EXPECT_EQ(bold.lfWeight, FW_BOLD);
    EXPECT_TRUE(bold.lfUnderline);
    EXPECT_EQ(bold.lfHeight, 14);
    EXPECT_EQ(KaloCtlGetDefaultBackColor(), GetKaloColor(4));
    EXPECT_EQ(LogBrushColor(KaloCtlGetDefaultEditBrush()), GetKaloColor(7));
    // Wine reports an NT system newer than 4.
    EXPECT_EQ(GetWindowVersion(), 16);
}

TEST_F(Theme, OutOfRangeIndicesFallBackOrChangeNothing) {
    EXPECT_EQ(GetKaloColor(-1), GetKaloColor(0));
    EXPECT_EQ(GetKaloColor(100000), GetKaloColor(0));
    EXPECT_EQ(SetKaloColor(-1, RGB(1, 1, 1)), 0u);
    EXPECT_EQ(GetKaloBrush(-5), GetKaloBrush(0));
    EXPECT_EQ(SetKaloBrush(100000, RGB(1, 1, 1)), 0u);
    EXPECT_EQ(GetKaloFont(99), KaloCtlGetDefaultFont());
}

TEST_F(Theme, TablesGrowAndEarlierEntriesStayValid) {
    CBrush* first = GetKaloBrush(3);
    CFont* font = GetKaloFont(0);
    const int color = RegisterKaloColor(GetKaloColor(3));
    EXPECT_EQ(color, static_cast<int>(GetKaloInterfaceData()->Colors.size()) - 1);
    int last = color;
    for (int i = 0; i < 40; ++i) {
        const int next = RegisterKaloColor(RGB(i, 0, 0));
        EXPECT_EQ(next, last + 1);
        last = next;
        RegisterKaloBrush(RGB(i, 1, 0));
    }
    const int added = RegisterKaloFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_EQ(GetKaloFont(added)->GetSafeHandle() != nullptr, true);
    EXPECT_EQ(GetKaloColor(color), RGB(100, 100, 100));
    EXPECT_EQ(GetKaloColor(last), RGB(39, 0, 0));
    EXPECT_EQ(GetKaloBrush(3), first);
    EXPECT_EQ(GetKaloFont(0), font);
}

TEST_F(Theme, SetKaloBrushRecoloursTheSameObjectAndTheColourSearchFindsIt) {
    CBrush* brush = GetKaloBrush(12);
    const COLORREF previous = LogBrushColor(brush);
    const COLORREF fresh = RGB(1, 2, 3);
    EXPECT_EQ(GetKaloBrush(fresh), nullptr);
    EXPECT_EQ(SetKaloBrush(12, fresh), previous);
    EXPECT_EQ(GetKaloBrush(12), brush);
    EXPECT_EQ(LogBrushColor(brush), fresh);
    EXPECT_EQ(GetKaloBrush(fresh), brush);
    SetKaloBrush(12, previous);
    // The colour of the same index is untouched by brush changes.
    EXPECT_EQ(GetKaloColor(12), previous);
}

TEST_F(Theme, DefaultBrushesNeverDeleteAHostsBrush) {
    CBrush own(RGB(9, 9, 9));
    CBrush* library = KaloCtlGetDefaultBrush();
    KaloCtlSetDefaultBrush(&own);
    EXPECT_EQ(KaloCtlGetDefaultBrush(), &own);
    KaloCtlSetDefaultBackColor(RGB(10, 20, 30));
    // The host's brush keeps its handle and colour; the library's own brush is rebuilt in place.
    EXPECT_NE(own.GetSafeHandle(), nullptr);
    EXPECT_EQ(LogBrushColor(&own), RGB(9, 9, 9));
    EXPECT_EQ(KaloCtlGetDefaultBrush(), library);
    EXPECT_EQ(LogBrushColor(library), RGB(10, 20, 30));
    KaloCtlSetDefaultBackColor(GetKaloColor(4));
}

TEST_F(Theme, ControlReadsIndicesAtConstructionAndSetColorsUsesDefaultsForNullBrushes) {
    const int custom = RegisterKaloColor(RGB(1, 100, 200));
    const int saved = ZC_CONTROLTEXT;
    ZC_CONTROLTEXT = custom;
    KaloControl control;
    ZC_CONTROLTEXT = saved;
    EXPECT_EQ(control.GetTextColor(), RGB(1, 100, 200));
    EXPECT_EQ(control.GetControlBrush(), GetKaloBrush(ZC_CONTROLBACK));
    EXPECT_EQ(control.GetControlFont(), KaloCtlGetDefaultFont());
    control.SetControlFont(GetKaloFont(3));
    EXPECT_EQ(control.GetControlFont(), GetKaloFont(3));

    control.SetColors(1, 2, 3, 4, nullptr, nullptr);
    EXPECT_EQ(control.GetBorderColor(), 4u);
    EXPECT_EQ(control.GetEditBrush(), KaloCtlGetDefaultEditBrush());
    EXPECT_EQ(control.GetControlBrush(), KaloCtlGetDefaultBrush());

    control.SetFlags(0x2);
    control.ModifyFlags(0x1, 0x2);
    EXPECT_EQ(control.GetFlags(), 0x1u);
    DWORD flags = 0x1;
    KaloCtlModifyFlags(flags, 0x1, 0x2);
    EXPECT_EQ(flags, 0x2u);
}

// The settings file: "key = values" with the equals sign standing apart.
TEST_F(Theme, SettingsNeedBlanksRoundTheEqualsSign) {
    TempFile file("color_red = 0 255 0\ncolor_white=1 2 3\ndialog_margin_top =7\n");
    ASSERT_TRUE(LoadKaloSettings(file.Path()));
    EXPECT_EQ(GetKaloInterfaceData()->Colors[10], RGB(0, 255, 0));
    EXPECT_EQ(GetKaloInterfaceData()->Colors[9], RGB(255, 255, 255));
    EXPECT_EQ(GetKaloInterfaceData()->MarginTop, 5);
}

TEST_F(Theme, SettingsReadSizesMetricsAndSkipUnknownKeys) {
    TempFile file("# theme\r\nbutton_apply_size = 80 22\r\nwhatever = 1 2 3 4\r\n"
                  "dialog_itemheight = 20 color_128 = 1 2 3\r\n");
    ASSERT_TRUE(LoadKaloSettings(file.Path()));
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    EXPECT_EQ(theme.ButtonApplySize.cx, 80);
    EXPECT_EQ(theme.ButtonApplySize.cy, 22);
    EXPECT_EQ(theme.ItemHeight, 20);
    EXPECT_EQ(theme.Colors[4], RGB(1, 2, 3));
}

TEST_F(Theme, RepeatedKeyStopsReadingAndKeepsTheFirstValue) {
    TempFile file(
        "dialog_margin_left = 3\ndialog_linejump = 9\ndialog_margin_left = 7\ndialog_margin_right = 1\n");
    ASSERT_TRUE(LoadKaloSettings(file.Path()));
    EXPECT_EQ(GetKaloInterfaceData()->MarginLeft, 3);
    EXPECT_EQ(GetKaloInterfaceData()->LineJump, 9);
    EXPECT_EQ(GetKaloInterfaceData()->MarginRight, 10);
}

TEST_F(Theme, MissingValuesAtTheEndCountAsMinusOne) {
    TempFile file("button_ok_size = 70");
    ASSERT_TRUE(LoadKaloSettings(file.Path()));
    EXPECT_EQ(GetKaloInterfaceData()->ButtonOkSize.cx, 70);
    EXPECT_EQ(GetKaloInterfaceData()->ButtonOkSize.cy, -1);
}

TEST_F(Theme, AValueThatIsNoNumberEndsTheReading) {
    TempFile file("dialog_margin_inside = 2\ndialog_itemheight = tall\ndialog_linejump = 8\n");
    ASSERT_TRUE(LoadKaloSettings(file.Path()));
    EXPECT_EQ(GetKaloInterfaceData()->MarginInside, 2);
    EXPECT_EQ(GetKaloInterfaceData()->LineJump, 5);
}

TEST_F(Theme, OverlongWordsAreReadSafely) {
    const std::string longWord(5000, 'k');
    TempFile file(longWord + " = 1 2 3\n" + std::string(511, 'x') + "= 4\ndialog_margin_bottom = 30\n");
    ASSERT_TRUE(LoadKaloSettings(file.Path()));
    EXPECT_EQ(GetKaloInterfaceData()->MarginBottom, 30);
}

TEST_F(Theme, MissingFileChangesNothing) {
    EXPECT_FALSE(LoadKaloSettings("Z:\\no\\such\\folder\\quillon.ini"));
    EXPECT_FALSE(LoadKaloSettings(nullptr));
    EXPECT_EQ(GetKaloInterfaceData()->MarginLeft, 10);
}
