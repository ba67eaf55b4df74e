#include "HandleMaps.h"

CRgn* CRgn::FromHandle(HRGN handle) {
    return GdiHandleMap().FromHandle<CRgn>(handle);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return AttachNew(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) {
    return AttachNew(::CreateRectRgnIndirect(rect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return AttachNew(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT rect) {
    return AttachNew(::CreateEllipticRgnIndirect(rect));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int width, int height) {
    return AttachNew(::CreateRoundRectRgn(x1, y1, x2, y2, width, height));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    return AttachNew(::CreatePolygonRgn(points, count, fillMode));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
    ::SetRectRgn(*this, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT rect) {
    SetRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    return ::CombineRgn(*this, a ? static_cast<HRGN>(*a) : nullptr, b ? static_cast<HRGN>(*b) : nullptr,
                        mode);
}

int CRgn::CopyRgn(const CRgn* source) {
    return CombineRgn(source, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* other) const {
    return other && ::EqualRgn(*this, *other);
}

int CRgn::OffsetRgn(int dx, int dy) {
    return ::OffsetRgn(*this, dx, dy);
}

int CRgn::OffsetRgn(POINT pt) {
    return OffsetRgn(pt.x, pt.y);
}

int CRgn::GetRgnBox(LPRECT rect) const {
    return ::GetRgnBox(*this, rect);
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return ::PtInRegion(*this, x, y);
}

BOOL CRgn::PtInRegion(POINT pt) const {
    return PtInRegion(pt.x, pt.y);
}

BOOL CRgn::RectInRegion(LPCRECT rect) const {
    return ::RectInRegion(*this, rect);
}
