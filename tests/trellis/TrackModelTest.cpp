// The track control's items without a window: random operation sequences against a plain
// reference, then the search, order and index rules case by case.
#include <Trellis.h>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// The reference: entries carry ids, and the current and rename rows are held by id, so index
// bookkeeping is not re-derived here.
struct RefSub {
    int id;
    std::optional<std::string> text;
    bool selected = false;
};
struct RefItem {
    int id;
    std::string text;
    bool expanded = true;
    bool selected = false;
    std::vector<RefSub> subs;
};
struct RefRow {
    int item = -1; // id
    int sub = -1;  // id
};

void* DataOf(int id) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(id + 1));
}

class Reference {
public:
    std::vector<RefItem> items;
    int itemHeight = 20;
    int subHeight = 20;
    RefRow current, rename;

    int Extent(const RefItem& item) const {
        if (!item.expanded) {
            return itemHeight;
        }
        return std::max(itemHeight, static_cast<int>(item.subs.size()) * subHeight);
    }
    int IndexOfItem(int id) const {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].id == id) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    static int IndexOfSub(const RefItem& item, int id) {
        for (size_t i = 0; i < item.subs.size(); ++i) {
            if (item.subs[i].id == id) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    // Drops rows whose entries are gone: a current sub-item leaves its item current, a renamed
    // one ends the rename.
    void Settle() {
        for (RefRow* row : {&current, &rename}) {
            const int index = IndexOfItem(row->item);
            if (index < 0) {
                *row = RefRow{};
            } else if (row->sub >= 0 && IndexOfSub(items[index], row->sub) < 0) {
                if (row == &rename) {
                    *row = RefRow{};
                } else {
                    row->sub = -1;
                }
            }
        }
    }
    // (index, sub index) of a row held by id.
    std::pair<int, int> Indices(const RefRow& row) const {
        const int index = IndexOfItem(row.item);
        if (index < 0) {
            return {-1, -1};
        }
        return {index, row.sub < 0 ? -1 : IndexOfSub(items[index], row.sub)};
    }
};

void ExpectSame(const KaloTrackModel& model, const Reference& ref, const std::string& step) {
    SCOPED_TRACE(step);
    ASSERT_EQ(model.GetItemCount(), static_cast<int>(ref.items.size()));
    int top = 0;
    for (size_t i = 0; i < ref.items.size(); ++i) {
        const int index = static_cast<int>(i);
        const RefItem& item = ref.items[i];
        ASSERT_EQ(model.GetItemTop(index), top) << "item " << i;
        ASSERT_EQ(model.GetItemExtent(index), ref.Extent(item)) << "item " << i;
        ASSERT_STREQ(model.GetItemText(index), item.text.c_str());
        ASSERT_EQ(model.GetItemData(index), DataOf(item.id));
        ASSERT_EQ((model.GetItemFlags(index) & KALOTRACK_EXPANDED) != 0, item.expanded);
        ASSERT_EQ((model.GetItemFlags(index) & KALOTRACK_SELECTED) != 0, item.selected);
        ASSERT_EQ(model.GetSubItemCount(index), static_cast<int>(item.subs.size()));
        for (size_t k = 0; k < item.subs.size(); ++k) {
            const int sub = static_cast<int>(k);
            ASSERT_EQ(model.GetSubItemData(index, sub), DataOf(item.subs[k].id));
            ASSERT_EQ(model.GetSubItemText(index, sub) != nullptr, item.subs[k].text.has_value());
            ASSERT_EQ((model.GetSubItemFlags(index, sub) & KALOTRACK_SELECTED) != 0, item.subs[k].selected);
        }
        // The first, a middle and the last row of the item lead back to it.
        const int extent = ref.Extent(item);
        for (int y : {top, top + extent / 2, top + extent - 1}) {
            if (extent > 0) {
                ASSERT_EQ(model.ItemFromY(y), index) << "y " << y;
            }
        }
        top += ref.Extent(item);
    }
    ASSERT_EQ(model.GetContentHeight(), top);
    ASSERT_EQ(model.ItemFromY(top), -1);
    ASSERT_EQ(model.ItemFromY(-1), -1);
    const auto current = ref.Indices(ref.current);
    ASSERT_EQ(model.GetCurrentItem(), current.first);
    ASSERT_EQ(model.GetCurrentSubItem(), current.second);
    const auto rename = ref.Indices(ref.rename);
    ASSERT_EQ(model.GetRenameItem(), rename.first);
    ASSERT_EQ(model.GetRenameSubItem(), rename.second);
}

// One random operation on both; indices are sometimes out of range, which must change nothing.
class RandomSteps {
public:
    RandomSteps(KaloTrackModel& model, Reference& ref, unsigned seed)
        : m_model(model), m_ref(ref), m_rng(seed) {}

    std::string Step() {
        switch (Pick(12)) {
        case 0:
        case 1:
            return AddOrInsert();
        case 2:
            return RemoveItem();
        case 3:
        case 4:
            return AddSub();
        case 5:
            return RemoveSub();
        case 6:
            return Expand();
        case 7:
            return Select();
        case 8:
            return SwapOrMove();
        case 9:
            return SwapOrMoveSub();
        case 10:
            return SetRows();
        default:
            return Heights();
        }
    }

private:
    int Pick(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
    int Count() const { return static_cast<int>(m_ref.items.size()); }
    // Mostly a valid index of n entries, sometimes -1 or n.
    int Index(int n) {
        const int roll = Pick(10);
        if (roll == 0) {
            return -1;
        }
        if (roll == 1 || n == 0) {
            return n;
        }
        return Pick(n);
    }
    bool Valid(int index, int n) const { return index >= 0 && index < n; }
    int Subs(int item) const { return static_cast<int>(m_ref.items[item].subs.size()); }

    std::string AddOrInsert() {
        const int id = m_nextId++;
        const std::string text = "t" + std::to_string(id);
        RefItem item{id, text, true, false, {}};
        if (Pick(2) == 0) {
            EXPECT_EQ(m_model.AddItem(text.c_str(), DataOf(id)), Count());
            m_ref.items.push_back(item);
            return "add";
        }
        const int at = Index(Count() + 1);
        const bool valid = at >= 0 && at <= Count();
        EXPECT_EQ(m_model.InsertItem(at, text.c_str(), DataOf(id)), valid ? at : -1);
        if (valid) {
            m_ref.items.insert(m_ref.items.begin() + at, item);
        }
        return "insert " + std::to_string(at);
    }
    std::string RemoveItem() {
        const int at = Index(Count());
        EXPECT_EQ(m_model.RemoveItem(at), Valid(at, Count()));
        if (Valid(at, Count())) {
            m_ref.items.erase(m_ref.items.begin() + at);
        }
        return "remove " + std::to_string(at);
    }
    std::string AddSub() {
        const int at = Index(Count());
        const int id = m_nextId++;
        const bool named = Pick(4) != 0;
        const std::string text = "s" + std::to_string(id);
        const int result = m_model.AddSubItem(at, named ? text.c_str() : nullptr, DataOf(id));
        if (!Valid(at, Count())) {
            EXPECT_EQ(result, -1);
            return "add sub to bad item";
        }
        EXPECT_EQ(result, Subs(at));
        RefSub sub{id, std::nullopt, false};
        if (named) {
            sub.text = text;
        }
        m_ref.items[at].subs.push_back(sub);
        return "add sub to " + std::to_string(at);
    }
    std::string RemoveSub() {
        const int at = Index(Count());
        const int sub = Valid(at, Count()) ? Index(Subs(at)) : 0;
        const bool valid = Valid(at, Count()) && Valid(sub, Subs(at));
        EXPECT_EQ(m_model.RemoveSubItem(at, sub), valid);
        if (valid) {
            m_ref.items[at].subs.erase(m_ref.items[at].subs.begin() + sub);
        }
        return "remove sub " + std::to_string(at) + "/" + std::to_string(sub);
    }
    std::string Expand() {
        const int at = Index(Count());
        const UINT flags = static_cast<UINT>(Pick(8));
        EXPECT_EQ(m_model.Expand(at, flags), Valid(at, Count()));
        if (Valid(at, Count())) {
            bool& expanded = m_ref.items[at].expanded;
            expanded = (flags & KALOTRACK_EXPAND) ? true : expanded;
            expanded = (flags & KALOTRACK_COLLAPSE) ? false : expanded;
            expanded = (flags & KALOTRACK_TOGGLE) ? !expanded : expanded;
        }
        return "expand " + std::to_string(at) + " flags " + std::to_string(flags);
    }
    static void Apply(bool& selected, UINT flags) {
        selected = (flags & KALOTRACK_SEL_SELECT) ? true : selected;
        selected = (flags & KALOTRACK_SEL_DESELECT) ? false : selected;
    }
    std::string Select() {
        const int at = Index(Count());
        const UINT flags = static_cast<UINT>(Pick(16));
        if (Pick(2) == 0 && Valid(at, Count())) {
            const int sub = Index(Subs(at));
            EXPECT_EQ(m_model.SelectSubItem(at, sub, flags), Valid(sub, Subs(at)));
            if (Valid(sub, Subs(at))) {
                Apply(m_ref.items[at].subs[sub].selected, flags);
            }
            return "select sub";
        }
        EXPECT_EQ(m_model.SelectItem(at, flags), Valid(at, Count()));
        if (Valid(at, Count())) {
            if (!(flags & KALOTRACK_SEL_KEEPOTHERS)) {
                for (auto& item : m_ref.items) {
                    item.selected = false;
                }
            }
            Apply(m_ref.items[at].selected, flags);
        }
        return "select " + std::to_string(at) + " flags " + std::to_string(flags);
    }
    template <typename Entries> static void Move(Entries& entries, int from, int to) {
        auto entry = entries[from];
        entries.erase(entries.begin() + from);
        entries.insert(entries.begin() + to, entry);
    }
    std::string SwapOrMove() {
        const int a = Index(Count()), b = Index(Count());
        const bool valid = Valid(a, Count()) && Valid(b, Count());
        if (Pick(2) == 0) {
            EXPECT_EQ(m_model.SwapItems(a, b), valid);
            if (valid) {
                std::swap(m_ref.items[a], m_ref.items[b]);
            }
            return "swap " + std::to_string(a) + "," + std::to_string(b);
        }
        EXPECT_EQ(m_model.MoveItem(a, b), valid);
        if (valid) {
            Move(m_ref.items, a, b);
        }
        return "move " + std::to_string(a) + "->" + std::to_string(b);
    }
    std::string SwapOrMoveSub() {
        const int at = Index(Count());
        if (!Valid(at, Count())) {
            EXPECT_FALSE(m_model.MoveSubItem(at, 0, 0));
            return "move sub of bad item";
        }
        auto& subs = m_ref.items[at].subs;
        const int a = Index(Subs(at)), b = Index(Subs(at));
        const bool valid = Valid(a, Subs(at)) && Valid(b, Subs(at));
        if (Pick(2) == 0) {
            EXPECT_EQ(m_model.SwapSubItems(at, a, b), valid);
            if (valid) {
                std::swap(subs[a], subs[b]);
            }
            return "swap subs";
        }
        EXPECT_EQ(m_model.MoveSubItem(at, a, b), valid);
        if (valid) {
            Move(subs, a, b);
        }
        return "move sub " + std::to_string(at) + ":" + std::to_string(a) + "->" + std::to_string(b);
    }
    std::string SetRows() {
        const int at = Index(Count());
        if (!Valid(at, Count())) {
            EXPECT_FALSE(m_model.SetRename(at, -1));
            return "rename bad item";
        }
        const int sub = Subs(at) > 0 && Pick(2) == 0 ? Pick(Subs(at)) : -1;
        const RefRow row{m_ref.items[at].id, sub < 0 ? -1 : m_ref.items[at].subs[sub].id};
        if (Pick(2) == 0) {
            EXPECT_TRUE(m_model.SetCurrent(at, sub));
            m_ref.current = row;
        } else {
            EXPECT_TRUE(m_model.SetRename(at, sub));
            m_ref.rename = row;
        }
        return "row " + std::to_string(at) + "/" + std::to_string(sub);
    }
    std::string Heights() {
        if (Pick(4) != 0) {
            return "nothing";
        }
        m_ref.itemHeight = 10 + Pick(20);
        m_ref.subHeight = 5 + Pick(20);
        m_model.SetItemHeight(m_ref.itemHeight);
        m_model.SetSubItemHeight(m_ref.subHeight);
        return "heights";
    }

    KaloTrackModel& m_model;
    Reference& m_ref;
    std::mt19937 m_rng;
    int m_nextId = 0;
};

} // namespace

TEST(TrackModel, RandomOperationsKeepHeightsOrderAndRowsLikeTheReference) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        KaloTrackModel model;
        Reference ref;
        RandomSteps steps(model, ref, seed);
        for (int step = 0; step < 600; ++step) {
            const std::string what = steps.Step();
            ref.Settle();
            ExpectSame(model, ref,
                       "seed " + std::to_string(seed) + " step " + std::to_string(step) + ": " + what);
            if (HasFatalFailure()) {
                return;
            }
        }
        model.DeleteAllItems();
        EXPECT_EQ(model.GetContentHeight(), 0);
        EXPECT_EQ(model.GetCurrentItem(), -1);
    }
}

TEST(TrackModel, ItemHeightFollowsExpansionAndSubItemRows) {
    struct Case {
        int subs;
        bool expanded;
        int extent;
    };
    for (const Case& c : {Case{3, true, 45}, Case{1, true, 20}, Case{3, false, 20}, Case{0, true, 20}}) {
        KaloTrackModel model;
        model.SetSubItemHeight(15);
        model.AddItem("a", nullptr);
        for (int k = 0; k < c.subs; ++k) {
            model.AddSubItem(0, nullptr, nullptr);
        }
        model.Expand(0, c.expanded ? KALOTRACK_EXPAND : KALOTRACK_COLLAPSE);
        EXPECT_EQ(model.GetItemExtent(0), c.extent) << c.subs << " subs";
        EXPECT_EQ(model.GetContentHeight(), c.extent);
    }
}

TEST(TrackModel, FindMatchesTextDataOrBothFromStart) {
    KaloTrackModel model;
    int a = 0, b = 0;
    model.AddItem("x", &a);           // 0
    model.AddItem("y", &b);           // 1
    model.AddItem("x", &b);           // 2
    model.AddItem("", &a);            // 3
    model.AddSubItem(1, nullptr, &a); // sub 0 without text
    model.AddSubItem(1, "x", &a);     // sub 1
    struct Case {
        const char* text;
        void* data;
        int start;
        int found;
    };
    for (const Case& c : {Case{"x", nullptr, 0, 0}, Case{"x", nullptr, 1, 2}, Case{"x", &b, 0, 2},
                          Case{nullptr, &a, 1, 3}, Case{"X", nullptr, 0, -1}, Case{nullptr, nullptr, 0, -1},
                          Case{"x", nullptr, 4, -1}, Case{"x", nullptr, -5, 0}, Case{"y", &a, 0, -1}}) {
        EXPECT_EQ(model.FindItem(c.text, c.data, c.start), c.found)
            << (c.text ? c.text : "(null)") << " from " << c.start;
    }
    // Sub-items without text are skipped by a text search but found by data.
    EXPECT_EQ(model.FindSubItem(1, "x", nullptr, 0), 1);
    EXPECT_EQ(model.FindSubItem(1, nullptr, &a, 0), 0);
    EXPECT_EQ(model.FindSubItem(7, nullptr, &a, 0), -1);
}

TEST(TrackModel, RemovalMovesCurrentAndRenameRowsWithTheirItems) {
    struct Case {
        int current;
        int rename;
        int removed;
        int currentAfter;
        int renameAfter;
    };
    for (const Case& c : {Case{2, 3, 0, 1, 2}, Case{2, 3, 2, -1, 2}, Case{2, 3, 3, 2, -1},
                          Case{0, 1, 4, 0, 1}, Case{0, 0, 0, -1, -1}}) {
        KaloTrackModel model;
        for (const char* name : {"a", "b", "c", "d", "e"}) {
            model.AddItem(name, nullptr);
            model.AddSubItem(model.GetItemCount() - 1, name, nullptr);
        }
        model.SetCurrent(c.current, 0);
        model.SetRename(c.rename, -1);
        model.RemoveItem(c.removed);
        EXPECT_EQ(model.GetCurrentItem(), c.currentAfter) << "removed " << c.removed;
        EXPECT_EQ(model.GetCurrentSubItem(), c.currentAfter < 0 ? -1 : 0);
        EXPECT_EQ(model.GetRenameItem(), c.renameAfter) << "removed " << c.removed;
    }
}

TEST(TrackModel, BadIndicesAndNullTextsChangeNothing) {
    KaloTrackModel model;
    EXPECT_EQ(model.AddItem(nullptr, nullptr), -1);
    EXPECT_EQ(model.AddItem("a", nullptr), 0);
    EXPECT_EQ(model.AddSubItem(1, "s", nullptr), -1);
    EXPECT_EQ(model.AddSubItem(-1, "s", nullptr), -1);
    EXPECT_EQ(model.GetItemText(1), nullptr);
    EXPECT_EQ(model.GetSubItemText(0, 0), nullptr);
    EXPECT_EQ(model.GetSubItemCount(3), -1);
    EXPECT_FALSE(model.SetItemData(5, nullptr));
    EXPECT_FALSE(model.MoveItem(0, 1));
    EXPECT_FALSE(model.SetCurrent(0, 2));
    EXPECT_EQ(model.GetItemTop(1), -1);
    EXPECT_EQ(model.GetItemCount(), 1);
    EXPECT_EQ(model.GetContentHeight(), 20);
}
