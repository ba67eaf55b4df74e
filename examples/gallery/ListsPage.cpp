#include "ListsPage.h"

namespace {

COLORREF RowText(DWORD_PTR data) {
    return data == 2 ? RGB(200, 30, 30) : CLR_NONE;
}

COLORREF RowBack(DWORD_PTR data) {
    return data == 3 ? RGB(220, 240, 200) : CLR_NONE;
}

class ListsPage : public GalleryPage {
protected:
    BOOL CreateControls() override {
        if (!m_box.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT,
                            CRect(20, 40, 200, 240), this, 100)) {
            return FALSE;
        }
        for (const char* text : {"模型", "材质", "灯光", "脚本"}) {
            m_box.AddString(text);
        }
        m_box.SetCurSel(1);

        if (!m_list.CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                             WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(220, 40, 480, 240),
                             this, 101)) {
            return FALSE;
        }
        m_list.SetTextColor(m_list.GetTextColor());
        m_list.SetBackColor(m_list.GetBackColor());
        m_list.InsertColumn(0, "名称", LVCFMT_LEFT, 240);
        const char* rows[] = {"普通", "红色文字", "绿色背景", "选中"};
        for (int i = 0; i < 4; ++i) {
            m_list.InsertItem(i, rows[i]);
            m_list.SetItemData(i, static_cast<DWORD_PTR>(i + 1));
        }
        m_list.SetColorCallbacks(RowText, RowBack);
        m_list.SetSelectedTextColor(0);
        m_list.SetSelectedBackColor(0);
        m_list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);

        if (!m_tree.CreateEx(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                             WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                 TVS_SHOWSELALWAYS,
                             CRect(500, 40, 720, 240), this, 102)) {
            return FALSE;
        }
        const HTREEITEM scene = m_tree.InsertItem("场景", TVI_ROOT, TVI_LAST);
        m_tree.InsertItem("球", scene, TVI_LAST);
        const HTREEITEM floor = m_tree.InsertItem("地板", scene, TVI_LAST);
        m_tree.InsertItem("灯光", TVI_ROOT, TVI_LAST);
        m_tree.Expand(scene, TVE_EXPAND);
        m_tree.SelectItem(floor);
        return TRUE;
    }
    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 20, 14, "KaloListBox");
        Label(dc, 220, 14, "KaloListCtrl: 颜色回调, 选中外观");
        Label(dc, 500, 14, "KaloTreeCtrl");
    }

private:
    KaloListBox m_box;
    KaloListCtrl m_list;
    KaloTreeCtrl m_tree;
};

} // namespace

std::unique_ptr<GalleryPage> MakeListsPage() {
    return std::make_unique<ListsPage>();
}
