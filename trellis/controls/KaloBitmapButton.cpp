#include "KaloBitmapButton.h"

#include "GdiScoped.h"
#include "KaloBitmapHelpers.h"

#include <algorithm>
#include <iterator>

namespace {

CBitmap* LoadFromChain(UINT id) {
    if (!id) {
        return nullptr;
    }
    LPCSTR name = MAKEINTRESOURCEA(id);
    HBITMAP handle = LoadBitmapA(AfxFindResourceHandle(name, MAKEINTRESOURCEA(2) /* RT_BITMAP */), name);
    if (!handle) {
        return nullptr;
    }
    CBitmap* bitmap = new CBitmap;
    bitmap->Attach(handle);
    return bitmap;
}

} // namespace

KaloBitmapButton::~KaloBitmapButton() {
    if (m_owns) {
        ReleaseBitmaps();
    }
}

void KaloBitmapButton::DeleteBitmapsExcept(CBitmap* const (&keep)[kCount]) {
    for (int i = 0; i < kCount; ++i) {
        CBitmap* bitmap = m_bitmaps[i];
        const bool kept = std::find(std::begin(keep), std::end(keep), bitmap) != std::end(keep);
        const bool seenBefore = std::find(m_bitmaps, m_bitmaps + i, bitmap) != m_bitmaps + i;
        if (bitmap && !kept && !seenBefore) {
            bitmap->DeleteObject();
            delete bitmap;
        }
    }
}

void KaloBitmapButton::ReleaseBitmaps() {
    CBitmap* const none[kCount] = {};
    DeleteBitmapsExcept(none);
    std::fill(std::begin(m_bitmaps), std::end(m_bitmaps), nullptr);
}

void KaloBitmapButton::SetBitmaps(CBitmap* normal, CBitmap* normalOver, CBitmap* pushed, CBitmap* pushedOver,
                                  CBitmap* disabled, int owns) {
    CBitmap* const incoming[kCount] = {normal, normalOver, pushed, pushedOver, disabled};
    if (m_owns) {
        DeleteBitmapsExcept(incoming);
    }
    std::copy(std::begin(incoming), std::end(incoming), m_bitmaps);
    m_owns = owns;
    if (m_hWnd) {
        SizeToBitmap();
    }
}

void KaloBitmapButton::SetBitmaps(UINT normal, UINT normalOver, UINT pushed, UINT pushedOver, UINT disabled) {
    SetBitmaps(LoadFromChain(normal), LoadFromChain(normalOver), LoadFromChain(pushed),
               LoadFromChain(pushedOver), LoadFromChain(disabled), 1);
}

void KaloBitmapButton::SizeToBitmap() {
    BITMAP info{};
    if (m_hWnd && m_bitmaps[kNormal] && m_bitmaps[kNormal]->GetBitmap(&info)) {
        SetWindowPos(nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER);
    }
}

void KaloBitmapButton::SetPushed(int pushed) {
    m_pushed = pushed ? 1 : 0;
    if (m_hWnd) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

CBitmap* KaloBitmapButton::CurrentBitmap(BOOL enabled) const {
    if (!enabled) {
        return m_bitmaps[kDisabled];
    }
    const bool over = (m_flags & kMouseOver) != 0;
    if (IsPushed()) {
        return m_bitmaps[over ? kPushedOver : kPushed];
    }
    return m_bitmaps[over ? kNormalOver : kNormal];
}

void KaloBitmapButton::DrawItem(LPDRAWITEMSTRUCT item) {
    const BOOL enabled = IsWindowEnabled() && !(item->itemState & ODS_DISABLED);
    CBitmap* bitmap = CurrentBitmap(enabled);
    BITMAP info{};
    if (!bitmap || !bitmap->GetBitmap(&info)) {
        return;
    }
    ScopedMemoryDC memory(item->hDC);
    ScopedSelection selected(memory.Get(), bitmap->GetSafeHandle());
    if (m_key != CLR_INVALID) {
        KaloCtlTransparentBlt(item->hDC, 0, 0, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, m_key);
    } else {
        BitBlt(item->hDC, 0, 0, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
    }
}

LRESULT KaloBitmapButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK) {
        message = WM_LBUTTONDOWN;
    }
    return KaloButton::WindowProc(message, wParam, lParam);
}
