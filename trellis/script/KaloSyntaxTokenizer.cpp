#include "KaloSyntaxTokenizer.h"

#include "KaloTextModel.h"

#include <cstring>

namespace {

// Walks a line a character at a time, counting positions beside bytes.
class LineWalk {
public:
    LineWalk(const char* text, long bytes) : m_text(text), m_bytes(bytes) {}

    bool AtEnd() const { return m_byte >= m_bytes; }
    char Current() const { return m_text[m_byte]; }
    const char* Here() const { return m_text + m_byte; }
    long Byte() const { return m_byte; }
    long Position() const { return m_position; }
    long Left() const { return m_bytes - m_byte; }
    void Next() {
        m_byte += KaloCharacterBytes(m_text, m_byte, m_bytes);
        ++m_position;
    }
    // Position of the line's end.
    long EndPosition() const { return m_position + KaloTextPositions(Here(), Left()); }

private:
    const char* m_text;
    long m_bytes;
    long m_byte = 0;
    long m_position = 0;
};

// The first scope whose start is the text at the walk; never reads past the line.
const KaloLineScope* MatchScope(const LineWalk& walk, const KaloSyntaxTables& tables) {
    for (const KaloLineScope& scope : tables.LineScopes()) {
        const long length = static_cast<long>(scope.Start.Length());
        if (length <= walk.Left() &&
            std::memcmp(walk.Here(), scope.Start.CStr(), static_cast<size_t>(length)) == 0)
            return &scope;
    }
    return nullptr;
}

} // namespace

void KaloColourLine(const char* text, long bytes, const KaloSyntaxTables& tables,
                    std::vector<KaloColourRun>& runs) {
    runs.clear();
    LineWalk walk(text, bytes);
    while (!walk.AtEnd()) {
        while (!walk.AtEnd() && tables.IsSeparator(walk.Current())) {
            if (tables.MayStartScope(walk.Current())) {
                if (const KaloLineScope* scope = MatchScope(walk, tables)) {
                    runs.push_back({walk.Position(), walk.EndPosition(), scope->Color});
                    return;
                }
            }
            walk.Next();
        }
        if (walk.AtEnd())
            return;
        const long wordByte = walk.Byte();
        const long wordPosition = walk.Position();
        while (!walk.AtEnd() && !tables.IsSeparator(walk.Current()))
            walk.Next();
        const size_t length = static_cast<size_t>(walk.Byte() - wordByte);
        if (const COLORREF* color = tables.FindKeyWord(text + wordByte, length))
            runs.push_back({wordPosition, walk.Position(), *color});
    }
}
