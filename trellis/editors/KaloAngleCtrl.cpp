#include "KaloAngleCtrl.h"

#include "GdiScoped.h"
#include "KaloDefaults.h"

#include <cmath>
#include <initializer_list>

namespace {

const float FullTurn = 6.2831855f;
const float RadiansPerDegree = 0.017453292f;
const int NeedleLength = 10;

} // namespace

BEGIN_MESSAGE_MAP(KaloAngleCtrl, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_WM_SETFOCUS()
ON_WM_SETCURSOR()
ON_EN_CHANGE(KaloAngleCtrl::TurnFieldId, OnTurnChanged)
ON_EN_CHANGE(KaloAngleCtrl::DegreeFieldId, OnDegreeChanged)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

KaloAngleCtrl::KaloAngleCtrl() = default;

KaloAngleCtrl::~KaloAngleCtrl() = default;

BOOL KaloAngleCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    const LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                                   LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CreateEx(WS_EX_CONTROLPARENT, windowClass, "", style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect,
                    parent, id);
}

int KaloAngleCtrl::OnCreate(LPCREATESTRUCT) {
    SetWindowPos(nullptr, 0, 0, 300, 22, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const DWORD labelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
    const DWORD fieldStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    if (!m_turnLabel.Create("Turn:", labelStyle, CRect(0, 4, 43, 18), this, LabelId) ||
        !m_degreeLabel.Create("Degree:", labelStyle, CRect(112, 4, 160, 18), this, LabelId) ||
        !m_turnField.Create(fieldStyle, CRect(43, 4, 104, 16), this, TurnFieldId) ||
        !m_degreeField.Create(fieldStyle, CRect(160, 4, 210, 16), this, DegreeFieldId)) {
        return -1;
    }
    for (KaloStaticText* label : {&m_turnLabel, &m_degreeLabel}) {
        label->SetColors(m_textColor, m_backColor, m_editColor, m_borderColor, m_editBrush, m_controlBrush);
        label->SetControlFont(KaloCtlGetDefaultBoldFont());
    }
    for (KaloEdit* field : {&m_turnField, &m_degreeField}) {
        field->SetColors(m_textColor, m_backColor, m_editColor, m_borderColor, m_editBrush, m_controlBrush);
        field->SetControlFont(GetControlFont());
    }
    m_turnField.SetEditStyle(KaloEditSigned);
    m_degreeField.SetEditStyle(KaloEditSignedFloat);
    ShowFields();
    return 0;
}

void KaloAngleCtrl::SetAngle(float radians) {
    const KaloAngleParts parts = KaloSplitAngle(radians);
    m_turns = parts.turns;
    m_rest = parts.rest;
    if (m_hWnd) {
        ShowFields();
        Invalidate(FALSE);
    }
}

float KaloAngleCtrl::GetAngle() const {
    return m_turns * FullTurn + m_rest;
}

void KaloAngleCtrl::ShowFields() {
    if (!m_turnField.m_hWnd || !m_degreeField.m_hWnd) {
        return;
    }
    char text[32];
    m_updating = 1;
    KaloFormatTurns(m_turns, text, sizeof(text));
    m_turnField.SetWindowText(text);
    KaloFormatDegrees(m_rest, text, sizeof(text));
    m_degreeField.SetWindowText(text);
    m_updating = 0;
}

void KaloAngleCtrl::Notify(UINT code) const {
    const HWND parent = ::GetParent(m_hWnd);
    if (!parent) {
        return;
    }
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    header.code = code;
    ::SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void KaloAngleCtrl::ChangeByUser(float turns, float rest, bool drawDialNow) {
    if (turns == m_turns && rest == m_rest) {
        return;
    }
    Notify(NotifyChanging);
    m_turns = turns;
    m_rest = rest;
    Invalidate(FALSE);
    if (drawDialNow) {
        ShowFields();
        CDC* dc = GetDC();
        DrawDial(dc->GetSafeHdc());
        ReleaseDC(dc);
    }
    Notify(NotifyChanged); // last: the parent may destroy the control
}

// Each field gives only its own part: the other part keeps its stored value rather than the
// rounded text its field shows.
void KaloAngleCtrl::OnTurnChanged() {
    int turns = 0;
    if (m_updating || !m_turnField.GetIntValue(&turns)) {
        return;
    }
    ChangeByUser(static_cast<float>(turns), m_rest, false);
}

void KaloAngleCtrl::OnDegreeChanged() {
    float degrees = 0;
    if (m_updating) {
        return;
    }
    m_degreeField.GetFloatValue(&degrees);
    const float rest = degrees * RadiansPerDegree;
    ChangeByUser(m_turns, std::isfinite(rest) ? rest : m_rest, false);
}

void KaloAngleCtrl::PaintBackground(HDC dc) const {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    ScopedGdiObject<HBRUSH> back(CreateSolidBrush(m_backColor));
    FillRect(dc, &client, back.Get());
}

void KaloAngleCtrl::DrawDial(HDC dc) const {
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, m_textColor));
    ScopedGdiObject<HBRUSH> fill(m_controlBrush ? nullptr : CreateSolidBrush(m_backColor));
    const HGDIOBJ brush = m_controlBrush ? m_controlBrush->GetSafeHandle() : fill.Get();
    ScopedSelection penSelection(dc, pen.Get());
    ScopedSelection brushSelection(dc, brush);
    Ellipse(dc, m_dial.left, m_dial.top, m_dial.right, m_dial.bottom);
    const CPoint centre = m_dial.CenterPoint();
    MoveToEx(dc, centre.x, centre.y, nullptr);
    LineTo(dc, centre.x + static_cast<int>(NeedleLength * std::cos(m_rest)),
           centre.y - static_cast<int>(NeedleLength * std::sin(m_rest)));
}

void KaloAngleCtrl::OnPaint() {
    CPaintDC paint(this);
    DrawDial(paint.GetSafeHdc());
}

BOOL KaloAngleCtrl::OnEraseBkgnd(CDC* dc) {
    PaintBackground(dc->GetSafeHdc());
    return TRUE;
}

LRESULT KaloAngleCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    PaintBackground(dc);
    DrawDial(dc);
    return 0;
}

LRESULT KaloAngleCtrl::OnSetFont(WPARAM wParam, LPARAM lParam) {
    for (KaloEdit* field : {&m_turnField, &m_degreeField}) {
        if (field->m_hWnd) {
            field->SendMessage(WM_SETFONT, wParam, lParam);
        }
    }
    return 0;
}

void KaloAngleCtrl::OnSetFocus(CWnd*) {
    if (m_degreeField.m_hWnd) {
        m_degreeField.SetFocus();
    }
}

BOOL KaloAngleCtrl::OnSetCursor(CWnd*, UINT, UINT) {
    ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

void KaloAngleCtrl::OnLButtonDown(UINT, CPoint point) {
    if (!m_dial.PtInRect(point)) {
        return;
    }
    if (::GetFocus() != m_hWnd && !::IsChild(m_hWnd, ::GetFocus())) {
        SetFocus();
    }
    m_dragging = 1;
    SetCapture();
}

void KaloAngleCtrl::OnMouseMove(UINT, CPoint point) {
    if (!m_dragging) {
        return;
    }
    const CPoint centre = m_dial.CenterPoint();
    KaloDialDrag drag;
    drag.turns = m_turns;
    drag.rest = m_rest;
    if (KaloDialFollow(drag, point.x - centre.x, centre.y - point.y)) {
        ChangeByUser(drag.turns, drag.rest, true);
    }
}

void KaloAngleCtrl::OnLButtonUp(UINT, CPoint) {
    m_dragging = 0;
    if (::GetCapture() == m_hWnd) {
        ReleaseCapture();
    }
}

void KaloAngleCtrl::OnCaptureChanged(CWnd*) {
    m_dragging = 0;
}
