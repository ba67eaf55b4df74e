// Range controls: the geometry as pure functions, then progress bars drawn onto pixels and a
// knob turned with the real mouse.
#include "RealMouse.h"
#include "TrellisTestSupport.h"

#include <cmath>

TEST(RangeGeometry, ScrollThumbFollowsThePositionAndStaysOnTheTrack) {
    struct {
        int length, arrow, thumb, pos, min, max, offset;
    } cases[] = {
        {200, 20, 16, 0, 0, 100, 20},    // at the start of the track
        {200, 20, 16, 50, 0, 100, 92},   // centre 20 + 160 / 2
        {200, 20, 16, 100, 0, 100, 164}, // kept inside the track at the end
        {200, 20, 16, 15, 10, 20, 92},   // the span, not the maximum, divides
        {200, 20, 16, 5, 5, 5, 20},      // empty range: track start
        {200, 20, 16, 0, 0, 0, 20},      {200, 20, 16, 500, 0, 100, 164}, // a position beyond the range
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KaloScrollThumbOffset(c.length, c.arrow, c.thumb, c.pos, c.min, c.max), c.offset)
            << c.pos << " in " << c.min << ".." << c.max;
    }
}

TEST(RangeGeometry, ProgressFillBlendAndImage) {
    EXPECT_EQ(KaloProgressFillLength(200, 0, 0, 100), 0);
    EXPECT_EQ(KaloProgressFillLength(200, 25, 0, 100), 50);
    EXPECT_EQ(KaloProgressFillLength(200, 100, 0, 100), 200);
    EXPECT_EQ(KaloProgressFillLength(200, 3, 3, 3), 0);

    const COLORREF back = RGB(0, 100, 200), text = RGB(200, 100, 0);
    EXPECT_EQ(KaloProgressBlend(back, text, 0, 0, 100), RGB(20, 100, 180)); // t = 0.1, not the back colour
    EXPECT_EQ(KaloProgressBlend(back, text, 100, 0, 100), text);

    struct {
        int pos, min, max, count, index;
    } images[] = {
        {0, 0, 100, 5, 0},   {50, 0, 100, 5, 2},  {100, 0, 100, 5, 4}, {-20, 0, 100, 5, 0},
        {200, 0, 100, 5, 4}, {50, 0, 100, 0, -1}, {7, 7, 7, 3, 0},
    };
    for (const auto& c : images) {
        EXPECT_EQ(KaloProgressImageIndex(c.pos, c.min, c.max, c.count), c.index)
            << c.pos << " of " << c.count;
    }
}

TEST(RangeGeometry, SliderHourglassIsCentredAndAtMostNinePixels) {
    EXPECT_EQ(KaloSliderThumbSize(RECT{0, 0, 11, 21}), 9);
    EXPECT_EQ(KaloSliderThumbSize(RECT{0, 0, 7, 5}), 7);
    POINT p[5];
    KaloSliderHourglass(RECT{10, 0, 20, 20}, 9, p);
    const POINT expected[5] = {{11, 6}, {19, 14}, {11, 14}, {19, 6}, {11, 6}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p[i].x, expected[i].x) << i;
        EXPECT_EQ(p[i].y, expected[i].y) << i;
    }
}

TEST(RangeGeometry, DisabledSliderThumbColourFadesEachComponent) {
    EXPECT_EQ(KaloSliderDisabledColor(RGB(200, 100, 0)), RGB(100, 200, 0));
    EXPECT_EQ(KaloSliderDisabledColor(RGB(255, 128, 129)), RGB(127, 255, 64));
}

TEST(RangeGeometry, KnobDragMapsAnglesAndTheIndicatorAgrees) {
    const float s = KaloKnobStartAngle, e = KaloKnobEndAngle;
    struct {
        int dx, dy, pos;
    } drags[] = {
        {0, -50, 50},  // straight above: the middle
        {0, 50, 100},  // straight below: clamped to the start angle, the maximum
        {-1, 50, 0},   // just left of below: clamped to the end angle, the minimum
        {-50, 50, 0},  // lower left, 225 degrees: the minimum
        {50, 50, 100}, // lower right: the maximum
        {50, 0, 83},   // 3 o'clock
    };
    for (const auto& d : drags) {
        int pos = -1;
        ASSERT_TRUE(KaloKnobDragPosition(d.dx, d.dy, s, e, 0, 100, &pos));
        EXPECT_EQ(pos, d.pos) << d.dx << "," << d.dy;
    }
    int untouched = 42;
    EXPECT_FALSE(KaloKnobDragPosition(0, 0, s, e, 0, 100, &untouched));
    EXPECT_FALSE(KaloKnobDragPosition(10, 10, 1.0f, 1.0f, 0, 100, &untouched));
    EXPECT_EQ(untouched, 42);

    // The indicator of each value points where a drag sets that value.
    const RECT client{0, 0, 101, 101};
    for (int value : {0, 25, 50, 75, 100}) {
        const POINT tip = KaloKnobIndicatorEnd(client, KaloKnobIndicatorAngle(value, 0, 100, s, e));
        int pos = -1;
        ASSERT_TRUE(KaloKnobDragPosition(tip.x - 50, tip.y - 50, s, e, 0, 100, &pos));
        EXPECT_NEAR(pos, value, 1) << value;
    }
    const POINT top = KaloKnobIndicatorEnd(client, KaloKnobIndicatorAngle(50, 0, 100, s, e));
    EXPECT_EQ(top.x, 50);
    EXPECT_EQ(top.y, 0);
}

namespace {

// Sets a scroll bar's position as a host would when the user drops its thumb.
class ScrollingParent : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HSCROLL && lParam && LOWORD(wParam) == SB_THUMBPOSITION) {
            ::SetScrollPos(reinterpret_cast<HWND>(lParam), SB_CTL, static_cast<short>(HIWORD(wParam)), TRUE);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class RangeWindow : public HostWindowTest<ScrollingParent> {
protected:
    RangeWindow() : HostWindowTest(CRect(100, 100, 400, 300)) {}
};

} // namespace

TEST_F(RangeWindow, ProgressBarKeepsItsRangeAndClampsPositions) {
    KaloProgressBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 10), &m_parent, 1));
    bar.SetPos(150);
    EXPECT_EQ(bar.GetPos(), 100);
    bar.SetPos(-5);
    EXPECT_EQ(bar.GetPos(), 0);
    int min = 0, max = 0;
    bar.SetRange(10, 10);
    bar.SetRange(20, 5);
    bar.GetRange(min, max);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 100);
    bar.SetRange(-10, 10);
    bar.GetRange(min, max);
    EXPECT_EQ(min, -10);
    EXPECT_EQ(max, 10);
    // A plain class of its own: no cursor, brush or class styles.
    EXPECT_EQ(GetClassLongPtrA(bar.GetSafeHwnd(), GCLP_HCURSOR), 0u);
    EXPECT_EQ(GetClassLongPtrA(bar.GetSafeHwnd(), GCLP_HBRBACKGROUND), 0u);
    EXPECT_EQ(GetClassLongPtrA(bar.GetSafeHwnd(), GCL_STYLE), 0u);
}

TEST_F(RangeWindow, ProgressBarKindsDrawTheirFill) {
    const COLORREF back = RGB(0, 0, 255), text = RGB(255, 0, 0), border = RGB(0, 255, 0);
    struct {
        DWORD style;
        int pos;
        POINT filled, empty;
        COLORREF fill;
    } cases[] = {
        {0, 50, {49, 5}, {51, 5}, text},
        {KaloProgressVertical, 50, {5, 15}, {5, 5}, text},
        {KaloProgressBlended, 100, {98, 5}, {98, 5}, text},
        {KaloProgressBlended, 10, {0, 5}, {99, 5}, RGB(48, 0, 206)}, // t = 0.19
    };
    for (const auto& c : cases) {
        KaloProgressBar bar;
        ASSERT_TRUE(bar.Create(WS_CHILD | c.style, CRect(0, 0, 100, 20), &m_parent, 1));
        bar.SetColors(text, back, back, border, nullptr, nullptr);
        bar.SetPos(c.pos);
        PixelCanvas canvas(100, 20);
        bar.DrawProgress(CDC::FromHandle(canvas.Dc()));
        EXPECT_EQ(canvas.At(c.filled.x, c.filled.y), c.fill) << "style " << c.style << " pos " << c.pos;
        if (c.pos == 50) {
            EXPECT_EQ(canvas.At(c.empty.x, c.empty.y), back) << "style " << c.style;
        }
        bar.DestroyWindow();
    }
    // The frame style, and image mode without images drawing nothing at all.
    KaloProgressBar framed;
    ASSERT_TRUE(
        framed.Create(WS_CHILD | KaloProgressFrame | KaloProgressImages, CRect(0, 0, 100, 20), &m_parent, 2));
    framed.SetColors(text, back, back, border, nullptr, nullptr);
    PixelCanvas canvas(100, 20);
    canvas.Fill(RGB(1, 2, 3));
    framed.DrawProgress(CDC::FromHandle(canvas.Dc()));
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 2, 3));
    framed.ModifyStyle(KaloProgressImages, 0);
    framed.DrawProgress(CDC::FromHandle(canvas.Dc()));
    EXPECT_EQ(canvas.At(0, 10), border);
    EXPECT_EQ(canvas.At(50, 10), back);
}

TEST_F(RangeWindow, KnobFollowsARealMouseDrag) {
    KaloSpinButton knob;
    ASSERT_TRUE(knob.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 111, 111), &m_parent, 3));
    m_parent.SetForegroundWindow();
    knob.UpdateWindow();
    CRect rect;
    knob.GetWindowRect(&rect);
    const POINT centre = rect.CenterPoint();
    // Press at the lower left, sweep over the top to 3 o'clock.
    RealDrag({{centre.x - 30, centre.y + 30}, {centre.x, centre.y - 40}, {centre.x + 40, centre.y}});
    EXPECT_EQ(knob.GetPos(), 83);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetFocus(), &knob);

    // The dial is drawn with its indicator towards the value.
    knob.SetColors(RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 255, 0), nullptr, nullptr);
    knob.SetControlBrush(nullptr);
    knob.SetPos(50);
    PixelCanvas canvas(101, 101);
    knob.DrawButton(CDC::FromHandle(canvas.Dc()));
    EXPECT_EQ(canvas.At(50, 20), RGB(255, 0, 0)); // indicator straight up
    EXPECT_EQ(canvas.At(50, 80), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(3, 3), RGB(0, 0, 255)); // outside the circle
}

TEST_F(RangeWindow, SliderDrawsChannelLineAndHourglassAndFollowsADrag) {
    KaloSlider slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(10, 10, 210, 40), &m_parent, 4));
    slider.SetRange(0, 100);
    slider.SetPos(0);
    slider.SetColors(RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 255, 0), nullptr, nullptr);
    CRect thumb, channel;
    slider.GetThumbRect(&thumb);
    slider.GetChannelRect(&channel);
    const int s = KaloSliderThumbSize(thumb);
    const int centre = (channel.top + channel.bottom) / 2;
    struct {
        BOOL enabled;
        COLORREF thumbFill;
    } states[] = {{TRUE, RGB(255, 0, 0)}, {FALSE, RGB(127, 0, 0)}};
    for (const auto& state : states) {
        PixelCanvas canvas(200, 30);
        slider.DrawHorzSlider(CDC::FromHandle(canvas.Dc()), state.enabled);
        const CPoint middle = thumb.CenterPoint();
        EXPECT_EQ(canvas.At(middle.x, middle.y - 2), state.thumbFill) << "upper triangle of the hourglass";
        EXPECT_EQ(canvas.At(middle.x - 3, middle.y), RGB(0, 0, 255)) << "the hourglass's waist";
        EXPECT_EQ(canvas.At(channel.right - s, centre), RGB(255, 0, 0)) << "channel line";
        EXPECT_EQ(canvas.At(channel.right - s, centre - 2), RGB(0, 0, 255));
    }
    // Range labels draw their ticks above the line at both ends.
    slider.ShowRange(TRUE);
    PixelCanvas labelled(200, 30);
    slider.DrawHorzSlider(CDC::FromHandle(labelled.Dc()), TRUE);
    EXPECT_EQ(labelled.At(channel.right - s / 2 - 1, centre - 1), RGB(255, 0, 0));

    m_parent.SetForegroundWindow();
    CRect screenThumb = thumb;
    slider.ClientToScreen(&screenThumb);
    const CPoint from = screenThumb.CenterPoint();
    RealDrag({from, {from.x + 60, from.y}, {from.x + 400, from.y}});
    EXPECT_EQ(slider.GetPos(), 100);
}

TEST_F(RangeWindow, ScrollBarFramesItsThumbAndTakesARealDrag) {
    KaloScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(10, 50, 210, 70), &m_parent, 5));
    bar.SetScrollRange(0, 100);
    bar.SetScrollPos(50);
    bar.SetColors(RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 255, 0), nullptr, nullptr);
    PixelCanvas canvas(200, 20);
    bar.DrawSB(CDC::FromHandle(canvas.Dc()));
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const int thumb = GetSystemMetrics(SM_CXHTHUMB);
    const int left = KaloScrollThumbOffset(200, arrow, thumb, 50, 0, 100);
    EXPECT_EQ(canvas.At(0, 10), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(left, 10), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(left + thumb / 2, 10), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(left - 2, 10), RGB(0, 0, 255));

    // The system's own scroll loop moves the position; the host stores it on release.
    m_parent.SetForegroundWindow();
    bar.SetScrollPos(0);
    CRect rect;
    bar.GetWindowRect(&rect);
    const POINT from{rect.left + arrow + 3, rect.top + 10};
    RealDrag({from, {from.x + 40, from.y}, {rect.right - 2, from.y}});
    EXPECT_GT(bar.GetScrollPos(), 80);
}
