// Split bars dragged with the real mouse: the codes their parent hears and where they end.
#include "RealMouse.h"
#include "TrellisTestSupport.h"

namespace {

// Records the codes of the split bar notifications it receives.
class RecordingParent : public CWnd {
public:
    std::vector<UINT> codes;
    std::vector<HWND> senders;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == wParam) {
                codes.push_back(header->code);
                senders.push_back(header->hwndFrom);
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SplitBarDrag : public HostWindowTest<RecordingParent> {
protected:
    SplitBarDrag() : HostWindowTest(CRect(100, 100, 400, 300)) {}
    void SetUp() override {
        HostWindowTest::SetUp();
        SetForegroundWindow(m_parent);
    }

    // Presses on the bar's middle and drags it by dx, dy in the given number of moves.
    void DragBar(const KaloSplitBar& bar, int dx, int dy, int moves) {
        const CRect place = RectInParent(bar);
        const POINT start = ScreenPoint(m_parent, place.CenterPoint().x, place.CenterPoint().y);
        std::vector<MouseStep> steps{{start, 0}};
        // The press comes with the first move, so drag detection sees the move at once.
        for (int i = 1; i <= moves; ++i) {
            const POINT at{start.x + dx * i / moves, start.y + dy * i / moves};
            steps.push_back({at, i == 1 ? static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN) : 0u});
        }
        steps.push_back({steps.back().screen, MOUSEEVENTF_LEFTUP});
        PlayMouse(steps);
    }
};

} // namespace

TEST_F(SplitBarDrag, LiveAndOutlineDragsReportTheirCodesAndMoveTheBar) {
    struct Case {
        DWORD style;
        CRect rect;
        int dx, dy;
        // The bar's leading edge afterwards, along its axis.
        int expectedEdge;
    };
    // Vertical bars: new left = mouse x in the parent + size/2, at most width - size/2 - 1.
    // The press is at the bar's centre (x = 102), so a move by dx lands at 102 + dx + 2.
    const Case cases[] = {
        {KALO_SPLIT_VERTICAL | KALO_SPLIT_LIVE, CRect(100, 0, 104, 200), 40, 0, 144},
        {KALO_SPLIT_VERTICAL, CRect(100, 0, 104, 200), -30, 0, 74},
        {KALO_SPLIT_VERTICAL | KALO_SPLIT_LIVE, CRect(100, 0, 104, 200), 400, 0, 300 - 2 - 1},
        {KALO_SPLIT_CURSOR_NS | KALO_SPLIT_LIVE, CRect(0, 50, 300, 54), 0, 30, 84},
        {KALO_SPLIT_CURSOR_NS, CRect(0, 50, 300, 54), 0, -200, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.style << " by " << c.dx << "," << c.dy);
        m_parent.codes.clear();
        KaloSplitBar bar(c.style);
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, c.rect, &m_parent, 101));
        DragBar(bar, c.dx, c.dy, 3);

        const bool live = (c.style & KALO_SPLIT_LIVE) != 0;
        ASSERT_GE(m_parent.codes.size(), 4u);
        EXPECT_EQ(m_parent.codes.front(), KALO_SPLIT_STARTED);
        EXPECT_EQ(m_parent.codes[1], KALO_SPLIT_STARTED);
        EXPECT_EQ(m_parent.codes[m_parent.codes.size() - 2], KALO_SPLIT_ENDED);
        EXPECT_EQ(m_parent.codes.back(), KALO_SPLIT_ENDED);
        const size_t moves = m_parent.codes.size() - 4;
        if (live) {
            EXPECT_GE(moves, 1u);
        } else {
            EXPECT_EQ(moves, 0u) << "an outline drag never reports moves";
        }
        for (size_t i = 2; i < m_parent.codes.size() - 2; ++i) {
            EXPECT_EQ(m_parent.codes[i], KALO_SPLIT_MOVED);
        }
        for (HWND sender : m_parent.senders) {
            EXPECT_EQ(sender, bar.GetSafeHwnd());
        }
        const CRect place = RectInParent(bar);
        const bool vertical = (c.style & KALO_SPLIT_VERTICAL) != 0;
        EXPECT_EQ(vertical ? place.left : place.top, c.expectedEdge);
        EXPECT_EQ(vertical ? place.Width() : place.Height(), 4);
        EXPECT_EQ(vertical ? place.Height() : place.Width(), vertical ? 200 : 300) << "spans the parent";
        EXPECT_EQ(bar.GetFlags() & KALO_SPLIT_DRAGGING, 0u);
        EXPECT_NE(GetCapture(), bar.GetSafeHwnd());
        m_parent.senders.clear();
    }
}

TEST_F(SplitBarDrag, AClickWithoutMovingIsNoDrag) {
    KaloSplitBar bar(KALO_SPLIT_VERTICAL | KALO_SPLIT_LIVE);
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(100, 0, 104, 200), &m_parent, 101));
    const POINT at = ScreenPoint(m_parent, 101, 100);
    PlayMouse({{at, 0}, {at, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP}});
    EXPECT_TRUE(m_parent.codes.empty());
    EXPECT_EQ(RectInParent(bar).left, 100);
}

TEST_F(SplitBarDrag, AnOutlineIsErasedWhenTheBarIsDestroyedMidDrag) {
    auto bar = std::make_unique<KaloSplitBar>(KALO_SPLIT_VERTICAL);
    ASSERT_TRUE(bar->Create(WS_CHILD | WS_VISIBLE, CRect(100, 0, 104, 200), &m_parent, 101));
    m_parent.UpdateWindow();
    HDC screen = GetDC(m_parent);
    const COLORREF ground = GetPixel(screen, 54, 199);
    const POINT start = ScreenPoint(m_parent, 101, 100);
    // Press and move, no release: the drag is in progress when the bar goes.
    PlayMouse({{start, 0}, {{start.x - 50, start.y}, MOUSEEVENTF_LEFTDOWN}});
    ASSERT_NE(bar->GetFlags() & KALO_SPLIT_DRAGGING, 0u);
    const HWND handle = bar->GetSafeHwnd();
    EXPECT_EQ(GetCapture(), handle);
    EXPECT_NE(GetPixel(screen, 54, 199), ground) << "the outline is drawn on the parent";
    bar.reset();
    EXPECT_EQ(GetPixel(screen, 54, 199), ground) << "the outline is gone";
    EXPECT_EQ(GetCapture(), nullptr);
    ReleaseDC(m_parent, screen);
    PlayMouse({{{start.x - 50, start.y}, MOUSEEVENTF_LEFTUP}});
}
