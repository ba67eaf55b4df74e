#include "KaloCompletion.h"

#include <cctype>
#include <cstring>

namespace {

// One line's bytes (without its break) and where its characters start.
struct LineText {
    long start = 0; // position of the first character
    CoreString bytes;
    std::vector<long> starts;

    LineText(const KaloTextModel& model, long line) : start(model.LineStart(line)) {
        const long next = model.LineStart(line + 1);
        model.ReadRange(start, next < 0 ? model.Length() : next - 1, bytes);
        starts = KaloCharacterStarts(bytes.CStr(), static_cast<long>(bytes.Length()));
    }
    long Count() const { return static_cast<long>(starts.size()); }
    // Byte offset of character `index`; the length at the end of the line.
    long ByteOf(long index) const {
        return index < Count() ? starts[static_cast<size_t>(index)] : static_cast<long>(bytes.Length());
    }
    char CharAt(long index) const { return bytes.CStr()[ByteOf(index)]; }
    CoreString Slice(long from, long to) const {
        return CoreString(bytes.CStr() + ByteOf(from), static_cast<uint32_t>(ByteOf(to) - ByteOf(from)));
    }
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

KaloCompletion::KaloCompletion(KaloTextModel& model, KaloUndoHistory& history,
                               const unsigned char* separators)
    : m_model(model), m_history(history), m_separators(separators) {}

// ---- registration ----

const char* KaloCompletion::KeepDescription(const char* description) {
    if (!description)
        return nullptr;
    m_descriptions.emplace_back(description);
    return m_descriptions.back().c_str();
}

bool KaloCompletion::AddKeyWord(const char* className, const char* word, const char* description) {
    XClassUnit& unit = GetClassAndConstruct(className ? className : "");
    return unit.words.Insert(word, KeepDescription(description));
}

void KaloCompletion::AddOwnerType(const char* typeName) {
    if (!typeName)
        return;
    GetClassAndConstruct("").words.Insert(typeName, nullptr);
    GetClassAndConstruct(typeName);
}

void KaloCompletion::AddOwnerSeparator(const char* text) {
    if (text && *text)
        m_ownerSeparators.emplace_back(text);
}

void KaloCompletion::AddGlobalAssociation(const char* name, const char* typeName) {
    if (!name || !typeName)
        return;
    m_associations.Insert(name, CoreString(typeName));
    GetClassAndConstruct("").words.Insert(name, nullptr);
}

void KaloCompletion::Reset() {
    m_classes.Clear();
    m_associations.Clear();
    m_descriptions.clear();
    m_descriptions.shrink_to_fit();
    m_suggestions.clear();
}

XClassUnit& KaloCompletion::GetClassAndConstruct(const char* name) {
    if (std::unique_ptr<XClassUnit>* unit = m_classes.Find(name))
        return **unit;
    auto unit = std::make_unique<XClassUnit>(name);
    XClassUnit& created = *unit;
    m_classes.Insert(name, std::move(unit));
    return created;
}

XClassUnit& KaloCompletion::GetClass(const char* name) {
    std::unique_ptr<XClassUnit>* unit = name ? m_classes.Find(name) : nullptr;
    return unit ? **unit : GetClassAndConstruct("");
}

// ---- the text at the caret ----

bool KaloCompletion::FindWordUnderCursor() {
    m_word.Clear();
    m_owner.Clear();
    m_atWordEnd = false;
    const CHARRANGE selection = m_model.Selection();
    const long caret = selection.cpMin;
    const long line = m_model.LineFromPosition(caret);
    if (selection.cpMin != selection.cpMax || caret == m_model.LineStart(line))
        return false;
    const LineText text(m_model, line);
    const long at = caret - text.start;
    long begin = at;
    while (begin > 0 && IsWordByte(text.CharAt(begin - 1)))
        --begin;
    m_word = text.Slice(begin, at);
    m_wordStart = text.start + begin;
    m_atWordEnd = at >= text.Count() || !IsWordByte(text.CharAt(at));
    const long wordByte = text.ByteOf(begin);
    for (const CoreString& separator : m_ownerSeparators) {
        const long length = static_cast<long>(separator.Length());
        if (wordByte <= length || std::memcmp(text.bytes.CStr() + wordByte - length, separator.CStr(),
                                              static_cast<size_t>(length)) != 0)
            continue;
        const long ownerEnd = KaloTextPositions(text.bytes.CStr(), wordByte - length);
        long ownerBegin = ownerEnd;
        while (ownerBegin > 0 && IsWordByte(text.CharAt(ownerBegin - 1)))
            --ownerBegin;
        m_owner = text.Slice(ownerBegin, ownerEnd);
        break;
    }
    return true;
}

const char* KaloCompletion::GetTypeOf(const char* name) const {
    if (!name || !*name)
        return nullptr;
    if (const CoreString* type = m_associations.Find(name))
        return type->CStr();
    const long length = KaloTextPositions(name, static_cast<long>(std::strlen(name)));
    // Each search starts before the last occurrence: positions only decrease, so the
    // search ends.
    for (long from = m_model.Selection().cpMax - length; from >= 0;) {
        const long found = m_model.FindBackward(name, from);
        if (found < 0 || found > from)
            return nullptr;
        if (const char* type = DeclaredClass(found, length))
            return type;
        from = found - 1;
    }
    return nullptr;
}

// A declaration is a registered class name, blanks, then the name as a whole word.
const char* KaloCompletion::DeclaredClass(long found, long length) const {
    const LineText text(m_model, m_model.LineFromPosition(found));
    const long at = found - text.start;
    if (at + length < text.Count() && IsWordByte(text.CharAt(at + length)))
        return nullptr;
    long end = at;
    while (end > 0 && IsBlank(text.CharAt(end - 1)))
        --end;
    long begin = end;
    while (begin > 0 && IsWordByte(text.CharAt(begin - 1)))
        --begin;
    if (end == at || begin == end)
        return nullptr;
    const std::unique_ptr<XClassUnit>* unit = m_classes.Find(text.Slice(begin, end).CStr());
    return unit ? (*unit)->name.CStr() : nullptr;
}

// ---- suggestions ----

void KaloCompletion::ComputeSuggestions() {
    m_suggestions.clear();
    m_ownerType.Clear();
    if ((m_word.IsEmpty() && m_owner.IsEmpty()) || !m_atWordEnd)
        return;
    if (!m_owner.IsEmpty()) {
        const char* type = GetTypeOf(m_owner.CStr());
        m_ownerType = type ? type : "";
    }
    GetClass(m_ownerType.CStr()).words.Collect(m_word.CStr(), m_suggestions);
    // A finished word with nothing longer needs no list.
    if (m_suggestions.size() == 1 && m_suggestions.front() == m_word)
        m_suggestions.clear();
}

void KaloCompletion::Refresh() {
    FindWordUnderCursor();
    ComputeSuggestions();
}

const char* KaloCompletion::Description() {
    if (!m_atWordEnd || m_word.IsEmpty())
        return nullptr;
    const char* description = nullptr;
    return GetClass(m_ownerType.CStr()).words.Find(m_word.CStr(), &description) ? description : nullptr;
}

bool KaloCompletion::Accept(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_suggestions.size())
        return false;
    const CoreString& chosen = m_suggestions[static_cast<size_t>(index)];
    const long wordBytes = static_cast<long>(m_word.Length());
    const long caret = m_model.Selection().cpMin;
    // A suggestion that starts with a symbol takes the character before the caret along:
    // that character is written again with the rest, so nothing typed is lost.
    const bool symbol = !std::isalnum(static_cast<unsigned char>(chosen.CStr()[0]));
    const long back = symbol && wordBytes > 0 && caret > 0 ? 1 : 0;
    long keep = wordBytes;
    if (back) {
        CoreString last;
        m_model.ReadRange(caret - 1, caret, last);
        keep -= static_cast<long>(last.Length());
    }
    m_model.Select(caret - back, caret);
    m_history.ReplaceSelection(m_model, chosen.CStr() + keep);
    return true;
}
