#include "KaloColorDialog.h"

#include "GdiScoped.h"
#include "KaloColorDialogIds.h"
#include "KaloDefaults.h"
#include "TrellisModule.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The six channels, in the order of the dialog's slider and field arrays.
enum Channel { Red, Green, Blue, Hue, Saturation, Lightness, ChannelCount };

const UINT SliderIds[ChannelCount] = {IDC_KALO_SLIDER_RED,        IDC_KALO_SLIDER_GREEN,
                                      IDC_KALO_SLIDER_BLUE,       IDC_KALO_SLIDER_HUE,
                                      IDC_KALO_SLIDER_SATURATION, IDC_KALO_SLIDER_LIGHTNESS};
const UINT FieldIds[ChannelCount] = {IDC_KALO_FIELD_RED, IDC_KALO_FIELD_GREEN,      IDC_KALO_FIELD_BLUE,
                                     IDC_KALO_FIELD_HUE, IDC_KALO_FIELD_SATURATION, IDC_KALO_FIELD_LIGHTNESS};

// The colour areas hold 256 values one pixel inside their frames.
const int AreaSide = KaloColorBoxImage::Side + 2;
const COLORREF CheckerDark = RGB(51, 51, 51); // 20 % grey
const int CheckerCell = 8;
const int AlphaMarkerHeight = 16;
const int AlphaTextLimit = 251;

int ChannelOf(UINT id) {
    for (int channel = 0; channel < ChannelCount; ++channel) {
        if (SliderIds[channel] == id || FieldIds[channel] == id) {
            return channel;
        }
    }
    return -1;
}

void FillSolid(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
    const RECT rect{left, top, right, bottom};
    SetDCBrushColor(dc, color);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

BYTE Blend(float share, BYTE over, BYTE under) {
    return static_cast<BYTE>(share * over + (1 - share) * under);
}

void CopyOut(const KaloRgb& rgb, float& red, float& green, float& blue) {
    red = rgb.red;
    green = rgb.green;
    blue = rgb.blue;
}

COLORREF ToColorRef(const KaloRgb& rgb) {
    return RGB(KaloUnitToByte(rgb.red), KaloUnitToByte(rgb.green), KaloUnitToByte(rgb.blue));
}

} // namespace

BEGIN_MESSAGE_MAP(KaloColorDialog, KaloDialog)
ON_WM_DRAWITEM()
ON_WM_HSCROLL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

KaloColorDialog::KaloColorDialog(CWnd* parent) : KaloDialog(IDD_KALO_COLOR_DIALOG, parent) {
    Init(IDD_KALO_COLOR_DIALOG, parent);
}

KaloColorDialog::KaloColorDialog(UINT templateId, CWnd* parent) : KaloDialog(templateId, parent) {
    Init(templateId, parent);
}

KaloColorDialog::~KaloColorDialog() = default;

void KaloColorDialog::Init(UINT templateId, CWnd*) {
    m_templateId = templateId;
    // The library's own templates: a host may have unrelated dialogs with the same ids.
    SetTemplateModule(TrellisInstance());
    m_frameBrush.CreateSolidBrush(GetBorderColor());
    m_swatchFrameBrush.CreateSolidBrush(RGB(0, 0, 0));
}

BOOL KaloColorDialog::Create(CWnd* owner, UINT templateId) {
    if (templateId) {
        m_templateId = templateId;
    }
    m_modal = 0;
    m_owner = owner ? owner->GetSafeHwnd() : nullptr;
    return KaloDialog::Create(m_templateId, owner);
}

INT_PTR KaloColorDialog::DoModal() {
    m_modal = 1;
    m_owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    m_lpszTemplateName = MAKEINTRESOURCEA(m_templateId);
    return KaloDialog::DoModal();
}

BOOL KaloColorDialog::OnInitDialog() {
    KaloDialog::OnInitDialog();
    AttachControls();
    UpdateButtonPositions(TRUE);
    ShowAlpha(m_alphaShown);
    CheckIfChanges(TRUE);
    return TRUE;
}

void KaloColorDialog::AttachControls() {
    for (int channel = 0; channel < ChannelCount; ++channel) {
        KaloSlider& slider = m_sliders[channel];
        if (slider.SubclassDlgItem(SliderIds[channel], this)) {
            slider.SetRange(0, 255);
            slider.SetPageSize(5);
        }
        KaloEdit& field = m_fields[channel];
        if (field.SubclassDlgItem(FieldIds[channel], this)) {
            field.SetEditStyle(KaloEditUnsigned);
        }
    }
    // The colour areas show 256 values each, whatever the dialog units come to in pixels.
    const struct {
        UINT id;
        bool width;
        bool height;
    } areas[] = {{IDC_KALO_COLOR_BOX, true, true},
                 {IDC_KALO_COLOR_HUE, false, true},
                 {IDC_KALO_COLOR_ALPHA, true, false}};
    for (const auto& area : areas) {
        CWnd* child = GetDlgItem(area.id);
        if (child) {
            const CRect rect = ChildRect(area.id);
            child->SetWindowPos(nullptr, 0, 0, area.width ? AreaSide : rect.Width(),
                                area.height ? AreaSide : rect.Height(),
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

CRect KaloColorDialog::ChildRect(UINT id) const {
    CRect rect(0, 0, 0, 0);
    const HWND child = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    if (child) {
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

void KaloColorDialog::InvalidateChild(UINT id) {
    const HWND child = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    if (child) {
        ::InvalidateRect(child, nullptr, FALSE);
    }
}

void KaloColorDialog::SetStartColor(float red, float green, float blue, float alpha) {
    m_startRgb = {KaloClampUnit(red), KaloClampUnit(green), KaloClampUnit(blue)};
    m_startAlpha = KaloClampUnit(alpha);
    m_rgb = m_startRgb;
    m_alpha = m_startAlpha;
    m_hsl = KaloRgbToHsl(m_rgb);
    if (m_hWnd) {
        CheckIfChanges(TRUE);
        InvalidateChild(IDC_KALO_COLOR_START);
    }
}

void KaloColorDialog::GetStartColor(float& red, float& green, float& blue) const {
    CopyOut(m_startRgb, red, green, blue);
}

void KaloColorDialog::GetStartColor(float& red, float& green, float& blue, float& alpha) const {
    GetStartColor(red, green, blue);
    alpha = m_startAlpha;
}

void KaloColorDialog::SetCurrentColor(float red, float green, float blue, float alpha) {
    m_rgb = {KaloClampUnit(red), KaloClampUnit(green), KaloClampUnit(blue)};
    m_alpha = KaloClampUnit(alpha);
    m_hsl = KaloRgbToHsl(m_rgb);
    if (m_hWnd) {
        CheckIfChanges(FALSE);
    }
}

void KaloColorDialog::SetCurrentColorHLS(float hue, float lightness, float saturation) {
    m_hsl = {KaloClampUnit(hue), KaloClampUnit(saturation), KaloClampUnit(lightness)};
    m_rgb = KaloHslToRgb(m_hsl);
    if (m_hWnd) {
        CheckIfChanges(FALSE);
    }
}

void KaloColorDialog::GetCurrentColor(float& red, float& green, float& blue) const {
    CopyOut(m_rgb, red, green, blue);
}

void KaloColorDialog::GetCurrentColor(float& red, float& green, float& blue, float& alpha) const {
    GetCurrentColor(red, green, blue);
    alpha = m_alpha;
}

DWORD KaloColorDialog::GetCurrentColor() const {
    return KaloPackArgb(m_rgb, m_alpha);
}

void KaloColorDialog::GetCurrentColorHLS(float& hue, float& lightness, float& saturation) const {
    hue = m_hsl.hue;
    lightness = m_hsl.lightness;
    saturation = m_hsl.saturation;
}

void KaloColorDialog::ShowAlpha(BOOL show) {
    m_alphaShown = show ? 1 : 0;
    if (!m_hWnd) {
        return;
    }
    for (int id : {IDC_KALO_COLOR_ALPHA, IDC_KALO_COLOR_ALPHA_LABEL}) {
        const HWND child = ::GetDlgItem(m_hWnd, id);
        if (child) {
            ::ShowWindow(child, show ? SW_SHOW : SW_HIDE);
        }
    }
    if (!show && m_capture == Capture::Alpha) {
        ReleaseCapture();
    }
}

void KaloColorDialog::WriteChannel(UINT sliderId, UINT fieldId, float value) {
    const int channel = ChannelOf(sliderId);
    const int shown = KaloUnitToByte(value);
    if (m_editing != sliderId && m_sliders[channel].m_hWnd) {
        m_sliders[channel].SetPos(shown);
    }
    if (m_editing != fieldId && m_fields[channel].m_hWnd) {
        m_fields[channel].SetIntValue(shown);
    }
}

void KaloColorDialog::CheckIfChanges(BOOL force) {
    const bool rgbChanged = force || m_rgb.red != m_previousRgb.red || m_rgb.green != m_previousRgb.green ||
                            m_rgb.blue != m_previousRgb.blue || m_alpha != m_previousAlpha;
    const bool hueChanged = force || m_hsl.hue != m_previousHsl.hue;
    const bool hslChanged = hueChanged || m_hsl.saturation != m_previousHsl.saturation ||
                            m_hsl.lightness != m_previousHsl.lightness;
    m_previousRgb = m_rgb;
    m_previousAlpha = m_alpha;
    m_previousHsl = m_hsl;
    if (!m_hWnd) {
        return;
    }
    m_updating = 1;
    const float rgb[3] = {m_rgb.red, m_rgb.green, m_rgb.blue};
    const float hsl[3] = {m_hsl.hue, m_hsl.saturation, m_hsl.lightness};
    for (int i = 0; i < 3; ++i) {
        if (rgbChanged) {
            WriteChannel(SliderIds[Red + i], FieldIds[Red + i], rgb[i]);
        }
        if (hslChanged) {
            WriteChannel(SliderIds[Hue + i], FieldIds[Hue + i], hsl[i]);
        }
    }
    m_updating = 0;
    m_editing = 0;
    if (hueChanged) {
        InvalidateChild(IDC_KALO_COLOR_HUE);
    }
    if (hslChanged) {
        InvalidateChild(IDC_KALO_COLOR_BOX);
    }
    if (rgbChanged) {
        InvalidateChild(IDC_KALO_COLOR_CURRENT);
        InvalidateChild(IDC_KALO_COLOR_ALPHA);
        Notify(NotifyColorChanged);
    }
}

void KaloColorDialog::TakeChannel(UINT id, int value) {
    const int channel = ChannelOf(id);
    if (channel < 0 || m_updating) {
        return;
    }
    m_editing = id;
    const float v = value / 255.0f;
    switch (channel) {
    case Red:
        SetCurrentColor(v, m_rgb.green, m_rgb.blue, m_alpha);
        break;
    case Green:
        SetCurrentColor(m_rgb.red, v, m_rgb.blue, m_alpha);
        break;
    case Blue:
        SetCurrentColor(m_rgb.red, m_rgb.green, v, m_alpha);
        break;
    case Hue:
        SetCurrentColorHLS(v, m_hsl.lightness, m_hsl.saturation);
        break;
    case Saturation:
        SetCurrentColorHLS(m_hsl.hue, m_hsl.lightness, v);
        break;
    default:
        SetCurrentColorHLS(m_hsl.hue, v, m_hsl.saturation);
        break;
    }
    m_editing = 0;
}

BOOL KaloColorDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == EN_CHANGE && ChannelOf(id) >= 0) {
        int value = 0;
        if (!m_updating && m_fields[ChannelOf(id)].GetIntValue(&value)) {
            TakeChannel(id, value);
        }
        return TRUE;
    }
    return KaloDialog::OnCommand(wParam, lParam);
}

void KaloColorDialog::OnHScroll(UINT, UINT, CScrollBar* scrollBar) {
    if (!scrollBar) {
        return;
    }
    const HWND slider = scrollBar->GetSafeHwnd();
    TakeChannel(static_cast<UINT>(::GetDlgCtrlID(slider)),
                static_cast<int>(::SendMessageA(slider, TBM_GETPOS, 0, 0)));
}

void KaloColorDialog::OnLButtonDown(UINT, CPoint point) {
    CRect box = ChildRect(IDC_KALO_COLOR_BOX);
    CRect hue = ChildRect(IDC_KALO_COLOR_HUE);
    CRect alpha = ChildRect(IDC_KALO_COLOR_ALPHA);
    box.DeflateRect(1, 1);
    hue.DeflateRect(1, 1);
    alpha.DeflateRect(1, 1);
    if (box.PtInRect(point)) {
        m_capture = Capture::Box;
    } else if (hue.PtInRect(point)) {
        m_capture = Capture::Hue;
    } else if (m_alphaShown && alpha.PtInRect(point)) {
        m_capture = Capture::Alpha;
    } else if (ChildRect(IDC_KALO_COLOR_START).PtInRect(point)) {
        SetCurrentColor(m_startRgb.red, m_startRgb.green, m_startRgb.blue, m_startAlpha);
        return;
    } else {
        OnOtherPress(point);
        return;
    }
    SetCapture();
    Follow(point);
}

// The second press of a double-click arrives as this: it presses like the first.
void KaloColorDialog::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
}

void KaloColorDialog::OnOtherPress(CPoint) {}

void KaloColorDialog::Follow(CPoint point) {
    switch (m_capture) {
    case Capture::Box: {
        const CRect box = ChildRect(IDC_KALO_COLOR_BOX);
        SetCurrentColorHLS(m_hsl.hue, 1 - (point.y - box.top - 1) / 255.0f,
                           (point.x - box.left - 1) / 255.0f);
        break;
    }
    case Capture::Hue:
        SetCurrentColorHLS((point.y - ChildRect(IDC_KALO_COLOR_HUE).top - 1) / 255.0f, m_hsl.lightness,
                           m_hsl.saturation);
        break;
    case Capture::Alpha:
        SetCurrentColor(m_rgb.red, m_rgb.green, m_rgb.blue,
                        (point.x - ChildRect(IDC_KALO_COLOR_ALPHA).left - 1) / 255.0f);
        break;
    case Capture::None:
        break;
    }
}

void KaloColorDialog::OnMouseMove(UINT, CPoint point) {
    if (m_capture != Capture::None) {
        Follow(point);
    }
}

void KaloColorDialog::OnLButtonUp(UINT, CPoint) {
    if (m_capture != Capture::None && ::GetCapture() == m_hWnd) {
        ReleaseCapture();
    }
    m_capture = Capture::None;
}

void KaloColorDialog::OnCaptureChanged(CWnd*) {
    m_capture = Capture::None;
}

HWND KaloColorDialog::NotifyTarget() const {
    if (m_owner && ::IsWindow(m_owner)) {
        return m_owner;
    }
    return ::GetParent(m_hWnd);
}

void KaloColorDialog::Notify(UINT code) const {
    const HWND target = NotifyTarget();
    if (!target) {
        return;
    }
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    header.code = code;
    ::SendMessageA(target, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void KaloColorDialog::EndModeless(UINT code) {
    const HWND target = NotifyTarget();
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    header.code = code;
    DestroyWindow();
    if (target) {
        ::SendMessageA(target, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }
}

void KaloColorDialog::OnOK() {
    if (m_modal) {
        KaloDialog::OnOK();
        return;
    }
    EndModeless(NotifyOk);
}

void KaloColorDialog::OnCancel() {
    if (m_modal) {
        KaloDialog::OnCancel();
        return;
    }
    SetCurrentColor(m_startRgb.red, m_startRgb.green, m_startRgb.blue, m_startAlpha);
    EndModeless(NotifyCancel);
}

void KaloColorDialog::OnDrawItem(int id, LPDRAWITEMSTRUCT item) {
    if (item && item->CtlType == ODT_STATIC) {
        DrawPart(static_cast<UINT>(id), item->hDC, item->rcItem);
        return;
    }
    KaloDialog::OnDrawItem(id, item);
}

void KaloColorDialog::DrawPart(UINT id, HDC dc, const RECT& rect) {
    switch (id) {
    case IDC_KALO_COLOR_BOX:
        KaloDrawColorBox(dc, rect, m_boxImage, m_hsl, static_cast<HBRUSH>(m_frameBrush.GetSafeHandle()));
        break;
    case IDC_KALO_COLOR_HUE:
        DrawHueBar(dc, rect);
        break;
    case IDC_KALO_COLOR_ALPHA:
        DrawAlphaBar(dc, rect);
        break;
    case IDC_KALO_COLOR_CURRENT:
        DrawSwatch(dc, rect, ToColorRef(m_rgb));
        break;
    case IDC_KALO_COLOR_START:
        DrawSwatch(dc, rect, ToColorRef(m_startRgb));
        break;
    default:
        break;
    }
}

void KaloColorDialog::DrawSwatch(HDC dc, const RECT& rect, COLORREF color) const {
    FillSolid(dc, rect.left, rect.top, rect.right, rect.bottom, color);
    FrameRect(dc, &rect, static_cast<HBRUSH>(m_swatchFrameBrush.GetSafeHandle()));
}

void KaloColorDialog::DrawHueBar(HDC dc, const RECT& rect) const {
    const int top = rect.top + 1;
    FillSolid(dc, rect.left + 1, top, rect.right - 1, rect.bottom - 1, GetInsideBackColor());
    for (int row = 0; row < KaloColorBoxImage::Side && top + row < rect.bottom - 1; ++row) {
        FillSolid(dc, rect.left + 2, top + row, rect.right - 2, top + row + 1, KaloPureHue(row));
    }
    const int marker = top + KaloUnitToByte(m_hsl.hue);
    FillSolid(dc, rect.left, marker, rect.right, marker + 1, RGB(0, 0, 0));
    FrameRect(dc, &rect, static_cast<HBRUSH>(m_frameBrush.GetSafeHandle()));
}

// Each column is the colour at that column's alpha over the checkerboard: two blended colours
// per column, filled cell by cell.
void KaloColorDialog::DrawAlphaBar(HDC dc, const RECT& rect) const {
    const int left = rect.left + 1;
    const int top = rect.top + 1;
    const int bottom = rect.bottom - 1;
    const COLORREF color = ToColorRef(m_rgb);
    for (int column = 0; column < KaloColorBoxImage::Side && left + column < rect.right - 1; ++column) {
        const float share = column / 255.0f;
        const COLORREF light = RGB(Blend(share, GetRValue(color), 255), Blend(share, GetGValue(color), 255),
                                   Blend(share, GetBValue(color), 255));
        const COLORREF dark = RGB(Blend(share, GetRValue(color), GetRValue(CheckerDark)),
                                  Blend(share, GetGValue(color), GetGValue(CheckerDark)),
                                  Blend(share, GetBValue(color), GetBValue(CheckerDark)));
        for (int y = top; y < bottom; y += CheckerCell) {
            const bool lightCell = ((column / CheckerCell) + (y - top) / CheckerCell) % 2 == 0;
            FillSolid(dc, left + column, y, left + column + 1, std::min(y + CheckerCell, bottom),
                      lightCell ? light : dark);
        }
    }
    const int marker = left + KaloUnitToByte(m_alpha);
    FillSolid(dc, marker, top, marker + 1, top + AlphaMarkerHeight, RGB(255, 255, 255));
    FillSolid(dc, marker + 1, top, marker + 2, top + AlphaMarkerHeight, RGB(0, 0, 0));

    char text[8];
    std::snprintf(text, sizeof(text), "%d", KaloUnitToByte(m_alpha));
    const int length = static_cast<int>(std::strlen(text));
    CFont* font = KaloCtlGetDefaultFont();
    ScopedSelection fontSelection(dc, font ? font->GetSafeHandle() : nullptr);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, length, &extent);
    const int x = std::min(marker + 4, left + AlphaTextLimit - static_cast<int>(extent.cx));
    const int y = top + (bottom - top - static_cast<int>(extent.cy)) / 2;
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, x + 1, y + 1, text, length);
    ::SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, x, y, text, length);
    FrameRect(dc, &rect, static_cast<HBRUSH>(m_frameBrush.GetSafeHandle()));
}
