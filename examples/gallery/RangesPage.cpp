#include "RangesPage.h"

#include <array>

namespace {

class RangesPage : public GalleryPage {
protected:
    BOOL CreateControls() override {
        return CreateScrollBars() && CreateSliders() && CreateProgressBars() && CreateKnobs();
    }
    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 20, 14, "KaloScrollBar");
        Label(dc, 20, 104, "KaloSlider: 普通 / 范围标签 / 禁用 / 竖直");
        Label(dc, 20, 254, "KaloProgressBar: 实心 / 渐变 / 边框 / 竖直  (0, 30, 70, 100)");
        Label(dc, 20, 474, "KaloSpinButton (旋钮): 0, 25, 50, 100");
    }

private:
    BOOL CreateScrollBars() {
        if (!m_scroll[0].Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(20, 40, 320, 58), this, 100) ||
            !m_scroll[1].Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(340, 30, 358, 100), this, 101)) {
            return FALSE;
        }
        for (KaloScrollBar& bar : m_scroll) {
            bar.SetScrollRange(0, 100);
        }
        m_scroll[0].SetScrollPos(30);
        m_scroll[1].SetScrollPos(70);
        return TRUE;
    }
    BOOL CreateSliders() {
        const DWORD base = WS_CHILD | WS_VISIBLE;
        const DWORD styles[] = {base | TBS_HORZ, base | TBS_HORZ, base | TBS_HORZ | WS_DISABLED,
                                base | TBS_VERT};
        const CRect places[] = {CRect(20, 130, 260, 160), CRect(20, 170, 260, 210), CRect(20, 215, 260, 245),
                                CRect(300, 130, 330, 245)};
        for (size_t i = 0; i < m_sliders.size(); ++i) {
            if (!m_sliders[i].Create(styles[i], places[i], this, static_cast<UINT>(110 + i))) {
                return FALSE;
            }
            m_sliders[i].SetRange(0, 100);
            m_sliders[i].SetPos(20 + 20 * static_cast<int>(i));
        }
        m_sliders[1].ShowRange(TRUE);
        return TRUE;
    }
    BOOL CreateProgressBars() {
        const DWORD kinds[] = {0, KaloProgressBlended, KaloProgressFrame,
                               KaloProgressVertical | KaloProgressFrame};
        const int values[] = {0, 30, 70, 100};
        for (size_t k = 0; k < 4; ++k) {
            for (size_t v = 0; v < 4; ++v) {
                KaloProgressBar& bar = m_bars[k * 4 + v];
                const bool vertical = (kinds[k] & KaloProgressVertical) != 0;
                const int x = vertical ? 20 + static_cast<int>(v) * 40 : 20 + static_cast<int>(v) * 130;
                const int y = vertical ? 370 : 280 + static_cast<int>(k) * 24;
                const CRect place = vertical ? CRect(x, y, x + 16, y + 90) : CRect(x, y, x + 120, y + 14);
                if (!bar.Create(WS_CHILD | WS_VISIBLE | kinds[k], place, this,
                                static_cast<UINT>(200 + k * 4 + v))) {
                    return FALSE;
                }
                bar.SetPos(values[v]);
            }
        }
        return TRUE;
    }
    BOOL CreateKnobs() {
        const int values[] = {0, 25, 50, 100};
        for (size_t i = 0; i < m_knobs.size(); ++i) {
            const int x = 20 + static_cast<int>(i) * 70;
            if (!m_knobs[i].Create(WS_CHILD | WS_VISIBLE, CRect(x, 500, x + 50, 550), this,
                                   static_cast<UINT>(300 + i))) {
                return FALSE;
            }
            m_knobs[i].SetPos(values[i]);
        }
        return TRUE;
    }

    std::array<KaloScrollBar, 2> m_scroll;
    std::array<KaloSlider, 4> m_sliders;
    std::array<KaloProgressBar, 16> m_bars;
    std::array<KaloSpinButton, 4> m_knobs;
};

} // namespace

std::unique_ptr<GalleryPage> MakeRangesPage() {
    return std::make_unique<RangesPage>();
}
