#pragma once

#include "KaloControl.h"

#include <afxcmn.h>

// Item colour callback: gets the item's data, answers a colour or CLR_NONE (-1) for the default.
using KaloItemColorCallback = COLORREF (*)(DWORD_PTR data);

// A list view in the theme's colours with the flat border, per-item colours from the host's
// callbacks and, once both selected-colour setters have been called, the theme's selection look
// (colour 9 on colour 4: white on grey 128 by default). Custom draw is reflected, so the parent
// must be a layer window.
class TRELLIS_API KaloListCtrl : public CListCtrl, public KaloControl {
public:
    KaloListCtrl();

    void SetTextColor(COLORREF color) override;
    void SetBackColor(COLORREF color) override;
    void SetColorCallbacks(KaloItemColorCallback text, KaloItemColorCallback back);
    // Both setters only mark their field unset: the colour given is not kept. Calling both
    // switches selected items to the theme's selection look; calling one keeps the list view's.
    void SetSelectedTextColor(COLORREF color);
    void SetSelectedBackColor(COLORREF color);

    // The drag image of `item` (-1: the item under the cursor) with no background colour, to be
    // deleted by the caller; null when there is no such item.
    CImageList* KaloCreateDragImage(int item);

    void OnCustomDraw(NMHDR* header, LRESULT* result);

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool ThemeSelectionLook() const { return m_selectedText == CLR_NONE && m_selectedBack == CLR_NONE; }
    LRESULT PrePaintItem(NMLVCUSTOMDRAW* draw);
    void PostPaintItem(NMLVCUSTOMDRAW* draw);

    KaloItemColorCallback m_textCallback = nullptr;
    KaloItemColorCallback m_backCallback = nullptr;
    COLORREF m_selectedText = 0;
    COLORREF m_selectedBack = 0;

    DECLARE_MESSAGE_MAP()
};
