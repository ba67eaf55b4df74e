// The themed dialog: button layout for one to three buttons, closing bits and Return, the
// caption band, outline and two-tone background, work-area placement and resizing.
#include "TrellisTestSupport.h"

#include <algorithm>

namespace {

const DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_VISIBLE;

// Opens its painters and records the set-font messages it receives.
class ProbeDialog : public KaloDialog {
public:
    using KaloDialog::DoEraseBackground;
    int setFonts = 0;
    std::vector<WORD> memory = EmptyDialogTemplate(kDialogStyle, 200, 100, L"probe");
    bool Open() { return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATEA>(memory.data())) != FALSE; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETFONT)
            ++setFonts;
        return KaloDialog::WindowProc(message, wParam, lParam);
    }
};

// A modal dialog that, once running, posts `key` to the button `focusId` or a command.
class ScriptedDialog : public KaloDialog {
public:
    UINT focusId = 0;
    UINT command = 0;
    std::vector<WORD> memory = EmptyDialogTemplate(kDialogStyle, 200, 100, L"scripted");

    INT_PTR Run() {
        InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATEA>(memory.data()));
        return DoModal();
    }
    BOOL OnInitDialog() override {
        if (focusId) {
            GetDlgItem(static_cast<int>(focusId))->SetFocus();
            ::PostMessageA(GetDlgItem(static_cast<int>(focusId))->m_hWnd, WM_KEYDOWN, VK_RETURN, 0);
        } else {
            PostMessage(WM_COMMAND, command);
        }
        // A watchdog: a dialog that ignored its script still ends.
        PostMessage(WM_COMMAND, 0, 0);
        SetTimer(1, 2000, nullptr);
        return FALSE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == 1) {
            EndDialog(-2);
            return 0;
        }
        return KaloDialog::WindowProc(message, wParam, lParam);
    }
};

class Dialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitKaloControls(); }
    void TearDown() override { AfxDeleteTempMaps(); }
    ThemeSnapshot m_theme;
};

CRect ChildRect(CWnd& dialog, int id) {
    return RectInParent(*dialog.GetDlgItem(id));
}

} // namespace

TEST_F(Dialogs, ButtonsAreOrderedSizedToTheirCaptionsAndPlacedInTheBottomMargin) {
    struct Case {
        const char *ok, *apply, *cancel;
        std::vector<int> rightToLeft; // ids from the right edge
    };
    const Case cases[] = {
        {"Ok", nullptr, nullptr, {IDOK}},
        {"Ok", nullptr, "Cancel", {IDCANCEL, IDOK}},
        {"Ok", "Apply", "Cancel", {99, IDCANCEL, IDOK}},
        {"A much longer caption than fits", nullptr, "Cancel", {IDCANCEL, IDOK}},
    };
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ok);
        ProbeDialog dialog;
        dialog.SetCustomButtons(c.ok, c.apply, c.cancel);
        ASSERT_TRUE(dialog.Open());
        dialog.UpdateButtonPositions(0);
        CRect client;
        dialog.GetClientRect(&client);
        int right = client.right - theme.MarginRight;
        int total = 0;
        for (int id : c.rightToLeft) {
            const CRect button = ChildRect(dialog, id);
            EXPECT_EQ(button.right, right) << id;
            EXPECT_EQ(button.top, client.bottom - theme.MarginBottom / 2 - theme.ButtonOkSize.cy / 2 + 1);
            EXPECT_TRUE(dialog.GetDlgItem(id)->IsWindowVisible());
            right = button.left - theme.ButtonSeparation;
            total += button.Width();
        }
        const CRect ok = ChildRect(dialog, IDOK);
        EXPECT_EQ(ok.Width() > theme.ButtonOkSize.cx, c.ok[1] != 'k');
        EXPECT_EQ(dialog.GetMinClientWidth(),
                  total + 2 * theme.LineJump * static_cast<int>(c.rightToLeft.size() - 1));
        if (!c.apply) {
            EXPECT_FALSE(dialog.GetDlgItem(99)->IsWindowVisible());
        }
    }
}

TEST_F(Dialogs, FlagsCaptionsAndPositionCodes) {
    KaloDialog dialog;
    EXPECT_EQ(dialog.GetKaloDlgFlags(), 0x1975);
    EXPECT_EQ(dialog.ModifyKaloDlgFlags(0x8, 0x8) & 0x8, 0);
    EXPECT_EQ(dialog.SetKaloDlgFlagsValue(0x200, 1) & 0x200, 0x200);
    dialog.SetCustomButtons("Ok", "", "Cancel");
    EXPECT_FALSE(dialog.IsKaloDlgFlagSet(KALODLG_SHOW_APPLY));
    EXPECT_EQ(dialog.GetMinClientWidth(), 130); // two 60-pixel buttons and one gap of 2 x 5
}

TEST_F(Dialogs, PositionCodesChooseTheOrderAndTheSide) {
    struct Case {
        int ok, apply, cancel;
        bool normalise;
        std::vector<int> rightToLeft;
        int leftmost; // id placed at the left margin, 0 for none
    };
    const Case cases[] = {
        {72, 72, 72, false, {99, IDCANCEL, IDOK}, 0},
        {72, 72, 72, true, {IDCANCEL, 99, IDOK}, 0}, // normalised to 1, 2, 4
        {0x14, 2, 1, false, {99, IDCANCEL}, IDOK},   // bit 0x10: the left group
    };
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    for (const Case& c : cases) {
        ProbeDialog dialog;
        dialog.ShowCustomButtons(1, 1, 1);
        dialog.SetCustomButtonPositions(c.ok, c.apply, c.cancel);
        if (c.normalise)
            dialog.TestCustomButtonPositions();
        ASSERT_TRUE(dialog.Open());
        dialog.UpdateButtonPositions(0);
        std::vector<int> order{IDOK, 99, IDCANCEL};
        order.erase(std::remove(order.begin(), order.end(), c.leftmost), order.end());
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return ChildRect(dialog, a).left > ChildRect(dialog, b).left; });
        EXPECT_EQ(order, c.rightToLeft) << c.ok << " " << c.apply << " " << c.cancel;
        if (c.leftmost) {
            EXPECT_EQ(ChildRect(dialog, c.leftmost).left, theme.MarginLeft);
        }
    }
}

TEST_F(Dialogs, ClosingBitsAndReturnOnCancelOrApplyDecideHowTheDialogEnds) {
    {
        ScriptedDialog dialog; // OK without its closing bit is swallowed: the watchdog ends it
        dialog.SetClosingButtons(0, 0, 1);
        dialog.command = IDOK;
        EXPECT_EQ(dialog.Run(), -2);
    }
    {
        ScriptedDialog dialog;
        dialog.SetClosingButtons(1, 1, 1);
        dialog.command = 99;
        EXPECT_EQ(dialog.Run(), 99);
    }
    {
        ScriptedDialog dialog; // Return on Cancel
        dialog.focusId = IDCANCEL;
        EXPECT_EQ(dialog.Run(), IDCANCEL);
    }
    {
        ScriptedDialog dialog; // Return on Apply
        dialog.SetCustomButtons("Ok", "Apply", "Cancel");
        dialog.SetClosingButtons(1, 1, 1);
        dialog.focusId = 99;
        EXPECT_EQ(dialog.Run(), 99);
    }
}

TEST_F(Dialogs, CaptionBandOutlineAndTwoToneBackgroundComeFromTheTheme) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    CRect window, client;
    dialog.GetWindowRect(&window);
    dialog.GetClientRect(&client);
    const POINT border = dialog.GetBorderSize();
    const int band = border.y + dialog.GetCaptionHeight();
    for (int active : {1, 0}) {
        SCOPED_TRACE(active);
        dialog.SetKaloDlgFlagsValue(KALODLG_ACTIVE, active);
        PixelCanvas canvas(window.Width(), window.Height());
        dialog.PaintFrame(canvas.Dc());
        EXPECT_EQ(canvas.At(window.Width() - 12, band / 2 + 2), active ? GetKaloColor(2) : GetKaloColor(4));
        EXPECT_EQ(canvas.At(0, window.Height() / 2), GetKaloColor(0)); // outline
        EXPECT_EQ(canvas.At(1, window.Height() / 2), GetKaloColor(4)); // frame in the back colour
        EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));                      // outside the rounded corner
    }
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    PixelCanvas canvas(client.Width(), client.Height());
    EXPECT_TRUE(dialog.DoEraseBackground(canvas.Dc()));
    const int middle = client.Height() / 2;
    EXPECT_EQ(canvas.At(2, middle), GetKaloColor(4));                    // margin
    EXPECT_EQ(canvas.At(theme.MarginLeft, middle), GetKaloColor(0));     // panel outline
    EXPECT_EQ(canvas.At(theme.MarginLeft + 3, middle), GetKaloColor(7)); // panel
    MEASUREITEMSTRUCT measure{};
    EXPECT_EQ(dialog.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), 1);
    EXPECT_EQ(measure.itemHeight, 10u);
}

TEST_F(Dialogs, ColourRequestsSetFontOneOnlyWhenTheFontDiffers) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    dialog.SetFont(GetKaloFont(0), FALSE);
    dialog.setFonts = 0;
    PixelCanvas canvas(4, 4);
    for (int i = 0; i < 3; ++i)
        dialog.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(canvas.Dc()),
                           reinterpret_cast<LPARAM>(dialog.m_hWnd));
    EXPECT_EQ(dialog.setFonts, 1);
    EXPECT_EQ(GetBkColor(canvas.Dc()), GetKaloColor(7));
    EXPECT_EQ(GetTextColor(canvas.Dc()), GetKaloColor(0));
}

TEST_F(Dialogs, PlaceInWorkAreaBringsEveryEdgeBackOnTheScreen) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    CRect window;
    dialog.GetWindowRect(&window);
    const int w = window.Width(), h = window.Height();
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        POINT from, to;
    };
    const Case cases[] = {{{-40, 50}, {0, 50}},        {{sw - w + 30, 50}, {sw - w, 50}},
                          {{50, -25}, {50, 0}},        {{50, sh - h + 15}, {50, sh - h}},
                          {{-5, sh - 3}, {0, sh - h}}, {{20, 30}, {20, 30}}};
    for (const Case& c : cases) {
        dialog.SetWindowPos(nullptr, c.from.x, c.from.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dialog.PlaceInWorkArea(1);
        dialog.GetWindowRect(&window);
        EXPECT_EQ(window.left, c.to.x) << c.from.x << "," << c.from.y;
        EXPECT_EQ(window.top, c.to.y) << c.from.x << "," << c.from.y;
    }
}

TEST_F(Dialogs, AdjustWindowsWidensToTheButtonsAndMovesFittingChildrenOntoThePanel) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    CStatic label;
    ASSERT_TRUE(label.Create("label", WS_CHILD | WS_VISIBLE, CRect(2, 3, 42, 13), &dialog, 50));
    RECT offOrigin{5, 0, 100, 50};
    EXPECT_EQ(dialog.AdjustWindows(&offOrigin, 0, 1), 0);
    RECT narrow{0, 0, 40, 50};
    EXPECT_EQ(dialog.AdjustWindows(&narrow, 0, 1), 1);
    const KaloInterfaceData& theme = *GetKaloInterfaceData();
    const int inset = theme.MarginInside; // the default flags inset the panel
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client.Width(), dialog.GetMinClientWidth() + theme.MarginLeft + theme.MarginRight + 2 * inset);
    EXPECT_EQ(client.Height(), 50 + theme.MarginTop + theme.MarginBottom + 2 * inset);
    EXPECT_EQ(ChildRect(dialog, 50).TopLeft(),
              CPoint(2 + inset + theme.MarginLeft, 3 + inset + theme.MarginTop));
    RECT panel;
    dialog.GetKaloDialogClientRect(&panel);
    EXPECT_EQ(panel.left, inset + theme.MarginLeft);
    EXPECT_EQ(panel.bottom, client.bottom - inset - theme.MarginBottom);
    dialog.ModifyKaloDlgFlags(0, KALODLG_INSET_PANEL);
    dialog.GetKaloDialogClientRect(&panel);
    EXPECT_EQ(panel.left, 1 + theme.MarginLeft);
}

TEST_F(Dialogs, BorderSizeFollowsTheFrameStyle) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    struct Case {
        DWORD style, exStyle;
        int expected;
    };
    const int edge = GetSystemMetrics(SM_CXEDGE), dialogFrame = GetSystemMetrics(SM_CXFIXEDFRAME),
              frame = GetSystemMetrics(SM_CXSIZEFRAME), line = GetSystemMetrics(SM_CXBORDER);
    const Case cases[] = {
        {WS_POPUP, 0, 0},
        {WS_POPUP, WS_EX_CLIENTEDGE, edge},
        {WS_POPUP | WS_BORDER, 0, line},
        {WS_POPUP | WS_CAPTION, 0, dialogFrame},
        {WS_POPUP | WS_CAPTION, WS_EX_CLIENTEDGE, dialogFrame + edge},
        {WS_POPUP | WS_THICKFRAME, 0, frame - line},
        {WS_POPUP | WS_THICKFRAME | WS_CAPTION, WS_EX_CLIENTEDGE, frame + edge},
        {WS_POPUP, WS_EX_DLGMODALFRAME, dialogFrame},
    };
    for (const Case& c : cases) {
        SetWindowLongPtrA(dialog.m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(c.style | WS_VISIBLE));
        SetWindowLongPtrA(dialog.m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(c.exStyle));
        EXPECT_EQ(dialog.GetBorderSize().x, c.expected) << std::hex << c.style << " " << c.exStyle;
        EXPECT_EQ(dialog.GetCaptionHeight() != 0, (c.style & WS_CAPTION) == WS_CAPTION);
    }
}
