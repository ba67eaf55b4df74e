// A dialog from a template found along the resource chain: modal (DoModal runs its own
// message loop) or modeless (Create). IDOK and IDCANCEL reach OnOK and OnCancel.
#pragma once

#include "afx/CWnd.h"

class AFX_API CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCSTR templateName, CWnd* parent = nullptr);

    // Prepares DoModal to run from a template in memory (kept by the caller until it ends).
    BOOL InitModalIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent = nullptr);
    // IDOK/IDCANCEL or the code given to EndDialog; -1 when the template is missing or the
    // dialog cannot be created. The top-level window of the parent (or the main window) is
    // disabled meanwhile and gets the activation back at the end.
    virtual INT_PTR DoModal();
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(LPCSTR templateName, CWnd* parent = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent = nullptr);

    // TRUE lets the system put the focus on the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Ends a modal loop with `result`; hides a modeless dialog.
    void EndDialog(int result);

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT rect) const;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // Looks the template up in `module` only instead of along the resource chain: for a
    // library's own dialogs, whose ids a host may use for unrelated templates of its own.
    void SetTemplateModule(HMODULE module) { m_hTemplateModule = module; }

    LPCSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATEA m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(LPCDLGTEMPLATEA dialogTemplate, HWND parent, HINSTANCE module);
    void RunModalLoop();

    HMODULE m_hTemplateModule = nullptr;
    bool m_inModalLoop = false;
    INT_PTR m_nModalResult = -1;
};
