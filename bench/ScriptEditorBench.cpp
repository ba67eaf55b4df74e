// The script editor's own cost on a 10,000-line script against the rich edit's: per typed key
// (own work = the key through the editor minus the bare insertion, compared with a
// 1,000-line script), bracket match from the end, undo and redo of a 100-line paste, block
// indent of 1,000 lines, Load. Also counts the undo pool's allocations over the keys.
//   script_editor_bench
#include "BenchSupport.h"
#include "ScriptBenchHost.h"

#include <KaloMemoryTextModel.h>
#include <Trellis.h>

#include <cstdio>
#include <string>

namespace {

class BenchEditor : public KaloRichEdit {
public:
    const KaloUndoPool& Pool() const { return m_history.Pool(); }
    // Messages the control handled: the editor's own calls to the rich edit are among them.
    long messages = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        ++messages;
        return KaloRichEdit::WindowProc(message, wParam, lParam);
    }
};

std::string Script(int lines) {
    std::string text = "{\r\n";
    for (int i = 0; i < lines - 2; ++i)
        text += (i % 3 ? "\t\tball.SetSpeed(speeds[index] * 1.5);\r\n"
                       : "\tif (index > last) { last = index; }\r\n");
    return text + "}";
}

std::string TempFile(const char* name, const std::string& content) {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    FILE* file = fopen(path.c_str(), "wb");
    fwrite(content.data(), 1, content.size(), file);
    fclose(file);
    return path;
}

void SetKeys(bool ctrl) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(state);
}

void SetClipboardText(HWND owner, const std::string& text) {
    OpenClipboard(owner);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

struct KeyCost {
    double total;
    double bare;
    double messages; // rich edit messages a key costs, the key itself included
};

// Keys typed in the middle of the script, then the same count of bare insertions.
KeyCost TypingCost(BenchEditor& editor, int keys) {
    const long middle = editor.LineIndex(editor.GetLineCount() / 2) + 1;
    editor.SetSel(middle, middle);
    const long messagesBefore = editor.messages;
    const double total = Seconds([&] {
        for (int i = 0; i < keys; ++i)
            editor.SendMessage(WM_CHAR, i % 6 == 5 ? ' ' : 'a');
    });
    const long messages = editor.messages - messagesBefore;
    editor.SetSel(middle, middle);
    const double bare = Seconds([&] {
        for (int i = 0; i < keys; ++i)
            editor.ReplaceSel(i % 6 == 5 ? " " : "a");
    });
    return {total / keys, bare / keys, static_cast<double>(messages) / keys};
}

} // namespace

int main() {
    CWnd host;
    BenchEditor editor;
    OpenScriptBenchHost(host, editor);
    const int keys = 300;

    const std::string small = TempFile("bench_script_1k.txt", Script(1000));
    const std::string large = TempFile("bench_script_10k.txt", Script(10000));
    editor.Load(small.c_str());
    const KeyCost smallKeys = TypingCost(editor, keys);

    const double load = Seconds([&] { editor.Load(large.c_str()); });
    printf("Load of %d lines: %.1f ms\n", editor.GetLineCount(), load * 1000);
    const size_t allocations = editor.Pool().Allocations();
    const KeyCost largeKeys = TypingCost(editor, keys);
    printf("undo pool allocations over %d keys: %zu\n", keys, editor.Pool().Allocations() - allocations);
    const double ownSmall = smallKeys.total - smallKeys.bare;
    const double ownLarge = largeKeys.total - largeKeys.bare;
    printf("per key, 1,000 lines: %.3f ms through the editor, %.3f ms bare insertion, difference %.3f ms, "
           "%.1f rich edit messages\n",
           smallKeys.total * 1000, smallKeys.bare * 1000, ownSmall * 1000, smallKeys.messages);
    printf("per key, 10,000 lines: %.3f ms through the editor, %.3f ms bare insertion, difference %.3f ms, "
           "%.1f rich edit messages\n",
           largeKeys.total * 1000, largeKeys.bare * 1000, ownLarge * 1000, largeKeys.messages);
    printf(
        "rich edit messages per key, 10,000 / 1,000 lines: ratio %.2f (goal: 1, the editor's own work does "
        "not grow with the script; the time is the rich edit's)\n",
        largeKeys.messages / smallKeys.messages);

    const long end = editor.GetTextLength();
    editor.SetSel(end, end);
    SetKeys(true);
    const double match = Seconds([&] { editor.SendMessage(WM_KEYDOWN, 'E'); });
    SetKeys(false);
    long caret = 0, ignored = 0;
    editor.GetSel(caret, ignored);
    printf("bracket match from the end: %.1f ms (goal <= 20), caret at %ld\n", match * 1000, caret);
    // Where that time goes: the rich edit's own calls, and the editor's walk on a text in memory.
    std::string whole(static_cast<size_t>(CRichEditCtrl::TextBufferSize(end)), '\0');
    const double read = Seconds([&] { editor.GetTextRange(0, end, &whole[0]); });
    const DWORD options = editor.GetOptions();
    const double optionsOffOn = Seconds([&] {
        editor.SetOptions(ECOOP_AND, ~static_cast<DWORD>(ECO_AUTOVSCROLL | ECO_AUTOHSCROLL));
        editor.SetOptions(options);
    });
    const double redrawOffOn = Seconds([&] {
        editor.SuspendRedraw();
        editor.ResumeRedraw();
    });
    const double caretMove = Seconds([&] {
        editor.SetSel(0, 0);
        editor.SetSel(end, end);
    });
    unsigned char separators[256];
    KaloDefaultSeparators(separators);
    KaloMemoryTextModel memory(Script(10000).c_str());
    KaloUndoHistory history(separators);
    KaloMessageFilter filter(memory, history, separators);
    memory.Select(memory.Length(), memory.Length());
    const double walk = Seconds([&] { filter.FindScope(); });
    printf("  rich edit: whole-text read %.1f ms, auto-scroll options off and on %.1f ms, "
           "redraw off and on %.1f ms, caret to the end and "
           "back %.1f ms; the editor's own walk (in memory) %.1f ms\n",
           read * 1000, optionsOffOn * 1000, redrawOffOn * 1000, caretMove * 1000, walk * 1000);

    std::string paste;
    for (int i = 0; i < 100; ++i)
        paste += "\tlast = speeds[index] + 1;\r\n";
    SetClipboardText(host.m_hWnd, paste);
    editor.SetSel(end / 2, end / 2);
    const double pasted = Seconds([&] { editor.DoPaste(); });
    const double undo = Seconds([&] { editor.DoUndo(); });
    const double redo = Seconds([&] { editor.DoRedo(); });
    printf("100-line paste: %.1f ms; undo %.1f ms (goal <= 50), redo %.1f ms\n", pasted * 1000, undo * 1000,
           redo * 1000);

    const long from = editor.LineIndex(100);
    const long to = editor.LineIndex(1099);
    editor.SetSel(from, to);
    const double indent = Seconds([&] { editor.SendMessage(WM_CHAR, '\t'); });
    printf("block indent of 1,000 lines: %.1f ms (%.3f ms a line, each one rich edit replacement)\n",
           indent * 1000, indent);

    editor.DestroyWindow();
    host.DestroyWindow();
    DeleteFileA(small.c_str());
    DeleteFileA(large.c_str());
    return 0;
}
