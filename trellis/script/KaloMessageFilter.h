#pragma once

#include "KaloUndoHistory.h"

// Modifier keys as they were when the message was generated.
struct KaloKeyState {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// The editor's keyboard handling: key tables, typing aids (auto-indent, bracket pairs, block
// indent), bracket matching, word deletion. Every change goes through the undo history, and
// the filter makes the change itself instead of passing the key on, so a record always
// matches what happened to the text.
class TRELLIS_API KaloMessageFilter {
public:
    KaloMessageFilter(KaloTextModel& model, KaloUndoHistory& history, const unsigned char* separators);
    virtual ~KaloMessageFilter() = default;
    KaloMessageFilter(const KaloMessageFilter&) = delete;
    KaloMessageFilter& operator=(const KaloMessageFilter&) = delete;

    // One keyboard message (WM_KEYDOWN, WM_CHAR, WM_SYSCHAR); true when it is swallowed.
    bool Filter(UINT message, WPARAM key, const KaloKeyState& keys);

    // Records and inserts typed text, merging word characters into one record.
    void TypeText(const char* text);
    void AutoIndent();
    void InsertTabulation(bool shift);
    // Ctrl+E: caret before the partner of the bracket at (or else before) the caret.
    bool FindScope();
    // Ctrl+Backspace / Ctrl+Delete: the word (and the blanks next to it) before or after the caret.
    void DeleteWord(bool forward);

protected:
    // Key routing for completion: a visible suggestion list takes its keys first. True when
    // the key was taken. The editor alone has no list.
    virtual bool RouteToCompletion(UINT /*message*/, WPARAM /*key*/, const KaloKeyState& /*keys*/) {
        return false;
    }
    // A typed full stop asks for the member list at key release.
    virtual void RequestMembers() {}

private:
    bool OnKeyDown(WPARAM key, const KaloKeyState& keys);
    bool OnChar(WPARAM key, const KaloKeyState& keys);
    bool OnTypedCharacter(char c);
    void InsertPair(const char* pair);
    // Position of the partner of the bracket at `at`, -1 when it has none.
    static long MatchForward(const CoreString& text, long at, char opening, char closing);
    static long MatchBackward(const CoreString& text, long at, char opening, char closing);
    // Class of the byte starting a character: 0 blank, 1 separator, 2 word character.
    int CharClass(char c) const;

    KaloTextModel& m_model;
    KaloUndoHistory& m_history;
    const unsigned char* m_separators;
    char m_leadByte = 0; // first byte of a double-byte character typed as two WM_CHARs
};
