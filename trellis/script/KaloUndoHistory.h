#pragma once

#include "KaloTextModel.h"
#include "KaloUndoPool.h"

// The editor's own undo and redo: every change is announced before it happens, so its record
// is filled from the text as it still is. Works on any text model.
class TRELLIS_API KaloUndoHistory {
public:
    // `separators`: 256 entries, non-zero for a byte that ends a word (the editor's table).
    explicit KaloUndoHistory(const unsigned char* separators);

    // CurrentSelectionIsBeingReplaced: `before` = a Backspace, `after` = a Delete or typing
    // in overtype; `text` is what replaces the selection. False when nothing is recorded.
    bool Announce(KaloTextModel& model, bool before, bool after, const char* text);
    // Announces, then replaces the selection (or the affected range) with `text`.
    void ReplaceSelection(KaloTextModel& model, const char* text, bool before = false, bool after = false);
    // Merges the newest record (one typed character) into the word before it.
    void CheckWordUnit();

    int Undo(KaloTextModel& model);
    int Redo(KaloTextModel& model);
    int Paste(KaloTextModel& model);
    void Cut(KaloTextModel& model);
    // A drag-and-drop inside the text has happened: the dragged range and text as they were
    // at the button press, whether it was a copy. The drop is the model's selection start.
    void RecordDrop(KaloTextModel& model, long dragStart, long dragEnd, const CoreString& dragText,
                    bool copied);

    void Clear();
    void SetLimit(int limit);
    int Limit() const { return m_pool.Limit(); }
    int UndoCount() const { return m_pool.UndoCount(); }
    int RedoCount() const { return m_pool.RedoCount(); }
    const KaloUndoPool& Pool() const { return m_pool; }

    // A change nobody announced (input method, a host's SetWindowText, stream-in) leaves the
    // text at another length than the records expect: the history is cleared, since its
    // records would replay into the wrong text. Returns true when it was cleared.
    bool CheckUnannounced(const KaloTextModel& model);
    // After a change the editor made without records (Load): the new text is the base.
    void Rebase(const KaloTextModel& model);

    // Range to re-format at the next key release; equal ends when nothing is pending.
    CHARRANGE DirtyRange() const { return m_dirty; }
    void SetDirty(long start, long end) { m_dirty = {start, end}; }
    void ClearDirty() { m_dirty = {0, 0}; }

private:
    XUndoUnit* TakeRecord(KaloTextModel& model);
    int Step(KaloTextModel& model, bool undo);
    void Replay(KaloTextModel& model, int start, int end, const CoreString& text, int caret);
    void NotifyLines(KaloTextModel& model, long first, long last);
    void RecordMoveAsOne(KaloTextModel& model, long dragStart, long dragEnd, const CoreString& dragText);
    bool IsSeparatorByte(char c) const { return m_separators[static_cast<unsigned char>(c)] != 0; }

    KaloUndoPool m_pool;
    const unsigned char* m_separators;
    CHARRANGE m_dirty{0, 0};
    long m_expectedLength = 0;
    // Set while a replay or paste changes the text before the expected length is known.
    bool m_changing = false;
};
