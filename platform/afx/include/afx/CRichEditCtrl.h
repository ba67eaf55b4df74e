// The rich edit 2.0 control (class "RichEdit20A"; Create loads its library).
// Two ways of counting: positions (the control's own, a line break is one CR and a double-byte
// character is one position) and the bytes of WM_GETTEXT, where a line break is CR LF. Every
// member here speaks positions; byte buffers for a range need TextBufferSize(positions).
#pragma once

#include "afx/CWnd.h"

#include <richedit.h>
#include <richole.h>

class AFX_API CRichEditCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetSel(long start, long end);
    void GetSel(long& start, long& end) const;
    void ReplaceSel(LPCSTR text, BOOL canUndo = FALSE) {
        SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
    }
    // Bytes that hold the ANSI text of `positions` positions with its NUL (double-byte text
    // takes two bytes a position).
    static long TextBufferSize(long positions) { return 2 * (positions > 0 ? positions : 0) + 1; }
    // Length in positions (not the CR LF count of WM_GETTEXTLENGTH).
    long GetTextLength() const;
    long GetTextLengthEx(DWORD flags, UINT codePage = CP_ACP) const;
    // Text between two positions (CR line breaks) into a buffer of TextBufferSize(end - start)
    // bytes; returns the bytes copied.
    long GetTextRange(long start, long end, LPSTR buffer) const;
    // The selected text into a buffer of TextBufferSize(selection length) bytes.
    long GetSelText(LPSTR buffer) const {
        return static_cast<long>(SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer)));
    }
    BOOL GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
    void SetModify(BOOL modified = TRUE) { SendMessage(EM_SETMODIFY, modified); }
    DWORD GetOptions() const { return static_cast<DWORD>(SendMessage(EM_GETOPTIONS)); }
    long GetLimitText() const { return static_cast<long>(SendMessage(EM_GETLIMITTEXT)); }
    BOOL SetParaFormat(PARAFORMAT& format);
    // A line width of 1 with no device switches word wrap off: lines are paragraphs then.
    BOOL SetTargetDevice(HDC dc, long lineWidth) {
        return static_cast<BOOL>(SendMessage(EM_SETTARGETDEVICE, reinterpret_cast<WPARAM>(dc), lineWidth));
    }
    // The object model behind the control, with a reference the caller releases; null when
    // the control has none.
    IRichEditOle* GetIRichEditOle() const;
    DWORD SetEventMask(DWORD mask) {
        return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, static_cast<LPARAM>(mask)));
    }
    DWORD GetEventMask() const { return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK)); }
    BOOL SetSelectionCharFormat(CHARFORMATA& format);
    DWORD GetSelectionCharFormat(CHARFORMATA& format) const;
    BOOL SetDefaultCharFormat(CHARFORMATA& format);
    COLORREF SetBackgroundColor(BOOL useSystem, COLORREF color) {
        return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, useSystem, static_cast<LPARAM>(color)));
    }
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    int LineIndex(int line = -1) const {
        return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line)));
    }
    int LineLength(int charIndex = -1) const {
        return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(charIndex)));
    }
    long LineFromChar(long charIndex) const {
        return static_cast<long>(SendMessage(EM_EXLINEFROMCHAR, 0, charIndex));
    }
    int GetLine(int index, LPSTR buffer, int maxLength) const;
    int GetFirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)); }
    BOOL LineScroll(int lines, int chars = 0) {
        return static_cast<BOOL>(SendMessage(EM_LINESCROLL, static_cast<WPARAM>(chars), lines));
    }
    CPoint PosFromChar(UINT charIndex) const;
    int CharFromPos(CPoint point) const;
    void HideSelection(BOOL hide, BOOL permanent) { SendMessage(EM_HIDESELECTION, hide, permanent); }
    void LimitText(long maxChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, maxChars); }
    void SetOptions(DWORD flags) { SendMessage(EM_SETOPTIONS, ECOOP_SET, static_cast<LPARAM>(flags)); }
    UINT SetOptions(WORD operation, DWORD flags) {
        return static_cast<UINT>(SendMessage(EM_SETOPTIONS, operation, static_cast<LPARAM>(flags)));
    }
    BOOL SetReadOnly(BOOL readOnly = TRUE) {
        return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
    }
    BOOL CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
    BOOL Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
    BOOL Redo() { return static_cast<BOOL>(SendMessage(EM_REDO)); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Cut() { SendMessage(WM_CUT); }
    void Copy() { SendMessage(WM_COPY); }
    void Paste() { SendMessage(WM_PASTE); }
    void Clear() { SendMessage(WM_CLEAR); }
    // First match of `find` in the given range; -1 when none. Without FR_DOWN and with
    // cpMin > cpMax the search runs backwards.
    long FindTextEx(DWORD flags, FINDTEXTEXA* find) const {
        return static_cast<long>(SendMessage(EM_FINDTEXTEX, flags, reinterpret_cast<LPARAM>(find)));
    }
    long StreamIn(int format, EDITSTREAM& stream) {
        return static_cast<long>(
            SendMessage(EM_STREAMIN, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
    }
    long StreamOut(int format, EDITSTREAM& stream) {
        return static_cast<long>(
            SendMessage(EM_STREAMOUT, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
    }
};
