#include "SkinPicture.h"

void SkinPicture::Dispose() {
    // The image may still read from the block, so it goes first.
    if (image_) {
        Gdip().GdipDisposeImage(image_);
        image_ = nullptr;
    }
    if (block_) {
        GlobalFree(block_);
        block_ = nullptr;
    }
}

bool SkinPicture::LoadFromBytes(Bytes bytes) {
    HGLOBAL block = nullptr;
    Gdiplus::GpImage* image = LoadImageFromBytes(bytes, &block);
    if (!image)
        return false;
    SetImage(image);
    block_ = block;
    return true;
}

bool SkinPicture::LoadFromFile(const char* path) {
    Gdiplus::GpImage* image = nullptr;
    if (Gdip().GdipLoadImageFromFile(ToWide(path).c_str(), &image) != Gdiplus::Ok || !image)
        return false;
    SetImage(image);
    return true;
}

void SkinPicture::SetImage(Gdiplus::GpImage* image) {
    Dispose();
    image_ = image;
    UINT width = 0, height = 0;
    if (image_) {
        Gdip().GdipGetImageWidth(image_, &width);
        Gdip().GdipGetImageHeight(image_, &height);
    }
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
}
