// Common-control wrappers: each one created as a child, then a round trip through its main
// operations, so a wrong message, parameter order or size field shows as a wrong value.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A hidden top-level window that hosts the control under test.
class Host {
public:
    Host() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
        ::InitCommonControlsEx(&classes);
        m_wnd.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                       nullptr);
    }
    CWnd* Get() { return &m_wnd; }

private:
    CWnd m_wnd;
};

// A 32-bit bitmap of one colour, width x height.
void MakeSolid(CBitmap& bitmap, int width, int height, COLORREF color) {
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    CBitmap* previous = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, color);
    dc.SelectObject(previous);
}

} // namespace

TEST(ComboBoxEx, ItemsEditAndInnerComboRoundTrip) {
    Host host;
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, CRect(0, 0, 150, 200), host.Get(), 7));
    EXPECT_EQ(combo.GetDlgCtrlID(), 7);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    EXPECT_EQ(combo.SetImageList(&images), nullptr);
    EXPECT_EQ(combo.SetImageList(nullptr), images.GetSafeHandle());

    char first[] = "first";
    char second[] = "second";
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT;
    item.iItem = -1;
    item.pszText = first;
    EXPECT_EQ(combo.InsertItem(&item), 0);
    item.pszText = second;
    EXPECT_EQ(combo.InsertItem(&item), 1);
    EXPECT_EQ(combo.GetCount(), 2);

    CComboBox* inner = combo.GetComboBoxCtrl();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(::GetParent(inner->m_hWnd), combo.m_hWnd);
    CEdit* edit = combo.GetEditCtrl();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(::IsChild(combo.m_hWnd, edit->m_hWnd));

    EXPECT_EQ(combo.DeleteItem(0), 1);
    EXPECT_EQ(combo.SetCurSel(0), 0);
    char text[32] = {};
    COMBOBOXEXITEMA read{};
    read.mask = CBEIF_TEXT;
    read.pszText = text;
    read.cchTextMax = sizeof text;
    combo.SendMessage(CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read));
    EXPECT_STREQ(text, "second");
}

TEST(ToolBarCtrl, BitmapsButtonsAndStatesRoundTrip) {
    Host host;
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CCS_TOP, CRect(0, 0, 300, 30), host.Get(), 8));
    EXPECT_TRUE(bar.SetBitmapSize(CSize(16, 15)));
    EXPECT_TRUE(bar.SetButtonSize(CSize(24, 22)));

    CBitmap strip;
    MakeSolid(strip, 32, 15, RGB(0, 128, 0));
    EXPECT_EQ(bar.AddBitmap(2, &strip), 0);
    CBitmap more;
    MakeSolid(more, 16, 15, RGB(0, 0, 128));
    EXPECT_EQ(bar.AddBitmap(1, &more), 2);

    TBBUTTON buttons[3] = {};
    buttons[0] = {0, 100, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0};
    buttons[1] = {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0};
    buttons[2] = {1, 101, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0};
    ASSERT_TRUE(bar.AddButtons(3, buttons));
    EXPECT_EQ(bar.GetButtonCount(), 3);

    EXPECT_FALSE(bar.IsButtonChecked(100));
    EXPECT_TRUE(bar.CheckButton(100));
    EXPECT_TRUE(bar.IsButtonChecked(100));
    EXPECT_TRUE(bar.CheckButton(100, FALSE));
    EXPECT_FALSE(bar.IsButtonChecked(100));

    EXPECT_TRUE(bar.EnableButton(101, FALSE));
    EXPECT_FALSE(bar.SendMessage(TB_ISBUTTONENABLED, 101));
    EXPECT_TRUE(bar.EnableButton(101));
    EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONENABLED, 101));

    bar.AutoSize();
    CRect first;
    CRect third;
    ASSERT_TRUE(bar.GetItemRect(0, &first));
    ASSERT_TRUE(bar.GetItemRect(2, &third));
    EXPECT_EQ(first.Width(), 24);
    EXPECT_GT(third.left, first.right);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_COLOR32, 2, 1));
    bar.SetImageList(&images);
    EXPECT_EQ(bar.SetImageList(nullptr), images.GetSafeHandle());
}

TEST(ReBarCtrl, BandsComeAndGo) {
    Host host;
    CReBarCtrl rebar;
    ASSERT_TRUE(rebar.Create(WS_CHILD | WS_VISIBLE | RBS_VARHEIGHT, CRect(0, 0, 300, 40), host.Get(), 9));
    REBARINFO info{};
    EXPECT_TRUE(rebar.SetBarInfo(&info));
    EXPECT_EQ(info.cbSize, sizeof(REBARINFO));
    EXPECT_EQ(rebar.GetBandCount(), 0u);

    CWnd child;
    ASSERT_TRUE(child.Create("STATIC", "band", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 24), &rebar, 10));
    char text[] = "band";
    REBARBANDINFOA band{};
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_TEXT;
    band.hwndChild = child.m_hWnd;
    band.cxMinChild = 100;
    band.cyMinChild = 24;
    band.lpText = text;
    ASSERT_TRUE(rebar.InsertBand(static_cast<UINT>(-1), &band));
    EXPECT_EQ(band.cbSize, sizeof(REBARBANDINFOA));
    EXPECT_EQ(rebar.GetBandCount(), 1u);
    EXPECT_GE(rebar.GetBarHeight(), 24u);

    EXPECT_TRUE(rebar.DeleteBand(0));
    EXPECT_EQ(rebar.GetBandCount(), 0u);
}

TEST(ImageList, AddReplaceRemoveAndDraw) {
    CImageList images;
    ASSERT_TRUE(images.Create(4, 4, ILC_COLOR32 | ILC_MASK, 2, 2));
    EXPECT_FALSE(images.Create(4, 4, ILC_COLOR32, 1, 1)) << "a second list must not replace the first";

    CBitmap red;
    CBitmap blue;
    MakeSolid(red, 4, 4, RGB(255, 0, 0));
    MakeSolid(blue, 4, 4, RGB(0, 0, 255));
    EXPECT_EQ(images.Add(&red, RGB(1, 2, 3)), 0);
    EXPECT_EQ(images.Add(&blue, static_cast<CBitmap*>(nullptr)), 1);
    EXPECT_EQ(images.GetImageCount(), 2);

    IMAGEINFO info{};
    ASSERT_TRUE(images.GetImageInfo(1, &info));
    EXPECT_EQ(info.rcImage.right - info.rcImage.left, 4);

    EXPECT_EQ(images.SetBkColor(RGB(9, 9, 9)), CLR_NONE);
    EXPECT_EQ(images.GetBkColor(), RGB(9, 9, 9));
    images.SetBkColor(CLR_NONE);

    // Drawing image 0 after replacing it with blue shows blue where it lands, nothing elsewhere.
    ASSERT_TRUE(images.Replace(0, &blue, nullptr));
    CClientDC screen(nullptr);
    CBitmap canvas;
    MakeSolid(canvas, 8, 8, RGB(0, 255, 0));
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* previous = dc.SelectObject(&canvas);
    EXPECT_TRUE(images.Draw(&dc, 0, POINT{2, 2}, ILD_NORMAL));
    EXPECT_EQ(dc.GetPixel(3, 3), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(0, 255, 0));
    EXPECT_FALSE(images.Draw(nullptr, 0, POINT{0, 0}, ILD_NORMAL));
    dc.SelectObject(previous);

    HICON icon = images.ExtractIconHandle(1);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(images.Add(icon), 2);
    ::DestroyIcon(icon);

    EXPECT_TRUE(images.Remove(0));
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_FALSE(images.Remove(5));

    HIMAGELIST handle = images.Detach();
    EXPECT_EQ(images.GetSafeHandle(), nullptr);
    EXPECT_FALSE(images.DeleteImageList());
    EXPECT_TRUE(images.Attach(handle));
    EXPECT_FALSE(images.Attach(handle));
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_EQ(images.GetSafeHandle(), nullptr);
}

TEST(SpinButtonCtrl, RangePositionAndBuddy) {
    Host host;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 60, 20), host.Get(), 11));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, CRect(60, 0, 76, 20),
                            host.Get(), 12));

    spin.SetRange32(-5, 500);
    int lower = 0;
    int upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, -5);
    EXPECT_EQ(upper, 500);

    EXPECT_EQ(spin.SetBuddy(&edit), nullptr);
    EXPECT_EQ(spin.GetBuddy()->m_hWnd, edit.m_hWnd);
    spin.SetPos32(321);
    EXPECT_EQ(spin.GetPos32(), 321);
    EXPECT_EQ(spin.SetPos32(-3), 321);
    char text[16] = {};
    edit.GetWindowText(text, sizeof text);
    EXPECT_STREQ(text, "-3");

    // The 16-bit range takes lower first although the message carries upper in its low word.
    spin.SetRange(10, 20);
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(upper, 20);
    spin.SetPos(15);
    EXPECT_EQ(LOWORD(spin.GetPos()), 15);
    EXPECT_EQ(HIWORD(spin.GetPos()), 0);

    EXPECT_EQ(spin.SetBase(16), 10);
    UDACCEL accel{1, 5};
    EXPECT_TRUE(spin.SetAccel(1, &accel));
}

TEST(ProgressCtrl, RangePositionAndSteps) {
    Host host;
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 16), host.Get(), 13));
    int lower = -1;
    int upper = -1;
    progress.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 100);

    progress.SetRange32(0, 1000);
    progress.GetRange(lower, upper);
    EXPECT_EQ(upper, 1000);
    EXPECT_EQ(progress.SetPos(700), 0);
    EXPECT_EQ(progress.GetPos(), 700);
    EXPECT_EQ(progress.OffsetPos(50), 700);
    EXPECT_EQ(progress.GetPos(), 750);
    EXPECT_EQ(progress.SetStep(100), 10);
    EXPECT_EQ(progress.StepIt(), 750);
    EXPECT_EQ(progress.GetPos(), 850);

    progress.SetRange(5, 50);
    progress.GetRange(lower, upper);
    EXPECT_EQ(lower, 5);
    EXPECT_EQ(upper, 50);
}
