#pragma once

#include "afx/CGdiObject.h"

class AFX_API CPen : public CGdiObject {
public:
    CPen() = default;
    // Creating constructors leave the object empty when creation fails; check GetSafeHandle.
    CPen(int style, int width, COLORREF color);
    CPen(int style, int width, const LOGBRUSH* brush, int styleCount = 0, const DWORD* styles = nullptr);

    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN handle);

    BOOL CreatePen(int style, int width, COLORREF color);
    BOOL CreatePen(int style, int width, const LOGBRUSH* brush, int styleCount = 0,
                   const DWORD* styles = nullptr);
    BOOL CreatePenIndirect(LPLOGPEN logPen);
    int GetLogPen(LOGPEN* logPen) const;
};
