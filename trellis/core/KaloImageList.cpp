#include "KaloImageList.h"

#include "KaloBitmapHelpers.h"
#include "KaloTheme.h"

#include <algorithm>

namespace {

// Where the mask bit is 1 the source is OR-ed onto the destination, where it is 0 copied.
constexpr DWORD kMaskRop = MAKEROP4(SRCPAINT, SRCCOPY);

} // namespace

KaloImageList::KaloImageList() : m_globalColorMask(GetKaloColor(0)) {}

KaloImageList::~KaloImageList() = default;

bool KaloImageList::Has(int index) const {
    return index >= 0 && index < GetImageCount();
}

int KaloImageList::GetImageCount() const {
    return static_cast<int>(m_images.size());
}

int KaloImageList::AddImage(CBitmap* image, CBitmap* mask) {
    m_images.push_back(image);
    m_masks.push_back(mask);
    m_colorMasks.push_back(GetKaloColor(0));
    return GetImageCount() - 1;
}

int KaloImageList::AddImage(CBitmap* image, COLORREF colorMask) {
    m_images.push_back(image);
    m_masks.push_back(nullptr);
    m_colorMasks.push_back(colorMask);
    return GetImageCount() - 1;
}

void KaloImageList::RemoveImage(int index) {
    if (!Has(index)) {
        return;
    }
    m_images.erase(m_images.begin() + index);
    m_masks.erase(m_masks.begin() + index);
    m_colorMasks.erase(m_colorMasks.begin() + index);
}

void KaloImageList::GetImages(int index, CBitmap** image, CBitmap** mask) const {
    if (image) {
        *image = Has(index) ? m_images[index] : nullptr;
    }
    if (mask) {
        *mask = Has(index) ? m_masks[index] : nullptr;
    }
}

void KaloImageList::SetImages(int index, CBitmap* image, CBitmap* mask, CBitmap** oldImage,
                              CBitmap** oldMask) {
    GetImages(index, oldImage, oldMask);
    if (Has(index)) {
        m_images[index] = image;
        m_masks[index] = mask;
    }
}

void KaloImageList::DeleteAllImages() {
    // The same bitmap may stand in several places (shared masks, an image as the global
    // mask): collect each once before deleting.
    std::vector<CBitmap*> owned;
    owned.insert(owned.end(), m_images.begin(), m_images.end());
    owned.insert(owned.end(), m_masks.begin(), m_masks.end());
    owned.push_back(m_globalMask);
    std::sort(owned.begin(), owned.end());
    owned.erase(std::unique(owned.begin(), owned.end()), owned.end());
    for (CBitmap* bitmap : owned) {
        delete bitmap;
    }
    m_images.clear();
    m_masks.clear();
    m_colorMasks.clear();
    m_globalMask = nullptr;
}

COLORREF KaloImageList::GetImageClrMask(int index) const {
    return Has(index) ? m_colorMasks[index] : 0;
}

void KaloImageList::SetImageClrMask(int index, COLORREF color) {
    if (Has(index)) {
        m_colorMasks[index] = color;
    }
}

BOOL KaloImageList::Draw(CDC* dc, int index, POINT pt, DWORD mode) {
    if (!dc || !Has(index) || !m_images[index] || mode > DrawGlobalKey) {
        return FALSE;
    }
    CBitmap& image = *m_images[index];
    BITMAP info{};
    if (!image.GetBitmap(&info)) {
        return FALSE;
    }
    const SIZE size{info.bmWidth, info.bmHeight};
    switch (mode) {
    case DrawPlain:
        dc->DrawState(CPoint(pt), CSize(size), static_cast<HBITMAP>(image.GetSafeHandle()), DST_BITMAP);
        break;
    case DrawOwnMask:
        DrawMasked(dc, image, m_masks[index], pt, size);
        break;
    case DrawGlobalMask:
        DrawMasked(dc, image, m_globalMask, pt, size);
        break;
    case DrawOwnKey:
        DrawKeyed(dc, image, m_colorMasks[index], size);
        break;
    default:
        DrawKeyed(dc, image, m_globalColorMask, size);
        break;
    }
    return FALSE;
}

void KaloImageList::DrawMasked(CDC* dc, CBitmap& image, CBitmap* mask, POINT pt, SIZE size) {
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) {
        return;
    }
    CBitmap* previous = memory.SelectObject(&image);
    HBITMAP maskHandle = mask ? static_cast<HBITMAP>(mask->GetSafeHandle()) : nullptr;
    MaskBlt(dc->GetSafeHdc(), pt.x, pt.y, size.cx, size.cy, memory.GetSafeHdc(), 0, 0, maskHandle, 0, 0,
            kMaskRop);
    memory.SelectObject(previous);
}

// The keyed modes draw at the context's origin, whatever point the caller gives: hosts
// position them through the context (every caller passes the origin).
void KaloImageList::DrawKeyed(CDC* dc, CBitmap& image, COLORREF key, SIZE size) {
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) {
        return;
    }
    CBitmap* previous = memory.SelectObject(&image);
    KaloCtlTransparentBlt(dc->GetSafeHdc(), 0, 0, size.cx, size.cy, memory.GetSafeHdc(), 0, 0, key);
    memory.SelectObject(previous);
}
