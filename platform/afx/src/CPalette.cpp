#include "HandleMaps.h"

CPalette* CPalette::FromHandle(HPALETTE handle) {
    return GdiHandleMap().FromHandle<CPalette>(handle);
}

BOOL CPalette::CreatePalette(LPLOGPALETTE logPalette) {
    return AttachNew(::CreatePalette(logPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* dc) {
    return dc && AttachNew(::CreateHalftonePalette(dc->m_hDC));
}

UINT CPalette::GetEntryCount() {
    WORD count = 0;
    GetObject(sizeof count, &count);
    return count;
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) const {
    return ::GetPaletteEntries(*this, start, count, entries);
}
