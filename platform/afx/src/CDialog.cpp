#include "CreationHook.h"

namespace {

INT_PTR CALLBACK AfxDlgProc(HWND wnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(wnd));
    return dialog ? dialog->OnInitDialog() : TRUE;
}

// A dialog template located along the resource chain, loaded for as long as it is used.
struct FoundTemplate {
    HINSTANCE module = nullptr;
    LPCDLGTEMPLATEA data = nullptr;

    FoundTemplate(LPCSTR name, HMODULE only) {
        if (!name)
            return;
        module = only ? only : AfxFindResourceHandle(name, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
        HRSRC resource = ::FindResourceA(module, name, MAKEINTRESOURCEA(5));
        HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
        data = loaded ? static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)) : nullptr;
    }
};

// A dialog is owned by a top-level window, never by a child control it was handed.
HWND OwnerFor(CWnd* parent) {
    CWnd* main = AfxGetMainWnd();
    HWND given = parent ? parent->m_hWnd : main ? main->m_hWnd : nullptr;
    return given ? ::GetAncestor(given, GA_ROOT) : nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)), m_pParentWnd(parent) {}

CDialog::CDialog(LPCSTR templateName, CWnd* parent)
    : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEA dialogTemplate, HWND parent, HINSTANCE module) {
    if (!dialogTemplate || m_hWnd)
        return FALSE;
    AfxEnsureCommonControls();
    HWND created;
    {
        CreationHook hook(this, ExpectedWindow::ForDialog(parent, module, dialogTemplate));
        created = ::CreateDialogIndirectParamA(module, dialogTemplate, parent, &AfxDlgProc, 0);
    }
    return created != nullptr && m_hWnd == created;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent) {
    m_lpDialogTemplate = dialogTemplate;
    m_pParentWnd = parent;
    return dialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal() {
    FoundTemplate found(m_lpDialogTemplate ? nullptr : m_lpszTemplateName, m_hTemplateModule);
    if (m_lpDialogTemplate) {
        found.data = m_lpDialogTemplate;
        found.module = AfxGetInstanceHandle();
    }
    HWND owner = OwnerFor(m_pParentWnd);
    bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    m_nModalResult = -1;
    m_inModalLoop = true; // so that EndDialog in OnInitDialog already counts
    // Disabled before creation, so the dialog's initialisation already sees a modal state.
    if (ownerWasEnabled)
        ::EnableWindow(owner, FALSE);
    if (!CreateFromTemplate(found.data, owner, found.module)) {
        m_inModalLoop = false;
        if (ownerWasEnabled)
            ::EnableWindow(owner, TRUE);
        return -1;
    }
    RunModalLoop();
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    // OnInitDialog may already have ended the dialog.
    if (m_inModalLoop && m_hWnd && !::IsWindowVisible(m_hWnd))
        ShowWindow(SW_SHOWNORMAL);
    MSG msg;
    while (m_inModalLoop && m_hWnd) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            AfxDeleteTempMaps();
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam)); // leave WM_QUIT for the outer loop
            break;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    m_inModalLoop = false;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    return Create(MAKEINTRESOURCEA(templateId), parent);
}

BOOL CDialog::Create(LPCSTR templateName, CWnd* parent) {
    m_lpszTemplateName = templateName;
    m_pParentWnd = parent;
    FoundTemplate found(templateName, m_hTemplateModule);
    return CreateFromTemplate(found.data, OwnerFor(parent), found.module);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent) {
    m_pParentWnd = parent;
    return CreateFromTemplate(dialogTemplate, OwnerFor(parent), AfxGetInstanceHandle());
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
    if (m_inModalLoop) {
        m_nModalResult = result;
        m_inModalLoop = false;
        ShowWindow(SW_HIDE);
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wake the modal loop
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, result);
    }
}

void CDialog::NextDlgCtrl() const {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

void CDialog::SetDefID(UINT id) {
    ::SendMessageA(m_hWnd, DM_SETDEFID, id, 0);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT rect) const {
    ::MapDialogRect(m_hWnd, rect);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    return m_hWnd && ::IsDialogMessageA(m_hWnd, msg);
}
