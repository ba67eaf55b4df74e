#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

// Off-screen drawing context for flicker-free painting: draw into it, then Render, or let
// the destructor copy the image to the target. The rectangle is read as origin (left, top)
// and size (right, bottom); callers pass a client rectangle at 0,0.
class TRELLIS_API DBLBufferCDC : public CDC {
public:
    DBLBufferCDC();
    ~DBLBufferCDC() override;

    // 1 when the off-screen bitmap and context exist; 0 (and nothing is kept) otherwise.
    LONG Create(CDC* target, RECT& rect);
    // Copies the image to the target, clipped to clip when given; the target's clip region
    // is cleared again either way. 0, or -1 without a target or when the copy fails.
    LONG Render(CRgn* clip);

private:
    void Release();

    CDC* m_target = nullptr;
    CBitmap m_bitmap;
    // Held as a handle: a temporary wrapper could be gone by the time it is restored.
    HGDIOBJ m_previousBitmap = nullptr;
    RECT m_rect{};
};
