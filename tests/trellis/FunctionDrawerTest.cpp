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

// A drawer of 101 × 101 client pixels in a plain top-level host window.
class DrawerHost {
public:
    DrawerHost() {
        InitKaloControls();
        const LPCSTR windowClass = AfxRegisterWndClass(0, nullptr, nullptr, nullptr);
        host.CreateEx(0, windowClass, "host", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr);
        drawer.Create(WS_VISIBLE, CRect(10, 10, 111, 111), &host, 7);
        drawer.SetColors(RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0), nullptr,
                         nullptr);
    }
    // The full drawing of the control, printed into a canvas.
    void Print(PixelCanvas& canvas) {
        drawer.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    }

    CWnd host;
    KaloFunctionDrawer drawer;
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

TEST(FunctionDrawer, CurveMarkersAndOneCallPerColumn) {
    DrawerHost host;
    PixelCanvas canvas(101, 101);
    host.Print(canvas); // no function: background and frame only
    EXPECT_EQ(canvas.At(0, 50), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(50, 50), RGB(255, 255, 255));

    host.drawer.SetFunction(Identity, nullptr);
    host.drawer.ShowVerticalBar(1);
    host.drawer.ShowHorizontalBar(1);
    host.drawer.SetHorizontalBarColor(RGB(255, 0, 0));
    host.drawer.SetVerticalBarPosition(5);       // beyond x max: column w - 2
    host.drawer.SetHorizontalBarPosition(0.25f); // row 25 from the top
    g_calls = 0;
    host.Print(canvas);
    EXPECT_EQ(g_calls, 101);
    EXPECT_EQ(canvas.At(0, 100), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(100, 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(50, 51), RGB(0, 0, 0)); // x = 50 / 101: row 100 - 49
    EXPECT_EQ(canvas.At(99, 60), GetKaloColor(9));
    EXPECT_EQ(canvas.At(10, 25), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(10, 60), RGB(255, 255, 255));

    // Hidden bars are not drawn; a degenerate range draws no curve and no markers.
    host.drawer.ShowVerticalBar(0);
    host.drawer.ShowHorizontalBar(0);
    host.Print(canvas);
    EXPECT_EQ(canvas.At(99, 60), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(10, 25), RGB(255, 255, 255));
    host.drawer.SetRange(0, 1, 0.5f, 0.5f);
    g_calls = 0;
    host.Print(canvas);
    EXPECT_EQ(g_calls, 0);
    EXPECT_EQ(canvas.At(50, 50), RGB(255, 255, 255));
}

TEST(FunctionDrawer, NonFiniteValuesBreakTheLineAndHugeOnesStayDrawable) {
    DrawerHost host;
    PixelCanvas canvas(101, 101);
    host.drawer.SetFunction(Holed, nullptr);
    host.Print(canvas);
    const int row = 100 - 50;
    EXPECT_EQ(canvas.At(30, row), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(50, row), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(70, row), RGB(0, 0, 0));
    host.drawer.SetFunction(Huge, nullptr);
    host.Print(canvas);
    EXPECT_EQ(canvas.At(50, 50), RGB(255, 255, 255));
}

TEST(FunctionDrawer, MarkerMovesDrawLinesOnlyWithoutCallingTheFunction) {
    DrawerHost host;
    host.drawer.SetFunction(Identity, nullptr);
    host.drawer.ShowVerticalBar(1);
    host.drawer.SetVerticalBarPosition(0.3f);
    host.drawer.UpdateWindow();
    g_calls = 0;
    host.drawer.SetVerticalBarPosition(0.6f);
    host.drawer.SetVerticalBarPosition(0.601f); // less than a pixel: stored only
    EXPECT_EQ(g_calls, 0);
    CDC* dc = host.drawer.GetDC();
    EXPECT_EQ(dc->GetPixel(60, 20), GetKaloColor(9));
    EXPECT_EQ(dc->GetPixel(30, 20), RGB(255, 255, 255));
    EXPECT_EQ(dc->GetPixel(30, 71), RGB(0, 0, 0)); // the curve crosses the erased line again
    host.drawer.ReleaseDC(dc);

    float xMin, xMax, yMin, yMax;
    host.drawer.GetRange(&xMin, &xMax, &yMin, &yMax);
    host.drawer.ValidateRect(nullptr);
    host.drawer.SetRange(xMin, xMax, yMin, yMax);
    RECT update{};
    EXPECT_FALSE(host.drawer.GetUpdateRect(&update));
    host.drawer.SetRange(xMin, xMax, yMin, 2);
    EXPECT_TRUE(host.drawer.GetUpdateRect(&update));
}
