// The angle control and the gas pedal in a host window, driven by typing, messages and the
// real mouse.
#include "RealMouse.h"
#include "TrellisTestSupport.h"

#include <cmath>
#include <vector>

namespace {

// A host that records the notification codes it receives.
class NotifyHost : public CWnd {
public:
    std::vector<UINT> codes;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override {
        codes.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
        return TRUE;
    }
};

class AngleWindow : public HostWindowTest<NotifyHost> {
protected:
    AngleWindow() : HostWindowTest(CRect(100, 100, 500, 400)) {}
    void SetUp() override {
        HostWindowTest::SetUp();
        ASSERT_TRUE(m_angle.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 50), &m_parent, 5));
    }
    std::string FieldText(UINT id) {
        char text[64] = {};
        m_angle.GetDlgItemText(id, text, sizeof(text));
        return text;
    }

    KaloAngleCtrl m_angle;
};

} // namespace

TEST_F(AngleWindow, LayoutAndSetAngleFillTheFieldsSilently) {
    CRect rect;
    m_angle.GetClientRect(&rect);
    EXPECT_EQ(rect.Width(), 300);
    EXPECT_EQ(rect.Height(), 22);
    CWnd* degree = m_angle.GetDlgItem(KaloAngleCtrl::DegreeFieldId);
    ASSERT_NE(degree, nullptr);
    degree->GetWindowRect(&rect);
    m_angle.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(160, 4, 210, 16));

    m_angle.SetAngle(7.0f);
    EXPECT_EQ(FieldText(KaloAngleCtrl::TurnFieldId), "1");
    EXPECT_EQ(FieldText(KaloAngleCtrl::DegreeFieldId), "41.1");
    EXPECT_FLOAT_EQ(m_angle.GetAngle(), 7.0f);
    m_angle.SetAngle(-1.0f);
    EXPECT_EQ(FieldText(KaloAngleCtrl::DegreeFieldId), "-57.3");
    EXPECT_TRUE(m_parent.codes.empty());
}

TEST_F(AngleWindow, TypingNotifiesOncePerChangeAndKeepsTheOtherPart) {
    m_angle.SetAngle(123.456f * 0.017453292f);
    m_angle.SetDlgItemText(KaloAngleCtrl::DegreeFieldId, "90");
    EXPECT_EQ(m_parent.codes, (std::vector<UINT>{16, 17}));
    EXPECT_NEAR(m_angle.GetAngle(), 90 * 0.017453292f, 1e-6);
    m_angle.SetDlgItemText(KaloAngleCtrl::DegreeFieldId, "90");
    EXPECT_EQ(m_parent.codes.size(), 2u);

    // The turn field's edit keeps the rest exactly, not the three digits its field shows.
    m_angle.SetAngle(123.456f * 0.017453292f);
    m_parent.codes.clear();
    m_angle.SetDlgItemText(KaloAngleCtrl::TurnFieldId, "2");
    EXPECT_EQ(m_parent.codes, (std::vector<UINT>{16, 17}));
    EXPECT_NEAR(m_angle.GetAngle(), 2 * 6.2831855f + 123.456f * 0.017453292f, 1e-5);
    EXPECT_EQ(FieldText(KaloAngleCtrl::DegreeFieldId), "123");
}

TEST_F(AngleWindow, DialDragCountsATurnAndDrawsTheNeedle) {
    m_angle.SetAngle(0.5f);
    m_parent.UpdateWindow();
    CPoint centre(230, 10);
    m_angle.ClientToScreen(&centre);
    // From above the centre round counter-clockwise past zero (on the right) to just above it.
    RealDrag({{centre.x, centre.y - 8},
              {centre.x - 8, centre.y},
              {centre.x, centre.y + 8},
              {centre.x + 8, centre.y + 2},
              {centre.x + 8, centre.y - 3},
              {centre.x, centre.y}});
    EXPECT_EQ(FieldText(KaloAngleCtrl::TurnFieldId), "1");
    const float angle = m_angle.GetAngle();
    EXPECT_NEAR(angle, 6.2831855f + std::atan2(3.0f, 8.0f), 1e-4); // the centre point was ignored
    EXPECT_EQ(m_parent.codes.size() % 2, 0u);
    EXPECT_GE(m_parent.codes.size(), 8u);

    PixelCanvas canvas(300, 22);
    m_angle.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    const COLORREF text = m_angle.GetTextColor();
    EXPECT_EQ(canvas.At(220, 10), text); // the circle's left edge
    EXPECT_EQ(canvas.At(236, 8), text);  // the needle, right and a little up
    EXPECT_NE(canvas.At(224, 8), text);
}

TEST(GasPedal, PositionMapping) {
    struct Case {
        POINT point;
        SIZE size;
        int lo, hi;
        bool vertical;
        int expected;
    } cases[] = {
        {{50, 0}, {200, 10}, 0, 100, false, 25},     {{-30, 0}, {200, 10}, 0, 100, false, 0},
        {{0, 0}, {200, 10}, 0, 100, false, 0},       {{500, 0}, {200, 10}, 0, 100, false, 100},
        {{0, 0}, {10, 100}, 0, 100, true, 100},      {{0, 75}, {10, 100}, 0, 100, true, 25},
        {{150, 0}, {200, 10}, -100, 100, false, 50}, {{100, 0}, {200, 10}, -2000000000, 2000000000, false, 0},
    };
    for (const Case& c : cases) {
        int position = -1;
        ASSERT_TRUE(KaloGasPedal::PositionAt(c.point, c.size, c.lo, c.hi, c.vertical, &position));
        EXPECT_EQ(position, c.expected) << c.point.x << "," << c.point.y;
    }
    int untouched = 7;
    EXPECT_FALSE(KaloGasPedal::PositionAt({5, 5}, {0, 10}, 0, 100, false, &untouched));
    EXPECT_FALSE(KaloGasPedal::PositionAt({5, 5}, {10, 0}, 0, 100, true, &untouched));
    EXPECT_EQ(untouched, 7);
}

TEST_F(AngleWindow, GasPedalFollowsARealDragUntilRelease) {
    KaloGasPedal pedal; // below the angle control
    ASSERT_TRUE(pedal.Create(WS_CHILD | WS_VISIBLE, CRect(0, 100, 200, 120), &m_parent, 3));
    CPoint origin(0, 10);
    pedal.ClientToScreen(&origin);
    RealDrag({{origin.x + 100, origin.y},
              {origin.x + 50, origin.y},
              {origin.x - 40, origin.y},
              {origin.x + 150, origin.y}});
    EXPECT_EQ(pedal.GetPos(), 75);
    EXPECT_EQ(pedal.GetFlags() & KaloGasPedal::Dragging, 0u);
    // After the release a move changes nothing.
    pedal.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(pedal.GetPos(), 75);
}
