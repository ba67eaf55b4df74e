// Statics, framed panels and the view's layout, through real windows and WM_PRINTCLIENT.
#include "TrellisTestSupport.h"

namespace {

using StaticsAndViews = HostWindowTest<>;

} // namespace

TEST_F(StaticsAndViews, StaticTextFormatFollowsTheStaticStyle) {
    const struct {
        DWORD style;
        UINT format;
    } cases[] = {
        {SS_LEFT, DT_END_ELLIPSIS},
        {SS_CENTER, DT_END_ELLIPSIS | DT_CENTER | DT_SINGLELINE},
        {SS_RIGHT, DT_END_ELLIPSIS | DT_RIGHT | DT_SINGLELINE},
        {SS_LEFTNOWORDWRAP, DT_END_ELLIPSIS | DT_SINGLELINE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KaloStaticText::TextFormat(c.style), c.format) << c.style;
    }
}

TEST_F(StaticsAndViews, StaticTextDrawsItsTextInItsColours) {
    KaloStaticText text;
    ASSERT_TRUE(text.Create("WWWW", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(0, 0, 80, 20), &m_parent));
    text.SetBackColor(RGB(0, 0, 200));
    text.SetTextColor(RGB(250, 250, 0));
    PixelCanvas canvas(80, 20);
    canvas.Fill(RGB(0, 0, 0));
    text.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    int back = 0, ink = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 80; ++x) {
            back += canvas.At(x, y) == RGB(0, 0, 200);
            // Smoothed glyph edges mix the two colours: count anything with yellow's red.
            ink += GetRValue(canvas.At(x, y)) > 100;
        }
    }
    EXPECT_GT(back, 80 * 20 / 2);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(canvas.At(2, 10), RGB(0, 0, 200)) << "centred: the left edge is background";
}

TEST_F(StaticsAndViews, SetTextRepaintsAVisibleStaticOnceAndNeverShowsAHiddenOne) {
    PaintCounting<KaloStaticText> text;
    ASSERT_TRUE(text.Create("one", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &m_parent));
    text.UpdateWindow();
    text.paints = 0;
    EXPECT_EQ(text.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("two")), 1);
    text.UpdateWindow();
    EXPECT_EQ(text.paints, 1);
    char buffer[8]{};
    text.GetWindowText(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "two");

    text.ShowWindow(SW_HIDE);
    text.SetWindowText("three");
    EXPECT_FALSE(text.GetStyle() & WS_VISIBLE) << "set-text showed a hidden static";
}

TEST_F(StaticsAndViews, FramedPanelsFillWithBackAndFrameWithBorder) {
    KaloStaticRectangle rectangle;
    ASSERT_TRUE(rectangle.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 30, 20), &m_parent));
    KaloToolBar toolBar;
    ASSERT_TRUE(toolBar.Create("bar", CRect(0, 0, 30, 20), &m_parent, 5));
    EXPECT_FALSE(toolBar.GetStyle() & WS_VISIBLE) << "created hidden";
    KaloLeftBar leftBar;
    ASSERT_TRUE(leftBar.Create("left", CRect(0, 0, 30, 20), &m_parent, 6));
    const std::pair<CWnd*, KaloControl*> panels[] = {
        {&rectangle, &rectangle}, {&toolBar, &toolBar}, {&leftBar, &leftBar}};
    for (const auto& panel : panels) {
        panel.second->SetBackColor(RGB(10, 100, 10));
        panel.second->SetBorderColor(RGB(200, 0, 0));
        PixelCanvas canvas(30, 20);
        panel.first->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        EXPECT_EQ(canvas.At(0, 0), RGB(200, 0, 0));
        EXPECT_EQ(canvas.At(29, 19), RGB(200, 0, 0));
        EXPECT_EQ(canvas.At(15, 10), RGB(10, 100, 10));
    }
}

TEST_F(StaticsAndViews, ViewLaysOutItsBarsAndManagedWindowInFourCases) {
    KaloView view;
    ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &m_parent, 9));
    auto* managed = new CWnd;
    ASSERT_TRUE(managed->Create(AfxRegisterWndClass(0), "managed", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5),
                                &m_parent, 3));
    view.SetManagedWnd(managed);
    EXPECT_EQ(managed->GetParent()->GetSafeHwnd(), view.GetSafeHwnd());
    view.SetToolBarSize(24);
    view.SetLeftBarSize(50);
    const struct {
        int tool, left;
        CRect managed;
    } cases[] = {
        {1, 1, CRect(50, 24, 300, 200)},
        {0, 1, CRect(50, 0, 300, 200)},
        {1, 0, CRect(0, 24, 300, 200)},
        {0, 0, CRect(0, 0, 300, 200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tool " << c.tool << " left " << c.left);
        view.ShowToolBar(c.tool);
        view.ShowLeftBar(c.left);
        EXPECT_EQ(RectInParent(*managed), c.managed);
        if (c.tool) {
            EXPECT_EQ(RectInParent(*view.GetToolBar()), CRect(0, 0, 300, 24));
            EXPECT_TRUE(view.GetToolBar()->IsWindowVisible());
            EXPECT_EQ(view.GetToolBar()->GetDlgCtrlID(), 1001);
        }
        if (c.left) {
            EXPECT_EQ(RectInParent(*view.GetLeftBar()), CRect(0, 24 * c.tool, 50, 200));
        }
    }
    EXPECT_FALSE(view.GetToolBar()->IsWindowVisible());
    view.MoveWindow(0, 0, 320, 240);
    EXPECT_EQ(RectInParent(*managed), CRect(0, 0, 320, 240)) << "a size message lays out again";
}

TEST_F(StaticsAndViews, AReplacedManagedWindowIsTheHostsAgain) {
    CWnd kept; // the host's own object: the view must never delete it
    auto view = std::make_unique<KaloView>();
    ASSERT_TRUE(view->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &m_parent, 9));
    ASSERT_TRUE(kept.Create(AfxRegisterWndClass(0), "kept", WS_CHILD, CRect(0, 0, 5, 5), view.get(), 3));
    view->SetManagedWnd(&kept);
    auto* owned = new CWnd;
    ASSERT_TRUE(owned->Create(AfxRegisterWndClass(0), "owned", WS_CHILD, CRect(0, 0, 5, 5), &m_parent, 4));
    view->SetManagedWnd(owned);
    EXPECT_EQ(view->GetManagedWnd(), owned);
    kept.SetParent(&m_parent);
    view.reset(); // deletes `owned`; `kept` lives on
    EXPECT_TRUE(::IsWindow(kept.GetSafeHwnd()));
}

TEST_F(StaticsAndViews, PagerAndRebarAreTheSystemControls) {
    KaloPager pager;
    ASSERT_TRUE(pager.Create("pager", WS_CHILD, CRect(0, 0, 50, 20), &m_parent, 11));
    KaloRebar rebar;
    ASSERT_TRUE(rebar.Create("rebar", WS_CHILD, CRect(0, 0, 50, 20), &m_parent, 12));
    char name[32];
    GetClassNameA(pager, name, sizeof name);
    EXPECT_STREQ(name, "SysPager");
    GetClassNameA(rebar, name, sizeof name);
    EXPECT_STREQ(name, "ReBarWindow32");
}
