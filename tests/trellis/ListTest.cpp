// Lists and trees on real windows: the tree's data search, the list view's custom-draw colours
// read back as pixels, and its drag image.
#include "TrellisTestSupport.h"

#include <map>
#include <memory>

namespace {

class ListWindow : public HostWindowTest<> {
protected:
    ListWindow() : HostWindowTest(CRect(50, 50, 370, 290)) {}
};

// Builds:  a(1) [a1(11) [a1x(111)], a2(12)],  b(2) [b1(21)],  c(3)
class TreeSearch : public ListWindow {
protected:
    void SetUp() override {
        ListWindow::SetUp();
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 200, 200), &m_parent, 9));
        Add("a", 1, TVI_ROOT);
        Add("a1", 11, m_items[1]);
        Add("a1x", 111, m_items[11]);
        Add("a2", 12, m_items[1]);
        Add("b", 2, TVI_ROOT);
        Add("b1", 21, m_items[2]);
        Add("c", 3, TVI_ROOT);
    }
    void Add(const char* text, DWORD_PTR data, HTREEITEM parent) {
        const HTREEITEM item = m_tree.InsertItem(text, parent, TVI_LAST);
        m_tree.SetItemData(item, data);
        m_items[data] = item;
    }
    HTREEITEM Item(DWORD_PTR data) { return data ? m_items[data] : nullptr; }

    KaloTreeCtrl m_tree;
    std::map<DWORD_PTR, HTREEITEM> m_items;
};

COLORREF TextByData(DWORD_PTR data) {
    return data == 2 ? RGB(255, 0, 0) : CLR_NONE;
}
COLORREF BackByData(DWORD_PTR data) {
    return data == 2 ? RGB(0, 255, 0) : CLR_NONE;
}

} // namespace

TEST_F(TreeSearch, DataFindWalksInTreeOrderWithinItsDepthAndClimbsWhenAsked) {
    struct {
        DWORD_PTR data, start;
        int upward;
        DWORD_PTR stopAt;
        int depth;
        DWORD_PTR found;
    } cases[] = {
        {3, 0, 0, 0, 0, 3},      // a root found from the first root
        {11, 0, 0, 0, 0, 0},     // depth 0 searches the sibling list only
        {11, 0, 0, 0, 1, 11},    // one level below
        {111, 0, 0, 0, 1, 0},    // two levels below is too deep
        {111, 0, 0, 0, -1, 111}, // -1: the whole subtree
        {2, 12, 0, 0, -1, 0},    // without climbing, the branch's siblings end the search
        {21, 12, 1, 0, -1, 21},  // climbing goes on with the branch's next sibling
        {3, 111, 1, 0, 0, 3},    // climbing through two levels
        {2, 12, 1, 1, -1, 0},    // stops before reaching the stop item
        {12, 111, 1, 1, 0, 12},  // below the stop item the climb still happens
        {99, 0, 1, 0, -1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_tree.DataFind(c.data, Item(c.start), c.upward, Item(c.stopAt), c.depth), Item(c.found))
            << "data " << c.data << " from " << c.start << " upward " << c.upward << " depth " << c.depth;
    }
    // Item data is pointer-sized: a pointer can be found again.
    const HTREEITEM pointerItem = m_tree.InsertItem("p", TVI_ROOT, TVI_LAST);
    m_tree.SetItemData(pointerItem, reinterpret_cast<DWORD_PTR>(this));
    EXPECT_EQ(m_tree.DataFind(reinterpret_cast<DWORD_PTR>(this), nullptr, 0, nullptr, 0), pointerItem);
}

TEST_F(ListWindow, ListViewItemColoursComeFromCallbacksAndTheSelectionLook) {
    KaloListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 300, 200),
                            &m_parent, 8));
    list.InsertColumn(0, "name", LVCFMT_LEFT, 150);
    for (int i = 0; i < 3; ++i) {
        list.InsertItem(i, i == 0 ? "plain" : i == 1 ? "coloured" : "picked");
        list.SetItemData(i, static_cast<DWORD_PTR>(i + 1));
    }
    list.SetTextColor(RGB(0, 0, 0));
    list.SetBackColor(RGB(0, 0, 255));
    list.SetColorCallbacks(TextByData, BackByData);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);

    auto backAt = [&](int item) {
        CRect label;
        list.GetItemRect(item, &label, LVIR_LABEL);
        PixelCanvas canvas(300, 200);
        list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
        return canvas.At(label.right - 3, label.CenterPoint().y);
    };
    EXPECT_EQ(backAt(0), RGB(0, 0, 255)) << "a callback answering -1 keeps the control's back colour";
    EXPECT_EQ(backAt(1), RGB(0, 255, 0));

    const COLORREF systemLook = backAt(2);
    list.SetSelectedTextColor(RGB(1, 1, 1));
    EXPECT_EQ(backAt(2), systemLook) << "one setter keeps the list view's selection look";
    list.SetSelectedBackColor(RGB(1, 1, 1));
    EXPECT_EQ(backAt(2), GetKaloColor(4));
    list.SetFocus();
    EXPECT_EQ(backAt(2), GetKaloColor(4)) << "focused";
}

TEST_F(ListWindow, DragImageForAnItemOrTheOneUnderTheCursor) {
    KaloListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, 8));
    list.InsertColumn(0, "name", LVCFMT_LEFT, 150);
    list.InsertItem(0, "first");
    std::unique_ptr<CImageList> image(list.KaloCreateDragImage(0));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(ImageList_GetBkColor(image->GetSafeHandle()), CLR_NONE);
    EXPECT_EQ(list.KaloCreateDragImage(5), nullptr);

    CRect item;
    list.GetItemRect(0, &item, LVIR_LABEL);
    list.ClientToScreen(&item);
    SetCursorPos(item.CenterPoint().x, item.CenterPoint().y);
    PumpFor(0);
    std::unique_ptr<CImageList> underCursor(list.KaloCreateDragImage(-1));
    EXPECT_NE(underCursor, nullptr);
    SetCursorPos(item.CenterPoint().x, item.bottom + 100);
    PumpFor(0);
    EXPECT_EQ(list.KaloCreateDragImage(-1), nullptr);
}

TEST_F(ListWindow, FlatBorderReplacesTheClientEdge) {
    KaloListBox box;
    ASSERT_TRUE(box.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 80),
                             &m_parent, 7));
    box.SetBorderColor(RGB(255, 0, 0));
    box.SetBackColor(RGB(0, 0, 255));
    PixelCanvas canvas(100, 80);
    canvas.Fill(RGB(0, 255, 0));
    ASSERT_TRUE(KaloDrawFlatBorder(box, CDC::FromHandle(canvas.Dc()), RGB(255, 0, 0), RGB(0, 0, 255)));
    EXPECT_EQ(canvas.At(0, 10), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(1, 10), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(2, 10), RGB(0, 255, 0));
    CRect window;
    box.GetWindowRect(&window);
    EXPECT_EQ(canvas.At(window.Width() - 1, window.Height() - 1), RGB(255, 0, 0));
    box.ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    EXPECT_FALSE(KaloDrawFlatBorder(box, CDC::FromHandle(canvas.Dc()), RGB(255, 0, 0), RGB(0, 0, 255)));
    box.DestroyWindow();
}
