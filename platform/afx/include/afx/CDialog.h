// A dialog from a template found along the resource chain: modal (DoModal runs its own
// message loop) or modeless (Create). IDOK and IDCANCEL reach OnOK and OnCancel.
#pragma once

#include "afx/CWnd.h"

class AFX_API CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCSTR templateName, CWnd* parent = nullptr);

    // IDOK/IDCANCEL or the code given to EndDialog; -1 when the template is missing or the
    // dialog cannot be created.
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
    LPCSTR m_lpszTemplateName = nullptr;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(LPCDLGTEMPLATEA dialogTemplate, HWND parent, HINSTANCE module);
    void RunModalLoop();

    bool m_inModalLoop = false;
    INT_PTR m_nModalResult = -1;
};
