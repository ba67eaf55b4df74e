#include "KaloTrackModel.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace {

std::optional<std::string> CopyText(const char* text) {
    if (!text) {
        return std::nullopt;
    }
    return std::string(text);
}

const char* TextOf(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

int IndexAfterRemove(int index, int removed) {
    if (index == removed) {
        return -1;
    }
    return index > removed ? index - 1 : index;
}

int IndexAfterInsert(int index, int inserted) {
    return index >= inserted ? index + 1 : index;
}

int IndexAfterMove(int index, int from, int to) {
    if (index == from) {
        return to;
    }
    return IndexAfterInsert(IndexAfterRemove(index, from), to);
}

int IndexAfterSwap(int index, int first, int second) {
    if (index == first) {
        return second;
    }
    return index == second ? first : index;
}

void ApplyFlags(DWORD& flags, UINT request) {
    if (request & KALOTRACK_SEL_SELECT) {
        flags |= KALOTRACK_SELECTED;
    }
    if (request & KALOTRACK_SEL_DESELECT) {
        flags &= ~KALOTRACK_SELECTED;
    }
}

// Text and/or data match as FindItem describes; both null match nothing.
template <typename Entry> bool Matches(const Entry& entry, const char* text, void* data) {
    if (!text && !data) {
        return false;
    }
    if (text && (!entry.text || std::strcmp(entry.text->c_str(), text) != 0)) {
        return false;
    }
    return !data || entry.data == data;
}

template <typename Entries> int FindIn(const Entries& entries, const char* text, void* data, int start) {
    for (size_t i = static_cast<size_t>(std::max(start, 0)); i < entries.size(); ++i) {
        if (Matches(*entries[i], text, data)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <typename Entries> bool MoveEntry(Entries& entries, int from, int to) {
    const int count = static_cast<int>(entries.size());
    if (from < 0 || from >= count || to < 0 || to >= count) {
        return false;
    }
    auto entry = std::move(entries[from]);
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + to, std::move(entry));
    return true;
}

} // namespace

struct KaloTrackModel::SubItem {
    std::optional<std::string> text;
    void* data = nullptr;
    DWORD flags = 0;
    void* drawData = nullptr;
    KaloTrackDrawFunc drawFunction = nullptr;
};

struct KaloTrackModel::Item {
    std::optional<std::string> text;
    std::vector<std::unique_ptr<SubItem>> subItems;
    void* data = nullptr;
    DWORD flags = KALOTRACK_EXPANDED;
};

KaloTrackModel::KaloTrackModel() = default;
KaloTrackModel::~KaloTrackModel() = default;

bool KaloTrackModel::ValidItem(int item) const {
    return item >= 0 && item < static_cast<int>(m_items.size());
}

bool KaloTrackModel::ValidSub(int item, int sub) const {
    return ValidItem(item) && sub >= 0 && sub < static_cast<int>(m_items[item]->subItems.size());
}

int KaloTrackModel::ExtentOf(const Item& item) const {
    if (!(item.flags & KALOTRACK_EXPANDED)) {
        return m_itemHeight;
    }
    return std::max(m_itemHeight, static_cast<int>(item.subItems.size()) * m_subItemHeight);
}

void KaloTrackModel::TopsChangedFrom(int first) const {
    m_validTops = std::min(m_validTops, first);
}

void KaloTrackModel::EnsureTops(int upto) const {
    if (upto < m_validTops) {
        return;
    }
    m_tops.resize(m_items.size() + 1);
    if (m_validTops == 0) {
        m_tops[0] = 0;
        m_validTops = 1;
    }
    for (int i = m_validTops; i <= upto; ++i) {
        m_tops[i] = m_tops[i - 1] + ExtentOf(*m_items[i - 1]);
    }
    m_validTops = upto + 1;
}

void KaloTrackModel::Remeasure() {
    m_contentHeight = 0;
    for (const auto& item : m_items) {
        m_contentHeight += ExtentOf(*item);
    }
    TopsChangedFrom(0);
}

template <typename Change> void KaloTrackModel::ResizeItem(int item, Change change) {
    const int before = ExtentOf(*m_items[item]);
    change(*m_items[item]);
    const int after = ExtentOf(*m_items[item]);
    if (after != before) {
        m_contentHeight += after - before;
        TopsChangedFrom(item + 1);
    }
}

template <typename Map> void KaloTrackModel::RemapItems(Map map) {
    for (RowRef* row : {&m_current, &m_rename}) {
        if (row->item < 0) {
            continue;
        }
        row->item = map(row->item);
        if (row->item < 0) {
            *row = RowRef{};
        }
    }
}

template <typename Map> void KaloTrackModel::RemapSubItems(int item, Map map) {
    if (m_current.item == item && m_current.sub >= 0) {
        m_current.sub = map(m_current.sub);
    }
    if (m_rename.item == item && m_rename.sub >= 0) {
        m_rename.sub = map(m_rename.sub);
        if (m_rename.sub < 0) {
            m_rename = RowRef{};
        }
    }
}

// ---- items ----

int KaloTrackModel::AddItem(const char* text, void* data) {
    return InsertItem(GetItemCount(), text, data);
}

int KaloTrackModel::InsertItem(int index, const char* text, void* data) {
    if (!text || index < 0 || index > GetItemCount()) {
        return -1;
    }
    auto item = std::make_unique<Item>();
    item->text = CopyText(text);
    item->data = data;
    m_contentHeight += ExtentOf(*item);
    m_items.insert(m_items.begin() + index, std::move(item));
    TopsChangedFrom(index);
    RemapItems([index](int i) { return IndexAfterInsert(i, index); });
    return index;
}

BOOL KaloTrackModel::RemoveItem(int item) {
    if (!ValidItem(item)) {
        return FALSE;
    }
    m_contentHeight -= ExtentOf(*m_items[item]);
    m_items.erase(m_items.begin() + item);
    TopsChangedFrom(item);
    RemapItems([item](int i) { return IndexAfterRemove(i, item); });
    return TRUE;
}

void KaloTrackModel::DeleteAllItems() {
    m_items.clear();
    m_contentHeight = 0;
    m_current = RowRef{};
    m_rename = RowRef{};
    TopsChangedFrom(0);
}

int KaloTrackModel::GetItemCount() const {
    return static_cast<int>(m_items.size());
}

const char* KaloTrackModel::GetItemText(int item) const {
    return ValidItem(item) ? TextOf(m_items[item]->text) : nullptr;
}

BOOL KaloTrackModel::SetItemText(int item, const char* text) {
    if (!ValidItem(item)) {
        return FALSE;
    }
    m_items[item]->text = CopyText(text);
    return TRUE;
}

void* KaloTrackModel::GetItemData(int item) const {
    return ValidItem(item) ? m_items[item]->data : nullptr;
}

BOOL KaloTrackModel::SetItemData(int item, void* data) {
    if (!ValidItem(item)) {
        return FALSE;
    }
    m_items[item]->data = data;
    return TRUE;
}

DWORD KaloTrackModel::GetItemFlags(int item) const {
    return ValidItem(item) ? m_items[item]->flags : 0;
}

// ---- sub-items ----

int KaloTrackModel::AddSubItem(int item, const char* text, void* data) {
    if (!ValidItem(item)) {
        return -1;
    }
    auto sub = std::make_unique<SubItem>();
    sub->text = CopyText(text);
    sub->data = data;
    ResizeItem(item, [&sub](Item& owner) { owner.subItems.push_back(std::move(sub)); });
    return GetSubItemCount(item) - 1;
}

BOOL KaloTrackModel::RemoveSubItem(int item, int sub) {
    if (!ValidSub(item, sub)) {
        return FALSE;
    }
    ResizeItem(item, [sub](Item& owner) { owner.subItems.erase(owner.subItems.begin() + sub); });
    RemapSubItems(item, [sub](int i) { return IndexAfterRemove(i, sub); });
    return TRUE;
}

int KaloTrackModel::GetSubItemCount(int item) const {
    return ValidItem(item) ? static_cast<int>(m_items[item]->subItems.size()) : -1;
}

const char* KaloTrackModel::GetSubItemText(int item, int sub) const {
    return ValidSub(item, sub) ? TextOf(m_items[item]->subItems[sub]->text) : nullptr;
}

BOOL KaloTrackModel::SetSubItemText(int item, int sub, const char* text) {
    if (!ValidSub(item, sub)) {
        return FALSE;
    }
    m_items[item]->subItems[sub]->text = CopyText(text);
    return TRUE;
}

void* KaloTrackModel::GetSubItemData(int item, int sub) const {
    return ValidSub(item, sub) ? m_items[item]->subItems[sub]->data : nullptr;
}

BOOL KaloTrackModel::SetSubItemData(int item, int sub, void* data) {
    if (!ValidSub(item, sub)) {
        return FALSE;
    }
    m_items[item]->subItems[sub]->data = data;
    return TRUE;
}

DWORD KaloTrackModel::GetSubItemFlags(int item, int sub) const {
    return ValidSub(item, sub) ? m_items[item]->subItems[sub]->flags : 0;
}

BOOL KaloTrackModel::SetSubItemDrawFunction(int item, int sub, KaloTrackDrawFunc function, void* drawData) {
    if (!ValidSub(item, sub)) {
        return FALSE;
    }
    SubItem& entry = *m_items[item]->subItems[sub];
    entry.drawFunction = function;
    entry.drawData = drawData;
    return TRUE;
}

KaloTrackDrawFunc KaloTrackModel::GetSubItemDrawFunction(int item, int sub, void** drawData) const {
    if (!ValidSub(item, sub)) {
        return nullptr;
    }
    const SubItem& entry = *m_items[item]->subItems[sub];
    if (drawData) {
        *drawData = entry.drawData;
    }
    return entry.drawFunction;
}

// ---- geometry ----

void KaloTrackModel::SetItemHeight(int height) {
    m_itemHeight = std::max(height, 0);
    Remeasure();
}

void KaloTrackModel::SetSubItemHeight(int height) {
    m_subItemHeight = std::max(height, 0);
    Remeasure();
}

int KaloTrackModel::GetItemExtent(int item) const {
    return ValidItem(item) ? ExtentOf(*m_items[item]) : 0;
}

int KaloTrackModel::GetItemTop(int item) const {
    if (!ValidItem(item)) {
        return -1;
    }
    EnsureTops(item);
    return m_tops[item];
}

int KaloTrackModel::ItemFromY(int y) const {
    if (y < 0 || y >= m_contentHeight) {
        return -1;
    }
    const int count = GetItemCount();
    EnsureTops(count);
    // The last item whose top is not below y: items of zero height before it share its top.
    auto last = std::upper_bound(m_tops.begin(), m_tops.begin() + count, y);
    return static_cast<int>(last - m_tops.begin()) - 1;
}

// ---- selection and expansion ----

BOOL KaloTrackModel::SelectItem(int item, UINT flags) {
    if (!ValidItem(item)) {
        return FALSE;
    }
    if (!(flags & KALOTRACK_SEL_KEEPOTHERS)) {
        for (auto& entry : m_items) {
            entry->flags &= ~KALOTRACK_SELECTED;
        }
    }
    ApplyFlags(m_items[item]->flags, flags);
    return TRUE;
}

BOOL KaloTrackModel::SelectSubItem(int item, int sub, UINT flags) {
    if (!ValidSub(item, sub)) {
        return FALSE;
    }
    ApplyFlags(m_items[item]->subItems[sub]->flags, flags);
    return TRUE;
}

BOOL KaloTrackModel::Expand(int item, UINT flags) {
    if (!ValidItem(item)) {
        return FALSE;
    }
    ResizeItem(item, [flags](Item& entry) {
        if (flags & KALOTRACK_EXPAND) {
            entry.flags |= KALOTRACK_EXPANDED;
        }
        if (flags & KALOTRACK_COLLAPSE) {
            entry.flags &= ~KALOTRACK_EXPANDED;
        }
        if (flags & KALOTRACK_TOGGLE) {
            entry.flags ^= KALOTRACK_EXPANDED;
        }
    });
    return TRUE;
}

// ---- search and order ----

int KaloTrackModel::FindItem(const char* text, void* data, int start) const {
    return FindIn(m_items, text, data, start);
}

int KaloTrackModel::FindSubItem(int item, const char* text, void* data, int start) const {
    return ValidItem(item) ? FindIn(m_items[item]->subItems, text, data, start) : -1;
}

BOOL KaloTrackModel::SwapItems(int first, int second) {
    if (!ValidItem(first) || !ValidItem(second)) {
        return FALSE;
    }
    std::swap(m_items[first], m_items[second]);
    TopsChangedFrom(std::min(first, second));
    RemapItems([first, second](int i) { return IndexAfterSwap(i, first, second); });
    return TRUE;
}

BOOL KaloTrackModel::SwapSubItems(int item, int first, int second) {
    if (!ValidSub(item, first) || !ValidSub(item, second)) {
        return FALSE;
    }
    std::swap(m_items[item]->subItems[first], m_items[item]->subItems[second]);
    RemapSubItems(item, [first, second](int i) { return IndexAfterSwap(i, first, second); });
    return TRUE;
}

BOOL KaloTrackModel::MoveItem(int from, int to) {
    if (!MoveEntry(m_items, from, to)) {
        return FALSE;
    }
    TopsChangedFrom(std::min(from, to));
    RemapItems([from, to](int i) { return IndexAfterMove(i, from, to); });
    return TRUE;
}

BOOL KaloTrackModel::MoveSubItem(int item, int from, int to) {
    if (!ValidItem(item) || !MoveEntry(m_items[item]->subItems, from, to)) {
        return FALSE;
    }
    RemapSubItems(item, [from, to](int i) { return IndexAfterMove(i, from, to); });
    return TRUE;
}

// ---- current and rename rows ----

BOOL KaloTrackModel::SetCurrent(int item, int sub) {
    if (item == -1 && sub == -1) {
        m_current = RowRef{};
        return TRUE;
    }
    if (!ValidItem(item) || (sub != -1 && !ValidSub(item, sub))) {
        return FALSE;
    }
    m_current = RowRef{item, sub};
    return TRUE;
}

BOOL KaloTrackModel::SetRename(int item, int sub) {
    if (!ValidItem(item) || (sub != -1 && !ValidSub(item, sub))) {
        return FALSE;
    }
    m_rename = RowRef{item, sub};
    return TRUE;
}
