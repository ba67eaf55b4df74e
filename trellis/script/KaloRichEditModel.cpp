#include "KaloRichEditModel.h"

#include "KaloRichEdit.h"

#include <algorithm>
#include <cstring>

long KaloRichEditModel::Length() const {
    return m_editor.GetTextLength();
}

CHARRANGE KaloRichEditModel::Selection() const {
    long start = 0;
    long end = 0;
    m_editor.GetSel(start, end);
    return {std::min(start, end), std::max(start, end)};
}

void KaloRichEditModel::Select(long start, long end) {
    m_editor.SetSel(start, end);
}

void KaloRichEditModel::ReplaceSelection(const char* text) {
    m_editor.ReplaceSel(text, FALSE);
}

void KaloRichEditModel::ReadRange(long start, long end, CoreString& out) const {
    start = std::max(start, 0L);
    end = std::min(end, Length());
    if (start >= end || !out.Reserve(static_cast<uint32_t>(CRichEditCtrl::TextBufferSize(end - start)))) {
        out.Assign("", 0);
        return;
    }
    const long bytes = m_editor.GetTextRange(start, end, out.Data());
    out.Data()[std::max(bytes, 0L)] = 0;
    out.SyncLength();
}

long KaloRichEditModel::LineCount() const {
    return m_editor.GetLineCount();
}

long KaloRichEditModel::LineStart(long line) const {
    return line < 0 ? -1 : m_editor.LineIndex(static_cast<int>(line));
}

long KaloRichEditModel::LineFromPosition(long position) const {
    return m_editor.LineFromChar(position);
}

bool KaloRichEditModel::Overtype() const {
    return m_editor.GetOverTypeMode() != 0;
}

bool KaloRichEditModel::ReadOnly() const {
    return (m_editor.GetStyle() & ES_READONLY) != 0;
}

void KaloRichEditModel::SetModified(bool modified) {
    m_editor.SetModify(modified);
}

void KaloRichEditModel::Paste() {
    m_editor.Paste();
}

void KaloRichEditModel::Cut() {
    m_editor.Cut();
}

void KaloRichEditModel::Copy() {
    m_editor.Copy();
}

void KaloRichEditModel::SuspendRedraw() {
    m_editor.SuspendRedraw();
}

void KaloRichEditModel::ResumeRedraw() {
    m_editor.ResumeRedraw();
}

void KaloRichEditModel::LinesChanged(long first, long last) {
    m_editor.ColourLines(first, last);
}

long KaloRichEditModel::FindBackward(const char* text, long from) const {
    if (!text || !*text || from < 0)
        return -1;
    // Backward: cpMin is where the search starts, above cpMax. The match may end at
    // from + its length at the most.
    FINDTEXTEXA find{};
    find.chrg.cpMin = std::min(from + KaloTextPositions(text, static_cast<long>(strlen(text))), Length());
    find.chrg.cpMax = 0;
    find.lpstrText = text;
    const long found = static_cast<long>(
        ::SendMessageA(m_editor.m_hWnd, EM_FINDTEXTEX, FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)));
    return found <= from ? found : -1;
}
