// Check and radio buttons and the checked list: box, cross, dot and tick pixels from the
// theme's fixed colours, drawing switched off around changes, owned bitmaps.
#include "TrellisTestSupport.h"

namespace {

using Checks = HostWindowTest<>;

const int kBoxLeft = 1, kBoxTop = 1; // the box sits one pixel inside the client area

} // namespace

TEST_F(Checks, SquareAndRoundBoxesShowCrossDotAndFrameInTheThemeColours) {
    const COLORREF black = GetKaloColor(0), grey = GetKaloColor(4), light = GetKaloColor(7),
                   white = GetKaloColor(9);
    KaloCheckButton check;
    KaloRadioButton radio;
    ASSERT_TRUE(
        check.Create("check", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(0, 0, 100, 20), &m_parent, 1));
    ASSERT_TRUE(radio.Create("radio", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(0, 30, 100, 50),
                             &m_parent, 2));
    struct Case {
        int state;
        COLORREF inside;  // a pixel inside the box, off the cross
        COLORREF onCross; // a pixel on the cross's first stroke
    };
    const Case cases[] = {{0, black, black}, {1, black, white}, {2, grey, grey}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        check.SetCheck(c.state);
        PixelCanvas canvas(100, 20);
        PrintClient(check.m_hWnd, canvas);
        EXPECT_EQ(canvas.At(kBoxLeft + 5, kBoxTop + 1), c.inside);
        EXPECT_EQ(canvas.At(kBoxLeft + 3, kBoxTop + 3), c.onCross);
        EXPECT_EQ(canvas.At(kBoxLeft, kBoxTop), light); // frame
    }
    for (int square : {0, 1}) {
        radio.SetRadioStyle(square);
        for (int checked : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "square " << square << " checked " << checked);
            radio.SetCheck(checked);
            PixelCanvas canvas(100, 20);
            PrintClient(radio.m_hWnd, canvas);
            // The cross of the square style and the dot of the round one both cover the centre.
            EXPECT_EQ(canvas.At(kBoxLeft + 5, kBoxTop + 5), checked ? white : black);
            EXPECT_EQ(canvas.At(kBoxLeft, kBoxTop), light);
        }
    }
}

TEST_F(Checks, PushLikeButtonsInvertWithTheCheck) {
    KaloCheckButton check;
    ASSERT_TRUE(check.Create("push", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE,
                             CRect(0, 0, 80, 20), &m_parent, 1));
    for (int checked : {0, 1}) {
        check.SetCheck(checked);
        PixelCanvas canvas(80, 20);
        PrintClient(check.m_hWnd, canvas);
        EXPECT_EQ(canvas.At(3, 3), GetKaloColor(checked ? 9 : 0));
    }
    check.EnableWindow(FALSE);
    PixelCanvas canvas(80, 20);
    PrintClient(check.m_hWnd, canvas);
    EXPECT_EQ(canvas.At(3, 3), GetKaloColor(ZC_D_BUTTONBACK));
    EXPECT_EQ(canvas.At(0, 3), GetKaloColor(ZC_D_BUTTONBORDER));
}

TEST_F(Checks, ChangesRunWithDrawingOffWithoutShowingAHiddenButtonAndRepaintOnce) {
    KaloCheckButton shown, hidden;
    ASSERT_TRUE(
        shown.Create("shown", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &m_parent, 1));
    ASSERT_TRUE(hidden.Create("hidden", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 30, 80, 50), &m_parent, 2));
    hidden.SetCheck(1);
    hidden.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    hidden.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(hidden.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(hidden.GetCheck(), 0); // the click still toggled it

    shown.UpdateWindow();
    shown.SetCheck(1);
    EXPECT_TRUE(shown.GetStyle() & WS_VISIBLE);
    RECT pending{};
    EXPECT_TRUE(shown.GetUpdateRect(&pending)); // repainted by us, after the change

    KaloRadioButton radio;
    ASSERT_TRUE(
        radio.Create("radio", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, CRect(0, 60, 80, 80), &m_parent, 3));
    radio.SetState(TRUE);
    radio.UpdateWindow();
    radio.SetState(TRUE); // the same pushed state again: nothing to repaint
    EXPECT_FALSE(radio.GetUpdateRect(&pending));
}

TEST_F(Checks, OwnedBoxBitmapsGoWithTheWindowAndWithTheNextSetBitmaps) {
    auto bitmap = [] { return SolidBitmap(11, 11, RGB(0, 0, 0)); };
    KaloCheckButton check;
    ASSERT_TRUE(
        check.Create("bitmaps", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &m_parent, 1));
    CBitmap *first = bitmap(), *second = bitmap();
    HGDIOBJ firstHandle = first->GetSafeHandle();
    check.SetBitmaps(first, first, 1, 0, 0);
    CBitmap *checked = bitmap(), *unchecked = bitmap();
    HGDIOBJ checkedHandle = checked->GetSafeHandle(), uncheckedHandle = unchecked->GetSafeHandle();
    check.SetBitmaps(checked, unchecked, 1, 0, 0);
    EXPECT_EQ(GetObjectType(firstHandle), 0u); // released by the second call
    PixelCanvas canvas(80, 20);
    canvas.Fill(RGB(1, 2, 3));
    PrintClient(check.m_hWnd, canvas);
    EXPECT_EQ(canvas.At(kBoxLeft + 10, kBoxTop + 10), RGB(0, 0, 0)); // the 11x11 bitmap, all black
    EXPECT_NE(canvas.At(kBoxLeft + 11, kBoxTop + 5), RGB(0, 0, 0));
    check.DestroyWindow();
    EXPECT_EQ(GetObjectType(checkedHandle), 0u);
    EXPECT_EQ(GetObjectType(uncheckedHandle), 0u);
    delete second;
}

TEST_F(Checks, CheckedListDrawsGreyBoxesARedTickAndItemsInTheControlColours) {
    KaloCheckListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 100), &m_parent, 4));
    list.AddString("first");
    list.AddString("second");
    list.SetCheck(1, 1);
    list.SetBackColor(RGB(20, 30, 40));
    PixelCanvas canvas(150, 100);
    PrintClient(list.m_hWnd, canvas);
    CRect first, second;
    list.GetItemRect(0, &first);
    list.GetItemRect(1, &second);
    auto redIn = [&](const CRect& item) {
        for (int y = item.top; y < item.bottom; ++y)
            for (int x = item.left; x < item.left + 15; ++x)
                if (canvas.At(x, y) == GetKaloColor(10))
                    return true;
        return false;
    };
    EXPECT_FALSE(redIn(first));
    EXPECT_TRUE(redIn(second));
    const int middle = (first.top + first.bottom) / 2;
    EXPECT_EQ(canvas.At(first.left + 4, middle), GetKaloColor(4));  // box fill
    EXPECT_EQ(canvas.At(first.right - 2, middle), RGB(20, 30, 40)); // item back
}

TEST_F(Checks, AShownButtonSettlesAfterAFewPaintsAndLetsTimersRun) {
    PaintCounting<KaloCheckButton> check;
    ASSERT_TRUE(
        check.Create("settles", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &m_parent, 1));
    m_parent.SetFocus();
    check.SetFocus();
    bool ticked = false;
    m_parent.SetTimer(7, 20, nullptr);
    const DWORD start = GetTickCount();
    MSG msg;
    while (!ticked && GetTickCount() - start < 1000 && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ticked = msg.message == WM_TIMER && msg.hwnd == m_parent.m_hWnd;
        DispatchMessageA(&msg);
    }
    m_parent.KillTimer(7);
    EXPECT_TRUE(ticked);
    EXPECT_LT(check.paints, 10);
}
