// The LED: fading in steps on its timer, blending while it fades, ending its fade with the
// window.
#include "TrellisTestSupport.h"

namespace {

// Counts the ticks of the fade timer.
class CountingLed : public KaloLed {
public:
    int ticks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == GetFadeTimer()) {
            ++ticks;
        }
        return KaloLed::WindowProc(message, wParam, lParam);
    }
};

class LedFade : public HostWindowTest<> {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        m_led = std::make_unique<CountingLed>();
        ASSERT_TRUE(m_led->Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 8, 8), &m_parent, 4));
        CBitmap* off = SolidBitmap(8, 8, RGB(200, 0, 0));
        CBitmap* on = SolidBitmap(8, 8, RGB(0, 0, 200));
        m_led->SetBitmaps(off, off, on, on, off, 1);
    }
    void TearDown() override {
        m_led.reset();
        HostWindowTest::TearDown();
    }
    // Pumps until the fade ends, at most two seconds.
    void AwaitFade() {
        const DWORD start = GetTickCount();
        while (m_led->GetFadeTimer() && GetTickCount() - start < 2000) {
            PumpFor(10);
        }
    }
    COLORREF Drawn() {
        PixelCanvas canvas(8, 8);
        DRAWITEMSTRUCT item = OwnerDrawItem(m_led->GetSafeHwnd(), canvas.Dc(), 0);
        m_led->DrawItem(&item);
        return canvas.At(4, 4);
    }

    std::unique_ptr<CountingLed> m_led;
};

} // namespace

TEST_F(LedFade, FadesOnAndOffInEvenStepsAndStops) {
    const struct {
        int steps;
        int check;
        int ticks;
        int level;
    } cases[] = {
        // 25 steps of 10: 25 ticks reach 250, one more clamps to 255.
        {25, 1, 26, 255},
        {25, 0, 26, 0},
        // Fewer than 10 steps count as 10: steps of 25, 11 ticks.
        {3, 1, 11, 255},
    };
    m_led->SetFadeTime(100);
    for (const auto& c : cases) {
        m_led->SetFadeSteps(c.steps);
        m_led->ticks = 0;
        m_led->SetCheck(c.check);
        EXPECT_NE(m_led->GetFadeTimer(), 0u);
        AwaitFade();
        EXPECT_EQ(m_led->GetFadeTimer(), 0u) << "the timer ends with the fade";
        EXPECT_EQ(m_led->ticks, c.ticks) << c.steps;
        EXPECT_EQ(m_led->GetFadeLevel(), c.level) << c.steps;
    }
    EXPECT_EQ(m_led->GetFadeSteps(), 10);
    m_led->SetFadeTime(0);
    EXPECT_EQ(m_led->GetFadeTime(), 1);
}

TEST_F(LedFade, DrawsOffOnAndABlendBetween) {
    EXPECT_EQ(Drawn(), RGB(200, 0, 0));
    m_led->SetFadeTime(2000);
    m_led->SetFadeSteps(10); // 25 per tick, every 200 ms
    m_led->SetCheck(1);
    const DWORD start = GetTickCount();
    while (m_led->GetFadeLevel() == 0 && GetTickCount() - start < 2000) {
        PumpFor(10);
    }
    ASSERT_EQ(m_led->GetFadeLevel(), 25);
    const COLORREF mixed = Drawn();
    EXPECT_NEAR(GetRValue(mixed), 200 - 200 * 25 / 255, 2);
    EXPECT_NEAR(GetBValue(mixed), 200 * 25 / 255, 2);
    m_led->SetFadeTime(10);
    AwaitFade();
    EXPECT_EQ(Drawn(), RGB(0, 0, 200));
}

TEST_F(LedFade, DestroyingMidFadeEndsTheTimer) {
    m_led->SetCheck(1);
    const UINT_PTR timer = m_led->GetFadeTimer();
    const HWND window = m_led->GetSafeHwnd();
    ASSERT_NE(timer, 0u);
    m_led->DestroyWindow();
    EXPECT_EQ(m_led->GetFadeTimer(), 0u);
    EXPECT_FALSE(KillTimer(window, timer)) << "no timer left behind";
    PumpFor(100);
}
