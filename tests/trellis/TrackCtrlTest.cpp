// KaloTrackCtrl as a window: hit codes, notification sequences from real mouse and key input,
// renaming, scrolling with counted repaints, painting into a DIB and resizing.
#include "RealMouse.h"
#include "TrellisTestSupport.h"

#include <string>
#include <vector>

namespace {

// Key and wheel input travels through the X server: give it time to arrive.
void Settle(int ms = 120) {
    for (int waited = 0; waited < ms; waited += 10) {
        PumpFor(0);
        Sleep(10);
    }
    PumpFor(0);
}

void SendAndSettle(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Settle();
}

struct Note {
    UINT code;
    int item;
    int subItem;
    POINT point;
    POINT trackPoint;
};

// The parent: records every track notification and answers begin drag with `dragAnswer`.
class HostWnd : public CWnd {
public:
    std::vector<Note> notes;
    std::vector<UINT> foreign; // notifications from anything but the track control
    LRESULT dragAnswer = 1;
    std::vector<UINT> Codes(bool collapseRuns = true) const {
        std::vector<UINT> codes;
        for (const Note& note : notes) {
            if (!collapseRuns || codes.empty() || codes.back() != note.code) {
                codes.push_back(note.code);
            }
        }
        return codes;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->idFrom == 7) {
            const auto* record = reinterpret_cast<const KALOTRACKNMHDR*>(lParam);
            notes.push_back(
                {record->hdr.code, record->item, record->subItem, record->point, record->trackPoint});
            const UINT code = record->hdr.code;
            const bool beginDrag =
                code == KTN_BEGINDRAG || code == KTN_BEGINDRAG + 3 || code == KTN_BEGINDRAG + 6;
            return beginDrag ? dragAnswer : 0;
        }
        if (message == WM_NOTIFY) {
            foreign.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

const COLORREF kTrackRed = RGB(200, 0, 0);

struct DrawLog {
    int calls = 0;
    std::vector<int> items;
};

void CountingDraw(KaloTrackCtrl*, int item, int, CDC* dc, RECT rect, void* data) {
    auto* log = static_cast<DrawLog*>(data);
    ++log->calls;
    log->items.push_back(item);
    dc->FillSolidRect(&rect, kTrackRed);
}

enum Button { Left, Middle, Right };
const DWORD kDown[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_RIGHTDOWN};
const DWORD kUp[] = {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_MIDDLEUP, MOUSEEVENTF_RIGHTUP};

class TrackWindow : public HostWindowTest<HostWnd> {
protected:
    static constexpr int kWidth = 400, kHeight = 240; // client size

    TrackWindow() : HostWindowTest(CRect(40, 40, 500, 340)) {}
    void SetUp() override {
        HostWindowTest::SetUp();
        // The border takes one pixel on each side.
        ASSERT_TRUE(
            m_track.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 12 + kWidth, 12 + kHeight), &m_parent, 7));
        m_track.SetSubItemDefaultDrawFunction(CountingDraw, &m_draws);
        m_parent.SetForegroundWindow();
        SetCursorPos(0, 0);
        Settle();
    }
    void TearDown() override {
        m_track.DestroyWindow();
        HostWindowTest::TearDown();
    }

    void AddTracks(int count, int subs) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "Track " + std::to_string(i);
            const int item = m_track.AddItem(name.c_str(), nullptr);
            for (int k = 0; k < subs; ++k) {
                m_track.AddSubItem(item, ("sub " + std::to_string(k)).c_str(), nullptr);
            }
        }
    }
    POINT Screen(POINT client) const {
        m_track.ClientToScreen(&client);
        return client;
    }
    void Click(Button button, POINT client) {
        const POINT at = Screen(client);
        PlayMouse({{at, 0}, {at, kDown[button]}, {at, kUp[button]}});
    }
    void DoubleClick(Button button, POINT client) {
        const POINT at = Screen(client);
        PlayMouse({{at, 0}, {at, kDown[button]}, {at, kUp[button]}, {at, kDown[button]}, {at, kUp[button]}});
    }
    // Press, move `steps` times by `step` pixels down, release.
    void Drag(Button button, POINT from, int steps, int step) {
        POINT at = Screen(from);
        std::vector<MouseStep> gesture{{at, 0}, {at, kDown[button]}};
        for (int i = 0; i < steps; ++i) {
            at.y += step;
            gesture.push_back({at, 0});
        }
        gesture.push_back({at, kUp[button]});
        PlayMouse(gesture);
    }
    void Wheel(int notches) {
        INPUT wheel{};
        wheel.type = INPUT_MOUSE;
        wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
        wheel.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
        SendAndSettle({wheel});
    }
    void Type(const char* text) {
        std::vector<INPUT> keys;
        for (const char* c = text; *c; ++c) {
            INPUT key{};
            key.type = INPUT_KEYBOARD;
            key.ki.wVk = LOBYTE(VkKeyScanA(*c));
            keys.push_back(key);
            key.ki.dwFlags = KEYEVENTF_KEYUP;
            keys.push_back(key);
        }
        SendAndSettle(keys);
    }
    void Key(WORD vk) {
        SendKeyPress(vk);
        Settle();
    }
    int TextWidth(const char* text) {
        CClientDC dc(&m_track);
        CFont* previous = dc.SelectObject(m_track.GetControlFont());
        const int width = dc.GetTextExtent(text).cx;
        dc.SelectObject(previous);
        return width;
    }
    int SplitRight() { return m_track.GetSplitBarPosition() + m_track.GetSplitBar()->GetSize(); }
    void FullPaint() {
        m_track.UpdateWindow();
        m_draws = DrawLog{};
        m_track.Invalidate(FALSE);
        m_track.UpdateWindow();
    }
    void ScrollBar(UINT code) {
        HWND bar = ::GetDlgItem(m_track.GetSafeHwnd(), KaloTrackCtrl::ScrollBarId);
        m_track.SendMessage(WM_VSCROLL, code, reinterpret_cast<LPARAM>(bar));
    }

    KaloTrackCtrl m_track;
    DrawLog m_draws;
};

} // namespace

TEST_F(TrackWindow, HitCodesAtItemEdgesSubItemRowsAndTheSplitBar) {
    m_track.AddItem("Alpha", nullptr);
    m_track.AddSubItem(0, "s0", nullptr);
    m_track.AddSubItem(0, "s1", nullptr);
    m_track.AddItem("Beta", nullptr);
    m_track.AddSubItem(1, "b0", nullptr);
    m_track.Expand(1, KALOTRACK_COLLAPSE | KALOTRACK_EXPAND_RELAYOUT);
    const int split = m_track.GetSplitBarPosition(), right = SplitRight();
    const int alpha = TextWidth("Alpha"), s1 = TextWidth("s1");
    const int subEnd = split - 10; // sub-item names end half an item height before the bar
    struct Case {
        POINT point;
        int item;
        UINT where;
        int sub;
    };
    const Case cases[] = {
        {{0, 0}, 0, KTHT_MARKER, -1},
        {{19, 19}, 0, KTHT_MARKER, -1},
        {{20, 10}, 0, KTHT_NAME, -1},
        {{15 + alpha - 1, 10}, 0, KTHT_NAME, -1},
        {{15 + alpha + 1, 10}, 0, KTHT_NOWHERE, -1},
        {{10, 25}, 0, KTHT_NOWHERE, -1},
        {{subEnd - 1, 25}, 0, KTHT_SUBNAME, 1},
        {{subEnd - s1, 25}, 0, KTHT_SUBNAME, 1},
        {{subEnd - s1 - 1, 25}, 0, KTHT_NOWHERE, -1},
        {{subEnd, 25}, 0, KTHT_NOWHERE, -1},
        {{split, 25}, 0, KTHT_NOWHERE, -1},
        {{right - 1, 25}, 0, KTHT_NOWHERE, -1},
        {{right, 25}, 0, KTHT_TRACK, 1},
        {{kWidth - 1, 5}, 0, KTHT_TRACK, 0},
        {{right + 5, 45}, 1, KTHT_NOWHERE, -1},
        {{5, 41}, 1, KTHT_MARKER, -1},
        {{right + 5, 60}, -1, KTHT_NOWHERE, -1},
    };
    for (const Case& c : cases) {
        UINT where = 99;
        int sub = 99;
        RECT row{};
        EXPECT_EQ(m_track.HitTest(c.point, &where, &sub, &row), c.item) << c.point.x << "," << c.point.y;
        EXPECT_EQ(where, c.where) << c.point.x << "," << c.point.y;
        EXPECT_EQ(sub, c.sub) << c.point.x << "," << c.point.y;
        if (c.item == 0) {
            EXPECT_EQ(CRect(row), CRect(0, 0, kWidth, 40));
        }
    }
}

TEST_F(TrackWindow, MouseInputSendsClickDoubleClickAndDragSequences) {
    AddTracks(3, 2);
    const POINT track{SplitRight() + 30, 25};
    struct Case {
        const char* name;
        Button button;
        int action; // 0 click, 1 double-click, 2 drag, 3 one-pixel nudge
        LRESULT dragAnswer;
        std::vector<UINT> codes;
    };
    const Case cases[] = {
        {"left click", Left, 0, 1, {1}},
        {"middle click", Middle, 0, 1, {2}},
        {"right click", Right, 0, 1, {3}},
        {"left double-click", Left, 1, 1, {1, 4}},
        {"right double-click", Right, 1, 1, {3, 6}},
        {"left drag", Left, 2, 1, {7, 8, 9}},
        {"middle drag", Middle, 2, 1, {10, 11, 12}},
        {"right drag", Right, 2, 1, {13, 14, 15}},
        {"left drag refused", Left, 2, 0, {7}},
        {"one pixel is no drag", Left, 3, 0, {1}},
    };
    for (const Case& c : cases) {
        m_parent.notes.clear();
        m_parent.dragAnswer = c.dragAnswer;
        switch (c.action) {
        case 0:
            Click(c.button, track);
            break;
        case 1:
            DoubleClick(c.button, track);
            break;
        default:
            Drag(c.button, track, c.action == 2 ? 3 : 1, c.action == 2 ? 8 : 1);
            break;
        }
        // The next case's first press at the same place must not pair with this one's.
        Settle(static_cast<int>(GetDoubleClickTime()) + 50);
        EXPECT_EQ(m_parent.Codes(), c.codes) << c.name;
        EXPECT_EQ(m_track.GetMouseState(), 0) << c.name;
        ASSERT_FALSE(m_parent.notes.empty()) << c.name;
        EXPECT_EQ(m_parent.notes[0].item, 0) << c.name;
        EXPECT_EQ(m_parent.notes[0].subItem, 1) << c.name;
    }
    // The tool tip asks the host nothing.
    EXPECT_TRUE(m_parent.foreign.empty());
}

TEST_F(TrackWindow, RecordsCarryTrackPointsAndClicksSelectAndExpand) {
    AddTracks(2, 2);
    m_track.SetSubItemHOffset(100);
    Click(Left, {SplitRight() + 30, 25});
    Click(Left, {SplitRight() + 30, 200}); // below every item
    ASSERT_EQ(m_parent.notes.size(), 2u);
    EXPECT_EQ(m_parent.notes[0].trackPoint.x, 130);
    EXPECT_EQ(m_parent.notes[0].trackPoint.y, 25);
    EXPECT_EQ(m_parent.notes[1].item, -1);
    EXPECT_EQ(m_parent.notes[1].trackPoint.y, 200);

    // Names select (alone, or added with Ctrl) and become current; the marker toggles and still reports.
    Click(Left, {25, 10});
    EXPECT_EQ(m_track.GetItemFlags(0) & KALOTRACK_SELECTED, KALOTRACK_SELECTED);
    EXPECT_EQ(m_track.GetCurrentItem(), 0);
    Click(Left, {25, 50});
    EXPECT_EQ(m_track.GetItemFlags(0) & KALOTRACK_SELECTED, 0u);
    EXPECT_EQ(m_track.GetCurrentItem(), 1);
    m_parent.notes.clear();
    Click(Left, {5, 45});
    EXPECT_EQ(m_track.GetItemFlags(1) & KALOTRACK_EXPANDED, 0u);
    EXPECT_EQ(m_parent.Codes(), std::vector<UINT>{KTN_CLICK});
    EXPECT_EQ(m_track.GetContentHeight(), 60);
}

TEST_F(TrackWindow, RenameCommitsOnReturnAndFocusLossCancelsOnEscapeAndEndsWithItsItem) {
    AddTracks(4, 2);
    CWnd* edit = m_track.GetRenameEdit();

    m_track.EditItemName(0);
    EXPECT_TRUE(edit->IsWindowVisible());
    Type("zed");
    Key(VK_RETURN);
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_STREQ(m_track.GetItemText(0), "zed");
    ASSERT_EQ(m_parent.Codes(), std::vector<UINT>{KTN_RENAMEDONE});
    EXPECT_EQ(m_parent.notes[0].item, 0);
    EXPECT_EQ(m_parent.notes[0].subItem, -1);

    m_parent.notes.clear();
    m_track.EditSubItemName(1, 1);
    Type("q");
    Key(VK_ESCAPE);
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_STREQ(m_track.GetSubItemText(1, 1), "sub 1");
    EXPECT_TRUE(m_parent.notes.empty());

    // A click elsewhere takes the focus: the rename is reported before the click.
    m_track.EditSubItemName(1, 0);
    Type("k");
    Click(Left, {SplitRight() + 30, 25});
    EXPECT_EQ(m_parent.Codes(), (std::vector<UINT>{KTN_RENAMEDONE, KTN_CLICK}));
    EXPECT_STREQ(m_track.GetSubItemText(1, 0), "k");
    EXPECT_EQ(m_parent.notes[0].subItem, 0);

    m_parent.notes.clear();
    m_track.EditItemName(3);
    m_track.RemoveItem(3);
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_EQ(m_track.GetRenameItem(), -1);
    EXPECT_TRUE(m_parent.notes.empty());
}

TEST_F(TrackWindow, ScrollingByBarAndWheelRepaintsOnlyTheExposedRows) {
    AddTracks(50, 1);
    EXPECT_EQ(m_track.GetScrollBarWidth(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(m_track.GetSafeHwnd(), KaloTrackCtrl::ScrollBarId)));
    UINT where = 0;
    int sub = 0;
    m_track.HitTest({GetSystemMetrics(SM_CXVSCROLL), 5}, &where, &sub, nullptr);
    EXPECT_EQ(where, KTHT_MARKER); // the name column moved right by the strip

    FullPaint();
    EXPECT_EQ(m_draws.calls, kHeight / 20);
    EXPECT_EQ(m_draws.items.front(), 0);

    struct Step {
        UINT code;
        int position;
        int repainted; // draw callbacks after the scroll
    };
    const Step steps[] = {
        {SB_LINEDOWN, 20, 1},
        {SB_LINEDOWN, 40, 1},
        {SB_LINEUP, 20, 1},
        {SB_PAGEDOWN, 260, 12},
        {SB_BOTTOM, 1000 - kHeight, 12},
        {SB_LINEDOWN, 1000 - kHeight, 0},
        {SB_TOP, 0, 12},
        {SB_LINEUP, 0, 0},
    };
    for (const Step& s : steps) {
        m_draws = DrawLog{};
        ScrollBar(s.code);
        m_track.UpdateWindow();
        EXPECT_EQ(m_track.GetScrollPosition(), s.position) << "code " << s.code;
        EXPECT_EQ(m_draws.calls, s.repainted) << "code " << s.code;
    }

    // The wheel: one item height per notch, down for negative deltas.
    m_track.SetFocus();
    const POINT inside = Screen({200, 100});
    SetCursorPos(inside.x, inside.y);
    Wheel(-2);
    EXPECT_EQ(m_track.GetScrollPosition(), 40);
    Wheel(1);
    EXPECT_EQ(m_track.GetScrollPosition(), 20);

    // Deep in the list only the visible rows are painted.
    ScrollBar(SB_BOTTOM);
    FullPaint();
    EXPECT_EQ(m_draws.calls, kHeight / 20);
    EXPECT_EQ(m_draws.items.front(), 50 - kHeight / 20);
}

TEST_F(TrackWindow, PrintClientPaintsNamesAndTracksButNotTheSplitBar) {
    AddTracks(1, 2);
    m_track.AddItem("Closed", nullptr);
    m_track.Expand(1, KALOTRACK_COLLAPSE | KALOTRACK_EXPAND_RELAYOUT);
    const COLORREF untouched = RGB(255, 0, 255);
    PixelCanvas canvas(kWidth, kHeight);
    canvas.Fill(untouched);
    m_track.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    const COLORREF text = m_track.GetTextColor(), back = m_track.GetBackColor();
    const int split = m_track.GetSplitBarPosition();
    struct Probe {
        int x, y;
        COLORREF color;
    };
    const Probe probes[] = {
        {SplitRight() + 5, 5, kTrackRed}, // sub-item 0 of the expanded item
        {kWidth - 1, 39, kTrackRed},      // sub-item 1, last pixel
        {SplitRight() + 5, 45, back},     // collapsed item: no track rows
        {split + 1, 10, untouched},       // the split bar paints itself
        {2, 8, text},                     // expanded marker, first row (x = 2)
        {7, 50, text},                    // collapsed marker: first column, 7 pixels centred on the row
        {7, 47, text},
        {7, 46, back},
        {8, 47, back}, // the second column is two pixels shorter
        {8, 48, text},
        {split - 1, 39, text}, // closing line of the first item
        {5, 100, back},        // below the last item
        {SplitRight() + 5, 100, back},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(canvas.At(p.x, p.y), p.color) << p.x << "," << p.y;
    }
}

TEST_F(TrackWindow, ResizingKeepsTheSplitRatioThroughAZeroWidthAndTheBarMovesThePanes) {
    m_track.SetSplitBarPosition(100);
    EXPECT_EQ(m_track.GetSplitBarPosition(), 100);
    m_track.SetWindowPos(nullptr, 0, 0, 2, kHeight + 2, SWP_NOMOVE | SWP_NOZORDER);
    m_track.SetWindowPos(nullptr, 0, 0, 2 * kWidth + 2, kHeight + 2, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(m_track.GetSplitBarPosition(), 200);
    CRect bar;
    m_track.GetSplitBar()->GetWindowRect(&bar);
    EXPECT_EQ(bar.Height(), kHeight);

    // Dragging the bar repaints the panes around it.
    AddTracks(2, 1);
    m_track.UpdateWindow();
    m_draws = DrawLog{};
    const POINT grip = Screen({201, 50});
    const POINT dropped = Screen({251, 50});
    PlayMouse({{grip, 0}, {grip, MOUSEEVENTF_LEFTDOWN}, {dropped, 0}, {dropped, MOUSEEVENTF_LEFTUP}});
    m_track.UpdateWindow();
    EXPECT_GT(m_track.GetSplitBarPosition(), 230);
    EXPECT_GT(m_draws.calls, 0);
    UINT where = 0;
    int sub = 0;
    m_track.HitTest({SplitRight() + 1, 5}, &where, &sub, nullptr);
    EXPECT_EQ(where, KTHT_TRACK);
}
