#include "DialogPage.h"

#include "DemoDialog.h"
#include "GalleryResources.h"

namespace {

constexpr UINT kShowDialog = WM_APP + 1;

class DialogPage : public GalleryPage {
public:
    DialogPage() : m_dialog(this) {}

    // Shown once the gallery itself is on the screen: an owned window shown while its owner
    // is still hidden stays hidden.
    LRESULT OnShowDialog(WPARAM, LPARAM) {
        CRect page;
        GetWindowRect(&page);
        m_dialog.SetWindowPos(nullptr, page.left + 20, page.top + 40, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        return 0;
    }

protected:
    BOOL CreateControls() override {
        // Modeless, so that it shows together with the page.
        if (!m_dialog.Create(IDD_GALLERY_DIALOG, this)) {
            return FALSE;
        }
        PostMessage(kShowDialog);
        return TRUE;
    }
    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 20, 12,
              "KaloDialog: caption band, rounded outline, two-tone background, OK / Apply / Cancel");
    }

    DECLARE_MESSAGE_MAP()

private:
    DemoDialog m_dialog;
};

BEGIN_MESSAGE_MAP(DialogPage, GalleryPage)
ON_MESSAGE(kShowDialog, OnShowDialog)
END_MESSAGE_MAP()

} // namespace

std::unique_ptr<GalleryPage> MakeDialogPage() {
    return std::make_unique<DialogPage>();
}
