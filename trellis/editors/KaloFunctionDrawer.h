#pragma once

#include "KaloControl.h"
#include "KaloPlotScale.h"

#include <vector>

// Plots y = f(x) from a host callback over a value window, with an optional horizontal and
// vertical marker line. A display control: no mouse handling of its own. The callback is
// called once per pixel column of each full drawing and never for a marker move, which
// redraws only lines straight on the window.
class TRELLIS_API KaloFunctionDrawer : public CWnd, public KaloControl {
public:
    using Function = float (*)(float x, void* data);

    // Flag bits (KaloControl flags).
    static const DWORD HorizontalBarShown = 0x1;
    static const DWORD VerticalBarShown = 0x2;

    KaloFunctionDrawer();
    ~KaloFunctionDrawer() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetFunction(Function function, void* data);
    void GetFunction(Function* function, void** data) const;
    // Invalidates only when a value changed.
    void SetRange(float xMin, float xMax, float yMin, float yMax);
    void GetRange(float* xMin, float* xMax, float* yMin, float* yMax) const;
    // Non-zero shows the bar, zero hides it; neither repaints.
    void ShowHorizontalBar(int show);
    void ShowVerticalBar(int show);
    void SetHorizontalBarPosition(float value);
    void SetVerticalBarPosition(float value);
    void SetHorizontalBarColor(COLORREF color);

    // The full drawing of a client area of `size` on dc: background, frame, markers, curve.
    void Draw(HDC dc, const SIZE& size);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    KaloPlotScale Scale() const;
    void DrawHorizontalBar(HDC dc, const KaloPlotScale& scale, float value, COLORREF color) const;
    void DrawVerticalBar(HDC dc, const KaloPlotScale& scale, float value, COLORREF color) const;
    void DrawMarkers(HDC dc, const KaloPlotScale& scale) const;
    // Evaluates the function once per column into the cached runs of points.
    void TraceCurve(const KaloPlotScale& scale);
    void DrawCurve(HDC dc) const;
    // Moves one marker: lines only, on the window's own context.
    void MoveBar(float& stored, float value, DWORD shownBit);

    float m_xMin = 0;
    float m_xMax = 1;
    float m_yMin = 0;
    float m_yMax = 1;
    COLORREF m_verticalBarColor;
    COLORREF m_horizontalBarColor;
    float m_verticalBarValue = 0;
    float m_horizontalBarValue = 0;
    Function m_function = nullptr;
    void* m_functionData = nullptr;
    // The curve of the last full drawing, as runs of points broken where f(x) was not finite.
    std::vector<std::vector<POINT>> m_curve;
};
