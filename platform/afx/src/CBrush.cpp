#include "HandleMaps.h"

CBrush::CBrush(COLORREF color) {
    CreateSolidBrush(color);
}

CBrush::CBrush(int hatchIndex, COLORREF color) {
    CreateHatchBrush(hatchIndex, color);
}

CBrush::CBrush(CBitmap* bitmap) {
    CreatePatternBrush(bitmap);
}

CBrush* CBrush::FromHandle(HBRUSH handle) {
    return GdiHandleMap().FromHandle<CBrush>(handle);
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    return AttachNew(::CreateSolidBrush(color));
}

BOOL CBrush::CreateHatchBrush(int index, COLORREF color) {
    return AttachNew(::CreateHatchBrush(index, color));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush) {
    return AttachNew(::CreateBrushIndirect(logBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
    if (!bitmap || !bitmap->m_hObject)
        return FALSE;
    return AttachNew(::CreatePatternBrush(*bitmap));
}

BOOL CBrush::CreateDIBPatternBrush(const void* packedDib, UINT usage) {
    return AttachNew(::CreateDIBPatternBrushPt(packedDib, usage));
}

BOOL CBrush::CreateSysColorBrush(int index) {
    return AttachNew(::GetSysColorBrush(index));
}

int CBrush::GetLogBrush(LOGBRUSH* logBrush) const {
    return GetObject(sizeof(LOGBRUSH), logBrush);
}
