#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

#include <memory>
#include <vector>

// The process-wide theme: dialog metrics (pixels) and the colour, brush and font tables that
// every control paints from. Entries are never removed, so an index stays valid for the life
// of the process. The registry owns every brush and font in its tables.
class TRELLIS_API KaloInterfaceData {
public:
    SIZE ButtonOkSize{60, 18};
    SIZE ButtonApplySize{60, 18};
    SIZE ButtonCancelSize{60, 18};
    int MarginLeft = 10;
    int MarginRight = 10;
    int MarginTop = 5;
    int MarginBottom = 24;
    int MarginInside = 6;
    int ItemHeight = 16;
    int LineJump = 5;
    int ButtonXFreeSpace = 4;
    int ButtonSeparation = 10;
    std::vector<std::unique_ptr<CFont>> Fonts;
    std::vector<std::unique_ptr<CBrush>> Brushes;
    std::vector<COLORREF> Colors;

    // The built-in colours; no fonts or brushes until the library starts up.
    KaloInterfaceData();
    ~KaloInterfaceData();
    KaloInterfaceData(const KaloInterfaceData&) = delete;
    KaloInterfaceData& operator=(const KaloInterfaceData&) = delete;

    // Colour at index, or colour 0 (0 when the table is empty) outside the table.
    COLORREF ColorAt(int index) const;
    // Returns the previous colour; outside the table nothing changes and 0 is returned.
    COLORREF ReplaceColor(int index, COLORREF color);
    int AddColor(COLORREF color);

    // Brush at index, brush 0 outside the table, null while there are no brushes.
    CBrush* BrushAt(int index) const;
    // First brush in table order painting in color, or null.
    CBrush* FindBrush(COLORREF color) const;
    // Re-creates the GDI brush inside the same CBrush object, so pointers held by controls
    // stay valid. Returns the previous colour, or 0 (and nothing changes) for an index
    // outside the table or an empty slot.
    COLORREF RecolorBrush(int index, COLORREF color);
    // Appends a new solid brush; -1 when the system refuses it.
    int AddBrush(COLORREF color);

    // Font at index, or null outside the table.
    CFont* FontAt(int index) const;
    // Appends a new font with exactly these logical values; -1 when the system refuses it.
    int AddFont(const LOGFONTA& logFont);

private:
    bool HasColor(int index) const;
    bool HasBrush(int index) const;
};
