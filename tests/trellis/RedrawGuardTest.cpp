// Drawing switched off around a change and back on afterwards, never showing a hidden window.
#include "TrellisTestSupport.h"

using RedrawGuard = HostWindowTest<>;

TEST_F(RedrawGuard, ShowsNoHiddenWindowAndLeavesAnOuterGuardInCharge) {
    CButton shown, hidden;
    ASSERT_TRUE(shown.Create("shown", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, 1));
    ASSERT_TRUE(hidden.Create("hidden", WS_CHILD, CRect(0, 30, 50, 50), &m_parent, 2));
    {
        KaloRedrawGuard guard(hidden.m_hWnd);
        EXPECT_FALSE(guard.Active());
        hidden.SetWindowText("changed");
    }
    EXPECT_FALSE(hidden.GetStyle() & WS_VISIBLE);
    {
        KaloRedrawGuard outer(shown.m_hWnd);
        EXPECT_TRUE(outer.Active());
        {
            KaloRedrawGuard inner(shown.m_hWnd);
            EXPECT_FALSE(inner.Active());
        }
        // Still off: the inner guard did not switch drawing back on under the outer one.
        EXPECT_FALSE(shown.GetStyle() & WS_VISIBLE);
    }
    EXPECT_TRUE(shown.GetStyle() & WS_VISIBLE);
}
