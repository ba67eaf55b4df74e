#include "KaloEdit.h"

#include "KaloDefaults.h"
#include "KaloTheme.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The rich-edit event-mask request; a plain edit ignores it.
constexpr UINT EventMaskRequest = WM_USER + 69;
constexpr LPARAM EventMaskRequested = 0x10000;
// Theme colour of the underline.
constexpr int UnderlineColor = 4;

std::string WindowText(const CWnd& wnd) {
    std::string text(static_cast<size_t>(wnd.GetWindowTextLength()) + 1, '\0');
    const int length = wnd.GetWindowText(&text[0], static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void DrawUnderline(HDC dc, int left, int right, int y) {
    const RECT line{left, y, right, y + 1};
    FillSolid(dc, line, GetKaloColor(UnderlineColor));
}

} // namespace

int KaloEdit::DefaultHeight = 12;

BEGIN_MESSAGE_MAP(KaloEdit, CEdit)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_ERASEBKGND()
ON_WM_CHAR()
END_MESSAGE_MAP()

KaloEdit::KaloEdit() {
    m_editBrush = KaloCtlGetDefaultEditBrush();
}

void KaloEdit::PreSubclassWindow() {
    CEdit::PreSubclassWindow();
    if ((GetStyle() & ES_MULTILINE) == 0) {
        CRect client;
        GetClientRect(&client);
        const int height = DefaultHeight + (Underlined() ? 2 : 0);
        SetWindowPos(nullptr, 0, 0, client.Width(), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessage(EventMaskRequest, 0, EventMaskRequested);
}

void KaloEdit::SetControlFont(CFont* font) {
    KaloControl::SetControlFont(font);
    if (m_hWnd) {
        const HGDIOBJ handle = font ? font->GetSafeHandle() : GetStockObject(SYSTEM_FONT);
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    }
}

void KaloEdit::SetRedraw(int on) {
    if (on) {
        m_flags &= ~KaloEditRedrawOff;
        // Switching drawing on marks the window visible: only undo what we switched off.
        if (m_redrawSwitchedOff) {
            m_redrawSwitchedOff = false;
            CWnd::SetRedraw(TRUE);
        }
        return;
    }
    m_flags |= KaloEditRedrawOff;
    if (!m_redrawSwitchedOff && IsWindowVisible()) {
        m_redrawSwitchedOff = true;
        CWnd::SetRedraw(FALSE);
    }
}

void KaloEdit::ReplaceTextIfDifferent(const char* text) {
    if (WindowText(*this) != text) {
        SetWindowText(text);
    }
}

void KaloEdit::SetIntValue(int value) {
    int shown = 0;
    if (KaloEditParseInt(WindowText(*this).c_str(), &shown) && shown == value) {
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetWindowText(text);
}

int KaloEdit::GetIntValue(int* value) {
    return KaloEditParseInt(WindowText(*this).c_str(), value) ? 1 : 0;
}

void KaloEdit::SetFloatValue(float value) {
    float shown = 0.0f;
    if (KaloEditParseFloat(WindowText(*this).c_str(), &shown) && shown == value) {
        return;
    }
    char format[32];
    KaloEditFloatFormat(m_precisionWidth, m_precisionDecimals, format, sizeof format);
    char text[KaloEditFloatTextSize];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    ReplaceTextIfDifferent(text);
}

int KaloEdit::GetFloatValue(float* value) {
    const std::string text = WindowText(*this);
    if (text.empty()) {
        *value = 0.0f;
        return 0;
    }
    KaloEditParseFloat(text.c_str(), value);
    return 1;
}

void KaloEdit::SetStringValue(const char* text) {
    ReplaceTextIfDifferent(text ? text : "");
}

void KaloEdit::GetStringValue(char* buffer, int size) {
    if (!buffer || size <= 0) {
        return;
    }
    std::snprintf(buffer, static_cast<size_t>(size), "%s", WindowText(*this).c_str());
}

void KaloEdit::SetIntRange(int first, int second) {
    m_intFirst = first;
    m_intSecond = second;
}

void KaloEdit::GetIntRange(int* first, int* second) const {
    *first = m_intFirst;
    *second = m_intSecond;
}

void KaloEdit::SetFloatRange(float first, float second) {
    m_floatFirst = first;
    m_floatSecond = second;
}

void KaloEdit::GetFloatRange(float* first, float* second) const {
    *first = m_floatFirst;
    *second = m_floatSecond;
}

void KaloEdit::SetFloatPrecision(int width, int decimals) {
    m_precisionWidth = width;
    m_precisionDecimals = decimals;
}

void KaloEdit::GetFloatPrecision(int* width, int* decimals) const {
    *width = m_precisionWidth;
    *decimals = m_precisionDecimals;
}

bool KaloEdit::NotifyParent(UINT message, WPARAM wParam, LPARAM lParam) const {
    const HWND parent = ::GetParent(m_hWnd);
    if (!parent) {
        return false;
    }
    ::SendMessageA(parent, message, wParam, lParam);
    return true;
}

HBRUSH KaloEdit::CtlColor(CDC* dc, UINT) {
    CFont* font = GetControlFont();
    const HGDIOBJ wanted = font ? font->GetSafeHandle() : nullptr;
    if (wanted && reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)) != wanted) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(wanted), TRUE);
    }
    dc->SetTextColor(GetTextColor());
    dc->SetBkColor(GetBackColor());
    CBrush* brush = GetControlBrush();
    return brush ? static_cast<HBRUSH>(brush->GetSafeHandle()) : nullptr;
}

BOOL KaloEdit::OnEraseBkgnd(CDC* dc) {
    if (RedrawOff()) {
        return FALSE;
    }
    CRect client;
    GetClientRect(&client);
    FillSolid(dc->GetSafeHdc(), client, GetBackColor());
    if (Underlined()) {
        DrawUnderline(dc->GetSafeHdc(), client.left, client.right, client.bottom - 1);
    }
    return FALSE;
}

void KaloEdit::DrawNonClient(CDC* dc) {
    // Both rectangles in window coordinates.
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.left, -window.top);
    window.OffsetRect(-window.left, -window.top);

    const HDC hdc = dc->GetSafeHdc();
    if (Underlined()) {
        DrawUnderline(hdc, window.left, window.right, window.bottom - 1);
    }
    const COLORREF frame = (m_flags & KaloEditBorderFrame) ? GetBorderColor() : GetBackColor();
    const RECT strips[] = {
        {window.left, window.top, window.right, client.top},
        {window.left, client.bottom, window.right, window.bottom},
        {window.left, client.top, client.left, client.bottom},
        {client.right, client.top, window.right, client.bottom},
    };
    for (const RECT& strip : strips) {
        if (strip.right > strip.left && strip.bottom > strip.top) {
            FillSolid(hdc, strip, frame);
        }
    }
}

void KaloEdit::OnChar(UINT ch, UINT, UINT) {
    if (ch == VK_RETURN) {
        const bool wantsReturn = (GetStyle() & (ES_MULTILINE | ES_WANTRETURN)) != 0;
        if (wantsReturn || !NotifyParent(KaloMsgReturn, static_cast<WPARAM>(GetDlgCtrlID()), 0)) {
            Default();
        }
        return;
    }
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (KaloEditAcceptsChar(Style(), WindowText(*this).c_str(), start, end, ch)) {
        Default();
    }
}

LRESULT KaloEdit::OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND self = m_hWnd;
    const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
    if (RedrawOff()) {
        return result;
    }
    Invalidate();
    if (message == WM_KILLFOCUS) {
        const int id = GetDlgCtrlID();
        NotifyParent(KaloMsgKillFocus, wParam, id);
        // The parent may have destroyed the edit in answer.
        if (!::IsWindow(self)) {
            return 0;
        }
    }
    return result;
}

void KaloEdit::OnPositionChanged() {
    const HWND parent = ::GetParent(m_hWnd);
    if (!parent) {
        return;
    }
    CRect now;
    GetWindowRect(&now);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
    if (!m_placeInParent.IsRectEmpty() && m_placeInParent != now) {
        CRect was = m_placeInParent;
        was.bottom += 1;
        ::InvalidateRect(parent, &was, TRUE);
    }
    m_placeInParent = now;
    const HDC dc = ::GetDC(parent);
    DrawUnderline(dc, now.left, now.right, now.bottom);
    ::ReleaseDC(parent, dc);
}

LRESULT KaloEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return OnFocusChange(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        if (!RedrawOff() && Underlined()) {
            OnPositionChanged();
        }
        return result;
    }
    case WM_NCPAINT: {
        if (RedrawOff()) {
            return 0;
        }
        CEdit::WindowProc(message, wParam, lParam);
        CDC* dc = GetWindowDC();
        DrawNonClient(dc);
        ReleaseDC(dc);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            NotifyParent(KaloMsgEscape, static_cast<WPARAM>(GetDlgCtrlID()), 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
