#include "KaloLed.h"

#include "GdiScoped.h"
#include "KaloBitmapHelpers.h"

#include <algorithm>
#include <cstdlib>

KaloLed::~KaloLed() {
    DestroyWindow();
}

void KaloLed::SetCheck(int check) {
    CButton::SetCheck(check);
    if (m_fadeTimer || !m_hWnd) {
        return;
    }
    // A pseudo-random id keeps clear of the ids of the button's own timers.
    const UINT_PTR id = static_cast<UINT_PTR>(std::rand() % 0x7FFF) + 0x100;
    m_fadeTimer = SetTimer(id, static_cast<UINT>(std::max(m_fadeTime / m_fadeSteps, 1)));
}

void KaloLed::OnFadeTick() {
    const int step = std::max(255 / m_fadeSteps, 1);
    const int target = IsOn() ? 255 : 0;
    m_fadeLevel = std::clamp(m_fadeLevel + (target > m_fadeLevel ? step : -step), 0, 255);
    Invalidate(FALSE);
    if (m_fadeLevel == target) {
        StopFade();
        Invalidate(FALSE);
    }
}

void KaloLed::StopFade() {
    if (m_fadeTimer && m_hWnd) {
        KillTimer(m_fadeTimer);
    }
    m_fadeTimer = 0;
}

void KaloLed::DrawItem(LPDRAWITEMSTRUCT item) {
    const BOOL enabled = IsWindowEnabled() && !(item->itemState & ODS_DISABLED);
    const bool over = (item->itemState & ODS_FOCUS) || (GetFlags() & kMouseOver);
    CBitmap* off = StateBitmap(enabled ? (over ? kNormalOver : kNormal) : kDisabled);
    CBitmap* on = StateBitmap(enabled ? (over ? kPushedOver : kPushed) : kDisabled);
    CBitmap* shown = m_fadeLevel >= 255 ? on : off;
    BITMAP info{};
    if (!shown || !shown->GetBitmap(&info)) {
        return;
    }
    const int width = info.bmWidth, height = info.bmHeight;
    const bool blending = m_fadeLevel > 0 && m_fadeLevel < 255 && on;
    ScopedGdiObject<HBITMAP> mixed(blending ? CreateCompatibleBitmap(item->hDC, width, height) : nullptr);
    ScopedMemoryDC source(item->hDC);
    if (mixed.Get()) {
        // The off bitmap copied to a scratch bitmap, the on bitmap blended over it.
        ScopedMemoryDC other(item->hDC);
        ScopedSelection mixedSelected(source.Get(), mixed.Get());
        {
            ScopedSelection offSelected(other.Get(), off->GetSafeHandle());
            BitBlt(source.Get(), 0, 0, width, height, other.Get(), 0, 0, SRCCOPY);
        }
        ScopedSelection onSelected(other.Get(), on->GetSafeHandle());
        KaloCtlAlphaBlend(source.Get(), 0, 0, width, height, other.Get(), 0, 0, m_fadeLevel);
    }
    ScopedSelection selected(source.Get(), mixed.Get() ? mixed.Get() : shown->GetSafeHandle());
    if (GetTransparentColor() != CLR_INVALID) {
        KaloCtlTransparentBlt(item->hDC, 0, 0, width, height, source.Get(), 0, 0, GetTransparentColor());
    } else {
        BitBlt(item->hDC, 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    }
}

LRESULT KaloLed::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && m_fadeTimer && wParam == m_fadeTimer) {
        OnFadeTick();
        return 0;
    }
    if (message == WM_DESTROY) {
        StopFade();
    }
    return KaloBitmapButton::WindowProc(message, wParam, lParam);
}
