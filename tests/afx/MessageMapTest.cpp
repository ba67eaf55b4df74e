// Message dispatch: handlers found along the map chain, creation-time messages reaching
// C++ handlers, reflection of control notifications, subclassing and detaching.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT WM_PROBE = WM_APP + 1;
constexpr UINT ChildId = 42;

std::vector<std::string> trace;

class BaseWnd : public CWnd {
public:
    int OnCreate(LPCREATESTRUCTA cs) {
        trace.push_back(std::string("base create ") + (m_hWnd ? "attached" : "unattached"));
        return cs->lpCreateParams == reinterpret_cast<LPVOID>(-1) ? -1 : 0;
    }
    void OnLButtonDown(UINT, CPoint) { trace.push_back("base lbutton"); }
    void OnRButtonDown(UINT, CPoint point) {
        trace.push_back("base rbutton " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    int postNcDestroyCalls = 0;

protected:
    void PostNcDestroy() override { ++postNcDestroyCalls; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
    void OnLButtonDown(UINT, CPoint) { trace.push_back("derived lbutton"); }
    LRESULT OnProbe(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_PROBE, OnProbe)
END_MESSAGE_MAP()

bool CreateTopLevel(CWnd& wnd, LPVOID param = nullptr) {
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                        nullptr, param) != FALSE;
}

} // namespace

TEST(MessageMap, CreationMessagesReachTheObjectAlreadyAttached) {
    trace.clear();
    DerivedWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    EXPECT_EQ(trace, std::vector<std::string>{"base create attached"});
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
}

TEST(MessageMap, FailedCreateLeavesTheObjectDetached) {
    BaseWnd wnd;
    EXPECT_FALSE(CreateTopLevel(wnd, reinterpret_cast<LPVOID>(-1)));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
}

TEST(MessageMap, MostDerivedEntryWinsAndBaseEntriesStillApply) {
    DerivedWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    trace.clear();
    wnd.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(1, 2));
    wnd.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(-3, 4)); // signed coordinates survive
    EXPECT_EQ(trace, (std::vector<std::string>{"derived lbutton", "base rbutton -3,4"}));
    EXPECT_EQ(wnd.SendMessage(WM_PROBE, 20, 22), 42);
}

TEST(MessageMap, UnmappedMessagesReachTheDefaultProcedure) {
    DerivedWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    wnd.SetWindowText("changed");
    char text[32] = {};
    wnd.GetWindowText(text, sizeof text);
    EXPECT_STREQ(text, "changed");
}

TEST(MessageMap, DestroyingTheWindowDetachesTheObject) {
    BaseWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    HWND handle = wnd.m_hWnd;
    ::DestroyWindow(handle);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

TEST(MessageMap, ObjectGoingAwayDestroysItsWindow) {
    HWND handle;
    {
        BaseWnd wnd;
        ASSERT_TRUE(CreateTopLevel(wnd));
        handle = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

namespace {

// A control that answers some notifications itself (reflection) and lets others through.
class ReflectingButton : public CWnd {
public:
    std::vector<std::string> seen;
    HBRUSH brush = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));

    void DrawItem(LPDRAWITEMSTRUCT item) { seen.push_back("draw " + std::to_string(item->CtlID)); }
    void OnClicked() { seen.push_back("clicked"); }
    void OnCustomNotify(NMHDR*, LRESULT* result) {
        seen.push_back("notify 7");
        *result = 77;
    }
    BOOL OnPassedNotify(NMHDR*, LRESULT*) {
        seen.push_back("notify 8");
        return FALSE; // let the parent see it too
    }
    HBRUSH CtlColor(CDC*, UINT kind) {
        seen.push_back("ctlcolor " + std::to_string(kind));
        return brush;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
ON_WM_DRAWITEM_REFLECT()
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
ON_NOTIFY_REFLECT(7, OnCustomNotify)
ON_NOTIFY_REFLECT_EX(8, OnPassedNotify)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class Parent : public CWnd {
public:
    std::vector<std::string> seen;
    ReflectingButton button;
    CWnd plain;

    int OnCreate(LPCREATESTRUCTA) {
        // Children made while the parent is being created get their own creation messages.
        BOOL made =
            button.Create("BUTTON", "b", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 50, 20), this, ChildId);
        BOOL madePlain = plain.Create("BUTTON", "p", WS_VISIBLE, CRect(0, 30, 50, 50), this, ChildId + 1);
        return made && madePlain ? 0 : -1;
    }
    void OnPlainClicked() { seen.push_back("plain clicked"); }
    void OnButtonClicked() { seen.push_back("button clicked"); }
    void OnNotify7(NMHDR*, LRESULT*) { seen.push_back("notify 7"); }
    void OnNotify8(NMHDR*, LRESULT* result) {
        seen.push_back("notify 8");
        *result = 88;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Parent, CWnd)
ON_WM_CREATE()
ON_BN_CLICKED(ChildId + 1, OnPlainClicked)
ON_BN_CLICKED(ChildId, OnButtonClicked)
ON_NOTIFY(7, ChildId, OnNotify7)
ON_NOTIFY(8, ChildId, OnNotify8)
END_MESSAGE_MAP()

LRESULT SendNotify(Parent& parent, UINT code) {
    NMHDR header{parent.button.m_hWnd, ChildId, code};
    return parent.SendMessage(WM_NOTIFY, ChildId, reinterpret_cast<LPARAM>(&header));
}

} // namespace

TEST(Reflection, ControlHandlesItsOwnNotificationsBeforeTheParent) {
    Parent parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    ReflectingButton& button = parent.button;
    ASSERT_NE(button.m_hWnd, nullptr);

    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.seen, std::vector<std::string>{"clicked"});
    EXPECT_TRUE(parent.seen.empty()); // a plain reflected handler consumes the command

    parent.plain.SendMessage(BM_CLICK);
    EXPECT_EQ(parent.seen, std::vector<std::string>{"plain clicked"});

    button.seen.clear();
    parent.seen.clear();
    EXPECT_EQ(SendNotify(parent, 7), 77);
    EXPECT_EQ(SendNotify(parent, 8), 88);
    EXPECT_EQ(button.seen, (std::vector<std::string>{"notify 7", "notify 8"}));
    EXPECT_EQ(parent.seen, std::vector<std::string>{"notify 8"});
}

TEST(Reflection, OwnerDrawAndColourRequestsGoBackToTheControl) {
    Parent parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    ReflectingButton& button = parent.button;
    button.seen.clear();

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = ChildId;
    item.hwndItem = button.m_hWnd;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, ChildId, reinterpret_cast<LPARAM>(&item)), TRUE);

    HDC dc = ::GetDC(button.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(button.m_hWnd));
    ::ReleaseDC(button.m_hWnd, dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), button.brush);
    EXPECT_EQ(button.seen, (std::vector<std::string>{"draw 42", "ctlcolor " + std::to_string(CTLCOLOR_BTN)}));
    AfxDeleteTempMaps();
}

namespace {

class UpperCaseEdit : public CWnd {
public:
    int preSubclassCalls = 0;
    void OnChar(UINT ch, UINT, UINT) {
        const MSG* current = GetCurrentMessage();
        DefWindowProc(
            WM_CHAR,
            reinterpret_cast<WPARAM>(::CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(ch)))),
            current->lParam);
    }

protected:
    void PreSubclassWindow() override { ++preSubclassCalls; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpperCaseEdit, CWnd)
ON_WM_CHAR()
END_MESSAGE_MAP()

std::string TextOf(HWND wnd) {
    char text[64] = {};
    ::GetWindowTextA(wnd, text, sizeof text);
    return text;
}

} // namespace

TEST(Subclassing, ExistingControlRoutesThroughTheObjectUntilUnsubclassed) {
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_WNDPROC));
    {
        UpperCaseEdit wrapper;
        ASSERT_TRUE(wrapper.SubclassWindow(edit));
        EXPECT_EQ(wrapper.preSubclassCalls, 1);
        EXPECT_EQ(CWnd::FromHandlePermanent(edit), &wrapper);

        UpperCaseEdit second;
        EXPECT_FALSE(second.SubclassWindow(edit)); // one object per window

        ::SendMessageA(edit, WM_CHAR, 'a', 1);
        EXPECT_EQ(TextOf(edit), "A");

        EXPECT_EQ(wrapper.UnsubclassWindow(), edit);
        EXPECT_EQ(wrapper.m_hWnd, nullptr);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_WNDPROC)), original);
        ::SendMessageA(edit, WM_CHAR, 'b', 1);
        EXPECT_EQ(TextOf(edit), "Ab");
    }
    EXPECT_TRUE(::IsWindow(edit)); // the unsubclassed object let the window live
    ::DestroyWindow(edit);
}

TEST(Subclassing, AttachMapsWithoutRoutingAndDetachLetsGo) {
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    CWnd wrapper;
    ASSERT_TRUE(wrapper.Attach(edit));
    EXPECT_EQ(CWnd::FromHandle(edit), &wrapper);
    EXPECT_EQ(wrapper.Detach(), edit);
    CWnd* temp = CWnd::FromHandle(edit);
    ASSERT_NE(temp, nullptr);
    EXPECT_NE(temp, &wrapper);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(edit)); // temporary wrappers never destroy their window
    ::DestroyWindow(edit);
}
