// The shared answer to the reflected control-colour message, through real windows: the
// parent's default handling reflects WM_CTLCOLOREDIT to the themed edit.
#include "TrellisTestSupport.h"

namespace {

// The map names the mix-in's handler; the back colour comes from an override.
class ThemedEdit : public CEdit, public KaloControl {
public:
    COLORREF overriddenBack = CLR_INVALID;
    COLORREF GetBackColor() override {
        return overriddenBack == CLR_INVALID ? KaloControl::GetBackColor() : overriddenBack;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThemedEdit, CEdit)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class ReflectedColour : public HostWindowTest<> {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, 7));
    }
    void TearDown() override {
        m_edit.DestroyWindow();
        HostWindowTest::TearDown();
    }
    LRESULT AskParent(HDC dc) {
        return m_parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(m_edit.GetSafeHwnd()));
    }

    ThemedEdit m_edit;
    PixelCanvas m_canvas{4, 4};
};

} // namespace

TEST_F(ReflectedColour, TheControlSetsItsColoursAndAnswersWithItsBrush) {
    CBrush* brush = GetKaloBrush(ZC_CONTROLBACK);
    ASSERT_NE(brush, nullptr);
    m_edit.SetTextColor(RGB(10, 20, 30));
    m_edit.SetBackColor(RGB(40, 50, 60));
    EXPECT_EQ(AskParent(m_canvas.Dc()), reinterpret_cast<LRESULT>(brush->GetSafeHandle()));
    EXPECT_EQ(GetTextColor(m_canvas.Dc()), RGB(10, 20, 30));
    EXPECT_EQ(GetBkColor(m_canvas.Dc()), RGB(40, 50, 60));
}

TEST_F(ReflectedColour, TheAnswerReadsTheOverriddenGetters) {
    m_edit.overriddenBack = RGB(1, 2, 3);
    AskParent(m_canvas.Dc());
    EXPECT_EQ(GetBkColor(m_canvas.Dc()), RGB(1, 2, 3));
}

TEST_F(ReflectedColour, WithoutABrushTheParentsDefaultAnswers) {
    m_edit.SetControlBrush(nullptr);
    const LRESULT answer = AskParent(m_canvas.Dc());
    EXPECT_NE(answer, 0);
    EXPECT_NE(answer, reinterpret_cast<LRESULT>(GetKaloBrush(ZC_CONTROLBACK)->GetSafeHandle()));
}
