#pragma once

#include "KaloWordTable.h"
#include "TrellisExport.h"

#include <CoreString.h>

#include <windows.h>

#include <vector>

// A line scope: from its start text to the end of the line, one colour (line comments).
struct KaloLineScope {
    CoreString Start;
    CoreString End; // kept for hosts that fill it; the colouring never reads it
    COLORREF Color = 0;
};

// The tables the colouring reads, filled by the host: which bytes end a word, which bytes may
// begin a line scope, keyword colours and the line scopes in the order they were added. The
// separator table is also the word boundary of the undo merging and of completion.
class TRELLIS_API KaloSyntaxTables {
public:
    KaloSyntaxTables();
    KaloSyntaxTables(const KaloSyntaxTables&) = delete;
    KaloSyntaxTables& operator=(const KaloSyntaxTables&) = delete;

    // False for a null or empty word and for a word already present (its first colour stays).
    // The word's first byte becomes a word character, so "#include" can be coloured.
    bool AddKeyWord(const char* word, COLORREF color);
    bool RemoveKeyWord(const char* word);
    // Keywords and scopes go; the separator table stays as it is.
    void RemoveAll();
    // False for a null or empty start. The start's first byte becomes a separator and a scope
    // start, so a comment is found even right after a word.
    bool AddLineScope(const char* start, COLORREF color);

    int IsSeparator(char c) const { return m_separators[Byte(c)]; }
    void SetSeparator(char c, int value) { m_separators[Byte(c)] = static_cast<unsigned char>(value); }
    bool MayStartScope(char c) const { return m_scopeStarts[Byte(c)] != 0; }
    // The separator table itself (256 entries): the undo history and the key filter read it.
    unsigned char* Separators() { return m_separators; }
    const unsigned char* Separators() const { return m_separators; }

    const COLORREF* FindKeyWord(const char* word, size_t length) const {
        return m_keywords.Find(word, length);
    }
    size_t KeyWordCount() const { return m_keywords.Count(); }
    size_t KeyWordBuckets() const { return m_keywords.BucketCount(); }
    const std::vector<KaloLineScope>& LineScopes() const { return m_scopes; }

private:
    static size_t Byte(char c) { return static_cast<unsigned char>(c); }

    unsigned char m_separators[256]{};
    unsigned char m_scopeStarts[256]{};
    KaloWordTable<COLORREF> m_keywords;
    std::vector<KaloLineScope> m_scopes;
};
