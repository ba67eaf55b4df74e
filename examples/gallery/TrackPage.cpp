#include "TrackPage.h"

#include <cstdio>

namespace {

const UINT kTrackId = 1;

// Key bars: a row of coloured blocks whose places and colour follow the item and sub-item.
void DrawKeyBars(KaloTrackCtrl*, int item, int sub, CDC* dc, RECT rect, void*) {
    static const COLORREF colors[] = {RGB(214, 96, 77), RGB(90, 160, 220), RGB(120, 190, 100),
                                      RGB(230, 180, 60), RGB(170, 110, 200)};
    const COLORREF color = colors[(item + sub) % 5];
    const int height = rect.bottom - rect.top;
    dc->FillSolidRect(rect.left, rect.top + height / 2, rect.right - rect.left, 1, RGB(200, 200, 200));
    for (int key = 0; key < 8; ++key) {
        const int x = rect.left + 8 + key * 46 + (item * 17 + sub * 29) % 23;
        const int width = 12 + (item * 5 + key * 7) % 20;
        dc->FillSolidRect(x, rect.top + 3, width, height - 6, color);
    }
}

class TrackPage : public GalleryPage {
protected:
    BOOL CreateControls() override {
        CRect client;
        GetClientRect(&client);
        client.DeflateRect(10, 30, 10, 10);
        if (!m_track.Create(WS_CHILD | WS_VISIBLE, client, this, kTrackId)) {
            return FALSE;
        }
        m_track.SetSubItemHeight(16);
        m_track.SetSubItemDefaultDrawFunction(DrawKeyBars, nullptr);
        static const char* const parts[] = {"位置", "旋转", "缩放", "颜色", "透明度"};
        char name[32];
        for (int i = 0; i < 36; ++i) {
            std::snprintf(name, sizeof name, "Track %02d", i);
            const int item = m_track.AddItem(name, nullptr);
            for (int k = 0; k < i % 5; ++k) {
                m_track.AddSubItem(item, parts[k], nullptr);
            }
            if (i % 7 == 3) {
                m_track.Expand(item, KALOTRACK_COLLAPSE);
            }
        }
        m_track.Expand(0, KALOTRACK_EXPAND_RELAYOUT);
        m_track.SetSplitBarPosition(client.Width() / 3);
        // Every state at once: two selected names, a selected sub-item, the current row with
        // the focus, and a rename in progress.
        m_track.SelectItem(1, KALOTRACK_SEL_SELECT);
        m_track.SelectItem(4, KALOTRACK_SEL_SELECT | KALOTRACK_SEL_KEEPOTHERS);
        m_track.SelectSubItem(2, 1, KALOTRACK_SEL_SELECT);
        m_track.SetCurrentItem(4, -1);
        m_track.SetFocus();
        m_track.EditItemName(6);
        return TRUE;
    }

    void PaintPage(CDC& dc, const CRect& client) override {
        GalleryPage::PaintPage(dc, client);
        Label(dc, 10, 8,
              "Track control: drag a name to move its track, click a marker to expand or collapse.");
    }

    // A drag that starts on a name moves that track to where it is dropped.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto* record = reinterpret_cast<const KALOTRACKNMHDR*>(lParam);
        if (record->hdr.idFrom != kTrackId) {
            return GalleryPage::OnNotify(wParam, lParam, result);
        }
        *result = 0;
        UINT where = KTHT_NOWHERE;
        int sub = -1;
        switch (record->hdr.code) {
        case KTN_BEGINDRAG:
            m_dragged = m_track.HitTest(record->point, &where, &sub, nullptr);
            *result = where == KTHT_NAME ? 1 : 0;
            break;
        case KTN_ENDDRAG:
            if (m_dragged >= 0 && record->item >= 0) {
                m_track.MoveItem(m_dragged, record->item);
                m_track.Invalidate(FALSE);
            }
            m_dragged = -1;
            break;
        case KTN_DBLCLK:
            if (record->item >= 0 && record->subItem < 0) {
                m_track.EditItemName(record->item);
            }
            break;
        default:
            break;
        }
        return TRUE;
    }

private:
    KaloTrackCtrl m_track;
    int m_dragged = -1;
};

} // namespace

std::unique_ptr<GalleryPage> MakeTrackPage() {
    return std::make_unique<TrackPage>();
}
