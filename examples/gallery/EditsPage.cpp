#include "EditsPage.h"

#include <array>

namespace {

class EditsPage : public GalleryPage {
protected:
    BOOL CreateControls() override {
        struct EditRow {
            int style;
            const char* text;
        };
        const EditRow rows[] = {
            {0, "自由文本"},          {KaloEditUnsigned, "42"},        {KaloEditSigned, "-17"},
            {KaloEditFloat, "3.142"}, {KaloEditSignedFloat, "-0.500"}, {KaloEditNoUnderline, "无下划线"},
        };
        for (size_t i = 0; i < m_edits.size(); ++i) {
            const CRect place(20, 40 + static_cast<int>(i) * 30, 200, 60 + static_cast<int>(i) * 30);
            DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
            if (i == m_edits.size() - 1) {
                style |= WS_DISABLED;
            }
            if (!m_edits[i].Create(style, place, this, static_cast<UINT>(100 + i))) {
                return FALSE;
            }
            m_edits[i].SetEditStyle(rows[i].style);
            m_edits[i].SetWindowText(rows[i].text);
        }
        m_edits[1].SetFocus();

        const DWORD combo = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        const DWORD kinds[] = {CBS_DROPDOWNLIST, CBS_DROPDOWN, CBS_DROPDOWNLIST | WS_DISABLED};
        for (size_t i = 0; i < m_combos.size(); ++i) {
            const CRect place(260, 40 + static_cast<int>(i) * 40, 440, 200);
            if (!m_combos[i].Create(combo | kinds[i], place, this, static_cast<UINT>(200 + i))) {
                return FALSE;
            }
            for (const char* text : {"第一关", "第二关", "第三关"}) {
                m_combos[i].AddStringAndData(text, 0);
            }
            m_combos[i].SetCurSel(static_cast<int>(i));
        }
        m_combos[0].ModifyFlags(KaloComboLeftLine | KaloComboRightLine | KaloComboTopLine, 0);
        if (!m_comboEx.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(260, 170, 440, 300), this,
                              300)) {
            return FALSE;
        }
        return TRUE;
    }
    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 20, 14, "KaloEdit: 文本 / 无符号 / 有符号 / 小数 / 负小数 / 禁用");
        Label(dc, 260, 14, "KaloComboBox: 列表 / 可编辑 / 禁用; KaloComboEx");
    }

private:
    std::array<KaloEdit, 6> m_edits;
    std::array<KaloComboBox, 3> m_combos;
    KaloComboEx m_comboEx;
};

} // namespace

std::unique_ptr<GalleryPage> MakeEditsPage() {
    return std::make_unique<EditsPage>();
}
