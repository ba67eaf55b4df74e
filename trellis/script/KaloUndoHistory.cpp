#include "KaloUndoHistory.h"

#include <algorithm>
#include <cstring>

namespace {

class ChangingScope {
public:
    explicit ChangingScope(bool& changing) : m_changing(changing) { m_changing = true; }
    ~ChangingScope() { m_changing = false; }
    ChangingScope(const ChangingScope&) = delete;
    ChangingScope& operator=(const ChangingScope&) = delete;

private:
    bool& m_changing;
};

uint32_t Bytes(const char* text) {
    return static_cast<uint32_t>(std::strlen(text));
}

long Positions(const CoreBaseString& text) {
    return KaloTextPositions(text.CStr(), static_cast<long>(text.Length()));
}

} // namespace

KaloUndoHistory::KaloUndoHistory(const unsigned char* separators) : m_separators(separators) {}

XUndoUnit* KaloUndoHistory::TakeRecord(KaloTextModel& model) {
    model.SetModified(true);
    return m_pool.Take();
}

bool KaloUndoHistory::Announce(KaloTextModel& model, bool before, bool after, const char* text) {
    CheckUnannounced(model);
    const CHARRANGE selection = model.Selection();
    const long length = model.Length();
    long start = selection.cpMin;
    long end = selection.cpMax;
    if (start == end && before) {
        if (start < 1)
            return false;
        --start;
    } else if (start == end && after) {
        CoreString next;
        model.ReadRange(start, start + 1, next);
        // Nothing to delete at the end; overtype never writes over a line break.
        if (next.IsEmpty() && !*text)
            return false;
        if (!next.IsEmpty() && !(*text && next.CStr()[0] == '\r'))
            ++end;
    }
    XUndoUnit* unit = TakeRecord(model);
    model.ReadRange(start, end, unit->OldText);
    unit->OldStart = static_cast<int>(start);
    unit->OldEnd = static_cast<int>(end);
    unit->NewText.Assign(text, Bytes(text));
    unit->NewStart = static_cast<int>(start);
    unit->NewEnd = static_cast<int>(start + Positions(unit->NewText));
    m_dirty = {unit->NewStart, unit->NewEnd + 1};
    m_expectedLength = length - (end - start) + (unit->NewEnd - unit->NewStart);
    return true;
}

void KaloUndoHistory::ReplaceSelection(KaloTextModel& model, const char* text, bool before, bool after) {
    if (!Announce(model, before, after, text))
        return;
    const XUndoUnit* unit = m_pool.NewestUndo();
    model.Select(unit->OldStart, unit->OldEnd);
    model.ReplaceSelection(text);
}

void KaloUndoHistory::CheckWordUnit() {
    XUndoUnit* newest = m_pool.NewestUndo();
    XUndoUnit* previous = m_pool.PreviousUndo();
    if (!newest || !previous || newest->NewEnd - newest->NewStart != 1 ||
        previous->NewEnd <= previous->NewStart || previous->NewEnd != newest->NewStart ||
        !newest->OldText.IsEmpty() || newest->NewText.IsEmpty())
        return;
    const char* word = previous->NewText.CStr();
    const long bytes = static_cast<long>(previous->NewText.Length());
    const long last = KaloTextByteOffset(word, bytes, previous->NewEnd - previous->NewStart - 1);
    if (last >= bytes || IsSeparatorByte(word[last]) || IsSeparatorByte(newest->NewText.CStr()[0]))
        return;
    previous->NewText += newest->NewText;
    previous->NewEnd = newest->NewEnd;
    m_pool.DropNewestUndo();
}

void KaloUndoHistory::Replay(KaloTextModel& model, int start, int end, const CoreString& text, int caret) {
    ChangingScope changing(m_changing);
    model.Select(start, end);
    model.ReplaceSelection(text.CStr());
    model.Select(caret, caret);
    m_expectedLength = model.Length();
}

void KaloUndoHistory::NotifyLines(KaloTextModel& model, long first, long last) {
    model.LinesChanged(std::max(first, 0L), std::min(last, model.LineCount() - 1));
}

int KaloUndoHistory::Undo(KaloTextModel& model) {
    return Step(model, true);
}

int KaloUndoHistory::Redo(KaloTextModel& model) {
    return Step(model, false);
}

int KaloUndoHistory::Step(KaloTextModel& model, bool undo) {
    CheckUnannounced(model);
    auto pending = [&] { return undo ? m_pool.UndoCount() : m_pool.RedoCount(); };
    if (pending() == 0)
        return 0;
    const XUndoUnit* unit;
    do {
        unit = undo ? m_pool.MoveUndoToRedo() : m_pool.MoveRedoToUndo();
        // Undo puts the old text back where the new one stands; redo the other way round.
        const int start = undo ? unit->NewStart : unit->OldStart;
        const int end = undo ? unit->NewEnd : unit->OldEnd;
        const int caret = undo ? unit->OldEnd : unit->NewEnd;
        Replay(model, start, end, undo ? unit->OldText : unit->NewText, caret);
        NotifyLines(model, model.LineFromPosition(start) - 1, model.LineFromPosition(caret) + 1);
    } while ((undo ? unit->ChainOnUndo : unit->ChainOnRedo) && pending() > 0);
    return 1;
}

int KaloUndoHistory::Paste(KaloTextModel& model) {
    CheckUnannounced(model);
    const CHARRANGE selection = model.Selection();
    XUndoUnit* unit = TakeRecord(model);
    model.ReadRange(selection.cpMin, selection.cpMax, unit->OldText);
    unit->OldStart = static_cast<int>(selection.cpMin);
    unit->OldEnd = static_cast<int>(selection.cpMax);
    {
        ChangingScope changing(m_changing);
        model.Paste();
    }
    unit->NewStart = unit->OldStart;
    unit->NewEnd = static_cast<int>(std::max(model.Selection().cpMax, selection.cpMin));
    model.ReadRange(unit->NewStart, unit->NewEnd, unit->NewText);
    m_dirty = {unit->NewStart, unit->NewEnd + 1};
    m_expectedLength = model.Length();
    NotifyLines(model, model.LineFromPosition(unit->OldStart) - 1, model.LineFromPosition(unit->NewEnd) + 1);
    return 1;
}

void KaloUndoHistory::Cut(KaloTextModel& model) {
    const CHARRANGE selection = model.Selection();
    // An empty selection cuts nothing: recording the next character would not match.
    if (selection.cpMin == selection.cpMax)
        return;
    Announce(model, false, true, "");
    model.Cut();
}

void KaloUndoHistory::RecordDrop(KaloTextModel& model, long dragStart, long dragEnd,
                                 const CoreString& dragText, bool copied) {
    if (dragStart >= dragEnd)
        return;
    const long drop = model.Selection().cpMin;
    const long length = Positions(dragText);
    // Text moved by the drop is already gone and inserted: the lengths now are the base.
    m_expectedLength = model.Length();
    if (!copied && Limit() < 2) {
        RecordMoveAsOne(model, dragStart, dragEnd, dragText);
        return;
    }
    if (!copied) {
        XUndoUnit* removal = TakeRecord(model);
        removal->OldText = dragText;
        removal->OldStart = static_cast<int>(dragStart);
        removal->OldEnd = static_cast<int>(dragEnd);
        removal->NewText.Assign("", 0);
        removal->NewStart = removal->NewEnd = static_cast<int>(dragStart);
        removal->ChainOnRedo = 1;
    }
    XUndoUnit* insertion = TakeRecord(model);
    insertion->ChainOnUndo = copied ? 0 : 1;
    insertion->OldText.Assign("", 0);
    insertion->OldStart = insertion->OldEnd = static_cast<int>(drop);
    insertion->NewText = dragText;
    insertion->NewStart = static_cast<int>(drop);
    insertion->NewEnd = static_cast<int>(drop + length);
    m_dirty = {insertion->NewStart, insertion->NewEnd + 1};
}

void KaloUndoHistory::RecordMoveAsOne(KaloTextModel& model, long dragStart, long dragEnd,
                                      const CoreString& dragText) {
    // A move with room for one record: the span from the first to the last moved character
    // as it was and as it is. Rotating the span back rebuilds the old text.
    const long drop = model.Selection().cpMin;
    const long length = dragEnd - dragStart;
    const long low = std::min(drop, dragStart);
    const long high = std::max(dragEnd, drop + length);
    XUndoUnit* unit = TakeRecord(model);
    CoreString rest;
    if (drop < dragStart) {
        model.ReadRange(drop + length, dragEnd, rest);
        unit->OldText = rest;
        unit->OldText += dragText;
    } else {
        model.ReadRange(dragStart, drop, rest);
        unit->OldText = dragText;
        unit->OldText += rest;
    }
    model.ReadRange(low, high, unit->NewText);
    unit->OldStart = unit->NewStart = static_cast<int>(low);
    unit->OldEnd = unit->NewEnd = static_cast<int>(high);
    m_dirty = {unit->NewStart, unit->NewEnd + 1};
}

void KaloUndoHistory::Clear() {
    m_pool.Clear();
}

void KaloUndoHistory::SetLimit(int limit) {
    m_pool.Resize(limit);
}

bool KaloUndoHistory::CheckUnannounced(const KaloTextModel& model) {
    const long length = model.Length();
    if (m_changing || length == m_expectedLength)
        return false;
    Clear();
    m_expectedLength = length;
    return true;
}

void KaloUndoHistory::Rebase(const KaloTextModel& model) {
    Clear();
    m_expectedLength = model.Length();
}
