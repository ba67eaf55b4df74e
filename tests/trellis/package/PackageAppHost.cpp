// A CWinApp host built against the installed package: WinMain comes from the package, the
// application object starts the library and answers through its exit code.
#include <Trellis.h>

namespace {

class PackageApp : public CWinApp {
public:
    BOOL InitInstance() override {
        InitKaloControls();
        CWnd window;
        const BOOL created = window.CreateEx(0, AfxRegisterWndClass(0), "package host", WS_POPUP, 0, 0, 50,
                                             50, nullptr, nullptr);
        m_result = created && GetKaloFont(1) != nullptr && m_hInstance == GetModuleHandleA(nullptr) ? 0 : 4;
        return FALSE; // no main window: WinMain returns ExitInstance's code
    }
    int ExitInstance() override { return m_result; }

private:
    int m_result = 5;
};

PackageApp theApp;

} // namespace
