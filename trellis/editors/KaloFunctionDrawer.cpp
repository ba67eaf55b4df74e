#include "KaloFunctionDrawer.h"

#include "DBLBufferCDC.h"
#include "GdiScoped.h"
#include "KaloTheme.h"

#include <cmath>

namespace {

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    ScopedSelection selection(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

} // namespace

BEGIN_MESSAGE_MAP(KaloFunctionDrawer, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

KaloFunctionDrawer::KaloFunctionDrawer()
    : m_verticalBarColor(GetKaloColor(9)), m_horizontalBarColor(GetKaloColor(9)) {}

KaloFunctionDrawer::~KaloFunctionDrawer() = default;

BOOL KaloFunctionDrawer::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    const LPCSTR windowClass =
        AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CreateEx(0, windowClass, "", style | WS_CHILD, rect, parent, id);
}

void KaloFunctionDrawer::SetFunction(Function function, void* data) {
    m_function = function;
    m_functionData = data;
    if (m_hWnd) {
        Invalidate(FALSE);
    }
}

void KaloFunctionDrawer::GetFunction(Function* function, void** data) const {
    if (function) {
        *function = m_function;
    }
    if (data) {
        *data = m_functionData;
    }
}

void KaloFunctionDrawer::SetRange(float xMin, float xMax, float yMin, float yMax) {
    if (xMin == m_xMin && xMax == m_xMax && yMin == m_yMin && yMax == m_yMax) {
        return;
    }
    m_xMin = xMin;
    m_xMax = xMax;
    m_yMin = yMin;
    m_yMax = yMax;
    if (m_hWnd) {
        Invalidate(FALSE);
    }
}

void KaloFunctionDrawer::GetRange(float* xMin, float* xMax, float* yMin, float* yMax) const {
    *xMin = m_xMin;
    *xMax = m_xMax;
    *yMin = m_yMin;
    *yMax = m_yMax;
}

void KaloFunctionDrawer::ShowHorizontalBar(int show) {
    ModifyFlags(show ? HorizontalBarShown : 0, show ? 0 : HorizontalBarShown);
}

void KaloFunctionDrawer::ShowVerticalBar(int show) {
    ModifyFlags(show ? VerticalBarShown : 0, show ? 0 : VerticalBarShown);
}

void KaloFunctionDrawer::SetHorizontalBarColor(COLORREF color) {
    m_horizontalBarColor = color;
}

void KaloFunctionDrawer::SetHorizontalBarPosition(float value) {
    MoveBar(m_horizontalBarValue, value, HorizontalBarShown);
}

void KaloFunctionDrawer::SetVerticalBarPosition(float value) {
    MoveBar(m_verticalBarValue, value, VerticalBarShown);
}

KaloPlotScale KaloFunctionDrawer::Scale() const {
    KaloPlotScale scale;
    scale.xMin = m_xMin;
    scale.xMax = m_xMax;
    scale.yMin = m_yMin;
    scale.yMax = m_yMax;
    if (m_hWnd) {
        CRect client;
        GetClientRect(&client);
        scale.width = client.Width();
        scale.height = client.Height();
    }
    return scale;
}

void KaloFunctionDrawer::MoveBar(float& stored, float value, DWORD shownBit) {
    const KaloPlotScale scale = Scale();
    const float old = stored;
    stored = value;
    if (!m_hWnd || !(m_flags & shownBit) || !m_function || !scale.IsDefined()) {
        return;
    }
    const bool horizontal = shownBit == HorizontalBarShown;
    const int before = horizontal ? scale.HorizontalBarRow(old) : scale.VerticalBarColumn(old);
    const int after = horizontal ? scale.HorizontalBarRow(value) : scale.VerticalBarColumn(value);
    if (before == after) {
        return;
    }
    CDC* window = GetDC();
    const HDC dc = window->GetSafeHdc();
    if (horizontal) {
        DrawHorizontalBar(dc, scale, old, m_backColor);
    } else {
        DrawVerticalBar(dc, scale, old, m_backColor);
    }
    DrawMarkers(dc, scale);
    DrawCurve(dc);
    ReleaseDC(window);
}

void KaloFunctionDrawer::DrawHorizontalBar(HDC dc, const KaloPlotScale& scale, float value,
                                           COLORREF color) const {
    const int row = scale.HorizontalBarRow(value);
    DrawLine(dc, 1, row, scale.width - 1, row, color);
}

void KaloFunctionDrawer::DrawVerticalBar(HDC dc, const KaloPlotScale& scale, float value,
                                         COLORREF color) const {
    const int column = scale.VerticalBarColumn(value);
    DrawLine(dc, column, 1, column, scale.height - 1, color);
}

void KaloFunctionDrawer::DrawMarkers(HDC dc, const KaloPlotScale& scale) const {
    if (m_flags & HorizontalBarShown) {
        DrawHorizontalBar(dc, scale, m_horizontalBarValue, m_horizontalBarColor);
    }
    if (m_flags & VerticalBarShown) {
        DrawVerticalBar(dc, scale, m_verticalBarValue, m_verticalBarColor);
    }
}

void KaloFunctionDrawer::TraceCurve(const KaloPlotScale& scale) {
    m_curve.clear();
    bool broken = true;
    for (int column = 0; column < scale.width; ++column) {
        const float y = m_function(scale.ValueAt(column), m_functionData);
        if (!std::isfinite(y)) {
            broken = true;
            continue;
        }
        if (broken) {
            m_curve.emplace_back();
            broken = false;
        }
        m_curve.back().push_back({column, scale.CurveRow(y)});
    }
}

void KaloFunctionDrawer::DrawCurve(HDC dc) const {
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, m_textColor));
    ScopedSelection selection(dc, pen.Get());
    for (const std::vector<POINT>& run : m_curve) {
        if (run.size() == 1) {
            SetPixelV(dc, run[0].x, run[0].y, m_textColor);
        } else {
            Polyline(dc, run.data(), static_cast<int>(run.size()));
        }
    }
}

void KaloFunctionDrawer::Draw(HDC dc, const SIZE& size) {
    KaloPlotScale scale = Scale();
    scale.width = size.cx;
    scale.height = size.cy;
    RECT client{0, 0, size.cx, size.cy};
    ScopedGdiObject<HBRUSH> back(CreateSolidBrush(m_backColor));
    FillRect(dc, &client, back.Get());
    ScopedGdiObject<HBRUSH> frame(CreateSolidBrush(m_textColor));
    FrameRect(dc, &client, frame.Get());
    m_curve.clear();
    if (!m_function || !scale.IsDefined()) {
        return; // without a function or a usable range only the frame is drawn
    }
    DrawMarkers(dc, scale);
    TraceCurve(scale);
    DrawCurve(dc);
}

void KaloFunctionDrawer::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (buffer.Create(&paint, client)) {
        Draw(buffer.GetSafeHdc(), {client.Width(), client.Height()});
    } else {
        Draw(paint.GetSafeHdc(), {client.Width(), client.Height()});
    }
}

BOOL KaloFunctionDrawer::OnEraseBkgnd(CDC*) {
    return TRUE;
}

LRESULT KaloFunctionDrawer::OnPrintClient(WPARAM wParam, LPARAM) {
    CRect client;
    GetClientRect(&client);
    Draw(reinterpret_cast<HDC>(wParam), {client.Width(), client.Height()});
    return 0;
}
