#include "KaloRadioButton.h"

#include "KaloCheckButton.h"
#include "KaloRedrawGuard.h"

// The reflected control colour is the shared answer of the mix-in.
BEGIN_MESSAGE_MAP(KaloRadioButton, CButton)
ON_WM_PAINT()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

void KaloRadioButton::SetRadioStyle(int square) {
    ModifyFlags(square ? kSquareStyle : 0, square ? 0 : kSquareStyle);
    if (m_hWnd) {
        Invalidate();
    }
}

void KaloRadioButton::Paint(HDC dc) {
    RECT client;
    GetClientRect(&client);
    const KaloCheckLook look =
        KaloCheckLookOf(*this, m_flags, GetRadioStyle() ? KaloCheckLook::Square : KaloCheckLook::Round);
    char caption[256] = {};
    GetWindowText(caption, sizeof caption);
    CFont* font = GetControlFont();
    KaloPaintCheck(dc, client, caption, font ? static_cast<HFONT>(font->GetSafeHandle()) : nullptr,
                   GetTextColor(), GetBackColor(), look);
}

void KaloRadioButton::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    Paint(dc);
    ::EndPaint(m_hWnd, &paint);
}

LRESULT KaloRadioButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hover.Track(*this, m_flags, message, wParam, lParam)) {
        return 0;
    }
    if (message == BM_SETSTATE) {
        // The same pushed state again changes nothing: no repaint.
        const int pushed = wParam ? 1 : 0;
        if (pushed == m_lastPushed) {
            return 0;
        }
        m_lastPushed = pushed;
    }
    if (message == WM_PRINTCLIENT) {
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    if (KaloCheckRedrawsOn(message) && message != WM_NCPAINT && message != WM_UPDATEUISTATE) {
        KaloRedrawGuard quiet(m_hWnd);
        return CButton::WindowProc(message, wParam, lParam);
    }
    return CButton::WindowProc(message, wParam, lParam);
}
