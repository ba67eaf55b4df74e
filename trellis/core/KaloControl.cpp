#include "KaloControl.h"

#include "KaloDefaults.h"
#include "KaloTheme.h"

KaloControl::KaloControl()
    : m_textColor(GetKaloColor(ZC_CONTROLTEXT)), m_backColor(GetKaloColor(ZC_CONTROLBACK)),
      m_editColor(GetKaloColor(ZC_CONTROLBACK)), m_borderColor(GetKaloColor(ZC_CONTROLBORDER)),
      m_controlBrush(GetKaloBrush(ZC_CONTROLBACK)), m_editBrush(GetKaloBrush(ZC_CONTROLTEXTSELECT)) {}

KaloControl::~KaloControl() = default;

void KaloControl::SetTextColor(COLORREF color) {
    m_textColor = color;
}
COLORREF KaloControl::GetTextColor() {
    return m_textColor;
}
void KaloControl::SetBackColor(COLORREF color) {
    m_backColor = color;
}
COLORREF KaloControl::GetBackColor() {
    return m_backColor;
}
void KaloControl::SetEditColor(COLORREF color) {
    m_editColor = color;
}
COLORREF KaloControl::GetEditColor() {
    return m_editColor;
}
CBrush* KaloControl::GetControlBrush() {
    return m_controlBrush;
}
void KaloControl::SetControlBrush(CBrush* brush) {
    m_controlBrush = brush;
}
CBrush* KaloControl::GetEditBrush() {
    return m_editBrush;
}
void KaloControl::SetEditBrush(CBrush* brush) {
    m_editBrush = brush;
}
void KaloControl::SetBorderColor(COLORREF color) {
    m_borderColor = color;
}
COLORREF KaloControl::GetBorderColor() {
    return m_borderColor;
}
CFont* KaloControl::GetControlFont() {
    return m_font ? m_font : KaloCtlGetDefaultFont();
}
void KaloControl::SetControlFont(CFont* font) {
    m_font = font;
}

void KaloControl::SetColors(COLORREF text, COLORREF back, COLORREF edit, COLORREF border, CBrush* editBrush,
                            CBrush* controlBrush) {
    SetTextColor(text);
    SetBackColor(back);
    SetEditColor(edit);
    SetBorderColor(border);
    SetEditBrush(editBrush ? editBrush : KaloCtlGetDefaultEditBrush());
    SetControlBrush(controlBrush ? controlBrush : KaloCtlGetDefaultBrush());
}

void KaloControl::ModifyFlags(DWORD add, DWORD remove) {
    m_flags = (m_flags & ~remove) | add;
}

HBRUSH KaloControl::CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(GetTextColor());
    dc->SetBkColor(GetBackColor());
    CBrush* brush = GetControlBrush();
    return brush ? static_cast<HBRUSH>(brush->GetSafeHandle()) : nullptr;
}

void KaloCtlModifyFlags(DWORD& flags, DWORD remove, DWORD add) {
    flags = (flags & ~remove) | add;
}
