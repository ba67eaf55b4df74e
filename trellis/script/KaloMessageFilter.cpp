#include "KaloMessageFilter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const int kMaxIndent = 30;
const char kOpening[] = "{([";
const char kClosing[] = "})]";

} // namespace

KaloMessageFilter::KaloMessageFilter(KaloTextModel& model, KaloUndoHistory& history,
                                     const unsigned char* separators)
    : m_model(model), m_history(history), m_separators(separators) {}

bool KaloMessageFilter::Filter(UINT message, WPARAM key, const KaloKeyState& keys) {
    switch (message) {
    case WM_SYSCHAR:
        if (key != VK_BACK || !keys.alt || m_model.ReadOnly())
            return false;
        keys.shift ? m_history.Redo(m_model) : m_history.Undo(m_model);
        return true;
    case WM_KEYDOWN:
        return OnKeyDown(key, keys);
    case WM_CHAR:
        return !m_model.ReadOnly() && OnChar(key, keys);
    default:
        return false;
    }
}

bool KaloMessageFilter::OnKeyDown(WPARAM key, const KaloKeyState& keys) {
    const bool readOnly = m_model.ReadOnly();
    if (keys.ctrl && key == VK_INSERT) {
        m_model.Copy();
        return true;
    }
    if (keys.ctrl && key == 'E') {
        FindScope();
        return true;
    }
    if (readOnly)
        return false;
    if (keys.ctrl) {
        switch (key) {
        case 'V':
            m_history.Paste(m_model);
            return true;
        case 'X':
            m_history.Cut(m_model);
            return true;
        case 'Y':
            m_history.Redo(m_model);
            return true;
        case 'Z':
            m_history.Undo(m_model);
            return true;
        default:
            break;
        }
    }
    if (keys.shift && key == VK_INSERT) {
        m_history.Paste(m_model);
        return true;
    }
    if (keys.shift && key == VK_DELETE) {
        m_history.Cut(m_model);
        return true;
    }
    switch (key) {
    case VK_TAB:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        return RouteToCompletion(WM_KEYDOWN, key, keys);
    case VK_BACK:
    case VK_DELETE:
        if (keys.ctrl)
            DeleteWord(key == VK_DELETE);
        else
            m_history.ReplaceSelection(m_model, "", key == VK_BACK, key == VK_DELETE);
        return true;
    case VK_RETURN:
        // Line breaks are made on WM_CHAR, where auto-indent decides what they hold.
        return true;
    default:
        return false;
    }
}

bool KaloMessageFilter::OnChar(WPARAM key, const KaloKeyState& keys) {
    const char c = static_cast<char>(key);
    if (m_leadByte) {
        const char character[] = {m_leadByte, c, 0};
        m_leadByte = 0;
        TypeText(character);
        return true;
    }
    if (KaloIsLeadByte(c)) {
        m_leadByte = c;
        return true;
    }
    // Right Alt arrives as Ctrl+Alt: its characters are typed text.
    const bool ctrl = keys.ctrl && !keys.alt;
    switch (key) {
    case VK_BACK:
    case 0x7F: // Backspace and Ctrl+Backspace were handled as keys
        return true;
    case VK_RETURN:
        if (ctrl)
            return false;
        if (RouteToCompletion(WM_CHAR, key, keys))
            return true;
        if (m_model.Selection().cpMin == m_model.Selection().cpMax && !m_model.Overtype())
            AutoIndent();
        else
            m_history.ReplaceSelection(m_model, "\r");
        return true;
    case VK_TAB:
        if (!RouteToCompletion(WM_CHAR, key, keys))
            InsertTabulation(keys.shift);
        return true;
    case VK_ESCAPE:
        RouteToCompletion(WM_CHAR, key, keys);
        return true;
    case ' ':
        if (ctrl) {
            RouteToCompletion(WM_CHAR, key, keys);
            return true;
        }
        break;
    default:
        if (ctrl || key < ' ')
            return false;
        break;
    }
    return OnTypedCharacter(c);
}

bool KaloMessageFilter::OnTypedCharacter(char c) {
    const CHARRANGE selection = m_model.Selection();
    const bool empty = selection.cpMin == selection.cpMax;
    CoreString next;
    CoreString previous;
    if (empty) {
        m_model.ReadRange(selection.cpMin, selection.cpMin + 1, next);
        m_model.ReadRange(selection.cpMin - 1, selection.cpMin, previous);
    }
    const char after = next.IsEmpty() ? '\r' : next.CStr()[0];
    if (empty && c == '"') {
        InsertPair("\"\"");
    } else if (empty && c == '[') {
        InsertPair("[]");
    } else if (empty && c == '(' && (after == ' ' || after == '\t' || after == '\r')) {
        InsertPair("()");
    } else if (empty && c == '}' && previous == "\t") {
        m_model.Select(selection.cpMin - 1, selection.cpMin);
        m_history.ReplaceSelection(m_model, "}");
    } else {
        const char text[] = {c, 0};
        TypeText(text);
        if (c == '.')
            RequestMembers();
    }
    return true;
}

void KaloMessageFilter::TypeText(const char* text) {
    m_history.ReplaceSelection(m_model, text, false, m_model.Overtype());
    m_history.CheckWordUnit();
}

void KaloMessageFilter::InsertPair(const char* pair) {
    m_history.ReplaceSelection(m_model, pair);
    const long caret = m_model.Selection().cpMin - 1;
    m_model.Select(caret, caret);
}

void KaloMessageFilter::AutoIndent() {
    const long caret = m_model.Selection().cpMin;
    const long line = m_model.LineFromPosition(caret);
    const long start = m_model.LineStart(line);
    if (caret == start) {
        m_history.ReplaceSelection(m_model, "\r");
        return;
    }
    const long next = m_model.LineStart(line + 1);
    CoreString text;
    m_model.ReadRange(start, next < 0 ? m_model.Length() : next, text);
    int tabs = 0;
    while (tabs < static_cast<int>(text.Length()) && text.CStr()[tabs] == '\t')
        ++tabs;
    const long before = KaloTextByteOffset(text.CStr(), static_cast<long>(text.Length()), caret - start - 1);
    if (text.CStr()[before] == '{')
        ++tabs;
    tabs = std::min(tabs, kMaxIndent);
    char inserted[kMaxIndent + 2] = "\r";
    std::fill(inserted + 1, inserted + 1 + tabs, '\t');
    inserted[1 + tabs] = 0;
    m_history.ReplaceSelection(m_model, inserted);
}

void KaloMessageFilter::InsertTabulation(bool shift) {
    const CHARRANGE selection = m_model.Selection();
    const long first = m_model.LineFromPosition(selection.cpMin);
    const long last = m_model.LineFromPosition(selection.cpMax);
    if (first == last) {
        m_history.ReplaceSelection(m_model, "\t");
        return;
    }
    KaloRedrawPause pause(m_model);
    for (long line = first; line <= last; ++line) {
        const long start = m_model.LineStart(line);
        if (!shift) {
            m_model.Select(start, start);
            m_history.ReplaceSelection(m_model, "\t");
            continue;
        }
        CoreString head;
        m_model.ReadRange(start, start + 1, head);
        if (head == "\t") {
            m_model.Select(start, start + 1);
            m_history.ReplaceSelection(m_model, "");
        }
    }
    const long begin = m_model.LineStart(first);
    const long next = m_model.LineStart(last + 1);
    const long end = next < 0 ? m_model.Length() : next - 1;
    m_model.Select(begin, end);
    m_history.SetDirty(begin, end);
}

bool KaloMessageFilter::FindScope() {
    const CHARRANGE selection = m_model.Selection();
    if (selection.cpMin != selection.cpMax)
        return false;
    // Only reads and a final caret move: nothing to hide, so drawing stays on.
    long at = selection.cpMin;
    CoreString bracket;
    m_model.ReadRange(at, at + 1, bracket);
    auto kind = [&](const char* set) {
        return bracket.IsEmpty() ? nullptr : std::strchr(set, bracket.CStr()[0]);
    };
    if (!kind(kOpening) && !kind(kClosing)) {
        --at;
        m_model.ReadRange(at, at + 1, bracket);
    }
    const char* open = kind(kOpening);
    const char* close = kind(kClosing);
    if (bracket.IsEmpty() || (!open && !close))
        return false;
    const int index = static_cast<int>(open ? open - kOpening : close - kClosing);
    CoreString text;
    m_model.ReadRange(0, m_model.Length(), text);
    const long match = open ? MatchForward(text, at, kOpening[index], kClosing[index])
                            : MatchBackward(text, at, kOpening[index], kClosing[index]);
    if (match < 0)
        return false;
    m_model.Select(match, match);
    return true;
}

long KaloMessageFilter::MatchForward(const CoreString& text, long at, char opening, char closing) {
    const char* bytes = text.CStr();
    const long length = static_cast<long>(text.Length());
    int depth = 0;
    long position = 0;
    for (long i = 0; i < length; ++position) {
        if (position >= at) {
            depth += bytes[i] == opening ? 1 : bytes[i] == closing ? -1 : 0;
            if (depth == 0)
                return position;
        }
        i += KaloCharacterBytes(bytes, i, length);
    }
    return -1;
}

long KaloMessageFilter::MatchBackward(const CoreString& text, long at, char opening, char closing) {
    // Walked forward so that trail bytes of double-byte characters never read as brackets;
    // the partner is the innermost opening still open at the bracket.
    const char* bytes = text.CStr();
    const long length = static_cast<long>(text.Length());
    std::vector<long> opened;
    long position = 0;
    for (long i = 0; i < length && position < at; ++position) {
        if (bytes[i] == opening)
            opened.push_back(position);
        else if (bytes[i] == closing && !opened.empty())
            opened.pop_back();
        i += KaloCharacterBytes(bytes, i, length);
    }
    return opened.empty() ? -1 : opened.back();
}

int KaloMessageFilter::CharClass(char c) const {
    if (c == ' ' || c == '\t')
        return 0;
    return m_separators[static_cast<unsigned char>(c)] ? 1 : 2;
}

void KaloMessageFilter::DeleteWord(bool forward) {
    const CHARRANGE selection = m_model.Selection();
    if (selection.cpMin != selection.cpMax) {
        m_history.ReplaceSelection(m_model, "");
        return;
    }
    const long caret = selection.cpMin;
    const long line = m_model.LineFromPosition(caret);
    const long lineStart = m_model.LineStart(line);
    const long next = m_model.LineStart(line + 1);
    const long lineEnd = next < 0 ? m_model.Length() : next - 1;
    // At a line's edge the word is the line break.
    if ((!forward && caret == lineStart) || (forward && caret == lineEnd)) {
        m_history.ReplaceSelection(m_model, "", !forward, forward);
        return;
    }
    CoreString text;
    m_model.ReadRange(lineStart, lineEnd, text);
    const std::vector<long> starts = KaloCharacterStarts(text.CStr(), static_cast<long>(text.Length()));
    auto classAt = [&](long p) { return CharClass(text.CStr()[starts[static_cast<size_t>(p - lineStart)]]); };
    long end = caret;
    if (forward) {
        const int run = classAt(end);
        while (end < lineEnd && classAt(end) == run)
            ++end;
        while (run != 0 && end < lineEnd && classAt(end) == 0)
            ++end;
        m_model.Select(caret, end);
    } else {
        while (end > lineStart && classAt(end - 1) == 0)
            --end;
        const int run = end > lineStart ? classAt(end - 1) : 0;
        while (end > lineStart && classAt(end - 1) == run && run != 0)
            --end;
        m_model.Select(end, caret);
    }
    m_history.ReplaceSelection(m_model, "");
}
