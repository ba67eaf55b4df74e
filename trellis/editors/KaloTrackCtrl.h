#pragma once

#include "KaloControl.h"
#include "KaloEdit.h"
#include "KaloSplitBar.h"
#include "KaloTrackModel.h"

#include <afxwin.h>

// The record of every notification the track control sends (WM_NOTIFY, wParam: control id).
struct KALOTRACKNMHDR {
    NMHDR hdr;
    int item;
    int subItem;
    POINT point;      // client coordinates of the control
    POINT trackPoint; // x from the split bar's right edge plus the horizontal offset, y from the item's top
};

// Notification codes. Mouse codes add the button: 0 left, 1 middle, 2 right; the drag codes
// of a button are three apart (begin, drag, end).
enum : UINT {
    KTN_CLICK = 1,
    KTN_DBLCLK = 4,
    KTN_BEGINDRAG = 7,
    KTN_DRAG = 8,
    KTN_ENDDRAG = 9,
    KTN_RENAMEDONE = 19,
};

// Where a point lies within its item (HitTest).
enum : UINT {
    KTHT_NOWHERE = 0,
    KTHT_MARKER = 1,
    KTHT_NAME = 2,
    KTHT_SUBNAME = 3,
    KTHT_TRACK = 4,
};

// Two-pane track list: item names with their expansion markers on the left, host-drawn
// sub-item rows on the right, a split bar (child id 101) between, a vertical scroll bar (102)
// at the left edge and a rename edit (105). Mouse clicks, double-clicks and drags go to the
// parent as KALOTRACKNMHDR records; a begin drag the parent answers below 1 is refused. The
// parent is kept as a handle. The split bar's and edit's messages reach this control through
// the layer's own dispatch, so it works under any host window.
class TRELLIS_API KaloTrackCtrl : public CWnd, public KaloControl {
public:
    static constexpr UINT SplitBarId = 101;
    static constexpr UINT ScrollBarId = 102;
    static constexpr UINT RenameEditId = 105;

    KaloTrackCtrl();
    ~KaloTrackCtrl() override;

    // Creates the window (with a border) and its three children; the split bar starts at half
    // the client width. Non-zero on success.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Items. Adding and removing lay out the scroll bar and repaint.
    int AddItem(const char* text, void* data);
    int InsertItem(int index, const char* text, void* data);
    void RemoveItem(int item);
    void DeleteAllItem();
    int GetItemCount() const { return m_model.GetItemCount(); }
    const char* GetItemText(int item) const { return m_model.GetItemText(item); }
    void SetItemData(int item, void* data) { m_model.SetItemData(item, data); }
    void* GetItemData(int item) const { return m_model.GetItemData(item); }
    DWORD GetItemFlags(int item) const { return m_model.GetItemFlags(item); }

    int AddSubItem(int item, const char* text, void* data);
    void RemoveSubItem(int item, int sub);
    int GetSubItemCount(int item) const { return m_model.GetSubItemCount(item); }
    const char* GetSubItemText(int item, int sub) const { return m_model.GetSubItemText(item, sub); }
    void SetSubItemData(int item, int sub, void* data) { m_model.SetSubItemData(item, sub, data); }
    void* GetSubItemData(int item, int sub) const { return m_model.GetSubItemData(item, sub); }
    DWORD GetSubItemFlags(int item, int sub) const { return m_model.GetSubItemFlags(item, sub); }
    void SetSubItemDrawFunction(int item, int sub, KaloTrackDrawFunc function, void* drawData) {
        m_model.SetSubItemDrawFunction(item, sub, function, drawData);
    }
    void SetSubItemDefaultDrawFunction(KaloTrackDrawFunc function, void* drawData);

    void SetItemHeight(int height);
    int GetItemHeight() const { return m_model.GetItemHeight(); }
    void SetSubItemHeight(int height);
    int GetSubItemHeight() const { return m_model.GetSubItemHeight(); }
    void SetSubItemHOffset(int offset) { m_subItemHOffset = offset; }
    int GetSubItemHOffset() const { return m_subItemHOffset; }

    void SetSplitBarPosition(int x);
    int GetSplitBarPosition() const;
    KaloSplitBar* GetSplitBar() { return &m_splitBar; }
    KaloEdit* GetRenameEdit() { return &m_renameEdit; }

    // Flags as KALOTRACK_SEL_* / KALOTRACK_EXPAND*; the invalidate and relayout bits act on the window.
    void SelectItem(int item, UINT flags);
    void SelectSubItem(int item, int sub, UINT flags);
    void Expand(int item, UINT flags);

    int FindItem(const char* text, void* data, int start) const {
        return m_model.FindItem(text, data, start);
    }
    int FindSubItem(int item, const char* text, void* data, int start) const {
        return m_model.FindSubItem(item, text, data, start);
    }
    // No redraw; a rename in progress follows its row.
    void SwapItems(int first, int second);
    void SwapSubItems(int item, int first, int second);
    void MoveItem(int from, int to);
    void MoveSubItem(int item, int from, int to);

    void SetCurrentItem(int item, int sub);
    int GetCurrentItem() const { return m_model.GetCurrentItem(); }
    int GetCurrentSubItem() const { return m_model.GetCurrentSubItem(); }
    int GetRenameItem() const { return m_model.GetRenameItem(); }
    int GetRenameSubItem() const { return m_model.GetRenameSubItem(); }

    // Stores the font for all texts and hands it to the window and the rename edit.
    void SetFont(CFont* font, BOOL redraw = TRUE);

    // The item under a client point (-1 for none), where it lies (KTHT_*), the sub-item row
    // (-1 unless KTHT_SUBNAME or KTHT_TRACK) and the item's rectangle over the full width.
    int HitTest(POINT point, UINT* where, int* subItem, RECT* rowRect);

    // Shows the rename edit over the row with its name selected. Return or a loss of focus
    // takes the typed name and sends KTN_RENAMEDONE to the owner (or parent); Escape cancels.
    void EditItemName(int item);
    void EditSubItemName(int item, int sub);

    // Lays out the scroll bar for the content height; hides it when everything fits.
    void RecalcSB();
    int GetScrollPosition() const { return m_scrollPos; }
    int GetScrollBarWidth() const { return m_scrollBarWidth; }
    int GetContentHeight() const { return m_model.GetContentHeight(); }
    int GetMouseState() const { return m_mouseState; }

    // Paints `area` of the client into dc through one off-screen buffer (the paint handler
    // and WM_PRINTCLIENT both come here).
    void Draw(CDC* dc, const CRect& area);

protected:
    // One item: its name column and track area rectangles; only rows meeting `area` are drawn.
    virtual void DrawItem(CDC* dc, int item, const CRect& nameRect, const CRect& trackRect,
                          const CRect& area);

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);
    void OnSize(UINT type, int cx, int cy);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    BOOL OnMouseWheel(UINT keys, short delta, CPoint point);
    void OnLButtonDown(UINT keys, CPoint point);
    void OnMButtonDown(UINT keys, CPoint point);
    void OnRButtonDown(UINT keys, CPoint point);
    void OnLButtonUp(UINT keys, CPoint point);
    void OnMButtonUp(UINT keys, CPoint point);
    void OnRButtonUp(UINT keys, CPoint point);
    void OnLButtonDblClk(UINT keys, CPoint point);
    void OnMButtonDblClk(UINT keys, CPoint point);
    void OnRButtonDblClk(UINT keys, CPoint point);
    void OnMouseMove(UINT keys, CPoint point);
    void OnCaptureChanged(CWnd* wnd);
    void OnKillFocus(CWnd* wnd);
    void OnDestroy();
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);
    LRESULT OnRenameReturn(WPARAM id, LPARAM);
    LRESULT OnRenameEscape(WPARAM id, LPARAM);
    void OnRenameKillFocus();
    void OnSplitBarMoved(NMHDR* header, LRESULT* result);

private:
    // Client x positions of the panes.
    struct Panes {
        CRect client;
        int nameLeft;   // right edge of the scroll-bar strip
        int splitLeft;  // left edge of the split bar
        int splitRight; // right edge of the split bar, where the track area begins
    };
    Panes GetPanes() const;
    void CreateToolTip();
    void ContentChanged();
    void ScrollTo(int position);
    int TextWidth(const char* text);
    void DrawMarker(CDC* dc, const CRect& nameRect, bool expanded) const;
    void DrawSubItemRows(CDC* dc, int item, const CRect& nameRect, const CRect& trackRect, const CRect& area);
    void DrawSubItemTrack(CDC* dc, int item, int sub, const CRect& row);

    void ButtonDown(int button, CPoint point);
    void ButtonUp(int button, CPoint point, UINT keys);
    void DoubleClick(int button, CPoint point);
    void Click(int button, CPoint point, UINT keys);
    LRESULT NotifyMouse(UINT code, CPoint point);
    LRESULT Send(HWND target, KALOTRACKNMHDR& record);

    void PlaceRenameEdit();
    void BeginRename(int item, int sub);
    // Takes the typed name and reports it; takeFocus moves the focus back from the edit.
    void CommitRename(bool takeFocus);
    void CancelRename();
    void HideRenameEdit(bool takeFocus);
    // After a model change: a rename whose row is gone ends without a report; one that moved follows.
    void FollowRename(bool wasRenaming);

    KaloTrackModel m_model;
    KaloSplitBar m_splitBar;
    CScrollBar m_scrollBar;
    KaloEdit m_renameEdit;
    HWND m_parent = nullptr;
    HWND m_toolTip = nullptr;
    int m_scrollBarWidth = 0;
    int m_scrollPos = 0;
    int m_lastWidth = 0;
    int m_mouseState = 0;
    int m_mouseButton = -1;
    CPoint m_pressed;
    KaloTrackDrawFunc m_defaultDraw = nullptr;
    void* m_defaultDrawData = nullptr;
    int m_subItemHOffset = 0;

    DECLARE_MESSAGE_MAP()
};
