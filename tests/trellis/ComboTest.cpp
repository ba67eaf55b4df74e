// KaloComboBox and KaloComboEx on real windows: the face after every message the combo wraps,
// owner-drawn items, the edit child's single subclassing, and the parent messages.
#include "TrellisTestSupport.h"

#include <set>
#include <vector>

namespace {

constexpr COLORREF Back = RGB(0, 0, 255);
constexpr COLORREF Text = RGB(255, 255, 0);
constexpr COLORREF Border = RGB(0, 255, 0);

class NoteParent : public CWnd {
public:
    std::vector<std::pair<UINT, WPARAM>> notes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == KaloMsgReturn || message == KaloMsgF2) {
            notes.emplace_back(message, wParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ComboWindow : public HostWindowTest<NoteParent> {
protected:
    ComboWindow() : HostWindowTest(CRect(40, 40, 340, 240)) {}
    void Make(DWORD kind) {
        ASSERT_TRUE(
            m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | kind | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                           CRect(10, 10, 160, 150), &m_parent, 31));
        m_combo.SetColors(Text, Back, Back, Border, nullptr, nullptr);
        m_combo.ModifyFlags(KaloComboRightLine, 0);
        for (const char* text : {"alpha", "beta", "gamma"}) {
            m_combo.AddStringAndData(text, reinterpret_cast<DWORD_PTR>(text));
        }
        PumpFor(50);
    }
    // The colours on screen in the combo's right-hand 14 columns (arrow and edge).
    std::set<COLORREF> ArrowAreaOnScreen() {
        CRect client;
        m_combo.GetClientRect(&client);
        PixelCanvas canvas(client.Width(), client.Height());
        HDC dc = GetDC(m_combo.GetSafeHwnd());
        BitBlt(canvas.Dc(), 0, 0, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
        ReleaseDC(m_combo.GetSafeHwnd(), dc);
        std::set<COLORREF> colours;
        for (int y = 0; y < client.Height() - 1; ++y) {
            for (int x = client.Width() - 14; x < client.Width(); ++x) {
                colours.insert(canvas.At(x, y));
            }
        }
        return colours;
    }

    KaloComboBox m_combo;
};

} // namespace

TEST_F(ComboWindow, SystemDrawingNeverShowsAfterAWrappedMessage) {
    Make(CBS_DROPDOWNLIST);
    const std::set<COLORREF> face{Back, Text, Border};
    struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } messages[] = {
        {CB_SETCURSEL, 1, 0},
        {WM_SETFOCUS, 0, 0},
        {WM_KEYDOWN, VK_DOWN, 1},
        {WM_KILLFOCUS, 0, 0},
        {CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("delta")},
        {CB_SETCURSEL, static_cast<WPARAM>(-1), 0},
        {WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")},
    };
    for (const auto& m : messages) {
        m_combo.SendMessage(m.message, m.wParam, m.lParam);
        EXPECT_EQ(ArrowAreaOnScreen(), face) << "after message 0x" << std::hex << m.message;
    }
    EXPECT_TRUE(m_combo.IsWindowVisible());
    EXPECT_EQ(m_combo.GetItemData(2), reinterpret_cast<DWORD_PTR>("gamma")) << "pointer-sized item data";

    // A hidden combo stays hidden through the wrapped messages.
    m_combo.ShowWindow(SW_HIDE);
    m_combo.SetCurSel(0);
    m_combo.SetRedraw(FALSE);
    m_combo.SetRedraw(TRUE);
    EXPECT_FALSE(m_combo.IsWindowVisible());
}

TEST_F(ComboWindow, ItemsAreDrawnInvertedWhenSelected) {
    Make(CBS_DROPDOWNLIST);
    PixelCanvas canvas(150, 16);
    DRAWITEMSTRUCT item = OwnerDrawItem(m_combo.GetSafeHwnd(), canvas.Dc(), ODS_SELECTED);
    item.CtlType = ODT_COMBOBOX;
    item.itemID = 0;
    item.rcItem = RECT{0, 0, 150, 16};
    m_combo.DrawItem(&item);
    EXPECT_EQ(canvas.At(140, 2), Text);
    item.itemState = 0;
    m_combo.DrawItem(&item);
    EXPECT_EQ(canvas.At(140, 2), Back);
    EXPECT_TRUE(m_combo.GetFlags() & KaloComboItemDrawn);
}

TEST_F(ComboWindow, EditChildIsSubclassedOnceAndFiltersTypedKeys) {
    Make(CBS_DROPDOWN);
    KaloEdit* edit = m_combo.GetEditBox();
    ASSERT_NE(edit->GetSafeHwnd(), nullptr);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(m_combo.GetSafeHwnd(), &info));
    EXPECT_EQ(edit->GetSafeHwnd(), info.hwndItem);
    EXPECT_EQ(CWnd::FromHandlePermanent(info.hwndItem), edit);
    const LONG_PTR procedure = GetWindowLongPtrA(info.hwndItem, GWLP_WNDPROC);
    for (int i = 0; i < 3; ++i) {
        m_combo.SetCurSel(i);
        m_combo.SendMessage(WM_SETFOCUS);
    }
    EXPECT_EQ(GetWindowLongPtrA(info.hwndItem, GWLP_WNDPROC), procedure);

    edit->SetEditStyle(KaloEditUnsigned);
    edit->SetWindowText("");
    for (char c : {'a', '4', '-', '2'}) {
        edit->SendMessage(WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    char text[16];
    edit->GetWindowText(text, sizeof text);
    EXPECT_STREQ(text, "42");
}

TEST_F(ComboWindow, ReturnAndF2ReachTheParentWithTheComboId) {
    Make(CBS_DROPDOWNLIST);
    MSG key{m_combo.GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 1, 0, {}};
    m_combo.PreTranslateMessage(&key);
    key.wParam = VK_F2;
    m_combo.PreTranslateMessage(&key);
    key.wParam = 'A';
    m_combo.PreTranslateMessage(&key);
    ASSERT_EQ(m_parent.notes.size(), 2u);
    EXPECT_EQ(m_parent.notes[0], std::make_pair(KaloMsgReturn, WPARAM(31)));
    EXPECT_EQ(m_parent.notes[1], std::make_pair(KaloMsgF2, WPARAM(31)));
}

TEST_F(ComboWindow, ExtendedComboDrawsItsFlatFace) {
    KaloComboEx combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 60, 160, 200), &m_parent, 32));
    combo.SetColors(Text, Back, Back, Border, nullptr, nullptr);
    CRect client;
    combo.GetClientRect(&client);
    PixelCanvas canvas(client.Width(), client.Height());
    combo.DrawFace(CDC::FromHandle(canvas.Dc()));
    const int top = client.Height() / 2 - 2;
    EXPECT_EQ(canvas.At(client.Width() - 10, top), Text);
    EXPECT_EQ(canvas.At(client.Width() - 11, top), Back);
    EXPECT_EQ(canvas.At(client.Width() - 7, top + 3), Text);
    EXPECT_EQ(canvas.At(client.Width() - 6, top + 3), Back);
    EXPECT_EQ(canvas.At(2, client.Height() - 1), Text);
    EXPECT_EQ(canvas.At(2, 2), Back);
}
