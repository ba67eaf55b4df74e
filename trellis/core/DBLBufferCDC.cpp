#include "DBLBufferCDC.h"

DBLBufferCDC::DBLBufferCDC() = default;

DBLBufferCDC::~DBLBufferCDC() {
    if (m_target) {
        Render(nullptr);
    }
    Release();
}

LONG DBLBufferCDC::Create(CDC* target, RECT& rect) {
    // A null target leaves a buffer already made untouched.
    if (!target) {
        return 0;
    }
    Release();
    if (!m_bitmap.CreateCompatibleBitmap(target, rect.right, rect.bottom)) {
        return 0;
    }
    if (!CreateCompatibleDC(target)) {
        m_bitmap.DeleteObject();
        return 0;
    }
    m_previousBitmap = SelectObject(m_bitmap.GetSafeHandle());
    m_target = target;
    m_rect = rect;
    return 1;
}

LONG DBLBufferCDC::Render(CRgn* clip) {
    if (!m_target) {
        return -1;
    }
    if (clip) {
        m_target->SelectClipRgn(clip);
    }
    const BOOL copied =
        m_target->BitBlt(m_rect.left, m_rect.top, m_rect.right, m_rect.bottom, this, 0, 0, SRCCOPY);
    if (clip) {
        m_target->SelectClipRgn(nullptr);
    }
    return copied ? 0 : -1;
}

void DBLBufferCDC::Release() {
    if (m_hDC && m_previousBitmap) {
        SelectObject(m_previousBitmap);
    }
    m_previousBitmap = nullptr;
    m_bitmap.DeleteObject();
    if (m_hDC) {
        DeleteDC();
    }
    m_target = nullptr;
}
