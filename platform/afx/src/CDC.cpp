#include "HandleMaps.h"

#include <string.h>

namespace {

// Selects `object` and wraps whatever it replaced in the requested type.
template <class T> T* SelectAs(HDC dc, const CGdiObject* object) {
    if (!dc || !object || !object->m_hObject)
        return nullptr;
    return GdiHandleMap().FromHandle<T>(::SelectObject(dc, object->m_hObject));
}

template <class T> T* CurrentAs(HDC dc, UINT type) {
    return dc ? GdiHandleMap().FromHandle<T>(::GetCurrentObject(dc, type)) : nullptr;
}

HDC HandleOf(const CDC* dc) {
    return dc ? dc->m_hDC : nullptr;
}

// The ...Ex calls that move an origin or position hand the previous point back through their
// last argument; the wrappers return it.
template <class Fn> CPoint PreviousPoint(Fn call, HDC dc, int x, int y) {
    POINT old{0, 0};
    call(dc, x, y, &old);
    return old;
}

} // namespace

CDC::~CDC() {
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC handle) {
    return DcHandleMap().FromHandle<CDC>(handle);
}

void CDC::DeleteTempMap() {
    DcHandleMap().DeleteTemporary();
}

BOOL CDC::Attach(HDC handle) {
    if (!handle || m_hDC)
        return FALSE;
    m_hDC = handle;
    DcHandleMap().SetPermanent(handle, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC handle = m_hDC;
    if (handle)
        DcHandleMap().RemovePermanent(handle, this);
    m_hDC = nullptr;
    return handle;
}

BOOL CDC::DeleteDC() {
    return m_hDC && ::DeleteDC(Detach());
}

BOOL CDC::CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* initData) {
    HDC created = ::CreateDCA(driver, device, output, initData);
    if (Attach(created))
        return TRUE;
    if (created)
        ::DeleteDC(created);
    return FALSE;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    HDC created = ::CreateCompatibleDC(HandleOf(dc));
    if (Attach(created))
        return TRUE;
    if (created)
        ::DeleteDC(created);
    return FALSE;
}

CWnd* CDC::GetWindow() const {
    return m_hDC ? CWnd::FromHandle(::WindowFromDC(m_hDC)) : nullptr;
}

int CDC::SaveDC() {
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int savedDC) {
    return ::RestoreDC(m_hDC, savedDC);
}

int CDC::GetDeviceCaps(int index) const {
    return ::GetDeviceCaps(m_hDC, index);
}

CPen* CDC::SelectObject(CPen* pen) {
    return SelectAs<CPen>(m_hDC, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    return SelectAs<CBrush>(m_hDC, brush);
}

CFont* CDC::SelectObject(CFont* font) {
    return SelectAs<CFont>(m_hDC, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return SelectAs<CBitmap>(m_hDC, bitmap);
}

int CDC::SelectObject(CRgn* region) {
    if (!m_hDC || !region || !region->m_hObject)
        return ERROR;
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, region->m_hObject)));
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    return SelectAs<CGdiObject>(m_hDC, object);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return m_hDC && object ? ::SelectObject(m_hDC, object) : nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) {
    HGDIOBJ stock = ::GetStockObject(index);
    return stock && m_hDC ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground) {
    if (!m_hDC || !palette)
        return nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, *palette, forceBackground));
}

UINT CDC::RealizePalette() {
    return ::RealizePalette(m_hDC);
}

CPen* CDC::GetCurrentPen() const {
    return CurrentAs<CPen>(m_hDC, OBJ_PEN);
}

CBrush* CDC::GetCurrentBrush() const {
    return CurrentAs<CBrush>(m_hDC, OBJ_BRUSH);
}

CFont* CDC::GetCurrentFont() const {
    return CurrentAs<CFont>(m_hDC, OBJ_FONT);
}

CBitmap* CDC::GetCurrentBitmap() const {
    return CurrentAs<CBitmap>(m_hDC, OBJ_BITMAP);
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return ::SetTextColor(m_hDC, color);
}

COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hDC);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return ::SetBkColor(m_hDC, color);
}

COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hDC);
}

int CDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}

int CDC::GetBkMode() const {
    return ::GetBkMode(m_hDC);
}

int CDC::SetROP2(int mode) {
    return ::SetROP2(m_hDC, mode);
}

int CDC::SetStretchBltMode(int mode) {
    return ::SetStretchBltMode(m_hDC, mode);
}

int CDC::SetPolyFillMode(int mode) {
    return ::SetPolyFillMode(m_hDC, mode);
}

UINT CDC::SetTextAlign(UINT flags) {
    return ::SetTextAlign(m_hDC, flags);
}

int CDC::SetMapMode(int mode) {
    return ::SetMapMode(m_hDC, mode);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    return PreviousPoint(::SetViewportOrgEx, m_hDC, x, y);
}

CPoint CDC::SetViewportOrg(POINT pt) {
    return SetViewportOrg(pt.x, pt.y);
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    return PreviousPoint(::OffsetViewportOrgEx, m_hDC, dx, dy);
}

CPoint CDC::GetViewportOrg() const {
    POINT origin{0, 0};
    ::GetViewportOrgEx(m_hDC, &origin);
    return origin;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    return PreviousPoint(::SetWindowOrgEx, m_hDC, x, y);
}

CPoint CDC::SetWindowOrg(POINT pt) {
    return SetWindowOrg(pt.x, pt.y);
}

CPoint CDC::GetWindowOrg() const {
    POINT origin{0, 0};
    ::GetWindowOrgEx(m_hDC, &origin);
    return origin;
}

CPoint CDC::SetBrushOrg(int x, int y) {
    return PreviousPoint(::SetBrushOrgEx, m_hDC, x, y);
}

CPoint CDC::SetBrushOrg(POINT pt) {
    return SetBrushOrg(pt.x, pt.y);
}

void CDC::DPtoLP(LPPOINT points, int count) const {
    ::DPtoLP(m_hDC, points, count);
}

void CDC::DPtoLP(LPRECT rect) const {
    DPtoLP(reinterpret_cast<LPPOINT>(rect), 2);
}

void CDC::LPtoDP(LPPOINT points, int count) const {
    ::LPtoDP(m_hDC, points, count);
}

void CDC::LPtoDP(LPRECT rect) const {
    LPtoDP(reinterpret_cast<LPPOINT>(rect), 2);
}

int CDC::SelectClipRgn(CRgn* region) {
    return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr);
}

int CDC::SelectClipRgn(CRgn* region, int mode) {
    return ::ExtSelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr, mode);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}

int CDC::ExcludeClipRect(LPCRECT rect) {
    return ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}

int CDC::IntersectClipRect(LPCRECT rect) {
    return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
}

int CDC::GetClipBox(LPRECT rect) const {
    return ::GetClipBox(m_hDC, rect);
}

BOOL CDC::PtVisible(int x, int y) const {
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::RectVisible(LPCRECT rect) const {
    return ::RectVisible(m_hDC, rect);
}

CPoint CDC::MoveTo(int x, int y) {
    return PreviousPoint(::MoveToEx, m_hDC, x, y);
}

CPoint CDC::MoveTo(POINT pt) {
    return MoveTo(pt.x, pt.y);
}

BOOL CDC::LineTo(int x, int y) {
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT pt) {
    return LineTo(pt.x, pt.y);
}

CPoint CDC::GetCurrentPosition() const {
    POINT pt{0, 0};
    ::GetCurrentPositionEx(m_hDC, &pt);
    return pt;
}

BOOL CDC::Polyline(const POINT* points, int count) {
    return ::Polyline(m_hDC, points, count);
}

BOOL CDC::PolyBezier(const POINT* points, int count) {
    return ::PolyBezier(m_hDC, points, count);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT rect) {
    return Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int width, int height) {
    return ::RoundRect(m_hDC, x1, y1, x2, y2, width, height);
}

BOOL CDC::RoundRect(LPCRECT rect, POINT corner) {
    return RoundRect(rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT rect) {
    return Ellipse(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Polygon(const POINT* points, int count) {
    return ::Polygon(m_hDC, points, count);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    if (brush)
        ::FillRect(m_hDC, rect, *brush);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
    if (brush)
        ::FrameRect(m_hDC, rect, *brush);
}

void CDC::InvertRect(LPCRECT rect) {
    ::InvertRect(m_hDC, rect);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft,
               bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags) {
    return ::DrawEdge(m_hDC, rect, edge, flags);
}

void CDC::DrawFocusRect(LPCRECT rect) {
    ::DrawFocusRect(m_hDC, rect);
}

namespace {

// Inverts the four edges of a frame without overlap, so every frame pixel flips exactly once.
void InvertFrame(HDC dc, const RECT& rect, SIZE size) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int sideHeight = height - 2 * size.cy;
    ::PatBlt(dc, rect.left, rect.top, width, size.cy, DSTINVERT);
    if (height > size.cy) {
        ::PatBlt(dc, rect.left, rect.bottom - size.cy, width, size.cy, DSTINVERT);
    }
    if (sideHeight > 0) {
        ::PatBlt(dc, rect.left, rect.top + size.cy, size.cx, sideHeight, DSTINVERT);
        if (width > size.cx) {
            ::PatBlt(dc, rect.right - size.cx, rect.top + size.cy, size.cx, sideHeight, DSTINVERT);
        }
    }
}

} // namespace

void CDC::DrawDragRect(LPCRECT rect, SIZE size, LPCRECT lastRect, SIZE lastSize) {
    if (lastRect) {
        InvertFrame(m_hDC, *lastRect, lastSize);
    }
    if (rect) {
        InvertFrame(m_hDC, *rect, size);
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return ::DrawIcon(m_hDC, x, y, icon);
}

BOOL CDC::DrawIcon(POINT pt, HICON icon) {
    return DrawIcon(pt.x, pt.y, icon);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP bitmap, UINT flags, CBrush* brush) {
    HBRUSH fill = brush ? static_cast<HBRUSH>(*brush) : nullptr;
    return ::DrawStateA(m_hDC, fill, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, pt.x, pt.y, size.cx,
                        size.cy, flags | DST_BITMAP);
}

BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state) {
    return ::DrawFrameControl(m_hDC, rect, type, state);
}

BOOL CDC::FillRgn(CRgn* region, CBrush* brush) {
    return region && brush && ::FillRgn(m_hDC, *region, *brush);
}

BOOL CDC::FrameRgn(CRgn* region, CBrush* brush, int width, int height) {
    return region && brush && ::FrameRgn(m_hDC, *region, *brush, width, height);
}

BOOL CDC::PaintRgn(CRgn* region) {
    return region && ::PaintRgn(m_hDC, *region);
}

BOOL CDC::InvertRgn(CRgn* region) {
    return region && ::InvertRgn(m_hDC, *region);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    return ::SetPixel(m_hDC, x, y, color);
}

COLORREF CDC::SetPixel(POINT pt, COLORREF color) {
    return SetPixel(pt.x, pt.y, color);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF color) {
    return ::SetPixelV(m_hDC, x, y, color);
}

COLORREF CDC::GetPixel(int x, int y) const {
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT pt) const {
    return GetPixel(pt.x, pt.y);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    return ::PatBlt(m_hDC, x, y, width, height, rop);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth,
                     int srcHeight, DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, HandleOf(source), xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL CDC::TextOut(int x, int y, LPCSTR text, int count) {
    return ::TextOutA(m_hDC, x, y, text, count);
}

BOOL CDC::TextOut(int x, int y, LPCSTR text) {
    return TextOut(x, y, text, text ? static_cast<int>(strlen(text)) : 0);
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCSTR text, UINT count, const INT* dx) {
    return ::ExtTextOutA(m_hDC, x, y, options, rect, text, count, dx);
}

int CDC::DrawText(LPCSTR text, int count, LPRECT rect, UINT format) {
    return ::DrawTextA(m_hDC, text, count, rect, format);
}

CSize CDC::GetTextExtent(LPCSTR text, int count) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(m_hDC, text, count, &size);
    return size;
}

CSize CDC::GetTextExtent(LPCSTR text) const {
    return GetTextExtent(text, text ? static_cast<int>(strlen(text)) : 0);
}

CSize CDC::GetOutputTextExtent(LPCSTR text, int count) const {
    return GetTextExtent(text, count);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA metrics) const {
    return ::GetTextMetricsA(m_hDC, metrics);
}

int CDC::GetTextFace(int count, LPSTR face) const {
    return ::GetTextFaceA(m_hDC, count, face);
}

int CDC::SetTextCharacterExtra(int extra) {
    return ::SetTextCharacterExtra(m_hDC, extra);
}
