// Owner of a common-control image list (destroyed with the object unless detached).
#pragma once

#include "afx/CDC.h"

class AFX_API CImageList : public CObject {
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList() override;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    // Fails on a null handle and on an object that already holds one.
    BOOL Attach(HIMAGELIST handle);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    int GetImageCount() const;
    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(HICON icon);
    BOOL Remove(int index);
    BOOL Replace(int index, CBitmap* bitmap, CBitmap* mask);
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    BOOL GetImageInfo(int index, IMAGEINFO* info) const;
    BOOL Draw(CDC* dc, int index, POINT point, UINT style);
    HICON ExtractIconHandle(int index);

    BOOL BeginDrag(int index, CPoint hotSpot);
    static BOOL DragEnter(CWnd* lock, CPoint point);
    static BOOL DragMove(CPoint point);
    static BOOL DragLeave(CWnd* lock);
    static void EndDrag();
};
