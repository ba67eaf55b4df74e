#include "DemoDialog.h"

#include "GalleryResources.h"

DemoDialog::DemoDialog(CWnd* parent) : KaloDialog(IDD_GALLERY_DIALOG, parent) {
    SetCustomButtons("Ok", "Apply", "Cancel");
    SetClosingButtons(1, 1, 1);
}

BOOL DemoDialog::OnInitDialog() {
    KaloDialog::OnInitDialog();
    m_remember.SubclassDlgItem(IDC_GALLERY_REMEMBER, this);
    m_remember.SetBackColor(GetInsideBackColor());
    m_remember.SetCheck(BST_CHECKED);
    RECT area{0, 0, 300, 50};
    AdjustWindows(&area, 1, 1);
    PlaceInWorkArea(1);
    return FALSE; // the dialog gave the focus to OK itself
}
