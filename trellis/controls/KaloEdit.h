#pragma once

#include "KaloControl.h"
#include "KaloEditFilter.h"

#include <afxwin.h>

// Private messages a KaloEdit (and a KaloComboBox) sends to its parent.
constexpr UINT KaloMsgReturn = 2024;    // wParam: control id
constexpr UINT KaloMsgF2 = 2025;        // wParam: control id (combo box)
constexpr UINT KaloMsgKillFocus = 2026; // wParam: window getting the focus, lParam: control id
constexpr UINT KaloMsgEscape = 2027;    // wParam: control id

// Flag bits of KaloEdit beside the edit style (the low four bits, see KaloEditStyle).
constexpr DWORD KaloEditStyleMask = 0x0F;
constexpr DWORD KaloEditNoUnderline = 0x10;
constexpr DWORD KaloEditBorderFrame = 0x20;
constexpr DWORD KaloEditRedrawOff = 0x40;

// Single-line themed edit: flat colours, an optional one-pixel underline, numeric styles
// filtered key by key (typed input only: text set by the host is taken as it is), value
// accessors that leave the text alone when it already shows the value, and notifications to
// the parent for Return, Escape and loss of focus. The colour message reaches the edit only
// when its parent is a layer window (it is reflected from there).
class TRELLIS_API KaloEdit : public CEdit, public KaloControl {
public:
    KaloEdit();

    // Height of single-line edits made or subclassed from now on (the underline adds 2).
    static int DefaultHeight;

    void SetControlFont(CFont* font) override;
    void SetEditStyle(int flags) { m_flags = static_cast<DWORD>(flags); }
    int GetEditStyle() const { return static_cast<int>(m_flags); }
    void SetRedraw(int on);

    void SetIntValue(int value);
    int GetIntValue(int* value);
    void SetFloatValue(float value);
    // 1 whenever there is text (the value is written only when it parses); 0 and 0.0 for none.
    int GetFloatValue(float* value);
    void SetStringValue(const char* text);
    // Copies at most size - 1 bytes and always terminates (size > 0).
    void GetStringValue(char* buffer, int size);

    // Stored for the host; the edit itself does not clamp.
    void SetIntRange(int first, int second);
    void GetIntRange(int* first, int* second) const;
    void SetFloatRange(float first, float second);
    void GetFloatRange(float* first, float* second) const;
    void SetFloatPrecision(int width, int decimals);
    void GetFloatPrecision(int* width, int* decimals) const;

    // Painting entry points, callable on any context.
    BOOL OnEraseBkgnd(CDC* dc);
    void DrawNonClient(CDC* dc);

    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    void OnChar(UINT ch, UINT repeat, UINT flags);

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int Style() const { return static_cast<int>(m_flags & KaloEditStyleMask); }
    bool Underlined() const { return (m_flags & KaloEditNoUnderline) == 0; }
    bool RedrawOff() const { return (m_flags & KaloEditRedrawOff) != 0; }
    // Sends a private message to the parent; false when there is none.
    bool NotifyParent(UINT message, WPARAM wParam, LPARAM lParam) const;
    LRESULT OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPositionChanged();
    void ReplaceTextIfDifferent(const char* text);

    int m_intSecond = 0;
    int m_intFirst = 0;
    float m_floatSecond = 0.0f;
    float m_floatFirst = 100.0f;
    int m_precisionWidth = -1;
    int m_precisionDecimals = 3;
    // Whether SetRedraw(FALSE) switched the window's drawing off (it was visible then).
    bool m_redrawSwitchedOff = false;
    CRect m_placeInParent;

    DECLARE_MESSAGE_MAP()
};
