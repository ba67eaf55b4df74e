// The function drawer: its mappings, and its pixels through WM_PRINTCLIENT and on the window.
#include "TrellisTestSupport.h"

#include <cmath>
#include <limits>

namespace {

int g_calls = 0;

float Identity(float x, void*) {
    ++g_calls;
    return x;
}

// Not finite between 0.4 and 0.6: the curve must break there.
float Holed(float x, void*) {
    ++g_calls;
    return x > 0.4f && x < 0.6f ? std::numeric_limits<float>::quiet_NaN() : 0.5f;
}

float Huge(float, void*) {
    return 1e30f;
}

KaloPlotScale Scale(float xMin, float xMax, float yMin, float yMax, int w, int h) {
    KaloPlotScale scale;
    scale.xMin = xMin;
    scale.xMax = xMax;
    scale.yMin = yMin;
    scale.yMax = yMax;
    scale.width = w;
    scale.height = h;
    return scale;
}

// A drawer of 101 × 101 client pixels in a host window.
class FunctionDrawer : public HostWindowTest<> {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        ASSERT_TRUE(m_drawer.Create(WS_VISIBLE, CRect(10, 10, 111, 111), &m_parent, 7));
        m_drawer.SetColors(RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0), nullptr,
                           nullptr);
    }
    // The full drawing of the control, printed into a canvas.
    void Print(PixelCanvas& canvas) {
        m_drawer.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    }

    KaloFunctionDrawer m_drawer;
};

} // namespace

TEST(PlotScale, MappingsAndClamps) {
    const KaloPlotScale unit = Scale(0, 1, 0, 1, 101, 101);
    EXPECT_TRUE(unit.IsDefined());
    EXPECT_EQ(unit.Column(0.5f), 50);
    EXPECT_EQ(unit.CurveRow(0), 100);
    EXPECT_EQ(unit.CurveRow(unit.ValueAt(100)), 1);
    EXPECT_EQ(unit.BarRow(0.25f), 25); // the bar's row grows downwards with the value
    EXPECT_EQ(unit.VerticalBarColumn(2), 99);
    EXPECT_EQ(unit.VerticalBarColumn(-2), 1);
    EXPECT_EQ(unit.HorizontalBarRow(5), 99);
    EXPECT_EQ(unit.HorizontalBarRow(-5), 1);
    // Rows and columns stay in the 16-bit range however wild the value.
    EXPECT_EQ(unit.CurveRow(1e30f), -32768);
    EXPECT_EQ(unit.CurveRow(-1e30f), 32767);
    EXPECT_EQ(unit.Column(std::numeric_limits<float>::infinity()), 32767);

    const KaloPlotScale shifted = Scale(-1, 1, -2, 2, 200, 41);
    EXPECT_EQ(shifted.Column(0), 100);
    EXPECT_FLOAT_EQ(shifted.ValueAt(50), -0.5f);
    EXPECT_EQ(shifted.CurveRow(0), 40 - 20);

    EXPECT_FALSE(Scale(1, 1, 0, 1, 10, 10).IsDefined());
    EXPECT_FALSE(Scale(0, 1, 2, 2, 10, 10).IsDefined());
    EXPECT_FALSE(Scale(0, std::numeric_limits<float>::infinity(), 0, 1, 10, 10).IsDefined());
    EXPECT_FALSE(Scale(0, 1, 0, 1, 0, 10).IsDefined());
}

TEST_F(FunctionDrawer, CurveMarkersAndOneCallPerColumn) {
    PixelCanvas canvas(101, 101);
    Print(canvas); // no function: background and frame only
    EXPECT_EQ(canvas.At(0, 50), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(50, 50), RGB(255, 255, 255));

    m_drawer.SetFunction(Identity, nullptr);
    m_drawer.ShowVerticalBar(1);
    m_drawer.ShowHorizontalBar(1);
    m_drawer.SetHorizontalBarColor(RGB(255, 0, 0));
    m_drawer.SetVerticalBarPosition(5);       // beyond x max: column w - 2
    m_drawer.SetHorizontalBarPosition(0.25f); // row 25 from the top
    g_calls = 0;
    Print(canvas);
    EXPECT_EQ(g_calls, 101);
    EXPECT_EQ(canvas.At(0, 100), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(100, 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(50, 51), RGB(0, 0, 0)); // x = 50 / 101: row 100 - 49
    EXPECT_EQ(canvas.At(99, 60), GetKaloColor(9));
    EXPECT_EQ(canvas.At(10, 25), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(10, 60), RGB(255, 255, 255));

    // Hidden bars are not drawn; a degenerate range draws no curve and no markers.
    m_drawer.ShowVerticalBar(0);
    m_drawer.ShowHorizontalBar(0);
    Print(canvas);
    EXPECT_EQ(canvas.At(99, 60), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(10, 25), RGB(255, 255, 255));
    m_drawer.SetRange(0, 1, 0.5f, 0.5f);
    g_calls = 0;
    Print(canvas);
    EXPECT_EQ(g_calls, 0);
    EXPECT_EQ(canvas.At(50, 50), RGB(255, 255, 255));
}

TEST_F(FunctionDrawer, NonFiniteValuesBreakTheLineAndHugeOnesStayDrawable) {
    PixelCanvas canvas(101, 101);
    m_drawer.SetFunction(Holed, nullptr);
    Print(canvas);
    const int row = 100 - 50;
    EXPECT_EQ(canvas.At(30, row), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(50, row), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(70, row), RGB(0, 0, 0));
    m_drawer.SetFunction(Huge, nullptr);
    Print(canvas);
    EXPECT_EQ(canvas.At(50, 50), RGB(255, 255, 255));
}

TEST_F(FunctionDrawer, MarkerMovesDrawLinesOnlyWithoutCallingTheFunction) {
    m_drawer.SetFunction(Identity, nullptr);
    m_drawer.ShowVerticalBar(1);
    m_drawer.SetVerticalBarPosition(0.3f);
    m_drawer.UpdateWindow();
    g_calls = 0;
    m_drawer.SetVerticalBarPosition(0.6f);
    m_drawer.SetVerticalBarPosition(0.601f); // less than a pixel: stored only
    EXPECT_EQ(g_calls, 0);
    CDC* dc = m_drawer.GetDC();
    EXPECT_EQ(dc->GetPixel(60, 20), GetKaloColor(9));
    EXPECT_EQ(dc->GetPixel(30, 20), RGB(255, 255, 255));
    EXPECT_EQ(dc->GetPixel(30, 71), RGB(0, 0, 0)); // the curve crosses the erased line again
    m_drawer.ReleaseDC(dc);

    float xMin, xMax, yMin, yMax;
    m_drawer.GetRange(&xMin, &xMax, &yMin, &yMax);
    m_drawer.ValidateRect(nullptr);
    m_drawer.SetRange(xMin, xMax, yMin, yMax);
    RECT update{};
    EXPECT_FALSE(m_drawer.GetUpdateRect(&update));
    m_drawer.SetRange(xMin, xMax, yMin, 2);
    EXPECT_TRUE(m_drawer.GetUpdateRect(&update));
}
