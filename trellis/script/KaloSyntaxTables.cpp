#include "KaloSyntaxTables.h"

#include "KaloTextModel.h"

#include <cstring>
#include <utility>

KaloSyntaxTables::KaloSyntaxTables() {
    KaloDefaultSeparators(m_separators);
}

bool KaloSyntaxTables::AddKeyWord(const char* word, COLORREF color) {
    if (!word || !*word)
        return false;
    m_separators[Byte(word[0])] = 0;
    return m_keywords.Insert(word, color);
}

bool KaloSyntaxTables::RemoveKeyWord(const char* word) {
    return word && m_keywords.Remove(word);
}

void KaloSyntaxTables::RemoveAll() {
    m_keywords.Clear();
    m_scopes.clear();
    std::memset(m_scopeStarts, 0, sizeof m_scopeStarts);
}

bool KaloSyntaxTables::AddLineScope(const char* start, COLORREF color) {
    if (!start || !*start)
        return false;
    // Capacity doubles from 1, as the scope list always has.
    if (m_scopes.size() == m_scopes.capacity())
        m_scopes.reserve(m_scopes.empty() ? 1 : m_scopes.capacity() * 2);
    KaloLineScope scope;
    scope.Start.Assign(start, static_cast<uint32_t>(std::strlen(start)));
    scope.Color = color;
    m_scopes.push_back(std::move(scope));
    m_separators[Byte(start[0])] = 1;
    m_scopeStarts[Byte(start[0])] = 1;
    return true;
}
