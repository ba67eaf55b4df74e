#include "KaloColorDialog2.h"

#include "GdiScoped.h"
#include "KaloColorDialogIds.h"
#include "KaloTheme.h"

BEGIN_MESSAGE_MAP(KaloColorDialog2, KaloColorDialog)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

KaloColorDialog2::KaloColorDialog2(CWnd* parent) : KaloColorDialog(IDD_KALO_COLOR_DIALOG2, parent) {}

KaloColorDialog2::KaloColorDialog2(UINT templateId, CWnd* parent) : KaloColorDialog(templateId, parent) {}

KaloColorDialog2::~KaloColorDialog2() = default;

int KaloColorDialog2::LoadColors() {
    m_palette = KaloColorPalette();
    const int loaded = m_palette.Load(KaloColorPalette::DefaultPath().c_str()) ? 1 : 0;
    m_loaded = m_palette;
    return loaded;
}

int KaloColorDialog2::SaveColors() {
    if (m_palette == m_loaded) {
        return 1;
    }
    if (!m_palette.Save(KaloColorPalette::DefaultPath().c_str())) {
        return 0;
    }
    m_loaded = m_palette;
    return 1;
}

BOOL KaloColorDialog2::OnInitDialog() {
    LoadColors();
    m_selected = -1;
    return KaloColorDialog::OnInitDialog();
}

void KaloColorDialog2::OnOK() {
    SaveColors();
    KaloColorDialog::OnOK();
}

void KaloColorDialog2::SetCurrentColorHLS(float hue, float lightness, float saturation) {
    KaloColorDialog::SetCurrentColorHLS(hue, lightness, saturation);
    if (m_selected < 0) {
        return;
    }
    float red = 0, green = 0, blue = 0;
    GetCurrentColor(red, green, blue);
    m_palette.Set(m_selected, RGB(KaloUnitToByte(red), KaloUnitToByte(green), KaloUnitToByte(blue)));
    if (m_hWnd) {
        InvalidateChild(IDC_KALO_SWATCH_FIRST + m_selected);
    }
}

int KaloColorDialog2::SwatchAt(CPoint point) const {
    for (int index = 0; index < KaloColorPalette::Count; ++index) {
        if (ChildRect(IDC_KALO_SWATCH_FIRST + index).PtInRect(point)) {
            return index;
        }
    }
    return -1;
}

void KaloColorDialog2::Select(int index) {
    const COLORREF color = m_palette.Get(index);
    SetCurrentColor(GetRValue(color) / 255.0f, GetGValue(color) / 255.0f, GetBValue(color) / 255.0f, 1);
    if (m_selected >= 0) {
        InvalidateChild(IDC_KALO_SWATCH_FIRST + m_selected);
    }
    m_selected = index;
    InvalidateChild(IDC_KALO_SWATCH_FIRST + index);
}

void KaloColorDialog2::OnOtherPress(CPoint point) {
    const int index = SwatchAt(point);
    if (index >= 0) {
        Select(index);
    }
}

void KaloColorDialog2::OnRButtonDown(UINT, CPoint point) {
    OnOtherPress(point);
}

void KaloColorDialog2::DrawPart(UINT id, HDC dc, const RECT& rect) {
    const int index = static_cast<int>(id) - IDC_KALO_SWATCH_FIRST;
    if (index < 0 || index >= KaloColorPalette::Count) {
        KaloColorDialog::DrawPart(id, dc, rect);
        return;
    }
    ScopedGdiObject<HBRUSH> fill(CreateSolidBrush(m_palette.Get(index)));
    FillRect(dc, &rect, fill.Get());
    ScopedGdiObject<HBRUSH> border(CreateSolidBrush(index == m_selected ? GetKaloColor(9) : RGB(0, 0, 0)));
    FrameRect(dc, &rect, border.Get());
}
