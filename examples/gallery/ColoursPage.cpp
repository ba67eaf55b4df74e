#include "ColoursPage.h"

#include <cstdio>

namespace {

const UINT FirstButtonId = 20;
const int ButtonCount = 4;
const char* const ButtonTexts[ButtonCount] = {"KaloColorDialog modal", "KaloColorDialog modeless",
                                              "KaloColorDialog2 modal", "KaloColorDialog2 modeless"};
const CRect SwatchPlace(20, 60, 120, 120);

class ColoursPage : public GalleryPage {
public:
    ~ColoursPage() override;

protected:
    BOOL CreateControls() override;
    void PaintPage(CDC& dc, const CRect& client) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    std::unique_ptr<KaloColorDialog> MakeDialog(bool palette);
    // Opens a dialog beside the buttons at `x` in the page, modeless.
    void OpenModeless(std::unique_ptr<KaloColorDialog>& slot, bool palette, int x);
    void RunModal(bool palette);
    void Take(const KaloColorDialog& dialog);

    KaloButton m_buttons[ButtonCount];
    std::unique_ptr<KaloColorDialog> m_plain;
    std::unique_ptr<KaloColorDialog> m_palette;
    KaloColorDialog* m_modal = nullptr;
    DWORD m_chosen = 0xFF3366CC;
};

ColoursPage::~ColoursPage() = default;

BOOL ColoursPage::CreateControls() {
    for (int i = 0; i < ButtonCount; ++i) {
        const CRect place(20 + 190 * i, 20, 200 + 190 * i, 44);
        if (!m_buttons[i].Create(ButtonTexts[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, place, this,
                                 FirstButtonId + i)) {
            return FALSE;
        }
    }
    // Opened once the gallery window is up: it is still being created now.
    PostMessage(WM_COMMAND, FirstButtonId + 1);
    PostMessage(WM_COMMAND, FirstButtonId + 3);
    return TRUE;
}

std::unique_ptr<KaloColorDialog> ColoursPage::MakeDialog(bool palette) {
    std::unique_ptr<KaloColorDialog> dialog =
        palette ? std::make_unique<KaloColorDialog2>(this) : std::make_unique<KaloColorDialog>(this);
    dialog->SetStartColor((m_chosen >> 16 & 0xFF) / 255.0f, (m_chosen >> 8 & 0xFF) / 255.0f,
                          (m_chosen & 0xFF) / 255.0f, (m_chosen >> 24) / 255.0f);
    return dialog;
}

void ColoursPage::OpenModeless(std::unique_ptr<KaloColorDialog>& slot, bool palette, int x) {
    if (slot) {
        slot->SetForegroundWindow();
        return;
    }
    slot = MakeDialog(palette);
    if (!slot->Create(this)) {
        slot.reset();
        return;
    }
    CPoint corner(x, 140);
    ClientToScreen(&corner);
    slot->SetWindowPos(nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    slot->ShowWindow(SW_SHOW);
}

void ColoursPage::RunModal(bool palette) {
    std::unique_ptr<KaloColorDialog> dialog = MakeDialog(palette);
    m_modal = dialog.get();
    if (dialog->DoModal() == IDOK) {
        Take(*dialog);
    }
    m_modal = nullptr;
}

void ColoursPage::Take(const KaloColorDialog& dialog) {
    m_chosen = dialog.GetCurrentColor();
    InvalidateRect(CRect(SwatchPlace.left, SwatchPlace.top, SwatchPlace.right + 300, SwatchPlace.bottom),
                   FALSE);
}

BOOL ColoursPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (static_cast<int>(LOWORD(wParam)) - static_cast<int>(FirstButtonId)) {
    case 0:
        RunModal(false);
        return TRUE;
    case 1:
        OpenModeless(m_plain, false, 20);
        return TRUE;
    case 2:
        RunModal(true);
        return TRUE;
    case 3:
        OpenModeless(m_palette, true, 480);
        return TRUE;
    default:
        return GalleryPage::OnCommand(wParam, lParam);
    }
}

// Modeless dialogs report every change (17) and their end (20 OK, 21 Cancel): the page takes
// the colour, and on the end deletes the dialog, whose window is already gone.
BOOL ColoursPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    for (std::unique_ptr<KaloColorDialog>* slot : {&m_plain, &m_palette}) {
        if (*slot && (header->hwndFrom == (*slot)->GetSafeHwnd() || !(*slot)->GetSafeHwnd())) {
            Take(**slot);
            if (header->code == KaloColorDialog::NotifyOk || header->code == KaloColorDialog::NotifyCancel) {
                slot->reset();
            }
            return TRUE;
        }
    }
    if (m_modal && header->hwndFrom == m_modal->GetSafeHwnd()) {
        Take(*m_modal);
        return TRUE;
    }
    return GalleryPage::OnNotify(wParam, lParam, result);
}

void ColoursPage::PaintPage(CDC& dc, const CRect& client) {
    GalleryPage::PaintPage(dc, client);
    dc.FillSolidRect(&SwatchPlace, RGB(m_chosen >> 16 & 0xFF, m_chosen >> 8 & 0xFF, m_chosen & 0xFF));
    char text[64];
    std::snprintf(text, sizeof(text), "chosen colour 0x%08lX (AARRGGBB)",
                  static_cast<unsigned long>(m_chosen));
    Label(dc, SwatchPlace.right + 12, SwatchPlace.top + 4, text);
    Label(dc, SwatchPlace.right + 12, SwatchPlace.top + 24, "modeless dialogs report each change as they go");
}

} // namespace

std::unique_ptr<GalleryPage> MakeColoursPage() {
    return std::make_unique<ColoursPage>();
}
