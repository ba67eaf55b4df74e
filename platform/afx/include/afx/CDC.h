// A device context and the drawing calls made on it. Owns its handle (DeleteDC on
// destruction) unless the handle was attached temporarily or detached; the window contexts
// below release theirs the way they were obtained.
#pragma once

#include "afx/CBitmap.h"
#include "afx/CBrush.h"
#include "afx/CFont.h"
#include "afx/CPalette.h"
#include "afx/CPen.h"
#include "afx/CRect.h"
#include "afx/CRgn.h"

class CWnd;

class AFX_API CDC : public CObject {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    ~CDC() override;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC handle);
    static void DeleteTempMap();

    // Fails on a null handle and on an object that already holds one.
    BOOL Attach(HDC handle);
    HDC Detach();
    virtual BOOL DeleteDC();
    BOOL CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* initData);
    BOOL CreateCompatibleDC(CDC* dc);
    CWnd* GetWindow() const;
    int SaveDC();
    BOOL RestoreDC(int savedDC);
    int GetDeviceCaps(int index) const;

    // Selection: each returns the previously selected object (a temporary wrapper when the
    // handle has no permanent owner).
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    virtual CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region);
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object);
    CGdiObject* SelectStockObject(int index);
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette();
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    // Attributes
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetROP2(int mode);
    int SetStretchBltMode(int mode);
    int SetPolyFillMode(int mode);
    UINT SetTextAlign(UINT flags);
    int SetMapMode(int mode);
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT pt);
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint GetViewportOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT pt);
    CPoint GetWindowOrg() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT pt);
    void DPtoLP(LPPOINT points, int count = 1) const;
    void DPtoLP(LPRECT rect) const;
    void LPtoDP(LPPOINT points, int count = 1) const;
    void LPtoDP(LPRECT rect) const;

    // Clipping
    int SelectClipRgn(CRgn* region);
    int SelectClipRgn(CRgn* region, int mode);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT rect);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT rect);
    int GetClipBox(LPRECT rect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(LPCRECT rect) const;

    // Lines and shapes
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT pt);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT pt);
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count);
    BOOL PolyBezier(const POINT* points, int count);
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT rect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int width, int height);
    BOOL RoundRect(LPCRECT rect, POINT corner);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT rect);
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Polygon(const POINT* points, int count);

    // Areas
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    void InvertRect(LPCRECT rect);
    // Both paint with the background colour and leave it set, as callers of this layer expect.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    void DrawFocusRect(LPCRECT rect);
    // Inverts the frame of rect (edges `size` thick) and, when lastRect is given, inverts the
    // frame of lastRect first: drawing the same frame twice erases it, so a dragged outline
    // moves by passing its previous place as lastRect.
    void DrawDragRect(LPCRECT rect, SIZE size, LPCRECT lastRect, SIZE lastSize);
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIcon(POINT pt, HICON icon);
    BOOL DrawState(CPoint pt, CSize size, HBITMAP bitmap, UINT flags, CBrush* brush = nullptr);
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state);
    BOOL FillRgn(CRgn* region, CBrush* brush);
    BOOL FrameRgn(CRgn* region, CBrush* brush, int width, int height);
    BOOL PaintRgn(CRgn* region);
    BOOL InvertRgn(CRgn* region);

    // Pixels and blocks
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT pt, COLORREF color);
    BOOL SetPixelV(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT pt) const;
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop);

    // Text
    BOOL TextOut(int x, int y, LPCSTR text, int count);
    BOOL TextOut(int x, int y, LPCSTR text);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCSTR text, UINT count, const INT* dx);
    int DrawText(LPCSTR text, int count, LPRECT rect, UINT format);
    CSize GetTextExtent(LPCSTR text, int count) const;
    CSize GetTextExtent(LPCSTR text) const;
    CSize GetOutputTextExtent(LPCSTR text, int count) const;
    BOOL GetTextMetrics(LPTEXTMETRICA metrics) const;
    int GetTextFace(int count, LPSTR face) const;
    int SetTextCharacterExtra(int extra);
};
