#include "HandleMaps.h"

CBitmap* CBitmap::FromHandle(HBITMAP handle) {
    return GdiHandleMap().FromHandle<CBitmap>(handle);
}

BOOL CBitmap::LoadBitmap(LPCSTR resourceName) {
    HINSTANCE module = AfxFindResourceHandle(resourceName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    return AttachNew(::LoadBitmapA(module, resourceName));
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    return LoadBitmap(MAKEINTRESOURCEA(resourceId));
}

BOOL CBitmap::LoadOEMBitmap(UINT id) {
    return AttachNew(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(id)));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    return AttachNew(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP bitmap) {
    return AttachNew(::CreateBitmapIndirect(bitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    if (!dc || !dc->m_hDC)
        return FALSE;
    return AttachNew(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* dc, int width, int height) {
    return CreateCompatibleBitmap(dc, width, height);
}

int CBitmap::GetBitmap(BITMAP* info) const {
    return GetObject(sizeof(BITMAP), info);
}

DWORD CBitmap::SetBitmapBits(DWORD count, const void* bits) {
    return m_hObject ? ::SetBitmapBits(*this, count, bits) : 0;
}

DWORD CBitmap::GetBitmapBits(DWORD count, LPVOID bits) const {
    return m_hObject ? ::GetBitmapBits(*this, count, bits) : 0;
}

CSize CBitmap::GetBitmapDimension() const {
    SIZE size{0, 0};
    if (m_hObject)
        ::GetBitmapDimensionEx(*this, &size);
    return size;
}
