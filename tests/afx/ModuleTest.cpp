// The module side: the resource chain searched for resources, window classes registered
// once, and the application object's start and message pump.
#include "ChainResources.h"

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

struct LoadedLibrary {
    HMODULE module = ::LoadLibraryA("afx_test_resources.dll");
    ~LoadedLibrary() { ::FreeLibrary(module); }
};

} // namespace

TEST(ResourceChain, ResourcesOfAJoinedLibraryAreFoundUntilItLeaves) {
    LoadedLibrary library;
    ASSERT_NE(library.module, nullptr);
    AFX_EXTENSION_MODULE extension{};
    ASSERT_TRUE(AfxInitExtensionModule(extension, library.module));
    EXPECT_FALSE(AfxIsModuleInResourceChain(library.module));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(IDB_CHAIN)); // not in the program, not yet chained

    new CDynLinkLibrary(extension);
    EXPECT_TRUE(AfxIsModuleInResourceChain(library.module));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_CHAIN), MAKEINTRESOURCEA(5) /* dialog */),
              library.module);
    CBitmap found;
    ASSERT_TRUE(found.LoadBitmap(IDB_CHAIN));
    BITMAP info{};
    found.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 4);

    AfxTermExtensionModule(extension);
    EXPECT_FALSE(AfxIsModuleInResourceChain(library.module));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_CHAIN), MAKEINTRESOURCEA(5)),
              AfxGetResourceHandle());
}

TEST(WindowClasses, SameAttributesGiveTheSameRegisteredClass) {
    LPCSTR first = AfxRegisterWndClass(CS_DBLCLKS);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(AfxRegisterWndClass(CS_DBLCLKS), first);
    LPCSTR other = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW);
    EXPECT_STRNE(other, first);
    WNDCLASSA info{};
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), other, &info));
}

TEST(RichEdit, InitialisationMakesTheControlClassAvailable) {
    ASSERT_TRUE(AfxInitRichEdit2());
    WNDCLASSA info{};
    EXPECT_TRUE(::GetClassInfoA(nullptr, "RichEdit20A", &info));
}

namespace {

class ProbeApp : public CWinApp {
public:
    CWnd mainWnd;
    int preTranslated = 0;
    bool idleRan = false;

    BOOL InitInstance() override {
        if (!mainWnd.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr))
            return FALSE;
        m_pMainWnd = &mainWnd;
        mainWnd.GetDlgItem(1); // leaves a temporary wrapper for idle time to free
        CWnd::FromHandle(::GetDesktopWindow());
        mainWnd.PostMessage(WM_APP);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        preTranslated += msg->message == WM_APP;
        return CWinApp::PreTranslateMessage(msg);
    }
    BOOL OnIdle(LONG count) override {
        CWinApp::OnIdle(count);
        if (!idleRan && AfxTempMapCount() == 0) {
            idleRan = true;
            mainWnd.PostMessage(WM_CLOSE); // the pump got idle: end the program
        }
        return FALSE;
    }
    int ExitInstance() override { return CWinApp::ExitInstance() + 7; }
};

} // namespace

TEST(Application, RunsUntilTheMainWindowIsDestroyed) {
    ProbeApp app;
    ASSERT_EQ(AfxGetApp(), &app);
    int exitCode = AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE);
    EXPECT_EQ(exitCode, 7);
    EXPECT_EQ(app.preTranslated, 1);
    EXPECT_TRUE(app.idleRan);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(app.mainWnd.m_hWnd, nullptr);
}

TEST(Application, WithoutAMainWindowTheProgramEndsAfterInitInstance) {
    CWinApp app;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE), 0);
}
