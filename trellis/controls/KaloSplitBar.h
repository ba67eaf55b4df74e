#pragma once

#include "KaloControl.h"

// Drag style bits of a split bar.
constexpr DWORD KALO_SPLIT_VERTICAL = 0x1;  // moves along x; its size is its width
constexpr DWORD KALO_SPLIT_CURSOR_NS = 0x2; // north-south resize cursor (else west-east when vertical)
constexpr DWORD KALO_SPLIT_LIVE = 0x4;      // the bar follows the mouse; else an outline is dragged
// KaloControl flag of a split bar while a drag is in progress.
constexpr DWORD KALO_SPLIT_DRAGGING = 0x1;
// Notification codes in the NMHDR the parent receives with WM_NOTIFY.
constexpr UINT KALO_SPLIT_STARTED = 1; // sent twice per drag
constexpr UINT KALO_SPLIT_MOVED = 2;   // live drag only, once per move
constexpr UINT KALO_SPLIT_ENDED = 3;   // sent twice per drag

// A bar the user drags to divide its parent's client area. The parent learns of every drag
// through WM_NOTIFY and lays its panes out itself.
class TRELLIS_API KaloSplitBar : public CWnd, public KaloControl {
public:
    explicit KaloSplitBar(DWORD dragStyle = KALO_SPLIT_VERTICAL);
    ~KaloSplitBar() override;

    // The rectangle's extent across the bar (width when vertical, else height) becomes the
    // bar's size.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetDragStyle(int style) { m_dragStyle = style; }
    int GetDragStyle() const { return m_dragStyle; }
    // Also resizes an existing bar, across its own axis.
    void SetSize(int size);
    int GetSize() const { return m_size; }

    void StartDrag();
    void Drag(CPoint point);
    void EndDrag(CPoint point);

    // Fills the bar with its back colour (paint and WM_PRINTCLIENT).
    void Draw(CDC* dc);

protected:
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* wnd);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM dc, LPARAM flags);

private:
    bool IsVertical() const { return (m_dragStyle & KALO_SPLIT_VERTICAL) != 0; }
    bool IsLive() const { return (m_dragStyle & KALO_SPLIT_LIVE) != 0; }
    bool IsDragging() const { return (GetFlags() & KALO_SPLIT_DRAGGING) != 0; }
    void Notify(UINT code);
    // The bar's place in parent coordinates for a mouse point in bar coordinates.
    CRect DragTarget(CPoint point) const;
    CRect PlaceInParent() const;
    void InvertOutline(const RECT* rect, const RECT* last);
    // Ends a drag without notifying: the bar is going or the drag was taken from it.
    void AbandonDrag();

    int m_dragStyle;
    int m_size = 4;
    RECT m_lastDragRect{};

    DECLARE_MESSAGE_MAP()
};
