#include "StaticsPage.h"

namespace {

constexpr UINT kSplitId = 101;

// Two framed panes divided by a live split bar; the panes follow the bar as it moves.
class SplitPane : public CWnd {
public:
    SplitPane() : m_bar(KALO_SPLIT_VERTICAL | KALO_SPLIT_LIVE) {}

    BOOL Create(CWnd* parent) {
        if (!CWnd::Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                          CRect(0, 0, 10, 10), parent, 1)) {
            return FALSE;
        }
        m_left.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this);
        m_right.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this);
        m_right.SetBackColor(GetKaloColor(ZC_CONTROLBACKSELECT));
        m_bar.SetSize(6);
        m_bar.SetBackColor(GetKaloColor(ZC_CONTROLBORDER));
        return m_bar.Create(WS_CHILD | WS_VISIBLE, CRect(160, 0, 166, 10), this, kSplitId);
    }

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kSplitId && header->code != KALO_SPLIT_STARTED) {
            Layout();
        }
        *result = 0;
        return TRUE;
    }
    void OnSize(UINT, int, int) { Layout(); }

    void Layout() {
        CRect client, bar;
        GetClientRect(client);
        m_bar.GetWindowRect(bar);
        ScreenToClient(bar);
        m_bar.MoveWindow(bar.left, 0, bar.Width(), client.Height());
        m_left.MoveWindow(0, 0, bar.left, client.Height());
        m_right.MoveWindow(bar.right, 0, client.right - bar.right, client.Height());
    }

private:
    KaloStaticRectangle m_left;
    KaloStaticRectangle m_right;
    KaloSplitBar m_bar;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SplitPane, CWnd)
ON_WM_SIZE()
END_MESSAGE_MAP()

// A round light of one colour on the page's background, owned by the caller.
CBitmap* LightBitmap(COLORREF colour) {
    auto* bitmap = new CBitmap;
    bitmap->Attach(KaloCtlCreateBitmap(24, 24, 32));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(bitmap);
    dc.FillSolidRect(CRect(0, 0, 24, 24), GetKaloColor(ZC_DIALOGBACKLIGHT));
    CBrush fill;
    fill.CreateSolidBrush(colour);
    CBrush* previousBrush = dc.SelectObject(&fill);
    dc.Ellipse(2, 2, 22, 22);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previous);
    return bitmap;
}

constexpr UINT kBlinkTimer = 1;

class StaticsPage : public GalleryPage {
protected:
    BOOL CreateControls() override {
        const struct {
            const char* text;
            DWORD style;
        } texts[] = {
            {"Left aligned text", SS_LEFT},
            {"Centred text", SS_CENTER},
            {"Right aligned text", SS_RIGHT},
            {"A text far too long for its static ends in an ellipsis, as this one does", SS_CENTER},
        };
        int y = 40;
        for (const auto& t : texts) {
            auto text = std::make_unique<KaloStaticText>();
            text->Create(t.text, WS_CHILD | WS_VISIBLE | t.style, CRect(20, y, 240, y + 22), this);
            m_texts.push_back(std::move(text));
            y += 30;
        }
        m_rectangle.Create("", WS_CHILD | WS_VISIBLE, CRect(20, 200, 120, 280), this);
        m_accent.Create("", WS_CHILD | WS_VISIBLE, CRect(140, 200, 240, 280), this);
        m_accent.SetBackColor(GetKaloColor(ZC_CONTROLBACKSELECT));
        m_accent.SetBorderColor(GetKaloColor(ZC_CONTROLTEXT));

        if (!m_view.Create(WS_CHILD | WS_VISIBLE, CRect(280, 40, 780, 360), this, 2)) {
            return FALSE;
        }
        m_view.ShowToolBar(1);
        m_view.ShowLeftBar(1);
        m_view.SetToolBarSize(28);
        auto pane = std::make_unique<SplitPane>();
        if (!pane->Create(&m_view)) {
            return FALSE;
        }
        m_view.SetManagedWnd(pane.release()); // the view owns it from here

        for (int i = 0; i < 3; ++i) {
            KaloLed& led = m_leds[i];
            const int left = 20 + i * 40;
            led.Create("", WS_CHILD | WS_VISIBLE, CRect(left, 330, left + 24, 354), this, 10 + i);
            CBitmap* off = LightBitmap(RGB(60, 40, 40));
            CBitmap* on = LightBitmap(RGB(255, 40, 40));
            led.SetBitmaps(off, off, on, on, off, 1);
            led.SetFadeTime(600);
        }
        m_leds[1].SetCheck(1);
        m_leds[2].SetCheck(1);
        SetTimer(kBlinkTimer, 1500);
        return TRUE;
    }

    // The third light keeps fading on and off.
    void OnTimer(UINT_PTR) { m_leds[2].SetCheck(!(m_leds[2].GetFlags() & KaloButton::kCheckMask)); }

    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 20, 16, "KaloStaticText");
        Label(dc, 20, 176, "KaloStaticRectangle");
        Label(dc, 20, 306, "KaloLed: off, on, fading");
        Label(dc, 280, 16, "KaloView: tool bar, left bar, panes with a split bar (drag it)");
    }

private:
    std::vector<std::unique_ptr<KaloStaticText>> m_texts;
    KaloStaticRectangle m_rectangle;
    KaloStaticRectangle m_accent;
    KaloView m_view;
    KaloLed m_leds[3];

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(StaticsPage, GalleryPage)
ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

std::unique_ptr<GalleryPage> MakeStaticsPage() {
    return std::make_unique<StaticsPage>();
}
