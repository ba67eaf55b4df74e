#include "ButtonsPage.h"

#include "DemoDialog.h"

#include <memory>
#include <vector>

namespace {

constexpr int kLabelWidth = 130;
constexpr int kColumn = 112;
constexpr int kButtonWidth = 100;
constexpr int kRowHeight = 32;
constexpr UINT kOpenDialogId = 40;

const char* const kStates[] = {"normal", "focus", "mouse over", "pushed", "pushed + over", "disabled"};
const char* const kKinds[] = {"KaloButton", "KaloDialogButton", "KaloToolbarButton", "KaloBitmapButton"};

// A button whose system state is forced, so that one screenshot shows every state: the focus
// can only be in one place, the others come from the control's own flags.
template <class Button> class ForcedButton : public Button {
public:
    UINT forcedState = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == BM_GETSTATE) {
            return static_cast<LRESULT>(Button::WindowProc(message, wParam, lParam) | forcedState);
        }
        return Button::WindowProc(message, wParam, lParam);
    }
};

// One face of a bitmap button: a coloured block with a word on it.
CBitmap* FaceBitmap(COLORREF back, COLORREF text, const char* word) {
    auto* bitmap = new CBitmap;
    bitmap->Attach(KaloCtlCreateBitmap(kButtonWidth, 24, 32));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(bitmap);
    CRect all(0, 0, kButtonWidth, 24);
    dc.FillSolidRect(&all, back);
    dc.Draw3dRect(&all, text, text);
    CFont* font = dc.SelectObject(GetKaloFont(0));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(text);
    dc.DrawText(word, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(font);
    dc.SelectObject(previous);
    return bitmap;
}

class ButtonsPage : public GalleryPage {
public:
    void OnOpenDialog() {
        DemoDialog dialog(this);
        dialog.DoModal();
    }

protected:
    BOOL CreateControls() override { return CreatePushButtons() && CreateChecks() && CreateList(); }
    void PaintPage(CDC& dc, const CRect& client) override;

    DECLARE_MESSAGE_MAP()

private:
    template <class Button>
    Button* AddButton(std::unique_ptr<Button> button, const char* caption, DWORD style, const CRect& place,
                      UINT id = 0) {
        Button* raw = button.get();
        if (!button->Create(caption, WS_CHILD | WS_VISIBLE | style, place, this, id)) {
            return nullptr;
        }
        m_controls.push_back(std::move(button));
        return raw;
    }
    template <class Button> bool PushButtonRow(int row);
    bool CreatePushButtons();
    bool CreateChecks();
    bool CreateList();

    std::vector<std::unique_ptr<CWnd>> m_controls;
};

BEGIN_MESSAGE_MAP(ButtonsPage, GalleryPage)
ON_BN_CLICKED(kOpenDialogId, OnOpenDialog)
END_MESSAGE_MAP()

CRect Cell(int column, int top) {
    const int left = 10 + kLabelWidth + column * kColumn;
    return CRect(left, top, left + kButtonWidth, top + 24);
}

template <class Button> bool ButtonsPage::PushButtonRow(int row) {
    for (int state = 0; state < 6; ++state) {
        auto* button = AddButton(std::make_unique<ForcedButton<Button>>(), kStates[state], 0,
                                 Cell(state, 34 + row * kRowHeight));
        if (!button) {
            return false;
        }
        switch (state) {
        case 1:
            button->forcedState = BST_FOCUS;
            break;
        case 2:
            button->ModifyFlags(KaloButton::kMouseOver, 0);
            break;
        case 3:
            button->SetCheck(1);
            break;
        case 4:
            button->SetCheck(1);
            button->ModifyFlags(KaloButton::kMouseOver, 0);
            break;
        case 5:
            button->EnableWindow(FALSE);
            break;
        default:
            break;
        }
    }
    return true;
}

bool ButtonsPage::CreatePushButtons() {
    if (!PushButtonRow<KaloButton>(0) || !PushButtonRow<KaloDialogButton>(1) ||
        !PushButtonRow<KaloToolbarButton>(2)) {
        return false;
    }
    // Bitmap buttons have no focus look: the focus column shows the normal bitmap.
    for (int state = 0; state < 6; ++state) {
        auto* button =
            AddButton(std::make_unique<KaloBitmapButton>(), "", 0, Cell(state, 34 + 3 * kRowHeight));
        if (!button) {
            return false;
        }
        button->SetBitmaps(FaceBitmap(GetKaloColor(7), GetKaloColor(0), "normal"),
                           FaceBitmap(GetKaloColor(9), GetKaloColor(0), "over"),
                           FaceBitmap(GetKaloColor(2), GetKaloColor(9), "pushed"),
                           FaceBitmap(GetKaloColor(3), GetKaloColor(9), "pushed + over"),
                           FaceBitmap(GetKaloColor(5), GetKaloColor(6), "disabled"), 1);
        button->SetPushed(state == 3 || state == 4);
        if (state == 2 || state == 4) {
            button->ModifyFlags(KaloButton::kMouseOver, 0);
        }
        button->EnableWindow(state != 5);
    }
    return true;
}

bool ButtonsPage::CreateChecks() {
    const int checkTop = 200, radioTop = checkTop + kRowHeight;
    const char* const checkCaptions[] = {"unchecked", "checked",      "indeterminate",
                                         "push-like", "push-like on", "disabled"};
    for (int i = 0; i < 6; ++i) {
        const DWORD style = BS_AUTO3STATE | (i == 3 || i == 4 ? BS_PUSHLIKE : 0);
        auto* check =
            AddButton(std::make_unique<KaloCheckButton>(), checkCaptions[i], style, Cell(i, checkTop));
        if (!check) {
            return false;
        }
        check->SetBackColor(GetKaloColor(ZC_DIALOGBACKLIGHT));
        check->SetCheck(i == 1 || i == 4 || i == 5 ? 1 : i == 2 ? 2 : 0);
        check->EnableWindow(i != 5);
    }
    const char* const radioCaptions[] = {"round",     "round on",     "square",
                                         "square on", "push-like on", "disabled"};
    for (int i = 0; i < 6; ++i) {
        const DWORD style = BS_RADIOBUTTON | (i == 4 ? BS_PUSHLIKE : 0);
        auto* radio =
            AddButton(std::make_unique<KaloRadioButton>(), radioCaptions[i], style, Cell(i, radioTop));
        if (!radio) {
            return false;
        }
        radio->SetBackColor(GetKaloColor(ZC_DIALOGBACKLIGHT));
        radio->SetRadioStyle(i == 2 || i == 3);
        radio->SetCheck(i == 1 || i == 3 || i == 4 || i == 5);
        radio->EnableWindow(i != 5);
    }
    return true;
}

bool ButtonsPage::CreateList() {
    auto list = std::make_unique<KaloCheckListBox>();
    if (!list->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, CRect(10 + kLabelWidth, 300, 350, 420),
                      this, 0)) {
        return false;
    }
    list->SetFont(GetKaloFont(0), FALSE);
    const char* const items[] = {"Gravity", "Friction", "Shadows", "Particles", "Sound", "Music"};
    for (int i = 0; i < 6; ++i) {
        list->AddString(items[i]);
        list->SetCheck(i, i % 2 == 0);
    }
    list->SetCurSel(1);
    m_controls.push_back(std::move(list));
    return AddButton(std::make_unique<KaloButton>(), "Open a KaloDialog...", 0,
                     CRect(380 + kLabelWidth, 300, 540 + kLabelWidth, 326), kOpenDialogId) != nullptr;
}

void ButtonsPage::PaintPage(CDC& dc, const CRect& client) {
    GalleryPage::PaintPage(dc, client);
    for (int state = 0; state < 6; ++state) {
        Label(dc, Cell(state, 0).left + 4, 12, kStates[state]);
    }
    for (int row = 0; row < 4; ++row) {
        Label(dc, 10, 38 + row * kRowHeight, kKinds[row]);
    }
    Label(dc, 10, 178, "Check and radio buttons");
    Label(dc, 10, 204, "KaloCheckButton");
    Label(dc, 10, 204 + kRowHeight, "KaloRadioButton");
    Label(dc, 10, 302, "KaloCheckListBox");
}

} // namespace

std::unique_ptr<GalleryPage> MakeButtonsPage() {
    return std::make_unique<ButtonsPage>();
}
