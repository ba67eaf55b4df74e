#include "HandleMaps.h"

CPen::CPen(int style, int width, COLORREF color) {
    CreatePen(style, width, color);
}

CPen::CPen(int style, int width, const LOGBRUSH* brush, int styleCount, const DWORD* styles) {
    CreatePen(style, width, brush, styleCount, styles);
}

CPen* CPen::FromHandle(HPEN handle) {
    return GdiHandleMap().FromHandle<CPen>(handle);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    return AttachNew(::CreatePen(style, width, color));
}

BOOL CPen::CreatePen(int style, int width, const LOGBRUSH* brush, int styleCount, const DWORD* styles) {
    return AttachNew(::ExtCreatePen(style, width, brush, styleCount, styles));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN logPen) {
    return AttachNew(::CreatePenIndirect(logPen));
}

int CPen::GetLogPen(LOGPEN* logPen) const {
    return GetObject(sizeof(LOGPEN), logPen);
}
