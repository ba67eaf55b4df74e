// The colour dialogs from the library's own templates, driven by the real mouse, messages and
// typing, with their notifications to the owner in modal and modeless use.
#include "RealMouse.h"
#include "TrellisTestSupport.h"

#include <fstream>
#include <vector>

namespace {

const UINT BoxId = 1029, HueId = 1030, AlphaId = 1022, StartId = 1024, SwatchFirst = 1031;
const UINT RedField = 1011, RedSlider = 1008, HueField = 1001, SaturationField = 1006, LightnessField = 1007;

// An owner that records the codes it hears; on `deleteOn` it deletes the dialog at once.
class Owner : public CWnd {
public:
    std::vector<UINT> codes;
    KaloColorDialog* deleteOn20 = nullptr;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override {
        const UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        codes.push_back(code);
        if (code == KaloColorDialog::NotifyOk && deleteOn20) {
            delete deleteOn20;
            deleteOn20 = nullptr;
        }
        return TRUE;
    }
};

size_t Count(const std::vector<UINT>& codes, UINT code) {
    return std::count(codes.begin(), codes.end(), code);
}

std::string Text(const CWnd& dialog, UINT id) {
    char text[32] = {};
    ::GetDlgItemTextA(dialog.GetSafeHwnd(), static_cast<int>(id), text, sizeof(text));
    return text;
}

CRect ScreenRect(const CWnd& dialog, UINT id) {
    CRect rect;
    ::GetWindowRect(::GetDlgItem(dialog.GetSafeHwnd(), static_cast<int>(id)), &rect);
    return rect;
}

class ColorDialogWindow : public HostWindowTest<Owner> {
protected:
    ColorDialogWindow() : HostWindowTest(CRect(0, 0, 50, 50)) {}
};

} // namespace

TEST(ColorDialogModel, ClampingPackingAndHls) {
    KaloColorDialog dialog;
    dialog.SetCurrentColor(1.5f, -0.2f, 0.5f, 2);
    float r, g, b, a;
    dialog.GetCurrentColor(r, g, b, a);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0.5f);
    EXPECT_EQ(a, 1);
    dialog.SetCurrentColor(1, 0.5f, 0, 1);
    EXPECT_EQ(dialog.GetCurrentColor(), 0xFFFF7F00u);
    dialog.SetCurrentColorHLS(2.0f / 3, 0.5f, 1); // hue, lightness, saturation
    EXPECT_EQ(dialog.GetCurrentColor(), 0xFF0000FFu);
    float h, l, s;
    dialog.GetCurrentColorHLS(h, l, s);
    EXPECT_FLOAT_EQ(l, 0.5f);
    EXPECT_FLOAT_EQ(s, 1);
}

TEST_F(ColorDialogWindow, LibraryTemplatesWinOverTheHostsOwnDialog129) {
    for (UINT id : {129u, 134u}) {
        KaloColorDialog dialog(id, nullptr);
        ASSERT_TRUE(dialog.Create(&m_parent));
        char caption[32] = {};
        dialog.GetWindowText(caption, sizeof(caption));
        EXPECT_STREQ(caption, "Color Box");
        EXPECT_NE(dialog.GetDlgItem(BoxId), nullptr);
        EXPECT_EQ(dialog.GetDlgItem(1068) != nullptr, id == 134u);
        // The colour areas hold 256 values inside their frames.
        EXPECT_EQ(ScreenRect(dialog, BoxId).Width(), 258);
        EXPECT_EQ(ScreenRect(dialog, HueId).Height(), 258);
        EXPECT_LE(ScreenRect(dialog, BoxId).right, ScreenRect(dialog, HueId).left);
        dialog.DestroyWindow();
    }
}

TEST_F(ColorDialogWindow, SlidersAndFieldsFollowEachOtherAndTheColour) {
    KaloColorDialog dialog;
    dialog.SetStartColor(1, 0, 0, 1);
    ASSERT_TRUE(dialog.Create(&m_parent));
    EXPECT_EQ(Text(dialog, RedField), "255");
    EXPECT_EQ(Text(dialog, LightnessField), "127");
    m_parent.codes.clear();

    dialog.SetDlgItemText(RedField, "51");
    EXPECT_EQ(dialog.SendDlgItemMessage(RedSlider, TBM_GETPOS), 51);
    EXPECT_EQ(Text(dialog, RedField), "51");
    EXPECT_EQ(Text(dialog, LightnessField), "25");
    EXPECT_EQ(m_parent.codes, std::vector<UINT>{17});

    dialog.SendDlgItemMessage(RedSlider, TBM_SETPOS, TRUE, 204);
    dialog.SendMessage(WM_HSCROLL, TB_THUMBTRACK,
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(RedSlider)->m_hWnd));
    EXPECT_EQ(Text(dialog, RedField), "204");
    EXPECT_EQ(m_parent.codes.size(), 2u);

    // Hue typed: RGB follows, the field keeps what was typed.
    dialog.SetDlgItemText(HueField, "85");
    float r, g, b;
    dialog.GetCurrentColor(r, g, b);
    EXPECT_NEAR(g, 0.8f, 0.01f);
    EXPECT_NEAR(r, 0, 0.01f);
    EXPECT_EQ(Text(dialog, HueField), "85");
    dialog.DestroyWindow();
}

TEST_F(ColorDialogWindow, CaptureDragsInBoxHueAndAlpha) {
    KaloColorDialog dialog;
    dialog.SetStartColor(1, 0, 0, 1);
    ASSERT_TRUE(dialog.Create(&m_parent));
    dialog.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.ShowWindow(SW_SHOW);
    dialog.UpdateWindow();
    m_parent.codes.clear();

    // The box: far outside to the lower right clamps at saturation 1, lightness 0.
    const CRect box = ScreenRect(dialog, BoxId);
    RealDrag({{box.left + 65, box.top + 129},
              {box.left + 129, box.top + 65},
              {box.right + 200, box.bottom + 200}});
    float h, l, s;
    dialog.GetCurrentColorHLS(h, l, s);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(Text(dialog, SaturationField), "255");
    RealDrag({{box.left + 65, box.top + 129}, {box.left + 129, box.top + 65}});
    dialog.GetCurrentColorHLS(h, l, s);
    EXPECT_NEAR(s, 128 / 255.0f, 1e-6);
    EXPECT_NEAR(l, 1 - 64 / 255.0f, 1e-6);
    EXPECT_EQ(Text(dialog, LightnessField), "191");

    const CRect hue = ScreenRect(dialog, HueId);
    RealDrag({{hue.left + 5, hue.top + 20}, {hue.left + 5, hue.top + 86}});
    dialog.GetCurrentColorHLS(h, l, s);
    EXPECT_NEAR(h, 85 / 255.0f, 1e-6);
    EXPECT_EQ(Text(dialog, HueField), "85");

    const CRect alpha = ScreenRect(dialog, AlphaId);
    RealDrag({{alpha.left + 30, alpha.top + 5}, {alpha.left + 101, alpha.top + 5}});
    float r, g, b, a;
    dialog.GetCurrentColor(r, g, b, a);
    EXPECT_NEAR(a, 100 / 255.0f, 1e-6);
    EXPECT_GE(Count(m_parent.codes, 17), 4u);

    // A hidden alpha bar ignores the mouse.
    dialog.ShowAlpha(FALSE);
    RealDrag({{alpha.left + 30, alpha.top + 5}, {alpha.left + 200, alpha.top + 5}});
    dialog.GetCurrentColor(r, g, b, a);
    EXPECT_NEAR(a, 100 / 255.0f, 1e-6);
    dialog.DestroyWindow();
}

TEST_F(ColorDialogWindow, ModelessStartSwatchCancelAndOkWithAnOwnerThatDeletes) {
    KaloColorDialog dialog;
    dialog.SetStartColor(0, 0, 1, 1);
    ASSERT_TRUE(dialog.Create(&m_parent));
    dialog.SetCurrentColor(1, 1, 0, 1);
    m_parent.codes.clear();
    const CRect start = ScreenRect(dialog, StartId);
    CPoint inside = start.CenterPoint();
    dialog.ScreenToClient(&inside);
    dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(dialog.GetCurrentColor(), 0xFF0000FFu);
    EXPECT_EQ(m_parent.codes, std::vector<UINT>{17});

    dialog.SetCurrentColor(0, 1, 0, 1);
    m_parent.codes.clear();
    dialog.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_EQ(dialog.GetCurrentColor(), 0xFF0000FFu);
    EXPECT_EQ(m_parent.codes, (std::vector<UINT>{17, 21}));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);

    auto* owned = new KaloColorDialog;
    ASSERT_TRUE(owned->Create(&m_parent));
    const HWND window = owned->GetSafeHwnd();
    m_parent.deleteOn20 = owned;
    m_parent.codes.clear();
    ::SendMessageA(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(m_parent.codes, std::vector<UINT>{20});
    EXPECT_EQ(m_parent.deleteOn20, nullptr);
    EXPECT_FALSE(::IsWindow(window));
}

namespace {

// Drives a modal dialog from the owner's timer: types a red value, then presses OK.
class ModalDriver : public Owner {
public:
    int step = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            const HWND dialog = ::FindWindowA(nullptr, "Color Box");
            if (dialog && ::IsWindowVisible(dialog)) {
                if (step++ == 0) {
                    ::SetDlgItemTextA(dialog, RedField, "102");
                } else {
                    ::PostMessageA(dialog, WM_COMMAND, step > 20 ? IDCANCEL : IDOK, 0);
                }
            }
            return 0;
        }
        return Owner::WindowProc(message, wParam, lParam);
    }
};

} // namespace

using ColorDialogModal = HostWindowTest<ModalDriver>;

TEST_F(ColorDialogModal, NotifiesChangesButNotOkAndKeepsTheColour) {
    ModalDriver& owner = m_parent;
    owner.SetTimer(1, 50);
    KaloColorDialog dialog(&owner);
    dialog.SetStartColor(0, 0, 0, 1);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    owner.KillTimer(1);
    float r, g, b;
    dialog.GetCurrentColor(r, g, b);
    EXPECT_FLOAT_EQ(r, 0.4f);
    EXPECT_GE(Count(owner.codes, 17), 1u);
    EXPECT_EQ(Count(owner.codes, 20), 0u);
}

TEST_F(ColorDialogWindow, PaletteSwatchesLoadSelectTakeHslChangesAndSaveOnlyWhenChanged) {
    const std::string path = KaloColorPalette::DefaultPath();
    std::string file;
    for (int i = 0; i < 10; ++i) {
        file += std::to_string(10 * i) + " 300 7\n";
    }
    std::ofstream(path, std::ios::binary) << file;

    KaloColorDialog2 dialog;
    ASSERT_TRUE(dialog.Create(&m_parent));
    EXPECT_EQ(dialog.GetPalette().Get(3), RGB(30, 44, 7));
    EXPECT_EQ(dialog.GetPalette().Get(12), RGB(0, 0, 0));
    EXPECT_EQ(dialog.GetSelectedSwatch(), -1);
    ::SendMessageA(dialog.GetSafeHwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(ReadAll(path), file); // untouched: not even rewritten in the same colours

    KaloColorDialog2 second;
    ASSERT_TRUE(second.Create(&m_parent));
    CPoint swatch = ScreenRect(second, SwatchFirst + 4).CenterPoint();
    second.ScreenToClient(&swatch);
    second.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(swatch.x, swatch.y));
    EXPECT_EQ(second.GetSelectedSwatch(), 4);
    EXPECT_EQ(second.GetCurrentColor(), 0xFF282C07u);
    second.SetDlgItemText(LightnessField, "0");
    EXPECT_EQ(second.GetPalette().Get(4), RGB(0, 0, 0));
    second.SetDlgItemText(RedField, "255"); // RGB changes stay out of the palette
    EXPECT_EQ(second.GetPalette().Get(4), RGB(0, 0, 0));

    PixelCanvas canvas(12, 12);
    second.DrawPart(SwatchFirst + 4, canvas.Dc(), RECT{0, 0, 12, 12});
    EXPECT_EQ(canvas.At(0, 0), GetKaloColor(9));
    EXPECT_EQ(canvas.At(5, 5), RGB(0, 0, 0));
    second.DrawPart(SwatchFirst + 3, canvas.Dc(), RECT{0, 0, 12, 12});
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));

    ::SendMessageA(second.GetSafeHwnd(), WM_COMMAND, IDOK, 0);
    KaloColorPalette saved;
    ASSERT_TRUE(saved.Load(path.c_str()));
    EXPECT_EQ(saved.Get(4), RGB(0, 0, 0));
    EXPECT_EQ(saved.Get(3), RGB(30, 44, 7));
    DeleteFileA(path.c_str());
}

TEST_F(ColorDialogWindow, HueAndAlphaBarPixels) {
    KaloColorDialog dialog;
    dialog.SetStartColor(0, 0, 1, 0.5f);
    ASSERT_TRUE(dialog.Create(&m_parent));
    PixelCanvas canvas(300, 300);
    dialog.DrawPart(HueId, canvas.Dc(), RECT{0, 0, 20, 258});
    EXPECT_EQ(canvas.At(10, 1), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(10, 1 + 85), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(10, 1 + 170), RGB(0, 0, 0)); // the marker at hue 2/3
    EXPECT_EQ(canvas.At(10, 1 + 171), KaloPureHue(171));

    dialog.DrawPart(AlphaId, canvas.Dc(), RECT{0, 0, 258, 22});
    EXPECT_EQ(canvas.At(1, 2), RGB(255, 255, 255)); // transparent over a white cell
    EXPECT_EQ(canvas.At(1, 10), RGB(51, 51, 51));   // and over a dark one
    EXPECT_EQ(canvas.At(256, 20), RGB(0, 0, 255));  // opaque at the right end
    EXPECT_EQ(canvas.At(1 + 127, 1), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(1 + 128, 1), RGB(0, 0, 0));
    dialog.DestroyWindow();
}
