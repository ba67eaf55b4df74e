#pragma once

#include "afx/CGdiObject.h"

class AFX_API CPalette : public CGdiObject {
public:
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
    static CPalette* FromHandle(HPALETTE handle);

    BOOL CreatePalette(LPLOGPALETTE logPalette);
    BOOL CreateHalftonePalette(CDC* dc);
    UINT GetEntryCount();
    UINT GetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) const;
};
