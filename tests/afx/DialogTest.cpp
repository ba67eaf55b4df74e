// Dialogs from templates along the resource chain, and control wrappers that route
// owner-draw requests to their virtual members.
#include "ChainResources.h"
#include "MessageBoxWatcher.h"

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ChainedLibrary {
    HMODULE module = ::LoadLibraryA("afx_test_resources.dll");
    AFX_EXTENSION_MODULE extension{};
    ChainedLibrary() {
        AfxInitExtensionModule(extension, module);
        new CDynLinkLibrary(extension);
    }
    ~ChainedLibrary() {
        AfxTermExtensionModule(extension);
        ::FreeLibrary(module);
    }
};

class NameDialog : public CDialog {
public:
    NameDialog() : CDialog(IDD_CHAIN) {}
    CEdit edit;
    std::string typed;
    bool initialised = false;

    BOOL OnInitDialog() override {
        initialised = edit.SubclassDlgItem(IDC_CHAIN_EDIT, this) != FALSE;
        edit.SetWindowText("typed in");
        // Press OK once the modal loop runs (posted: a sent click would finish too early).
        GetDlgItem(IDOK)->PostMessage(BM_CLICK);
        return TRUE;
    }
    void OnOK() override {
        char text[64] = {};
        edit.GetWindowText(text, sizeof text);
        typed = text;
        CDialog::OnOK();
    }
};

} // namespace

TEST(Dialog, ModalDialogFromAChainedTemplateRunsUntilOk) {
    MessageBoxWatcher watcher; // nothing should pop up; the watcher keeps a stray box from hanging
    ChainedLibrary library;
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.initialised);
    EXPECT_EQ(dialog.typed, "typed in");
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.edit.m_hWnd, nullptr); // controls are let go with their dialog
    EXPECT_TRUE(watcher.Seen().empty());
}

TEST(Dialog, EndingInInitDialogReturnsThatResult) {
    ChainedLibrary library;
    struct QuickDialog : CDialog {
        QuickDialog() : CDialog(IDD_CHAIN) {}
        BOOL OnInitDialog() override {
            EndDialog(IDCANCEL);
            return TRUE;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Dialog, MissingTemplateFails) {
    CDialog dialog(12345);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(Dialog, ModelessDialogLivesUntilDestroyed) {
    ChainedLibrary library;
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_CHAIN));
    EXPECT_NE(dialog.GetDlgItem(IDC_CHAIN_EDIT), nullptr);
    dialog.SendMessage(WM_COMMAND, IDCANCEL); // hides, does not destroy
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    AfxDeleteTempMaps();
}

namespace {

class CountingButton : public CButton {
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        ++draws;
        CDC::FromHandle(item->hDC)->FillSolidRect(&item->rcItem, RGB(200, 0, 0));
    }
};

class OwnerDrawnList : public CListBox {
public:
    int measured = 0, deleted = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override {
        ++measured;
        item->itemHeight = 20;
    }
    void DeleteItem(LPDELETEITEMSTRUCT) override { ++deleted; }
};

} // namespace

TEST(Controls, OwnerDrawRequestsReachTheControlsVirtuals) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                200, nullptr, nullptr));
    CountingButton button;
    ASSERT_TRUE(button.Create("b", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(5, 5, 60, 30), &parent, 1));
    button.UpdateWindow();
    EXPECT_GT(button.draws, 0);

    OwnerDrawnList list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE, CRect(5, 40, 150, 150), &parent, 2));
    list.AddString(reinterpret_cast<LPCSTR>(1));
    list.AddString(reinterpret_cast<LPCSTR>(2));
    EXPECT_EQ(list.measured, 2);
    EXPECT_EQ(list.GetItemHeight(0), 20);
    list.DeleteString(0);
    EXPECT_EQ(list.deleted, 1);
    parent.DestroyWindow();
    EXPECT_EQ(button.m_hWnd, nullptr);
    AfxDeleteTempMaps();
}

TEST(Controls, CommonControlWrappersTalkToTheirWindows) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr,
                                nullptr));
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | TBS_HORZ, CRect(0, 0, 100, 20), &parent, 1));
    slider.SetRange(10, 20);
    slider.SetPos(15);
    EXPECT_EQ(slider.GetPos(), 15);
    EXPECT_EQ(slider.GetRangeMax(), 20);

    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD, CRect(0, 30, 100, 130), &parent, 2));
    HTREEITEM root = tree.InsertItem("root");
    HTREEITEM child = tree.InsertItem("child", root);
    tree.SetItemData(child, static_cast<DWORD_PTR>(0x1234));
    EXPECT_EQ(tree.GetChildItem(root), child);
    EXPECT_EQ(tree.GetItemData(child), static_cast<DWORD_PTR>(0x1234));
    char text[16] = {};
    tree.GetItemText(child, text, sizeof text);
    EXPECT_STREQ(text, "child");

    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(100, 0, 300, 100), &parent, 3));
    list.InsertColumn(0, "name", LVCFMT_LEFT, 80);
    list.InsertColumn(1, "value", LVCFMT_LEFT, 80);
    int row = list.InsertItem(0, "a");
    list.SetItemText(row, 1, "b");
    list.GetItemText(row, 1, text, sizeof text);
    EXPECT_STREQ(text, "b");

    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | ES_MULTILINE, CRect(0, 140, 200, 240), &parent, 4));
    rich.SetWindowText("one\r\ntwo");
    rich.SetSel(4, 7);
    long start = 0, end = 0;
    rich.GetSel(start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 7);
    EXPECT_EQ(rich.LineFromChar(5), 1);
    AfxDeleteTempMaps();
}

namespace {

class CheckListParent : public CWnd {
public:
    int changes = 0;
    void OnCheckChange() { ++changes; }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CheckListParent, CWnd)
ON_CONTROL(CLBN_CHKCHANGE, 7, OnCheckChange)
END_MESSAGE_MAP()

class RecordingCheckList : public CCheckListBox {
public:
    DWORD_PTR deletedData = 0;
    void DeleteItem(LPDELETEITEMSTRUCT item) override { deletedData = item->itemData; }
};

} // namespace

TEST(Controls, CheckListKeepsChecksBesideTheCallersItemData) {
    CheckListParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                200, nullptr, nullptr));
    RecordingCheckList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 150), &parent, 7));
    EXPECT_TRUE(list.GetStyle() & LBS_OWNERDRAWFIXED);
    list.AddString("first");
    list.AddString("second");
    list.SetItemData(1, 0xBEEF);
    list.SetCheck(1, 1);
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetItemData(1), static_cast<DWORD_PTR>(0xBEEF));
    list.UpdateWindow();

    CRect first;
    list.GetItemRect(0, &first);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.left + 3, first.top + 3)); // on the box
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(first.left + 3, first.top + 3));
    EXPECT_EQ(list.GetCheck(0), 1);
    EXPECT_EQ(parent.changes, 1);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.left + 60, first.top + 3)); // on the text
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(first.left + 60, first.top + 3));
    EXPECT_EQ(list.GetCheck(0), 1);

    list.Enable(1, FALSE);
    list.SetCurSel(1);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(list.GetCheck(1), 1); // disabled items keep their check

    list.DeleteString(1);
    EXPECT_EQ(list.deletedData, static_cast<DWORD_PTR>(0xBEEF));
    parent.DestroyWindow();
    AfxDeleteTempMaps();
}

namespace {

// A dialog template in memory with one control of the given class.
std::vector<WORD> MemoryTemplate(const wchar_t* controlClass) {
    std::vector<WORD> words;
    auto dword = [&](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    auto text = [&](const wchar_t* value) {
        for (; *value; ++value)
            words.push_back(static_cast<WORD>(*value));
        words.push_back(0);
    };
    dword(WS_POPUP | WS_CAPTION | DS_MODALFRAME);
    dword(0);
    words.insert(words.end(), {1, 0, 0, 160, 80, 0, 0}); // one item, position, no menu, dialog class
    text(L"memory");
    if (words.size() % 2)
        words.push_back(0); // items start on a DWORD
    dword(WS_CHILD | WS_VISIBLE);
    dword(0);
    words.insert(words.end(), {5, 5, 100, 50, 500});
    text(controlClass);
    text(L"");
    words.push_back(0);
    return words;
}

class ProbingDialog : public CDialog {
public:
    using CDialog::CDialog;
    using CDialog::SetTemplateModule;
    HWND owner = nullptr;
    bool ownerEnabled = true, hasEdit = false, hasList = false;

    BOOL OnInitDialog() override {
        owner = ::GetWindow(m_hWnd, GW_OWNER);
        ownerEnabled = owner && ::IsWindowEnabled(owner);
        hasEdit = GetDlgItem(IDC_CHAIN_EDIT) != nullptr;
        hasList = GetDlgItem(500) != nullptr;
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
};

} // namespace

TEST(Dialog, ModalDialogDisablesTheTopLevelOwnerOfAChildParentAndGivesItBackTheActivation) {
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                              200, nullptr, nullptr));
    CButton child;
    ASSERT_TRUE(child.Create("child", WS_CHILD | WS_VISIBLE, CRect(5, 5, 80, 30), &host, 9));
    // From memory, naming a common-control class: no CWinApp registered the classes here.
    std::vector<WORD> memory = MemoryTemplate(L"SysListView32");
    ProbingDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATEA>(memory.data()), &child));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.owner, host.m_hWnd);
    EXPECT_FALSE(dialog.ownerEnabled);
    EXPECT_TRUE(dialog.hasList);
    EXPECT_TRUE(host.IsWindowEnabled());
    EXPECT_TRUE(child.IsWindowEnabled());
    EXPECT_EQ(::GetActiveWindow(), host.m_hWnd);
    host.DestroyWindow();
    AfxDeleteTempMaps();
}

TEST(Dialog, ALibrarysOwnTemplateWinsOverTheHostsTemplateOfTheSameId) {
    ChainedLibrary library;
    ProbingDialog chained(IDD_SHARED_ID); // the usual search: the program's own template first
    EXPECT_EQ(chained.DoModal(), IDOK);
    EXPECT_FALSE(chained.hasEdit);
    ProbingDialog own(IDD_SHARED_ID);
    own.SetTemplateModule(library.module);
    EXPECT_EQ(own.DoModal(), IDOK);
    EXPECT_TRUE(own.hasEdit);
}
