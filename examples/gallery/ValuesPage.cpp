#include "ValuesPage.h"

#include <cmath>
#include <cstdio>

namespace {

const UINT AngleId = 10;
const UINT MarkerSliderId = 11;
const UINT PedalTimer = 1;
const int DrawerCount = 3;

float Wave(float x, void*) {
    return std::sin(x);
}
float Parabola(float x, void*) {
    return x * x;
}
// Not defined at 0: the drawer breaks the curve there.
float Reciprocal(float x, void*) {
    return x == 0 ? NAN : 1 / x;
}

struct Plot {
    const char* title;
    KaloFunctionDrawer::Function function;
    float xMin, xMax, yMin, yMax;
};

const Plot Plots[DrawerCount] = {
    {"sin(x)", Wave, -3.1416f, 3.1416f, -1.2f, 1.2f},
    {"x * x", Parabola, -2, 2, -0.5f, 4.5f},
    {"1 / x (broken at 0)", Reciprocal, -2, 2, -5, 5},
};

class ValuesPage : public GalleryPage {
protected:
    BOOL CreateControls() override;
    void PaintPage(CDC& dc, const CRect& client) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateLabel(CStatic& label, const CRect& place);
    void ShowAngle();
    void ShowPedals();
    void MoveMarkers();

    KaloAngleCtrl m_angle;
    CStatic m_angleLabel;
    KaloGasPedal m_pedal;
    KaloGasPedal m_verticalPedal;
    CStatic m_pedalLabel;
    KaloFunctionDrawer m_drawers[DrawerCount];
    KaloSlider m_markerSlider;
    CStatic m_markerLabel;
    int m_shownPedal = -1;
    int m_shownVerticalPedal = -1;
};

BEGIN_MESSAGE_MAP(ValuesPage, GalleryPage)
ON_WM_HSCROLL()
ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL ValuesPage::CreateLabel(CStatic& label, const CRect& place) {
    if (!label.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, place, this, 0)) {
        return FALSE;
    }
    label.SetFont(GetKaloFont(0));
    return TRUE;
}

BOOL ValuesPage::CreateControls() {
    if (!m_angle.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(20, 40, 320, 62), this, AngleId) ||
        !CreateLabel(m_angleLabel, CRect(20, 70, 420, 88)) ||
        !m_pedal.Create(WS_CHILD | WS_VISIBLE | KaloProgressFrame, CRect(20, 130, 320, 150), this, 0) ||
        !m_verticalPedal.Create(WS_CHILD | WS_VISIBLE | KaloProgressFrame | KaloProgressVertical,
                                CRect(340, 100, 360, 200), this, 0) ||
        !CreateLabel(m_pedalLabel, CRect(20, 160, 320, 178))) {
        return FALSE;
    }
    m_angle.SetAngle(7.0f);
    m_pedal.SetPos(40);
    m_verticalPedal.SetRange(0, 10);
    m_verticalPedal.SetPos(7);
    for (int i = 0; i < DrawerCount; ++i) {
        const Plot& plot = Plots[i];
        KaloFunctionDrawer& drawer = m_drawers[i];
        if (!drawer.Create(WS_VISIBLE, CRect(20 + 310 * i, 260, 320 + 310 * i, 460), this, 0)) {
            return FALSE;
        }
        drawer.SetRange(plot.xMin, plot.xMax, plot.yMin, plot.yMax);
        drawer.SetFunction(plot.function, nullptr);
        drawer.ShowVerticalBar(1);
        drawer.ShowHorizontalBar(1);
        drawer.SetHorizontalBarColor(RGB(200, 60, 60));
    }
    if (!m_markerSlider.Create(WS_CHILD | WS_VISIBLE | TBS_NOTICKS, CRect(20, 490, 320, 510), this,
                               MarkerSliderId) ||
        !CreateLabel(m_markerLabel, CRect(330, 492, 800, 510))) {
        return FALSE;
    }
    m_markerSlider.SetRange(0, 100);
    m_markerSlider.SetPos(70);
    ShowAngle();
    ShowPedals();
    MoveMarkers();
    SetTimer(PedalTimer, 50);
    return TRUE;
}

void ValuesPage::PaintPage(CDC& dc, const CRect& client) {
    GalleryPage::PaintPage(dc, client);
    Label(dc, 20, 16, "KaloAngleCtrl: type, or drag the needle round the dial (crossing zero counts turns)");
    Label(dc, 20, 106, "KaloGasPedal: drag along the bar (horizontal 0..100, vertical 0..10)");
    Label(dc, 20, 236,
          "KaloFunctionDrawer: the slider moves the vertical marker, the horizontal one follows f(x)");
    for (int i = 0; i < DrawerCount; ++i) {
        Label(dc, 20 + 310 * i, 464, Plots[i].title);
    }
}

BOOL ValuesPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (wParam == AngleId && header->code == KaloAngleCtrl::NotifyChanged) {
        ShowAngle();
        return TRUE;
    }
    return GalleryPage::OnNotify(wParam, lParam, result);
}

void ValuesPage::OnHScroll(UINT, UINT, CScrollBar*) {
    MoveMarkers();
}

void ValuesPage::OnTimer(UINT_PTR) {
    ShowPedals();
}

void ValuesPage::ShowAngle() {
    char text[96];
    const float angle = m_angle.GetAngle();
    std::snprintf(text, sizeof(text), "GetAngle: %.4f rad = %.2f degrees", angle, angle * 57.295776f);
    m_angleLabel.SetWindowText(text);
}

// The pedals send nothing: the page looks at them on a timer and writes only what changed.
void ValuesPage::ShowPedals() {
    if (m_pedal.GetPos() == m_shownPedal && m_verticalPedal.GetPos() == m_shownVerticalPedal) {
        return;
    }
    m_shownPedal = m_pedal.GetPos();
    m_shownVerticalPedal = m_verticalPedal.GetPos();
    char text[64];
    std::snprintf(text, sizeof(text), "GetPos: %d and %d", m_shownPedal, m_shownVerticalPedal);
    m_pedalLabel.SetWindowText(text);
}

void ValuesPage::MoveMarkers() {
    const float share = m_markerSlider.GetPos() / 100.0f;
    for (int i = 0; i < DrawerCount; ++i) {
        const Plot& plot = Plots[i];
        const float x = plot.xMin + share * (plot.xMax - plot.xMin);
        m_drawers[i].SetVerticalBarPosition(x);
        const float y = plot.function(x, nullptr);
        m_drawers[i].SetHorizontalBarPosition(std::isfinite(y) ? y : plot.yMin);
    }
    char text[64];
    std::snprintf(text, sizeof(text), "marker at %d %% of each x range", m_markerSlider.GetPos());
    m_markerLabel.SetWindowText(text);
}

} // namespace

std::unique_ptr<GalleryPage> MakeValuesPage() {
    return std::make_unique<ValuesPage>();
}
