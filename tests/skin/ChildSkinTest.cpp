// Child controls of attached windows: which buttons are skinned and how their styles change,
// the button's check and draw states, the cells it is painted from (corners compared with the
// controls sheet itself), and what a destroyed child leaves behind.
#include "SkinTestSupport.h"

#include "ChildSkinner.h"
#include "WindowProps.h"

namespace {

HWND AddButton(HWND parent, DWORD style, const char* text = "按钮", int w = 100, int h = 30) {
    return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, 10, 90, w, h, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class ChildSkinTest : public SkinTest {
protected:
    HWND Parent() {
        HWND window = MakeWindow(300, 220);
        engine_->Attach(window);
        return window;
    }

    // Paints the button through its parent's WM_DRAWITEM, as the system would.
    void PaintThroughParent(HWND button, const PixelCanvas& canvas) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = button;
        item.hDC = canvas.Dc();
        GetClientRect(button, &item.rcItem);
        EXPECT_EQ(SendMessageA(GetParent(button), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
    }

    COLORREF Sheet(int x, int y) { return GetPixel(engine_->Resources().controls.DC(), x, y); }

    // The 5 x 5 corners of a w x h drawing equal those of the push-button cell at column `column`.
    void ExpectPushCorners(const PixelCanvas& canvas, int w, int h, int column) {
        const int sx = 40 * column;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                ASSERT_EQ(canvas.At(x, y), Sheet(sx + x, y))
                    << "column " << column << " top-left " << x << "," << y;
                ASSERT_EQ(canvas.At(w - 5 + x, y), Sheet(sx + 35 + x, y)) << "top-right";
                ASSERT_EQ(canvas.At(x, h - 5 + y), Sheet(sx + x, 18 + y)) << "bottom-left";
                ASSERT_EQ(canvas.At(w - 5 + x, h - 5 + y), Sheet(sx + 35 + x, 18 + y)) << "bottom-right";
            }
        }
    }
};

} // namespace

TEST_F(ChildSkinTest, PushLikeButtonsBecomeOwnerDrawnAndTheOthersOnlyGetTheBackground) {
    HWND parent = Parent();
    const DWORD pushLike[] = {BS_PUSHBUTTON,
                              BS_DEFPUSHBUTTON,
                              BS_AUTOCHECKBOX | BS_PUSHLIKE,
                              BS_3STATE | BS_PUSHLIKE,
                              BS_AUTO3STATE | BS_PUSHLIKE,
                              BS_RADIOBUTTON | BS_PUSHLIKE,
                              BS_AUTORADIOBUTTON | BS_PUSHLIKE};
    const DWORD plain[] = {BS_AUTOCHECKBOX, BS_RADIOBUTTON, BS_GROUPBOX};
    std::vector<HWND> skinned, unskinned;
    for (DWORD style : pushLike)
        skinned.push_back(AddButton(parent, style));
    for (DWORD style : plain)
        unskinned.push_back(AddButton(parent, style));
    HWND label = CreateWindowExA(0, "STATIC", "标签", WS_CHILD | WS_VISIBLE, 10, 150, 80, 16, parent, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    engine_->SkinAllChildren();

    for (size_t i = 0; i < skinned.size(); ++i) {
        LONG_PTR style = GetWindowLongPtrA(skinned[i], GWL_STYLE);
        // OR-ing the owner-draw value into the radio and three-state types would give type 0xF.
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW) << "style " << std::hex << pushLike[i];
        EXPECT_EQ(style & BS_PUSHLIKE, LONG_PTR(pushLike[i] & BS_PUSHLIKE)) << "other bits stay";
        EXPECT_EQ(Prop(skinned[i], skinprop::WindowType), ButtonPush);
        EXPECT_EQ(GetWindowLongPtrA(skinned[i], GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(&SkinButtonProcedure));
    }
    for (size_t i = 0; i < unskinned.size(); ++i) {
        EXPECT_EQ(GetWindowLongPtrA(unskinned[i], GWL_STYLE) & BS_TYPEMASK, LONG_PTR(plain[i]));
        EXPECT_EQ(Prop(unskinned[i], skinprop::WindowType), 0);
        EXPECT_EQ(GetWindowLongPtrA(unskinned[i], GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(&SkinContainerProcedure));
    }
    EXPECT_EQ(GetWindowLongPtrA(label, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinContainerProcedure));
    EXPECT_EQ(ChildSkinner::Classify(BS_AUTOCHECKBOX), ButtonCheck);
    EXPECT_EQ(ChildSkinner::Classify(BS_AUTORADIOBUTTON), ButtonRadio);

    // Once more: nothing is subclassed twice.
    INT_PTR previous = Prop(skinned[0], skinprop::WndProc);
    engine_->SkinAllChildren();
    EXPECT_EQ(Prop(skinned[0], skinprop::WndProc), previous);
    EXPECT_NE(previous, reinterpret_cast<INT_PTR>(&SkinButtonProcedure));
}

TEST_F(ChildSkinTest, WindowsAttachedLaterAreSkinnedToo) {
    engine_->SkinAllChildren();
    HWND window = MakeWindow(300, 220);
    HWND button = AddButton(window, BS_PUSHBUTTON);
    engine_->Attach(window);
    EXPECT_EQ(Prop(button, skinprop::WindowType), ButtonPush);
}

TEST_F(ChildSkinTest, ClicksFlipTheCheckStateAndTheMouseDrivesTheDrawState) {
    HWND parent = Parent();
    HWND button = AddButton(parent, BS_AUTOCHECKBOX | BS_PUSHLIKE);
    SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    engine_->SkinAllChildren();
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), 1) << "the check state is carried over";

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Prop(button, skinprop::DrawState), DrawPressed);
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Prop(button, skinprop::DrawState), DrawHover);
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), 0);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), 1);

    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Prop(button, skinprop::TrackMouse), 1);
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Prop(button, skinprop::DrawState), DrawNormal);
    EXPECT_EQ(Prop(button, skinprop::TrackMouse), 0);
    SendMessageA(button, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Prop(button, skinprop::DrawState), DrawHover);
}

TEST_F(ChildSkinTest, PushButtonsArePaintedFromTheCellOfTheirState) {
    HWND parent = Parent();
    const int w = 100, h = 30;
    HWND button = AddButton(parent, BS_PUSHBUTTON, "确定", w, h);
    engine_->SkinAllChildren();
    PixelCanvas canvas(w, h);

    PaintThroughParent(button, canvas);
    ExpectPushCorners(canvas, w, h, 0);
    // The stretched centre takes the centre colour of the cell.
    EXPECT_EQ(canvas.At(8, h / 2), Sheet(8, 11));

    SendMessageA(button, WM_MOUSEHOVER, 0, 0);
    PaintThroughParent(button, canvas);
    ExpectPushCorners(canvas, w, h, 1);

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PaintThroughParent(button, canvas);
    ExpectPushCorners(canvas, w, h, 2);

    EnableWindow(button, FALSE);
    PaintThroughParent(button, canvas);
    ExpectPushCorners(canvas, w, h, 3);
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_NE(canvas.At(w / 2, h / 2), 0u);
}

TEST_F(ChildSkinTest, NoMagentaShowsAnywhereInASkinnedWindow) {
    HWND parent = Parent();
    AddButton(parent, BS_PUSHBUTTON, "确定", 80, 24);
    HWND disabled = AddButton(parent, BS_PUSHBUTTON, "禁用", 80, 24);
    SetWindowPos(disabled, nullptr, 100, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EnableWindow(disabled, FALSE);
    HWND check = AddButton(parent, BS_AUTOCHECKBOX, "选项", 80, 20);
    SetWindowPos(check, nullptr, 10, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    engine_->SkinAllChildren();
    SetWindowPos(parent, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    RECT r{};
    GetWindowRect(parent, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    PixelCanvas screen(w, h);
    HDC desktop = GetDC(nullptr);
    BitBlt(screen.Dc(), 0, 0, w, h, desktop, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, desktop);
    EXPECT_FALSE(HasMagenta(screen));
    EXPECT_EQ(screen.At(12, 92), Sheet(2, 2)) << "the push button is on screen";
    ShowWindow(parent, SW_HIDE);

    // Check-box cells carry magenta round their glyph; it is keyed out.
    WriteProp(check, skinprop::WindowType, ButtonCheck);
    WriteProp(check, skinprop::Check, 1);
    PixelCanvas glyph(80, 20);
    engine_->Children().DrawSkinnedButton(check, glyph.Dc());
    EXPECT_FALSE(HasMagenta(glyph));
    EXPECT_EQ(glyph.At(0, 7), Sheet(60, 25 + 7)) << "checked cells sit four columns on";
}

TEST_F(ChildSkinTest, ADestroyedButtonKeepsNoPropertiesAndGetsItsProcedureBack) {
    HWND parent = Parent();
    HWND button = AddButton(parent, BS_PUSHBUTTON);
    WatchLeftovers(button);
    engine_->SkinAllChildren();
    ASSERT_EQ(Prop(button, skinprop::WindowType), ButtonPush);
    DestroyWindow(button);
    EXPECT_EQ(g_leftovers.engineProps, 0);
    EXPECT_TRUE(g_leftovers.ownProcedureBack);
}

namespace {

int g_clicks = 0;

LRESULT CALLBACK CountingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        ++g_clicks;
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

TEST_F(ChildSkinTest, ASkinnedButtonStillReportsItsClicks) {
    HWND parent = MakeWindow(300, 220);
    SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingParent));
    engine_->Attach(parent);
    HWND button = AddButton(parent, BS_PUSHBUTTON);
    engine_->SkinAllChildren();
    g_clicks = 0;
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(g_clicks, 1);
}
