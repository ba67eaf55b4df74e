#include "KaloMemoryTextModel.h"

#include <algorithm>

std::string KaloCrLineBreaks(const char* text) {
    std::string out;
    for (const char* c = text; *c; ++c) {
        if (*c == '\r' && c[1] == '\n')
            ++c;
        out += *c == '\n' ? '\r' : *c;
    }
    return out;
}

KaloMemoryTextModel::KaloMemoryTextModel(const char* text) : m_text(KaloCrLineBreaks(text)) {}

void KaloMemoryTextModel::SetText(const char* text) {
    m_text = KaloCrLineBreaks(text);
    m_selection = {0, 0};
}

long KaloMemoryTextModel::ByteOffset(long position) const {
    return KaloTextByteOffset(m_text.data(), static_cast<long>(m_text.size()), position);
}

long KaloMemoryTextModel::Length() const {
    return KaloTextPositions(m_text.data(), static_cast<long>(m_text.size()));
}

void KaloMemoryTextModel::Select(long start, long end) {
    const long length = Length();
    // The rich edit treats a negative start as "no selection" and an end of -1 as the text end.
    if (end < 0 || end > length)
        end = length;
    start = std::clamp(start, 0L, length);
    m_selection = {std::min(start, end), std::max(start, end)};
}

void KaloMemoryTextModel::ReplaceSelection(const char* text) {
    const long start = ByteOffset(m_selection.cpMin);
    const long end = ByteOffset(m_selection.cpMax);
    const std::string inserted = KaloCrLineBreaks(text);
    m_text.replace(start, end - start, inserted);
    const long caret =
        m_selection.cpMin + KaloTextPositions(inserted.data(), static_cast<long>(inserted.size()));
    m_selection = {caret, caret};
}

void KaloMemoryTextModel::ReadRange(long start, long end, CoreString& out) const {
    if (start >= end) {
        out.Assign("", 0);
        return;
    }
    const long from = ByteOffset(std::max(start, 0L));
    const long to = ByteOffset(end);
    out.Assign(m_text.data() + from, static_cast<uint32_t>(to - from));
}

long KaloMemoryTextModel::LineCount() const {
    return static_cast<long>(std::count(m_text.begin(), m_text.end(), '\r')) + 1;
}

long KaloMemoryTextModel::LineStart(long line) const {
    if (line < 0)
        return -1;
    long position = 0;
    long current = 0;
    const long size = static_cast<long>(m_text.size());
    for (long i = 0; i < size && current < line; ++position) {
        current += m_text[i] == '\r' ? 1 : 0;
        i += KaloCharacterBytes(m_text.data(), i, size);
    }
    return current == line ? position : -1;
}

long KaloMemoryTextModel::LineFromPosition(long position) const {
    const long end = ByteOffset(position);
    return static_cast<long>(std::count(m_text.begin(), m_text.begin() + end, '\r'));
}

void KaloMemoryTextModel::Paste() {
    ReplaceSelection(m_clipboard.c_str());
}

void KaloMemoryTextModel::Cut() {
    Copy();
    ReplaceSelection("");
}

void KaloMemoryTextModel::Copy() {
    CoreString selected;
    ReadRange(m_selection.cpMin, m_selection.cpMax, selected);
    m_clipboard = selected.CStr();
}
