// Window lifetime at the edges: what a parent hears while its child members die with it,
// handlers declared in a second base, and which window the creation hook binds.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Messages that reached a parent object after its own destructor had run.
std::vector<UINT> lateMessages;

class CompoundParent : public CWnd {
public:
    CEdit edit;
    CButton button;
    bool intact = true;

    ~CompoundParent() override { intact = false; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (!intact)
            lateMessages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A second base with a handler that a map of the derived class names.
class Counting {
public:
    virtual ~Counting() = default;
    int clicks = 0;
    void OnLButtonDown(UINT, CPoint) { ++clicks; }
};

class MixedWnd : public CWnd, public Counting {
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MixedWnd, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

} // namespace

TEST(Lifetime, ChildMembersDyingWithTheirParentObjectNeverReachItsDestroyedPart) {
    lateMessages.clear();
    {
        CompoundParent parent;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "compound", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                    100, nullptr, nullptr));
        ASSERT_TRUE(parent.edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1));
        ASSERT_TRUE(parent.button.Create("b", WS_CHILD | WS_VISIBLE, CRect(0, 30, 100, 50), &parent, 2));
        parent.SetForegroundWindow();
        parent.edit.SetFocus(); // its loss of focus is reported to the parent as it dies
        ASSERT_EQ(CWnd::GetFocus()->m_hWnd, parent.edit.m_hWnd);
    }
    EXPECT_TRUE(lateMessages.empty()) << "first late message " << std::hex << lateMessages.front();
    AfxDeleteTempMaps();
}

TEST(Lifetime, AMapNamesAHandlerOfTheSecondBase) {
    MixedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "mixed", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    wnd.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(wnd.clicks, 1);
}

namespace {

// The first window of a thread: the system may make helper windows of its own for the thread
// (the input-method window) while creating it.
DWORD WINAPI CreateFirstWindow(LPVOID result) {
    CWnd wnd;
    char name[32] = {};
    if (wnd.CreateEx(0, AfxRegisterWndClass(0), "first", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr))
        ::GetWindowTextA(wnd.m_hWnd, name, sizeof name);
    *static_cast<bool*>(result) =
        lstrcmpA(name, "first") == 0 && CWnd::FromHandlePermanent(wnd.m_hWnd) == &wnd;
    wnd.DestroyWindow();
    AfxDeleteTempMaps();
    return 0;
}

} // namespace

TEST(Lifetime, TheCreationHookBindsTheWindowItWasInstalledFor) {
    bool bound = false;
    HANDLE thread = ::CreateThread(nullptr, 0, &CreateFirstWindow, &bound, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(::WaitForSingleObject(thread, 20000), WAIT_OBJECT_0);
    ::CloseHandle(thread);
    EXPECT_TRUE(bound);

    CWnd parent, child;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(child.Create("BUTTON", "child", WS_CHILD, CRect(0, 0, 10, 10), &parent, 3));
    EXPECT_EQ(::GetParent(child.m_hWnd), parent.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(child.m_hWnd), 3);
}
