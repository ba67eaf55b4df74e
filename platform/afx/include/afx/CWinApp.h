// The host program object: one per process, started by AfxWinMain (InitInstance, then the
// message pump until the main window is gone).
#pragma once

#include "afx/CWnd.h"

class AFX_API CWinApp : public CCmdTarget {
public:
    // Registers the object as the process's application; construct it once, at static scope.
    explicit CWinApp(LPCSTR appName = nullptr);
    ~CWinApp() override;

    LPCSTR m_pszAppName;
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    // Destroying this window ends the message pump.
    CWnd* m_pMainWnd = nullptr;

    virtual BOOL InitInstance();
    // Pumps messages until WM_QUIT, then returns ExitInstance().
    virtual int Run();
    // The program's exit code: the WM_QUIT code by default.
    virtual int ExitInstance();
    // Idle work between messages; the default frees temporary wrappers. FALSE = no more work.
    virtual BOOL OnIdle(LONG count);
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Gets and dispatches one message; FALSE on WM_QUIT.
    BOOL PumpMessage();

protected:
    int m_exitCode = 0;
};

AFX_API CWinApp* AfxGetApp();
AFX_API CWnd* AfxGetMainWnd();
// Offers a message to PreTranslateMessage of its window and that window's ancestors.
AFX_API BOOL AfxPreTranslateMessage(MSG* msg);
// The program entry behind WinMain (link afxmain for a WinMain that calls it).
AFX_API int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
