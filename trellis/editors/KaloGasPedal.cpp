#include "KaloGasPedal.h"

#include <algorithm>

namespace {

// The pointer clamped to 0..extent; anything below 1 counts as 0.
long long Along(int coordinate, int extent) {
    return coordinate < 1 ? 0 : std::min(coordinate, extent);
}

} // namespace

BEGIN_MESSAGE_MAP(KaloGasPedal, KaloProgressBar)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

KaloGasPedal::KaloGasPedal() = default;

KaloGasPedal::~KaloGasPedal() = default;

BOOL KaloGasPedal::PositionAt(const POINT& point, const SIZE& size, int lo, int hi, bool vertical,
                              int* position) {
    const long long span = static_cast<long long>(hi) - lo;
    if (vertical) {
        if (size.cy <= 0) {
            return FALSE;
        }
        *position = static_cast<int>(hi - span * Along(point.y, size.cy) / size.cy);
    } else {
        if (size.cx <= 0) {
            return FALSE;
        }
        *position = static_cast<int>(lo + span * Along(point.x, size.cx) / size.cx);
    }
    return TRUE;
}

void KaloGasPedal::OnLButtonDown(UINT flags, CPoint point) {
    ModifyFlags(Dragging, 0);
    SetCapture();
    KaloProgressBar::OnLButtonDown(flags, point);
}

void KaloGasPedal::OnMouseMove(UINT, CPoint point) {
    if (!(m_flags & Dragging)) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    int lo = 0;
    int hi = 0;
    GetRange(lo, hi);
    int position = 0;
    if (PositionAt(point, {client.Width(), client.Height()}, lo, hi, (GetStyle() & KaloProgressVertical) != 0,
                   &position)) {
        SetPos(position);
    }
}

void KaloGasPedal::OnLButtonUp(UINT, CPoint) {
    ModifyFlags(0, Dragging);
    if (::GetCapture() == m_hWnd) {
        ReleaseCapture();
    }
}

// Capture taken away (another window, a message box): the drag is over.
void KaloGasPedal::OnCaptureChanged(CWnd*) {
    ModifyFlags(0, Dragging);
}
