#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

#include <vector>

// A plain list of bitmaps, each with an optional mask bitmap and a key colour, drawn plainly,
// through a mask or with the key colour transparent. The list does not own its bitmaps
// until DeleteAllImages; copies share them. Indices outside the list are ignored.
class TRELLIS_API KaloImageList {
public:
    // Draw modes.
    enum : DWORD { DrawPlain = 0, DrawOwnMask = 1, DrawGlobalMask = 2, DrawOwnKey = 3, DrawGlobalKey = 4 };

    KaloImageList();
    ~KaloImageList();
    KaloImageList(const KaloImageList&) = default;
    KaloImageList& operator=(const KaloImageList&) = default;

    int GetImageCount() const;
    // Both return the new index; the first keys with colour 0 of the theme.
    int AddImage(CBitmap* image, CBitmap* mask);
    int AddImage(CBitmap* image, COLORREF colorMask);
    void RemoveImage(int index);
    // Out of range: both outputs null.
    void GetImages(int index, CBitmap** image, CBitmap** mask) const;
    // Hands back the previous pair and stores the new one; out of range: outputs null, no change.
    void SetImages(int index, CBitmap* image, CBitmap* mask, CBitmap** oldImage, CBitmap** oldMask);
    // Deletes every distinct bitmap once (images, masks, the global mask) and empties the list.
    void DeleteAllImages();

    void SetGlobalClrMask(COLORREF color) { m_globalColorMask = color; }
    COLORREF GetGlobalClrMask() const { return m_globalColorMask; }
    void SetGlobalBimapMask(CBitmap* mask) { m_globalMask = mask; }
    CBitmap* GetGlobalBitmapMask() const { return m_globalMask; }
    // Out of range: 0.
    COLORREF GetImageClrMask(int index) const;
    void SetImageClrMask(int index, COLORREF color);

    // Draws image index at pt in one of the modes above; nothing for a missing image or an
    // unknown mode. Always 0.
    BOOL Draw(CDC* dc, int index, POINT pt, DWORD mode);

private:
    bool Has(int index) const;
    void DrawMasked(CDC* dc, CBitmap& image, CBitmap* mask, POINT pt, SIZE size);
    void DrawKeyed(CDC* dc, CBitmap& image, COLORREF key, SIZE size);

    std::vector<CBitmap*> m_images;
    std::vector<CBitmap*> m_masks;
    std::vector<COLORREF> m_colorMasks;
    CBitmap* m_globalMask = nullptr;
    COLORREF m_globalColorMask;
};
