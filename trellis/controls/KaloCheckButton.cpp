#include "KaloCheckButton.h"

#include "KaloRedrawGuard.h"

KaloCheckLook KaloCheckLookOf(CButton& button, DWORD flags, KaloCheckLook::Shape shape) {
    KaloCheckLook look;
    const UINT state = button.GetState();
    look.shape = (button.GetStyle() & BS_PUSHLIKE) ? KaloCheckLook::PushLike : shape;
    look.check = static_cast<int>(state & (BST_CHECKED | BST_INDETERMINATE));
    look.focused = ::GetFocus() == button.m_hWnd;
    look.active = (state & BST_PUSHED) || look.focused || (flags & 0x4);
    look.enabled = button.IsWindowEnabled() != FALSE;
    return look;
}

bool KaloCheckRedrawsOn(UINT message) {
    switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_NCPAINT:
        return true;
    default:
        return false;
    }
}

KaloCheckButton::~KaloCheckButton() {
    ReleaseOwned(nullptr, nullptr);
}

void KaloCheckButton::ReleaseOwned(const CBitmap* keepChecked, const CBitmap* keepUnchecked) {
    if (m_owns) {
        // One bitmap may serve both boxes: delete it once.
        CBitmap* const owned[] = {m_checked, m_unchecked == m_checked ? nullptr : m_unchecked};
        for (CBitmap* bitmap : owned) {
            if (bitmap && bitmap != keepChecked && bitmap != keepUnchecked) {
                bitmap->DeleteObject();
                delete bitmap;
            }
        }
    }
    m_checked = m_unchecked = nullptr;
    m_owns = 0;
}

void KaloCheckButton::SetBitmaps(CBitmap* checked, CBitmap* unchecked, int owns, int width, int height) {
    ReleaseOwned(checked, unchecked);
    m_checked = checked;
    m_unchecked = unchecked;
    m_owns = owns;
    m_boxWidth = width ? width : 11;
    m_boxHeight = height ? height : 11;
    if (m_hWnd) {
        Invalidate();
    }
}

void KaloCheckButton::DrawItem(LPDRAWITEMSTRUCT) {}

void KaloCheckButton::Paint(HDC dc) {
    RECT client;
    GetClientRect(&client);
    KaloCheckLook look = KaloCheckLookOf(*this, m_flags, KaloCheckLook::Square);
    look.box = SIZE{m_boxWidth ? m_boxWidth : 11, m_boxHeight ? m_boxHeight : 11};
    CBitmap* bitmap = look.check == 1 ? m_checked : m_unchecked;
    look.boxBitmap = bitmap ? static_cast<HBITMAP>(bitmap->GetSafeHandle()) : nullptr;
    char caption[256] = {};
    GetWindowText(caption, sizeof caption);
    CFont* font = GetControlFont();
    KaloPaintCheck(dc, client, caption, font ? static_cast<HFONT>(font->GetSafeHandle()) : nullptr,
                   GetTextColor(), GetBackColor(), look);
}

LRESULT KaloCheckButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hover.Track(*this, m_flags, message, wParam, lParam)) {
        return 0;
    }
    if (KaloCheckRedrawsOn(message)) {
        KaloRedrawGuard quiet(m_hWnd);
        return CButton::WindowProc(message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(m_hWnd, &paint);
        Paint(dc);
        ::EndPaint(m_hWnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DESTROY:
        ReleaseOwned(nullptr, nullptr);
        break;
    default:
        break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}
