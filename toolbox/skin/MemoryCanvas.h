// A bitmap compatible with a DC, selected into a memory DC of its own and released on scope
// exit: the off-screen surface the engine draws on before copying to the real target.
#pragma once

#include "GdipHandles.h"

class MemoryCanvas {
public:
    MemoryCanvas(HDC like, int w, int h)
        : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, w, h)),
          oldBitmap_(SelectObject(dc_, bitmap_.get())) {}
    ~MemoryCanvas() {
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    bool Valid() const { return dc_ && bitmap_ && oldBitmap_; }
    HDC DC() const { return dc_; }

private:
    HDC dc_;
    GdiBitmap bitmap_;
    HGDIOBJ oldBitmap_;
};
