// The banner picture (and the skin sheet): a GDI+ image together with the memory block it was
// read from, which has to live as long as the image does.
#pragma once

#include "SkinHelpers.h"

class SkinPicture {
public:
    SkinPicture() = default;
    ~SkinPicture() { Dispose(); }
    SkinPicture(const SkinPicture&) = delete;
    SkinPicture& operator=(const SkinPicture&) = delete;

    // Drops the image, then the block it was read from. Width and height keep their values.
    void Dispose();
    // False for empty or unreadable bytes; the current picture then stays.
    bool LoadFromBytes(Bytes bytes);
    bool LoadFromFile(const char* path);
    // Takes ownership of `image` (may be null) after disposing the current one.
    void SetImage(Gdiplus::GpImage* image);

    Gdiplus::GpImage* Image() const { return image_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    Gdiplus::GpImage* image_ = nullptr;
    HGLOBAL block_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
