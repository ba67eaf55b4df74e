#pragma once

#include "KaloControl.h"

#include <afxcmn.h>

// A tree view in the theme's colours with the flat border, and a search for an item by its
// data. Custom draw and colour messages are reflected, so the parent must be a layer window.
class TRELLIS_API KaloTreeCtrl : public CTreeCtrl, public KaloControl {
public:
    void SetTextColor(COLORREF color) override;
    void SetBackColor(COLORREF color) override;

    // Depth-first search in tree order for the item holding `data`, from `start` (null: the
    // first root) and its following siblings. `depth` limits how many levels below each item are
    // searched (0: none, -1: all). With `continueUpward` the search climbs on to the next
    // sibling of each ancestor in turn, stopping (null) when the ancestor is `stopAt` or the root
    // level is passed.
    HTREEITEM DataFind(DWORD_PTR data, HTREEITEM start, int continueUpward, HTREEITEM stopAt, int depth);

    void OnCustomDraw(NMHDR* header, LRESULT* result);

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HTREEITEM FindAmongSiblings(DWORD_PTR data, HTREEITEM first, int depth);

    DECLARE_MESSAGE_MAP()
};
