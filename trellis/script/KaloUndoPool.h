#pragma once

#include "TrellisExport.h"

#include <CoreString.h>

#include <cstdint>
#include <vector>

// One edit: the text it removed from the old range and the text it put in the new range.
struct XUndoUnit {
    CoreString OldText;
    int OldStart = 0;
    int OldEnd = 0;
    CoreString NewText;
    int NewStart = 0;
    int NewEnd = 0;
    int ChainOnUndo = 0; // after undoing this record, undo the next one too
    int ChainOnRedo = 0; // after redoing this record, redo the next one too
};

// A fixed pool of records on two lists, undo (oldest first) and redo. Records are never
// allocated per edit: a full pool recycles its oldest undo record. The pool allocates only
// when its size changes; Allocations() counts it.
class TRELLIS_API KaloUndoPool {
public:
    explicit KaloUndoPool(int limit = 200);

    // Empties both lists; a limit below 1 counts as 1.
    void Resize(int limit);
    int Limit() const { return static_cast<int>(m_units.size()); }
    void Clear();

    // Gives back every redo record, then a record at the end of the undo list: a free slot,
    // or the oldest undo record when all are in use. Its chain flags are clear.
    XUndoUnit* Take();
    int UndoCount() const { return m_undo.count; }
    int RedoCount() const { return m_redo.count; }
    // Newest record of a list, and the one before the newest undo record (null when none).
    XUndoUnit* NewestUndo() const { return Unit(m_undo.tail); }
    XUndoUnit* PreviousUndo() const;
    XUndoUnit* NewestRedo() const { return Unit(m_redo.tail); }
    // Moves the newest record of one list to the end of the other; returns it.
    XUndoUnit* MoveUndoToRedo();
    XUndoUnit* MoveRedoToUndo();
    // Gives the newest undo record back to the pool.
    void DropNewestUndo();

    bool InUse(int slot) const;
    size_t Allocations() const { return m_allocations; }

private:
    struct List {
        int head = -1;
        int tail = -1;
        int count = 0;
    };
    XUndoUnit* Unit(int slot) const;
    void Append(List& list, int slot);
    void Unlink(List& list, int slot);
    XUndoUnit* MoveNewest(List& from, List& to);
    void Release(int slot);
    void MarkUsed(int slot);

    mutable std::vector<XUndoUnit> m_units;
    std::vector<int> m_prev;
    std::vector<int> m_next;
    std::vector<uint32_t> m_bits;
    List m_undo;
    List m_redo;
    size_t m_allocations = 0;
};
