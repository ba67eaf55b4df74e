#pragma once

#include "KaloControl.h"
#include "KaloDialogButton.h"
#include "KaloInterfaceData.h"
#include "TrellisExport.h"

#include <CoreString.h>
#include <afxwin.h>

// Dialog flag bits.
enum : DWORD {
    KALODLG_ACTIVE = 0x1,          // caption drawn in the active colours
    KALODLG_BUTTONS_CREATED = 0x2, // set when the dialog is initialised
    KALODLG_SHOW_OK = 0x4,
    KALODLG_SHOW_APPLY = 0x8,
    KALODLG_SHOW_CANCEL = 0x10,
    KALODLG_INSET_PANEL = 0x20,   // the inner panel is inset by MarginInside (else by 1)
    KALODLG_CLOSE_OK = 0x40,      // OK closes (else it is swallowed)
    KALODLG_CLOSE_APPLY = 0x80,   // Apply ends the dialog with 99 (else it is passed on)
    KALODLG_CLOSE_CANCEL = 0x100, // Cancel closes (else it is swallowed)
    KALODLG_PLAIN = 0x200,        // activation, erase and non-client messages get default handling
    KALODLG_NO_PAINT = 0x400,     // the frame and background painters do nothing
    KALODLG_ROUNDED = 0x800,      // rounded window region and outline
    KALODLG_ROUNDED_PANEL = 0x1000,
    KALODLG_DEFAULT_FLAGS = 0x1975,
};

// The library's dialog: paints its own caption, frame and two-tone background from the theme
// and owns three themed buttons, OK (id 1), Apply (id 99) and Cancel (id 2), which it creates
// when initialised, sizes to their captions and lays out in the bottom margin. It can resize
// itself around a client area given by the host. The theme's font 1 is its font.
class TRELLIS_API KaloDialog : public CDialog, public KaloControl {
public:
    static const UINT kApplyId = 99;

    KaloDialog();
    KaloDialog(UINT templateId, CWnd* parent);
    KaloDialog(const char* templateName, CWnd* parent);
    // Owns child windows: its window goes while the object is still whole.
    ~KaloDialog() override;

    BOOL PreTranslateMessage(MSG* msg) override;

    // A non-empty text becomes the caption and shows the button; null or empty hides it.
    void SetCustomButtons(const char* ok, const char* apply, const char* cancel);
    void ShowCustomButtons(int ok, int apply, int cancel);
    void SetClosingButtons(int ok, int apply, int cancel);
    void SetCustomButtonPositions(int ok, int apply, int cancel);
    void TestCustomButtonPositions();
    void UpdateButtonNames();
    void GetButtonSizes(CSize& ok, CSize& apply, CSize& cancel);
    int GetMinClientWidth();
    void UpdateButtonPositions(int redraw);
    // Resizes the dialog around a client area of rect's size (rect must start at 0,0) and
    // moves the children that fit into it onto the inner panel; rect receives the window's
    // new rectangle. 0 when rect is null or does not start at 0,0.
    int AdjustWindows(RECT* rect, int redraw, int moveChildren);
    // The inner panel, in which a host lays out its controls.
    void GetKaloDialogClientRect(RECT* rect);
    void PlaceInWorkArea(int redraw);
    POINT GetBorderSize();
    int GetCaptionHeight();

    int GetKaloDlgFlags() const { return static_cast<int>(m_dlgFlags); }
    int SetKaloDlgFlags(int flags);
    // (flags & ~remove) | (add & ~remove): a bit in both is cleared.
    int ModifyKaloDlgFlags(int add, int remove);
    BOOL IsKaloDlgFlagSet(int mask) const { return (m_dlgFlags & static_cast<DWORD>(mask)) != 0; }
    int SetKaloDlgFlagsValue(int mask, int on);

    COLORREF GetBackColor() override { return m_back; }
    void SetBackColor(COLORREF color) override { m_back = color; }
    COLORREF GetBorderColor() override { return m_border; }
    void SetBorderColor(COLORREF color) override { m_border = color; }
    COLORREF GetInsideBackColor() const { return m_insideBack; }
    void SetInsideBackColor(COLORREF color) { m_insideBack = color; }
    COLORREF GetTitleColor() const { return m_title; }
    void SetTitleColor(COLORREF color) { m_title = color; }
    COLORREF GetTitleBackColor() const { return m_titleBack; }
    void SetTitleBackColor(COLORREF color) { m_titleBack = color; }
    void SetRoundRect(int width, int height);
    void SetRoundRect(POINT ellipse);

    // Paints caption band and outline into dc in window coordinates (the non-client painter
    // uses the window's own context).
    void PaintFrame(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void DoNcPaint();
    BOOL DoEraseBackground(HDC dc);
    HBRUSH DoCtlColor(HDC dc, int kind);
    BOOL DoInitDialog();

    DECLARE_MESSAGE_MAP()

private:
    struct ButtonSlot;
    void Init();
    ButtonSlot Slot(int index);
    // 1, or MarginInside when the panel is inset.
    int PanelInset() const;
    bool IsDialogButton(HWND window) const;
    void PaintCaption(HDC dc, const RECT& band);
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);

    KaloInterfaceData* m_theme;
    DWORD m_dlgFlags = KALODLG_DEFAULT_FLAGS;
    KaloDialogButton m_ok;
    KaloDialogButton m_cancel;
    KaloDialogButton m_apply;
    CoreString m_okCaption;
    CoreString m_applyCaption;
    CoreString m_cancelCaption;
    int m_positions[3] = {72, 72, 72}; // OK, Apply, Cancel
    COLORREF m_back = 0;
    COLORREF m_insideBack = 0;
    COLORREF m_border = 0;
    COLORREF m_title = 0;
    COLORREF m_titleBack = 0;
    POINT m_ellipse{9, 9};
    HFONT m_currentFont = nullptr; // the font last given with WM_SETFONT
};
