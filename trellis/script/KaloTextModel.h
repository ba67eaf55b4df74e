#pragma once

#include "TrellisExport.h"

#include <CoreString.h>

#include <windows.h>

#include <richedit.h>

#include <vector>

// What the editing commands need of a text: a selection, replacing it, reading ranges and
// lines. Positions are the rich edit's own: a line break is one position (CR), a double-byte
// character is one position of two bytes. Every implementation must keep to that, or records
// taken on one text would not replay on another.
class TRELLIS_API KaloTextModel {
public:
    virtual ~KaloTextModel() = default;

    // Length in positions.
    virtual long Length() const = 0;
    // The selection with start <= end.
    virtual CHARRANGE Selection() const = 0;
    virtual void Select(long start, long end) = 0;
    // Replaces the selection (line breaks become CR); the caret ends after the new text.
    virtual void ReplaceSelection(const char* text) = 0;
    // Bytes of the range [start, end), clamped to the text; "" when start >= end.
    virtual void ReadRange(long start, long end, CoreString& out) const = 0;
    virtual long LineCount() const = 0;
    // First position of a line, -1 when the line does not exist.
    virtual long LineStart(long line) const = 0;
    virtual long LineFromPosition(long position) const = 0;
    virtual bool Overtype() const = 0;
    virtual bool ReadOnly() const = 0;
    virtual void SetModified(bool modified) = 0;
    // Clipboard transfers of the current selection.
    virtual void Paste() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    // Redraw off while commands make several hidden selection changes; nests.
    virtual void SuspendRedraw() {}
    virtual void ResumeRedraw() {}
    // Lines an edit touched, clamped by the caller to existing lines: the place where
    // formatting passes run after edits.
    virtual void LinesChanged(long /*first*/, long /*last*/) {}
    // Start of the last case-sensitive occurrence of `text` that starts at or before `from`,
    // -1 when there is none. Reads the text up to there; models with a search of their own
    // override it.
    virtual long FindBackward(const char* text, long from) const;
};

// Whether c starts a double-byte character in the ANSI code page (a table read once).
TRELLIS_API bool KaloIsLeadByte(char c);
// Bytes of the character at byte `at` of `bytes` bytes of ANSI text: 2 for a lead byte whose
// trail is inside the text, else 1 (a cut-off lead byte stands alone).
TRELLIS_API long KaloCharacterBytes(const char* text, long at, long bytes);
// Positions of `bytes` bytes of ANSI text (a lead byte and its trail are one position).
TRELLIS_API long KaloTextPositions(const char* text, long bytes);
// Byte offsets at which the characters of `bytes` bytes of ANSI text start.
TRELLIS_API std::vector<long> KaloCharacterStarts(const char* text, long bytes);
// Byte offset of `position` within text of `bytes` bytes (bytes when beyond the end).
TRELLIS_API long KaloTextByteOffset(const char* text, long bytes, long position);
// Suspends redraw of a model for a scope.
class KaloRedrawPause {
public:
    explicit KaloRedrawPause(KaloTextModel& model) : m_model(model) { m_model.SuspendRedraw(); }
    ~KaloRedrawPause() { m_model.ResumeRedraw(); }
    KaloRedrawPause(const KaloRedrawPause&) = delete;
    KaloRedrawPause& operator=(const KaloRedrawPause&) = delete;

private:
    KaloTextModel& m_model;
};

// The default word-separator table (256 entries): letters, digits, underscore and bytes from
// 0x80 up are word characters (0); ( ) [ ] are 1; every other byte below 0x80 is 255.
TRELLIS_API void KaloDefaultSeparators(unsigned char* table);
