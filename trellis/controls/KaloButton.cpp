#include "KaloButton.h"

#include "DBLBufferCDC.h"
#include "GdiScoped.h"
#include "KaloTheme.h"

namespace {

// clang-format off
const KaloButtonPalette kPalette = {
    {&ZC_P_BUTTONTEXT, &ZC_PR_BUTTONTEXT, &ZC_D_BUTTONTEXT, &ZC_F_BUTTONTEXT, &ZC_NR_BUTTONTEXT, &ZC_N_BUTTONTEXT},
    {&ZC_P_BUTTONBACK, &ZC_PR_BUTTONBACK, &ZC_D_BUTTONBACK, &ZC_F_BUTTONBACK, &ZC_NR_BUTTONBACK, &ZC_N_BUTTONBACK},
    {&ZC_P_BUTTONBORDER, &ZC_PR_BUTTONBORDER, &ZC_D_BUTTONBORDER, &ZC_F_BUTTONBORDER, &ZC_NR_BUTTONBORDER,
     &ZC_N_BUTTONBORDER},
};
// clang-format on

const int kCorner = 9;
// The system's state while the button is held down with the mouse.
const UINT kBeingClicked = 0x20 | 0x40;

} // namespace

KaloButton::KaloButton() : KaloButton(kPalette, GetKaloBrush(GetKaloColor(ZC_DIALOGBACKLIGHT))) {}

KaloButton::KaloButton(const KaloButtonPalette& palette, CBrush* cornerBrush) : m_palette(palette) {
    SetControlBrush(cornerBrush);
}

#define KALO_BUTTON_GETTER(name, look, role)                                                                 \
    COLORREF KaloButton::name() {                                                                            \
        return GetKaloColor(*m_palette.role[look]);                                                          \
    }
KALO_BUTTON_GETTER(GetPushTextColor, KALO_LOOK_PUSH, text)
KALO_BUTTON_GETTER(GetPushBackColor, KALO_LOOK_PUSH, back)
KALO_BUTTON_GETTER(GetPushBorderColor, KALO_LOOK_PUSH, border)
KALO_BUTTON_GETTER(GetPushRollOverTextColor, KALO_LOOK_PUSHROLLOVER, text)
KALO_BUTTON_GETTER(GetPushRollOverBackColor, KALO_LOOK_PUSHROLLOVER, back)
KALO_BUTTON_GETTER(GetPushRollOverBorderColor, KALO_LOOK_PUSHROLLOVER, border)
KALO_BUTTON_GETTER(GetDisabledTextColor, KALO_LOOK_DISABLED, text)
KALO_BUTTON_GETTER(GetDisabledBackColor, KALO_LOOK_DISABLED, back)
KALO_BUTTON_GETTER(GetDisabledBorderColor, KALO_LOOK_DISABLED, border)
KALO_BUTTON_GETTER(GetFocusTextColor, KALO_LOOK_FOCUS, text)
KALO_BUTTON_GETTER(GetFocusBackColor, KALO_LOOK_FOCUS, back)
KALO_BUTTON_GETTER(GetFocusBorderColor, KALO_LOOK_FOCUS, border)
KALO_BUTTON_GETTER(GetRollOverTextColor, KALO_LOOK_ROLLOVER, text)
KALO_BUTTON_GETTER(GetRollOverBackColor, KALO_LOOK_ROLLOVER, back)
KALO_BUTTON_GETTER(GetRollOverBorderColor, KALO_LOOK_ROLLOVER, border)
KALO_BUTTON_GETTER(GetNormalTextColor, KALO_LOOK_NORMAL, text)
KALO_BUTTON_GETTER(GetNormalBackColor, KALO_LOOK_NORMAL, back)
KALO_BUTTON_GETTER(GetNormalBorderColor, KALO_LOOK_NORMAL, border)
#undef KALO_BUTTON_GETTER

KaloButtonLook KaloButton::LookFor(BOOL enabled, UINT systemState) const {
    if (!enabled) {
        return KALO_LOOK_DISABLED;
    }
    const bool captured = (systemState & kBeingClicked) || (m_flags & kCheckMask);
    const bool over = (systemState & BST_PUSHED) || (m_flags & kMouseOver);
    if (captured) {
        return over ? KALO_LOOK_PUSHROLLOVER : KALO_LOOK_PUSH;
    }
    if (over) {
        return KALO_LOOK_ROLLOVER;
    }
    return (systemState & BST_FOCUS) ? KALO_LOOK_FOCUS : KALO_LOOK_NORMAL;
}

KaloButtonColors KaloButton::ColorsOf(KaloButtonLook look) {
    switch (look) {
    case KALO_LOOK_PUSH:
        return {GetPushTextColor(), GetPushBackColor(), GetPushBorderColor()};
    case KALO_LOOK_PUSHROLLOVER:
        return {GetPushRollOverTextColor(), GetPushRollOverBackColor(), GetPushRollOverBorderColor()};
    case KALO_LOOK_DISABLED:
        return {GetDisabledTextColor(), GetDisabledBackColor(), GetDisabledBorderColor()};
    case KALO_LOOK_FOCUS:
        return {GetFocusTextColor(), GetFocusBackColor(), GetFocusBorderColor()};
    case KALO_LOOK_ROLLOVER:
        return {GetRollOverTextColor(), GetRollOverBackColor(), GetRollOverBorderColor()};
    default:
        return {GetNormalTextColor(), GetNormalBackColor(), GetNormalBorderColor()};
    }
}

void KaloButton::DrawItem(LPDRAWITEMSTRUCT item) {
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (!buffer.Create(CDC::FromHandle(item->hDC), client)) {
        return;
    }
    const BOOL enabled = IsWindowEnabled() && !(item->itemState & ODS_DISABLED);
    const KaloButtonColors colors = ColorsOf(LookFor(enabled, GetState()));
    HDC dc = buffer.GetSafeHdc();
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colors.border));
    ScopedGdiObject<HBRUSH> face(CreateSolidBrush(colors.back));
    CFont* font = GetControlFont();
    ScopedSelection fontSelected(dc, font ? font->GetSafeHandle() : nullptr);
    ScopedSelection penSelected(dc, pen.Get());
    ScopedSelection faceSelected(dc, face.Get());

    if (CBrush* corners = GetControlBrush()) {
        HBRUSH brush = static_cast<HBRUSH>(corners->GetSafeHandle());
        const int right = client.right - kCorner, bottom = client.bottom - kCorner;
        const RECT squares[] = {{0, 0, kCorner, kCorner},
                                {right, 0, client.right, kCorner},
                                {0, bottom, kCorner, client.bottom},
                                {right, bottom, client.right, client.bottom}};
        for (const RECT& square : squares) {
            FillRect(dc, &square, brush);
        }
    }
    RoundRect(dc, client.left, client.top, client.right, client.bottom, kCorner, kCorner);

    ::SetBkColor(dc, colors.back);
    ::SetTextColor(dc, colors.text);
    char caption[256] = {};
    GetWindowText(caption, sizeof caption);
    RECT textArea{client.left, client.top + 1, client.right, client.bottom - 1};
    DrawTextA(dc, caption, -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    buffer.Render(nullptr);
    ValidateRect(&client);
}

void KaloButton::PreSubclassWindow() {
    // Any button taken over from a dialog template becomes owner-drawn.
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, ::GetWindowLongPtrA(m_hWnd, GWL_STYLE) | 0x8B);
    CButton::PreSubclassWindow();
}

void KaloButton::AdoptParentBackColor() {
    HWND parent = ::GetParent(m_hWnd);
    if (!parent) {
        return;
    }
    HDC dc = ::GetDC(parent);
    if (!dc) {
        return;
    }
    ::SendMessageA(parent, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(parent));
    SetBackColor(::GetBkColor(dc));
    ::ReleaseDC(parent, dc);
}

LRESULT KaloButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hover.Track(*this, m_flags, message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
    case BM_SETCHECK:
        // Only the two check bits: a stray value must not set the mouse-over bit.
        m_flags = (m_flags & ~kCheckMask) | (static_cast<DWORD>(wParam) & kCheckMask);
        Invalidate(FALSE);
        break;
    case WM_CREATE: {
        const LRESULT result = CButton::WindowProc(message, wParam, lParam);
        AdoptParentBackColor();
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}
