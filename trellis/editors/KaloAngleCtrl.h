#pragma once

#include "KaloAngleMath.h"
#include "KaloControl.h"
#include "KaloEdit.h"
#include "KaloStaticText.h"

// Edits an angle that may span several turns: a "Turn:" and a "Degree:" field and a small dial
// whose needle the user drags round (crossing zero counts turns). Reports to its parent with
// WM_NOTIFY: code 16 just before the user changes the angle, 17 just after. Its labels and
// fields take the control's colours when they are created.
class TRELLIS_API KaloAngleCtrl : public CWnd, public KaloControl {
public:
    static const UINT NotifyChanging = 16;
    static const UINT NotifyChanged = 17;
    static const UINT TurnFieldId = 100;
    static const UINT DegreeFieldId = 101;
    static const UINT LabelId = 102;

    KaloAngleCtrl();
    ~KaloAngleCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Splits into turns and rest and shows them; sends no notification.
    void SetAngle(float radians);
    float GetAngle() const;

    // The dial: a circle in the text colour filled with the control brush, and the needle.
    void DrawDial(HDC dc) const;

protected:
    int OnCreate(LPCREATESTRUCT create);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    void OnSetFocus(CWnd* previous);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnTurnChanged();
    void OnDegreeChanged();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* window);

    DECLARE_MESSAGE_MAP()

private:
    // Writes turns and rest into the fields without reacting to their change messages.
    void ShowFields();
    // The user's change: 16, store, repaint, 17. Nothing when the values are the same.
    void ChangeByUser(float turns, float rest, bool drawDialNow);
    void Notify(UINT code) const;
    void PaintBackground(HDC dc) const;

    float m_rest = 0;
    float m_turns = 0;
    CRect m_dial{220, 0, 240, 20};
    int m_dragging = 0;
    int m_updating = 0;
    KaloStaticText m_turnLabel;
    KaloStaticText m_degreeLabel;
    KaloEdit m_turnField;
    KaloEdit m_degreeField;
};
