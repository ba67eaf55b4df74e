#pragma once

#include "TrellisExport.h"

#include <afxwin.h>

// Mix-in of every themed control: its colours, brushes, font and flags. Controls derive first
// from their window class and second from this. Brushes and fonts belong to the theme or to
// the host; a control never deletes them. Flag bits mean what each control class says.
class TRELLIS_API KaloControl {
public:
    // Colours and brushes come from the theme through the ZC_* indices as they stand now.
    KaloControl();
    virtual ~KaloControl();
    KaloControl(const KaloControl&) = default;
    KaloControl& operator=(const KaloControl&) = default;

    virtual void SetTextColor(COLORREF color);
    virtual COLORREF GetTextColor();
    virtual void SetBackColor(COLORREF color);
    virtual COLORREF GetBackColor();
    virtual void SetEditColor(COLORREF color);
    virtual COLORREF GetEditColor();
    virtual CBrush* GetControlBrush();
    virtual void SetControlBrush(CBrush* brush);
    virtual CBrush* GetEditBrush();
    virtual void SetEditBrush(CBrush* brush);
    virtual void SetBorderColor(COLORREF color);
    virtual COLORREF GetBorderColor();
    // The control's own font, or the library's default font when none was set.
    virtual CFont* GetControlFont();
    virtual void SetControlFont(CFont* font);
    // Sets all through the setters above, so overrides take part; null brushes mean the
    // library's default edit brush and default brush.
    virtual void SetColors(COLORREF text, COLORREF back, COLORREF edit, COLORREF border, CBrush* editBrush,
                           CBrush* controlBrush);

    DWORD GetFlags() const { return m_flags; }
    void SetFlags(DWORD flags) { m_flags = flags; }
    // Add first, remove second: flags = (flags & ~remove) | add.
    void ModifyFlags(DWORD add, DWORD remove);

    // The shared answer to the reflected control-colour message, named directly by a
    // control's map (ON_WM_CTLCOLOR_REFLECT): the text and back colours on dc and the control
    // brush's handle (null without one), all read through the virtual getters so that a
    // derived class's overrides take part.
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);

protected:
    COLORREF m_textColor;
    COLORREF m_backColor;
    COLORREF m_editColor;
    COLORREF m_borderColor;
    CBrush* m_controlBrush;
    CBrush* m_editBrush;
    CFont* m_font = nullptr;
    DWORD m_flags = 0;
};

// Remove first, add second (the opposite order of KaloControl::ModifyFlags).
TRELLIS_API void KaloCtlModifyFlags(DWORD& flags, DWORD remove, DWORD add);
