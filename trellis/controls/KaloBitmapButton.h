#pragma once

#include "KaloButton.h"

// A push button drawn as one of five bitmaps: normal, normal with the mouse over, pushed,
// pushed with the mouse over, disabled. The pushed state is the caller's (SetPushed); a
// double-click counts as a second press. Bitmaps stay the caller's unless `owns` is set.
class TRELLIS_API KaloBitmapButton : public KaloButton {
public:
    KaloBitmapButton() = default;
    ~KaloBitmapButton() override;

    void SetBitmaps(CBitmap* normal, CBitmap* normalOver, CBitmap* pushed, CBitmap* pushedOver,
                    CBitmap* disabled, int owns);
    // Loads the five bitmaps by id along the resource chain and owns them; an id that does
    // not load leaves that state without a bitmap.
    void SetBitmaps(UINT normal, UINT normalOver, UINT pushed, UINT pushedOver, UINT disabled);
    void SetTransparentColor(COLORREF key) { m_key = key; }
    COLORREF GetTransparentColor() const { return m_key; }
    void SizeToBitmap();
    // Deletes each bitmap once (one bitmap may serve several states) and clears them all.
    void ReleaseBitmaps();
    BOOL IsPushed() const { return (m_pushed & 0x1) != 0; }
    void SetPushed(int pushed);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    // The bitmap the current state shows (null when that state has none).
    CBitmap* CurrentBitmap(BOOL enabled) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum { kNormal, kNormalOver, kPushed, kPushedOver, kDisabled, kCount };
    // Deletes each distinct bitmap not in `keep` (the pointers stay).
    void DeleteBitmapsExcept(CBitmap* const (&keep)[kCount]);

    CBitmap* m_bitmaps[kCount] = {};
    COLORREF m_key = CLR_INVALID;
    int m_owns = 0;
    int m_pushed = 0;
};
