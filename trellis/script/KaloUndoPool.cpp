#include "KaloUndoPool.h"

#include <algorithm>

KaloUndoPool::KaloUndoPool(int limit) {
    Resize(limit);
}

void KaloUndoPool::Resize(int limit) {
    if (limit < 1)
        limit = 1;
    m_units = std::vector<XUndoUnit>(static_cast<size_t>(limit));
    m_prev.assign(m_units.size(), -1);
    m_next.assign(m_units.size(), -1);
    m_bits.assign(1, 0);
    m_undo = {};
    m_redo = {};
    m_allocations += 4;
}

void KaloUndoPool::Clear() {
    m_bits.assign(m_bits.size(), 0);
    m_undo = {};
    m_redo = {};
}

XUndoUnit* KaloUndoPool::Unit(int slot) const {
    return slot < 0 ? nullptr : &m_units[static_cast<size_t>(slot)];
}

XUndoUnit* KaloUndoPool::PreviousUndo() const {
    return m_undo.tail < 0 ? nullptr : Unit(m_prev[static_cast<size_t>(m_undo.tail)]);
}

bool KaloUndoPool::InUse(int slot) const {
    const size_t word = static_cast<size_t>(slot) / 32;
    return word < m_bits.size() && (m_bits[word] >> (slot % 32) & 1u);
}

void KaloUndoPool::MarkUsed(int slot) {
    const size_t word = static_cast<size_t>(slot) / 32;
    if (word >= m_bits.size()) {
        // Doubles, so a pool of n records reallocates its bitmap about log(n / 32) times.
        m_bits.resize(std::max(m_bits.size() * 2, word + 1), 0);
        ++m_allocations;
    }
    m_bits[word] |= 1u << (slot % 32);
}

void KaloUndoPool::Release(int slot) {
    m_bits[static_cast<size_t>(slot) / 32] &= ~(1u << (slot % 32));
}

void KaloUndoPool::Append(List& list, int slot) {
    const size_t s = static_cast<size_t>(slot);
    m_prev[s] = list.tail;
    m_next[s] = -1;
    if (list.tail >= 0)
        m_next[static_cast<size_t>(list.tail)] = slot;
    else
        list.head = slot;
    list.tail = slot;
    ++list.count;
}

void KaloUndoPool::Unlink(List& list, int slot) {
    const size_t s = static_cast<size_t>(slot);
    if (m_prev[s] >= 0)
        m_next[static_cast<size_t>(m_prev[s])] = m_next[s];
    else
        list.head = m_next[s];
    if (m_next[s] >= 0)
        m_prev[static_cast<size_t>(m_next[s])] = m_prev[s];
    else
        list.tail = m_prev[s];
    m_prev[s] = m_next[s] = -1;
    --list.count;
}

XUndoUnit* KaloUndoPool::Take() {
    while (m_redo.tail >= 0) {
        const int slot = m_redo.tail;
        Unlink(m_redo, slot);
        Release(slot);
    }
    int slot = 0;
    while (slot < Limit() && InUse(slot))
        ++slot;
    if (slot < Limit()) {
        MarkUsed(slot);
    } else {
        slot = m_undo.head;
        Unlink(m_undo, slot);
        // The record that now comes first may be the second half of a chain whose first half
        // is being overwritten: it must not undo on into an unrelated record.
        if (XUndoUnit* oldest = Unit(m_undo.head))
            oldest->ChainOnUndo = 0;
    }
    Append(m_undo, slot);
    XUndoUnit* unit = Unit(slot);
    unit->ChainOnUndo = 0;
    unit->ChainOnRedo = 0;
    return unit;
}

XUndoUnit* KaloUndoPool::MoveUndoToRedo() {
    return MoveNewest(m_undo, m_redo);
}

XUndoUnit* KaloUndoPool::MoveRedoToUndo() {
    return MoveNewest(m_redo, m_undo);
}

XUndoUnit* KaloUndoPool::MoveNewest(List& from, List& to) {
    const int slot = from.tail;
    if (slot < 0)
        return nullptr;
    Unlink(from, slot);
    Append(to, slot);
    return Unit(slot);
}

void KaloUndoPool::DropNewestUndo() {
    const int slot = m_undo.tail;
    if (slot < 0)
        return;
    Unlink(m_undo, slot);
    Release(slot);
}
