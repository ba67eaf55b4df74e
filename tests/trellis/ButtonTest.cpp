// Push buttons: the face in each look from the theme's colour variables, hover through real
// mouse input, click notifications, and the bitmap button's bitmaps.
#include "RealMouse.h"
#include "TrellisTestSupport.h"

#include <functional>

namespace {

class ButtonParent : public CWnd {
public:
    int clicks = 0, doubleClicks = 0;
    void OnClicked() { ++clicks; }
    void OnDoubleClicked() { ++doubleClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ButtonParent, CWnd)
ON_BN_CLICKED(5, OnClicked)
ON_BN_DOUBLECLICKED(5, OnDoubleClicked)
END_MESSAGE_MAP()

class Buttons : public HostWindowTest<ButtonParent> {
protected:
    Buttons() : HostWindowTest(CRect(100, 100, 400, 300)) {}
    void SetUp() override {
        HostWindowTest::SetUp();
        m_parent.SetForegroundWindow();
    }
    // Draws the button as the system would ask it to, into a canvas of its size.
    void Draw(KaloButton& button, PixelCanvas& canvas) {
        DRAWITEMSTRUCT item = OwnerDrawItem(button.m_hWnd, canvas.Dc(), 0);
        button.DrawItem(&item);
    }

    ThemeSnapshot m_theme;
};

// Points the three colour variables of one look at fresh colours; restores them afterwards.
struct LookColours {
    int* variables[3];
    int saved[3];
    COLORREF colours[3];
    LookColours(int* text, int* back, int* border, COLORREF base) : variables{text, back, border} {
        for (int i = 0; i < 3; ++i) {
            saved[i] = *variables[i];
            colours[i] = base + static_cast<COLORREF>(i);
            *variables[i] = RegisterKaloColor(colours[i]);
        }
    }
    ~LookColours() {
        for (int i = 0; i < 3; ++i)
            *variables[i] = saved[i];
    }
};

} // namespace

TEST_F(Buttons, EachLookPaintsItsOwnColoursReadAtPaintTime) {
    struct Case {
        const char* name;
        int *text, *back, *border;
        std::function<void(KaloButton&)> force;
    };
    const Case cases[] = {
        {"normal", &ZC_N_BUTTONTEXT, &ZC_N_BUTTONBACK, &ZC_N_BUTTONBORDER, [](KaloButton&) {}},
        {"focus", &ZC_F_BUTTONTEXT, &ZC_F_BUTTONBACK, &ZC_F_BUTTONBORDER,
         [](KaloButton& b) { b.SetFocus(); }},
        {"over", &ZC_NR_BUTTONTEXT, &ZC_NR_BUTTONBACK, &ZC_NR_BUTTONBORDER,
         [](KaloButton& b) { b.ModifyFlags(KaloButton::kMouseOver, 0); }},
        {"checked", &ZC_P_BUTTONTEXT, &ZC_P_BUTTONBACK, &ZC_P_BUTTONBORDER,
         [](KaloButton& b) { b.SetCheck(1); }},
        {"checked over", &ZC_PR_BUTTONTEXT, &ZC_PR_BUTTONBACK, &ZC_PR_BUTTONBORDER,
         [](KaloButton& b) {
             b.SetCheck(1);
             b.SetState(TRUE);
         }},
        {"disabled", &ZC_D_BUTTONTEXT, &ZC_D_BUTTONBACK, &ZC_D_BUTTONBORDER,
         [](KaloButton& b) {
             b.SetCheck(1);
             b.ModifyFlags(KaloButton::kMouseOver, 0);
             b.EnableWindow(FALSE);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KaloButton button;
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 34), &m_parent, 5));
        c.force(button);
        // Re-pointed after creation: the button reads the variables when it paints.
        LookColours look(c.text, c.back, c.border, RGB(10, 100, 200));
        PixelCanvas canvas(80, 24);
        Draw(button, canvas);
        EXPECT_EQ(canvas.At(4, 12), look.colours[1]); // face
        EXPECT_EQ(canvas.At(0, 12), look.colours[2]); // border
        EXPECT_EQ(canvas.At(79, 12), look.colours[2]);
        EXPECT_EQ(canvas.At(0, 0), GetKaloColor(ZC_DIALOGBACKLIGHT)); // corner
    }
}

TEST_F(Buttons, FamiliesReadTheirOwnColoursAndCornerBrushes) {
    KaloDialogButton dialogButton;
    KaloToolbarButton toolbarButton;
    ASSERT_TRUE(dialogButton.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &m_parent, 1));
    ASSERT_TRUE(toolbarButton.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 30, 60, 50), &m_parent, 2));
    LookColours dialogLook(&ZC_N_DIALOGBUTTONTEXT, &ZC_N_DIALOGBUTTONBACK, &ZC_N_DIALOGBUTTONBORDER,
                           RGB(1, 2, 3));
    LookColours toolbarLook(&ZC_N_TOOLBARBUTTONTEXT, &ZC_N_TOOLBARBUTTONBACK, &ZC_N_TOOLBARBUTTONBORDER,
                            RGB(7, 8, 9));
    PixelCanvas canvas(60, 20);
    Draw(dialogButton, canvas);
    EXPECT_EQ(canvas.At(4, 10), dialogLook.colours[1]);
    EXPECT_EQ(canvas.At(0, 0), GetKaloColor(ZC_DIALOGBACKDARK));
    Draw(toolbarButton, canvas);
    EXPECT_EQ(canvas.At(4, 10), toolbarLook.colours[1]);
    EXPECT_EQ(canvas.At(0, 0), GetKaloColor(ZC_TOOLBARBACK));
}

TEST_F(Buttons, CheckStateKeepsToItsTwoBitsAndTemplateButtonsBecomeOwnerDrawn) {
    KaloButton button;
    ASSERT_TRUE(button.Create("x", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 60, 20), &m_parent, 5));
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    button.SendMessage(BM_SETCHECK, 4);
    EXPECT_EQ(button.GetFlags() & KaloButton::kMouseOver, 0u);
    button.SendMessage(BM_SETCHECK, 7);
    EXPECT_EQ(button.GetFlags(), 3u);
    // Without a parent the create handler asks nobody for a colour.
    KaloButton alone;
    EXPECT_TRUE(alone.CreateEx(0, "BUTTON", "alone", WS_POPUP, 0, 0, 40, 20, nullptr, nullptr));
    alone.DestroyWindow();
}

TEST_F(Buttons, HoverFollowsTheRealMouseAndAQuickExitEndsWithinATimerTick) {
    KaloButton button;
    ASSERT_TRUE(button.Create("hover", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &m_parent, 5));
    MoveMouseTo(CentreOf(button.m_hWnd));
    PumpFor(30);
    EXPECT_TRUE(button.GetFlags() & KaloButton::kMouseOver);
    // Far outside the parent: no mouse move reaches the button any more.
    MoveMouseTo(POINT{700, 600});
    PumpFor(3 * KaloHoverTracker::kPeriod);
    EXPECT_FALSE(button.GetFlags() & KaloButton::kMouseOver);
}

TEST_F(Buttons, ClicksReachTheParentAndABitmapButtonTakesADoubleClickAsAPress) {
    KaloButton button;
    ASSERT_TRUE(button.Create("click", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &m_parent, 5));
    ClickAt(CentreOf(button.m_hWnd));
    EXPECT_EQ(m_parent.clicks, 1);
    button.DestroyWindow();

    KaloBitmapButton bitmapButton;
    ASSERT_TRUE(bitmapButton.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &m_parent, 5));
    const LPARAM inside = MAKELPARAM(5, 5);
    for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        bitmapButton.SendMessage(press, MK_LBUTTON, inside);
        bitmapButton.SendMessage(WM_LBUTTONUP, 0, inside);
    }
    EXPECT_EQ(m_parent.clicks, 3);
    EXPECT_EQ(m_parent.doubleClicks, 0);
}

namespace {

bool Alive(HGDIOBJ handle) {
    return GetObjectType(handle) != 0;
}

} // namespace

TEST_F(Buttons, BitmapButtonShowsTheStatesBitmapAndReleasesEachOwnedBitmapOnce) {
    KaloBitmapButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_parent, 5));
    CBitmap* normal = SolidBitmap(8, 6, RGB(255, 0, 0));
    CBitmap* pushed = SolidBitmap(8, 6, RGB(0, 255, 0));
    HGDIOBJ normalHandle = normal->GetSafeHandle(), pushedHandle = pushed->GetSafeHandle();
    // One bitmap for several states, as hosts do.
    button.SetBitmaps(normal, normal, pushed, pushed, nullptr, 1);
    CRect size;
    button.GetWindowRect(&size);
    EXPECT_EQ(size.Width(), 8);
    // Setting the same owned bitmaps again must not delete what is about to be stored.
    button.SetBitmaps(normal, normal, pushed, pushed, nullptr, 1);
    EXPECT_TRUE(Alive(normalHandle));

    PixelCanvas canvas(8, 6);
    canvas.Fill(RGB(0, 0, 255));
    DRAWITEMSTRUCT item = OwnerDrawItem(button.m_hWnd, canvas.Dc(), 0);
    button.DrawItem(&item);
    EXPECT_EQ(canvas.At(3, 3), RGB(255, 0, 0));
    button.SetPushed(TRUE);
    button.SetTransparentColor(RGB(0, 255, 0)); // the pushed bitmap is all key: nothing shows
    canvas.Fill(RGB(0, 0, 255));
    button.DrawItem(&item);
    EXPECT_EQ(canvas.At(3, 3), RGB(0, 0, 255));
    button.EnableWindow(FALSE);
    EXPECT_EQ(button.CurrentBitmap(FALSE), nullptr); // no disabled bitmap: nothing drawn

    button.ReleaseBitmaps();
    EXPECT_FALSE(Alive(normalHandle));
    EXPECT_FALSE(Alive(pushedHandle));
    // Ids that do not load leave their states without bitmaps.
    button.SetBitmaps(60001u, 60002u, 60003u, 60004u, 60005u);
    EXPECT_EQ(button.CurrentBitmap(TRUE), nullptr);
}
