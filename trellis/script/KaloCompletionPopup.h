#pragma once

#include "KaloCompletion.h"
#include "KaloCompletionList.h"

#include <afxcmn.h>

// The windows of completion: the suggestion list, a pop-up at the word being typed, and the
// description tip above the caret; and what keys, buttons and focus do to them. Both are
// made as hidden children of the editor; the list leaves it for the desktop when first
// shown, so it is never clipped by the editor.
class TRELLIS_API KaloCompletionPopup {
public:
    // The list's window user data while it is shown.
    static const LONG_PTR kShownMark = 12345;
    static const int kMaxListHeight = 150;

    // `enabled`: the editor's completion switch, read at each event.
    KaloCompletionPopup(KaloCompletion& completion, const int& enabled);
    KaloCompletionPopup(const KaloCompletionPopup&) = delete;
    KaloCompletionPopup& operator=(const KaloCompletionPopup&) = delete;

    void Create(CRichEditCtrl& editor, CFont* font);
    void Destroy();

    // Shows (or refreshes) the list of the current suggestions; false when there are none.
    bool Show();
    // `focusEditor` is false when the focus is going elsewhere.
    void Hide(bool focusEditor = true);
    bool IsVisible() const;
    // Accepts the list's current item and hides the list; false when nothing was accepted.
    bool Validate();
    bool Insert(int index);
    // Completes at the caret: 1 when something was proposed or inserted.
    int Propose();
    void ShowDescription();

    void SetTipColor(COLORREF color);
    COLORREF TipColor() const { return m_tipColor; }
    void SetListFont(CFont* font);
    int GetSel() const;
    void SetSel(int index);
    int ItemCount() const;
    // Moves the list's selection by `delta`, kept on the items.
    void Scroll(int delta);

    // The editor's events. Keys return true when they were taken.
    bool OnKeyDown(WPARAM key);
    bool OnChar(WPARAM key, bool ctrl);
    void OnKeyRelease(WPARAM key);
    void OnButtonDown();
    void OnButtonUp();
    void OnKillFocus(HWND gaining);
    // The list itself lost the focus: anywhere but back to the editor closes it.
    void OnListFocusLost(HWND gaining);
    // Tab, Enter or Escape typed in the list itself.
    void OnListKey(WPARAM key);
    // Background of the tip; null for any other control.
    HBRUSH CtlColor(HDC dc, HWND control) const;
    // For the host's message loop; 1 when the message was used up.
    int Translate(MSG* message);

    HWND ListWindow() const { return m_list.m_hWnd; }
    HWND TipWindow() const { return m_tip.m_hWnd; }

private:
    void Fill();
    int ListWidth() const;
    void Detach();
    RECT PlaceOnScreen(POINT anchor, SIZE size) const;
    void FocusEditor() const;

    KaloCompletion& m_completion;
    const int& m_enabled;
    CRichEditCtrl* m_editor = nullptr; // the owning editor
    KaloCompletionList m_list;
    CStatic m_tip;
    COLORREF m_tipColor = RGB(253, 251, 213);
    CBrush m_tipBrush;
    bool m_detached = false;
};
