// The script editor's colouring on 500, 2,000 and 10,000-line scripts: the tokenizer alone,
// then whole-document passes on the real rich edit, split into the editor's own work, the rich
// edit's formatting calls (selection + character format) and its other calls (line positions,
// text reads); format calls against runs + lines; and one keystroke's pass.
//   script_colour_bench [seconds]   (budget of the whole-document pass per size, default 120)
#include "BenchSupport.h"
#include "ScriptBenchHost.h"

#include <Trellis.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

LONGLONG Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double TickSeconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// Times every message the editor sends its rich edit; a message inside another counts once.
class BenchEditor : public KaloRichEdit {
public:
    using KaloRichEdit::ColourLines;
    LONGLONG formatTicks = 0;
    LONGLONG otherTicks = 0;
    long formatCalls = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (m_depth++ > 0) {
            const LRESULT result = KaloRichEdit::WindowProc(message, wParam, lParam);
            --m_depth;
            return result;
        }
        const LONGLONG start = Ticks();
        const LRESULT result = KaloRichEdit::WindowProc(message, wParam, lParam);
        const LONGLONG spent = Ticks() - start;
        const bool format = message == EM_SETCHARFORMAT || message == EM_EXSETSEL;
        (format ? formatTicks : otherTicks) += spent;
        formatCalls += message == EM_SETCHARFORMAT ? 1 : 0;
        --m_depth;
        return result;
    }

private:
    int m_depth = 0;
};

void Register(KaloRichEdit& editor, KaloSyntaxTables& tables) {
    for (const char* word : {"if", "while", "return", "function"}) {
        editor.AddColorKeyWord(word, RGB(0, 0, 192));
        tables.AddKeyWord(word, RGB(0, 0, 192));
    }
    for (const char* word : {"SetSpeed", "PlaySound", "true", "false"}) {
        editor.AddColorKeyWord(word, RGB(0, 112, 112));
        tables.AddKeyWord(word, RGB(0, 112, 112));
    }
    editor.AddColorLineScope("//", RGB(0, 128, 0));
    tables.AddLineScope("//", RGB(0, 128, 0));
}

std::vector<std::string> ScriptLines(int count) {
    static const char* const kinds[] = {"\tif (index > last) { return true; } // step",
                                        "\t\tball.SetSpeed(speeds[index] * 1.5, false);",
                                        "\twhile (PlaySound(\"tick\")) { last = index; }"};
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(kinds[i % 3]);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Tokenizer alone: MB/s over the script's lines (each with its break), and its runs.
double TokenizerRate(const std::vector<std::string>& lines, const KaloSyntaxTables& tables, long& runs) {
    std::vector<std::string> withBreaks;
    size_t bytes = 0;
    for (const std::string& line : lines) {
        withBreaks.push_back(line + "\r");
        bytes += line.size() + 1;
    }
    std::vector<KaloColourRun> lineRuns;
    int rounds = 0;
    double spent = 0;
    while (spent < 0.3) {
        runs = 0;
        spent += Seconds([&] {
            for (const std::string& line : withBreaks) {
                KaloColourLine(line.data(), static_cast<long>(line.size()), tables, lineRuns);
                runs += static_cast<long>(lineRuns.size());
            }
        });
        ++rounds;
    }
    return static_cast<double>(bytes) * rounds / spent / 1e6;
}

void Measure(BenchEditor& editor, int count, double budget) {
    KaloSyntaxTables tables;
    editor.RemoveAllColorKeyWords();
    Register(editor, tables);
    const std::vector<std::string> lines = ScriptLines(count);
    long runs = 0;
    const double rate = TokenizerRate(lines, tables, runs);
    printf("%6d lines: tokenizer %.0f MB/s (goal >= 50), %ld runs\n", count, rate, runs);

    editor.SetWindowText(Joined(lines).c_str());
    // Passes of 500 lines until the budget is spent: the rich edit's cost grows with the
    // formatting already in the document, which a single pass would hide.
    const int chunk = 500;
    const long linesBefore = editor.ColouredLineCount();
    editor.formatTicks = editor.otherTicks = 0;
    editor.formatCalls = 0;
    double total = 0, firstChunk = 0, lastChunk = 0;
    int line = 0;
    while (line < count && total < budget) {
        const double spent = Seconds([&] { editor.ColourLines(line, line + chunk - 1); });
        (line == 0 ? firstChunk : lastChunk) = spent;
        total += spent;
        line += chunk;
    }
    const long coloured = editor.ColouredLineCount() - linesBefore;
    const double format = TickSeconds(editor.formatTicks);
    const double other = TickSeconds(editor.otherTicks);
    const long runsDone = runs * coloured / count;
    printf("        whole document: %ld of %d lines in %.2f s%s: editor's own work %.1f ms, rich edit "
           "formatting %.2f s, rich edit other calls (line reads, options, the layout they start) %.1f ms\n",
           coloured, count, total, coloured < count ? " (budget spent)" : "", (total - format - other) * 1000,
           format, other * 1000);
    printf("        format calls %ld for %ld runs + %ld lines (goal: <= runs + lines), %.2f a line\n",
           editor.formatCalls, runsDone, coloured, static_cast<double>(editor.formatCalls) / coloured);
    if (lastChunk > 0)
        printf("        a %d-line pass: %.0f ms at the start, %.0f ms at line %d (%.1fx)\n", chunk,
               firstChunk * 1000, lastChunk * 1000, line - chunk, lastChunk / firstChunk);

    // Keystrokes in the middle of the (partly) coloured document, each with its key release.
    // The first one also pays for the layout the rich edit put off during the passes.
    for (const char* which : {"first", "next"}) {
        const long caret = editor.LineIndex(count / 2) + 3;
        editor.SetSel(caret, caret);
        const long keyLines = editor.ColouredLineCount();
        const double key = Seconds([&] {
            editor.SendMessage(WM_CHAR, 'f');
            editor.SendMessage(WM_KEYUP, 'F');
        });
        printf("        %s keystroke with its pass: %.1f ms, %ld lines coloured (goal <= 3)\n", which,
               key * 1000, editor.ColouredLineCount() - keyLines);
    }
}

} // namespace

int main(int argc, char** argv) {
    const double budget = argc > 1 ? atof(argv[1]) : 120.0;
    CWnd host;
    BenchEditor editor;
    OpenScriptBenchHost(host, editor);
    for (int count : {500, 2000, 10000})
        Measure(editor, count, budget);
    editor.DestroyWindow();
    host.DestroyWindow();
    return 0;
}
