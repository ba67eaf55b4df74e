#pragma once

#include "KaloColorBoxImage.h"
#include "KaloDialog.h"
#include "KaloEdit.h"
#include "KaloSlider.h"

#include <afxwin.h>

// The colour picker, a themed dialog: a saturation/lightness box, a hue bar, an alpha bar over a checkerboard,
// R, G, B, H, S, L sliders and number fields (0..255) kept in step, and the start colour to
// go back to. Runs modally (DoModal) or modelessly (Create). Every RGB or alpha change sends
// WM_NOTIFY code 17 to the owner (the parent when there is none); a modeless dialog also sends
// 20 for OK and 21 for Cancel, as the last thing it does: the window is gone by then and the
// owner may delete the object. Its templates live in Trellis.dll, whatever ids the host uses.
class TRELLIS_API KaloColorDialog : public KaloDialog {
public:
    static const UINT NotifyColorChanged = 17;
    static const UINT NotifyOk = 20;
    static const UINT NotifyCancel = 21;

    explicit KaloColorDialog(CWnd* parent = nullptr);
    KaloColorDialog(UINT templateId, CWnd* parent);
    ~KaloColorDialog() override;

    // Modeless; template 0 means the dialog's own. The owner receives the notifications.
    BOOL Create(CWnd* owner, UINT templateId = 0);
    INT_PTR DoModal() override;

    void SetStartColor(float red, float green, float blue, float alpha);
    void GetStartColor(float& red, float& green, float& blue) const;
    void GetStartColor(float& red, float& green, float& blue, float& alpha) const;
    // Each value clamped to 0..1 (not-a-number becomes 0); HSL follows.
    virtual void SetCurrentColor(float red, float green, float blue, float alpha);
    // Note the order: hue, lightness, saturation. RGB follows; alpha stays.
    virtual void SetCurrentColorHLS(float hue, float lightness, float saturation);
    void GetCurrentColor(float& red, float& green, float& blue) const;
    void GetCurrentColor(float& red, float& green, float& blue, float& alpha) const;
    // 0xAARRGGBB.
    DWORD GetCurrentColor() const;
    void GetCurrentColorHLS(float& hue, float& lightness, float& saturation) const;
    // Shows or hides the alpha bar and its label; a hidden bar ignores the mouse.
    void ShowAlpha(BOOL show);

    // Brings the controls in step with the colour: what changed since the last call (all of it
    // when forced) is written into the sliders and fields (except the one the user is editing)
    // and redrawn; an RGB or alpha change sends code 17.
    void CheckIfChanges(BOOL force);

    // The owner-drawn parts, onto any context: the item's id says which.
    virtual void DrawPart(UINT id, HDC dc, const RECT& rect);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* window);

    // A left press (or double-click) on the dialog outside the colour areas.
    virtual void OnOtherPress(CPoint point);
    // The rectangle of a child in client coordinates (empty when it does not exist).
    CRect ChildRect(UINT id) const;
    void InvalidateChild(UINT id);

    DECLARE_MESSAGE_MAP()

private:
    enum class Capture { None, Box, Hue, Alpha };

    void Init(UINT templateId, CWnd* parent);
    void AttachControls();
    void WriteChannel(UINT sliderId, UINT fieldId, float value);
    // The user moved a slider or typed in a field: its value / 255 replaces its channel.
    void TakeChannel(UINT id, int value);
    void Follow(CPoint point);
    void Notify(UINT code) const;
    // Ends a modeless dialog: the window goes first, then the owner hears `code`.
    void EndModeless(UINT code);
    HWND NotifyTarget() const;
    void DrawHueBar(HDC dc, const RECT& rect) const;
    void DrawAlphaBar(HDC dc, const RECT& rect) const;
    void DrawSwatch(HDC dc, const RECT& rect, COLORREF color) const;

    KaloHsl m_hsl;
    KaloRgb m_rgb;
    float m_alpha = 0;
    KaloHsl m_previousHsl;
    KaloRgb m_previousRgb;
    float m_previousAlpha = 0;
    KaloRgb m_startRgb;
    float m_startAlpha = 0;
    int m_alphaShown = 1;
    int m_modal = 0;
    UINT m_editing = 0;
    UINT m_templateId = 0;
    Capture m_capture = Capture::None;
    int m_updating = 0;
    HWND m_owner = nullptr;
    CBrush m_frameBrush;
    CBrush m_swatchFrameBrush;
    KaloColorBoxImage m_boxImage;
    KaloSlider m_sliders[6];
    KaloEdit m_fields[6];
};
