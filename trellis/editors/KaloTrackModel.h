#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

#include <memory>
#include <vector>

class KaloTrackCtrl;

// The host's painter of one sub-item row of the track area.
typedef void (*KaloTrackDrawFunc)(KaloTrackCtrl* control, int item, int subItem, CDC* dc, RECT rect,
                                  void* drawData);

// Item and sub-item flag bits.
enum : DWORD {
    KALOTRACK_EXPANDED = 0x1,
    KALOTRACK_SELECTED = 0x2,
};

// SelectItem / SelectSubItem flags.
enum : UINT {
    KALOTRACK_SEL_INVALIDATE = 0x1,
    KALOTRACK_SEL_SELECT = 0x2,
    KALOTRACK_SEL_DESELECT = 0x4,
    KALOTRACK_SEL_KEEPOTHERS = 0x8,
};

// Expand flags.
enum : UINT {
    KALOTRACK_EXPAND = 0x1,
    KALOTRACK_COLLAPSE = 0x2,
    KALOTRACK_TOGGLE = 0x4,
    KALOTRACK_EXPAND_RELAYOUT = 0x8,
};

// The items of a track control without its window: texts, host data, flags, row heights, the
// current and the renamed row. Every index is checked: a bad one gives null, -1 or FALSE and
// changes nothing. The content height always equals the sum of the item heights; item tops
// are kept as prefix sums, rebuilt lazily from the first changed item, so finding the row at
// a height is a binary search.
class TRELLIS_API KaloTrackModel {
public:
    KaloTrackModel();
    ~KaloTrackModel();
    KaloTrackModel(const KaloTrackModel&) = delete;
    KaloTrackModel& operator=(const KaloTrackModel&) = delete;

    // Items. A null text is refused (-1); the text is copied. New items are expanded.
    int AddItem(const char* text, void* data);
    int InsertItem(int index, const char* text, void* data);
    // Removes the item with its sub-items; the current and rename rows follow their items
    // (and become -1 when it is theirs).
    BOOL RemoveItem(int item);
    void DeleteAllItems();
    int GetItemCount() const;
    const char* GetItemText(int item) const;
    BOOL SetItemText(int item, const char* text);
    void* GetItemData(int item) const;
    BOOL SetItemData(int item, void* data);
    DWORD GetItemFlags(int item) const;

    // Sub-items. A null text is kept as no text.
    int AddSubItem(int item, const char* text, void* data);
    BOOL RemoveSubItem(int item, int sub);
    int GetSubItemCount(int item) const;
    const char* GetSubItemText(int item, int sub) const;
    BOOL SetSubItemText(int item, int sub, const char* text);
    void* GetSubItemData(int item, int sub) const;
    BOOL SetSubItemData(int item, int sub, void* data);
    DWORD GetSubItemFlags(int item, int sub) const;
    BOOL SetSubItemDrawFunction(int item, int sub, KaloTrackDrawFunc function, void* drawData);
    // The sub-item's own callback (null when it has none) and its data.
    KaloTrackDrawFunc GetSubItemDrawFunction(int item, int sub, void** drawData) const;

    // Row heights; a change re-measures every item so the content height stays right.
    void SetItemHeight(int height);
    int GetItemHeight() const { return m_itemHeight; }
    void SetSubItemHeight(int height);
    int GetSubItemHeight() const { return m_subItemHeight; }

    int GetContentHeight() const { return m_contentHeight; }
    // The item's height: the item height collapsed, else the larger of it and its sub-item rows.
    int GetItemExtent(int item) const;
    // The item's top in content coordinates (0 = first row), -1 for a bad index.
    int GetItemTop(int item) const;
    // The item whose rows contain content row y, or -1.
    int ItemFromY(int y) const;

    BOOL SelectItem(int item, UINT flags);
    BOOL SelectSubItem(int item, int sub, UINT flags);
    BOOL Expand(int item, UINT flags);

    // First index >= start whose text and/or data match (a null text matches on data, a null
    // data on text); -1 when nothing matches.
    int FindItem(const char* text, void* data, int start) const;
    int FindSubItem(int item, const char* text, void* data, int start) const;
    // Entries exchange or move; the current and rename rows move with them.
    BOOL SwapItems(int first, int second);
    BOOL SwapSubItems(int item, int first, int second);
    // Takes the entry out and inserts it at `to` of the shortened array.
    BOOL MoveItem(int from, int to);
    BOOL MoveSubItem(int item, int from, int to);

    // The row with the focus rectangle and the row being renamed (sub -1: the item itself).
    BOOL SetCurrent(int item, int sub);
    int GetCurrentItem() const { return m_current.item; }
    int GetCurrentSubItem() const { return m_current.sub; }
    BOOL SetRename(int item, int sub);
    void ClearRename() { m_rename = RowRef{}; }
    int GetRenameItem() const { return m_rename.item; }
    int GetRenameSubItem() const { return m_rename.sub; }

private:
    struct SubItem;
    struct Item;
    struct RowRef {
        int item = -1;
        int sub = -1;
    };

    bool ValidItem(int item) const;
    bool ValidSub(int item, int sub) const;
    int ExtentOf(const Item& item) const;
    // Items from `first` on moved: their tops must be summed again.
    void TopsChangedFrom(int first) const;
    void EnsureTops(int upto) const;
    void Remeasure();
    // Calls change(item) while keeping the content height and tops in step with its extent.
    template <typename Change> void ResizeItem(int item, Change change);
    // The current and rename rows follow their entries: map(old index) gives the new one, or -1
    // when the entry is gone.
    template <typename Map> void RemapItems(Map map);
    // A gone sub-item leaves its item current but ends a rename.
    template <typename Map> void RemapSubItems(int item, Map map);

    std::vector<std::unique_ptr<Item>> m_items;
    int m_itemHeight = 20;
    int m_subItemHeight = 20;
    int m_contentHeight = 0;
    RowRef m_current;
    RowRef m_rename;
    mutable std::vector<int> m_tops;
    mutable int m_validTops = 0;
};
