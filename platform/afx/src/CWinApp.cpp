#include <afxwin.h>

namespace {

CWinApp* theApplication = nullptr;

} // namespace

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName) {
    theApplication = this;
}

CWinApp::~CWinApp() {
    if (theApplication == this)
        theApplication = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    for (;;) {
        MSG peek;
        for (LONG idle = 0; !::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE);)
            if (!OnIdle(idle++))
                break;
        if (!PumpMessage())
            return ExitInstance();
    }
}

int CWinApp::ExitInstance() {
    return m_exitCode;
}

BOOL CWinApp::OnIdle(LONG count) {
    if (count == 0)
        AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    return AfxPreTranslateMessage(msg);
}

BOOL CWinApp::PumpMessage() {
    MSG msg;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        m_exitCode = static_cast<int>(msg.wParam);
        return FALSE;
    }
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

CWinApp* AfxGetApp() {
    return theApplication;
}

CWnd* AfxGetMainWnd() {
    return theApplication ? theApplication->m_pMainWnd : nullptr;
}

BOOL AfxPreTranslateMessage(MSG* msg) {
    for (HWND wnd = msg->hwnd; wnd; wnd = ::GetParent(wnd)) {
        CWnd* object = CWnd::FromHandlePermanent(wnd);
        if (object && object->PreTranslateMessage(msg))
            return TRUE;
    }
    return FALSE;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    app->m_nCmdShow = show;
    AfxEnsureCommonControls();
    // Without a main window there is nothing to end the pump: a program whose work was
    // all done in InitInstance (a dialog, say) ends here.
    if (!app->InitInstance() || !app->m_pMainWnd)
        return app->ExitInstance();
    return app->Run();
}
