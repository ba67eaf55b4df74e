#pragma once

#include "KaloCompletionFilter.h"
#include "KaloControl.h"
#include "KaloRedrawGuard.h"
#include "KaloRichEditMenu.h"
#include "KaloRichEditModel.h"
#include "KaloSyntaxTables.h"
#include "KaloSyntaxTokenizer.h"

#include <afxcmn.h>

#include <memory>

// Messages to the parent: focus lost (wParam: window gaining the focus, lParam: control id)
// and Escape pressed (wParam: control id).
#define KALO_RICHEDIT_KILLFOCUS 0x7EA
#define KALO_RICHEDIT_ESCAPE 0x7EB

// The script editor: a rich edit with its own undo history and typing aids. Its keys arrive
// as reflected EN_MSGFILTER notifications, so its parent must be a layer CWnd.
class TRELLIS_API KaloRichEdit : public CRichEditCtrl, public KaloControl {
public:
    static int DefaultHeight; // pixels of a single-line editor

    KaloRichEdit();
    ~KaloRichEdit() override;
    KaloRichEdit(const KaloRichEdit&) = delete;
    KaloRichEdit& operator=(const KaloRichEdit&) = delete;

    int DoUndo();
    int DoRedo();
    int DoPaste();
    int DoCut();
    void ClearUndo();
    void SetUndoLimit(int limit);
    int GetUndoLimit();
    int GetUndoCount() const { return m_history.UndoCount(); }
    int GetRedoCount() const { return m_history.RedoCount(); }

    void GetCurSelString(CoreString& out);
    void GetRangeString(CoreString& out, int start, int end);
    // 4 (the object model's overtype bit) in overtype mode, else 0.
    int GetOverTypeMode();
    // Characters per tab stop, kept within 1..64.
    void SetTabSize(int size);
    int GetTabSize() const { return m_tabSize; }
    int GetAutoComplete() const { return m_autoComplete; }
    void SetAutoComplete(int on) { m_autoComplete = on; }
    void SelectRow(int line);

    // Plain text in and out; 0 when the file cannot be opened (or written). Load starts a new
    // history: records of the old text would corrupt the new one.
    int Load(const char* path);
    int Save(const char* path);
    void ToggleFullscreen();
    bool IsFullscreen() const { return m_fullscreen; }

    // Off nests: drawing returns when every "off" has had its "on". A hidden editor is never
    // shown by it.
    void SetRedraw(int on);
    void SuspendRedraw();
    void ResumeRedraw();
    bool RedrawSuspended() const { return (m_flags & kRedrawSuspended) != 0; }

    void CurrentSelectionIsBeingReplaced(int before, int after, const char* text);
    void ReplaceSelection(const char* text, int before, int after);
    int IsSeparator(char c) const { return m_syntax.IsSeparator(c); }
    void SetSeparator(char c, int value) { m_syntax.SetSeparator(c, value); }

    // Colouring. The host's words and line scopes; the tables change nothing on screen until
    // UpdateColors. A null or empty word or scope start is refused.
    void AddColorKeyWord(const char* word, COLORREF color);
    void RemoveColorKeyWord(const char* word);
    // Keywords and scopes go, the separators stay.
    void RemoveAllColorKeyWords();
    void AddColorLineScope(const char* start, COLORREF color);
    // Re-colours every line.
    void UpdateColors();
    const KaloSyntaxTables& SyntaxTables() const { return m_syntax; }
    // Lines coloured by passes since construction: what tests and benchmarks count.
    long ColouredLineCount() const { return m_colouredLines; }

    // The pop-up menu of the right button: Undo and Redo when there is something to do, Paste.
    HMENU BuildContextMenu() const;

    void SetBackColor(COLORREF color) override;
    void SetControlFont(CFont* font) override;

    // ---- completion: words per class, shown in a list at the word being typed ----
    // A null class name is the global class. Words hold only '!'..'}'; others are refused.
    // None of these recolours or redraws anything.
    void AddKeyWord(const char* className, const char* word, const char* description);
    // A class name that is also a global word.
    void AddOwnerType(const char* typeName);
    // Text between an owner and its member, such as ".".
    void AddOwnerSeparator(const char* text);
    // A variable's class without a declaration in the text; the first one registered stays.
    void AddGlobalAssociation(const char* name, const char* typeName);
    void ResetAutoComplete();
    const char* GetTypeOf(const char* name) const { return m_completion.GetTypeOf(name); }
    void SetToolTipColor(COLORREF color) { m_popup.SetTipColor(color); }
    COLORREF GetToolTipColor() const { return m_popup.TipColor(); }
    void SetToolTipFont(CFont* font) { m_popup.SetListFont(font); }
    int ProposeAutoComplete() { return m_popup.Propose(); }
    void ShowAutoCompleteList() { m_popup.Show(); }
    void HideAutoCompleteList() { m_popup.Hide(); }
    void ValidateAutoCompleteList() { m_popup.Validate(); }
    int IsAutoCompleteListVisible() const { return m_popup.IsVisible() ? 1 : 0; }
    void InsertAutoCompletion(int index) { m_popup.Insert(index); }
    // For the host's message loop, before TranslateMessage: keys for the open list. 1 when
    // the message was used up and must not be dispatched.
    int TranslateKeyMessages(MSG* message) { return m_popup.Translate(message); }

    static const DWORD kRedrawSuspended = 0x40;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PreSubclassWindow() override;
    // Overtype state from the object model; a failure (this platform answers "not
    // implemented") counts as insert mode. Tests override it.
    virtual bool QueryOverTypeMode();

    // The colouring pass for a host: a negative first line is 0; a last line of 0 or below, or
    // beyond the text, is the last line.
    virtual void FormatLineRange(int first, int last);
    // The pass the editor runs itself: lines first..last inclusive, clamped to the text.
    void ColourLines(long first, long last);

    BOOL OnMsgfilter(NMHDR* header, LRESULT* result);
    void OnDragDropDone(NMHDR* header, LRESULT* result);
    void OnDropFilesNotify(NMHDR* header, LRESULT* result);
    BOOL OnChange();
    HBRUSH CtlColor(CDC* dc, UINT kind);

    // The selection at a button press: where a drag inside the text starts.
    void OnButtonDown();

    DECLARE_MESSAGE_MAP()

    // Completion's protected steps.
    XClassUnit& GetClass(const char* name) { return m_completion.GetClass(name); }
    XClassUnit& GetClassAndConstruct(const char* name) { return m_completion.GetClassAndConstruct(name); }
    bool FindWordUnderCursor() { return m_completion.FindWordUnderCursor(); }
    void ComputeAutoCompleteSuggestions() { m_completion.ComputeSuggestions(); }
    long BackwardSearch(const char* text, long from) const { return m_model.FindBackward(text, from); }
    void ShowDescription() { m_popup.ShowDescription(); }
    int GetToolTipSel() const { return m_popup.GetSel(); }
    void SetToolTipSel(int index) { m_popup.SetSel(index); }
    int GetToolTipItemCount() const { return m_popup.ItemCount(); }
    void ScrollAutoCompleteList(int delta) { m_popup.Scroll(delta); }

    KaloSyntaxTables m_syntax;
    KaloRichEditModel m_model;
    KaloUndoHistory m_history;
    KaloCompletion m_completion;
    KaloCompletionPopup m_popup;
    KaloCompletionFilter m_filter;

private:
    friend class KaloRichEditModel; // runs the passes after the edits it makes

    void SetUp();
    void ApplyTabStops();
    void RefreshScrollBars();
    LRESULT OnKillFocus(HWND gaining);
    void OnContextMenu(CPoint point);
    BOOL OnCommandId(UINT id);
    void PaintBorder();
    void EraseBackground(HDC dc);
    void OnKeyRelease(WPARAM key);
    // Lines around the pending edit: the one before the edit to the one holding its last position.
    void ColourDirtyRange();
    // The coloured runs of one line (its bytes with its break) that starts at lineStart.
    void ColourRuns(long lineStart, const char* text, long bytes, CHARFORMAT2A& colour);
    void ApplyFormat(long start, long end, CHARFORMAT2A& format);
    int LoadFromDrop(HDROP drop);
    KaloKeyState KeysNow() const;

    int m_tabSize = 4;
    int m_autoComplete = 1;
    // Set while the editor itself changes the text: its own EN_CHANGE is expected then.
    int m_busy = 0;
    bool m_creating = false;
    int m_redrawDepth = 0;
    std::unique_ptr<KaloRedrawGuard> m_redrawGuard; // held from the outermost "off" to its "on"
    POINT m_savedScroll{};
    // Drag and drop inside the text: the selection at the button press.
    CHARRANGE m_dragRange{0, 0};
    CoreString m_dragText;
    bool m_dragArmed = false;
    long m_dragBaseLength = 0;
    bool m_fullscreen = false;
    HWND m_fullscreenParent = nullptr;
    RECT m_fullscreenRect{};
    // Reused by every pass.
    CoreString m_rangeBuffer;
    std::vector<KaloColourRun> m_runs;
    long m_colouredLines = 0;
};
