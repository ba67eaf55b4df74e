// Colouring on the real rich edit: the golden samples (tokenizer, whole-document pass,
// line-by-line passes and the formats read back must agree), the passes' triggers, and how
// many lines a keystroke re-colours.
#include "TrellisTestSupport.h"

#include <cstdio>
#include <sstream>

namespace {

const COLORREF kBlue = RGB(0, 0, 255);

COLORREF NamedColour(const std::string& name) {
    static const struct {
        const char* name;
        COLORREF color;
    } colours[] = {{"blue", kBlue},
                   {"teal", RGB(0, 128, 128)},
                   {"green", RGB(0, 128, 0)},
                   {"grey", RGB(128, 128, 128)},
                   {"purple", RGB(128, 0, 128)},
                   {"orange", RGB(255, 128, 0)}};
    for (const auto& c : colours) {
        if (name == c.name)
            return c.color;
    }
    ADD_FAILURE() << "unknown colour " << name;
    return 0;
}

std::string GoldenPath(const std::string& file) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "golden\\" + file;
}

// A sample script with its registrations and the runs expected on each line.
struct Golden {
    std::string path;
    std::vector<std::string> lines; // without their breaks
    std::vector<std::pair<std::string, COLORREF>> keywords, scopes;
    std::vector<std::vector<KaloColourRun>> runs;

    explicit Golden(const std::string& name) : path(GoldenPath(name + ".script")) {
        std::istringstream script(ReadAll(path));
        for (std::string line; std::getline(script, line);)
            lines.push_back(line.substr(0, line.find('\r')));
        runs.resize(lines.size());
        std::istringstream expected(ReadAll(GoldenPath(name + ".runs")));
        for (std::string line; std::getline(expected, line);)
            Parse(line.substr(0, line.find('\r')));
        EXPECT_FALSE(lines.empty()) << path;
    }

    template <class AddKeyWord, class AddScope>
    void Register(AddKeyWord addKeyWord, AddScope addScope) const {
        for (const auto& k : keywords)
            addKeyWord(k.first.c_str(), k.second);
        for (const auto& s : scopes)
            addScope(s.first.c_str(), s.second);
    }

private:
    void Parse(const std::string& line) {
        std::istringstream words(line);
        std::string kind, colour;
        words >> kind;
        if (kind == "run") {
            size_t index = 0;
            KaloColourRun run;
            words >> index >> run.Start >> run.End >> colour;
            run.Color = NamedColour(colour);
            ASSERT_LT(index, runs.size()) << line;
            runs[index].push_back(run);
            return;
        }
        if (kind != "keyword" && kind != "scope")
            return;
        words >> colour;
        for (std::string word; words >> word;)
            (kind == "keyword" ? keywords : scopes).push_back({word, NamedColour(colour)});
    }
};

// Neighbouring runs of one colour are one stretch on screen.
std::vector<KaloColourRun> Merged(const std::vector<KaloColourRun>& runs) {
    std::vector<KaloColourRun> merged;
    for (const KaloColourRun& run : runs) {
        if (!merged.empty() && merged.back().End == run.Start && merged.back().Color == run.Color)
            merged.back().End = run.End;
        else
            merged.push_back(run);
    }
    return merged;
}

class ColourEditor : public KaloRichEdit {
public:
    using KaloRichEdit::ColourLines;
    using KaloRichEdit::FormatLineRange;

    COLORREF DefaultColour() {
        CHARFORMAT2A format{};
        format.cbSize = sizeof format;
        SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        return format.crTextColor;
    }
    CHARFORMAT2A FormatAt(long position) {
        SetSel(position, position + 1);
        CHARFORMAT2A format{};
        format.cbSize = sizeof format;
        SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    COLORREF ColourAt(long position) {
        const CHARFORMAT2A format = FormatAt(position);
        return (format.dwEffects & CFE_AUTOCOLOR) ? DefaultColour() : format.crTextColor;
    }
    // The coloured stretches of a line as the rich edit holds them, its line break left out.
    std::vector<KaloColourRun> ReadBack(long line, long positions) {
        const long start = LineIndex(static_cast<int>(line));
        const COLORREF plain = DefaultColour();
        std::vector<KaloColourRun> runs;
        for (long i = 0; i < positions; ++i) {
            const COLORREF colour = ColourAt(start + i);
            if (colour != plain)
                runs.push_back({i, i + 1, colour});
        }
        return Merged(runs);
    }
    void KeyUp(WPARAM key) { SendMessage(WM_KEYUP, key); }
    // What the rich edit does when text is dragged within it and dropped before the source.
    void MoveTextTo(long start, long end, long drop) {
        SetSel(start, end);
        OnButtonDown();
        CoreString text;
        GetRangeString(text, start, end);
        ReplaceSel("");
        SetSel(drop, drop);
        ReplaceSel(text.CStr());
        SetSel(drop, drop + (end - start));
        NMHDR header{m_hWnd, 42, EN_DRAGDROPDONE};
        LRESULT result = 1;
        OnDragDropDone(&header, &result);
    }
};

class Colouring : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitKaloControls(); }
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                    nullptr, nullptr));
        ASSERT_TRUE(Create(m_editor));
    }
    void TearDown() override { m_host.DestroyWindow(); }

    bool Create(ColourEditor& editor) {
        return editor.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                             CRect(0, 0, 380, 260), &m_host, 42) != FALSE;
    }
    void SetText(ColourEditor& editor, const std::string& text) {
        editor.SetWindowText(text.c_str());
        editor.ClearUndo();
    }
    void ExpectLines(ColourEditor& editor, const Golden& golden, const char* how) {
        for (size_t line = 0; line < golden.lines.size(); ++line) {
            const long positions =
                KaloTextPositions(golden.lines[line].c_str(), static_cast<long>(golden.lines[line].size()));
            EXPECT_EQ(editor.ReadBack(static_cast<long>(line), positions), Merged(golden.runs[line]))
                << golden.path << " line " << line << ", " << how;
        }
    }

    CWnd m_host;
    ColourEditor m_editor;
};

} // namespace

TEST_F(Colouring, GoldenSamplesAgreeInTheTokenizerTheWholePassLineByLineAndOnScreen) {
    for (const char* name : {"comments", "classes", "doublebyte"}) {
        const Golden golden(name);
        KaloSyntaxTables tables;
        golden.Register([&](const char* w, COLORREF c) { tables.AddKeyWord(w, c); },
                        [&](const char* s, COLORREF c) { tables.AddLineScope(s, c); });
        std::vector<KaloColourRun> runs;
        for (size_t line = 0; line < golden.lines.size(); ++line) {
            const std::string& text = golden.lines[line];
            KaloColourLine(text.c_str(), static_cast<long>(text.size()), tables, runs);
            EXPECT_EQ(Merged(runs), Merged(golden.runs[line])) << name << " line " << line;
        }

        ColourEditor whole, byLine;
        ASSERT_TRUE(Create(whole));
        ASSERT_TRUE(Create(byLine));
        for (ColourEditor* editor : {&whole, &byLine})
            golden.Register([&](const char* w, COLORREF c) { editor->AddColorKeyWord(w, c); },
                            [&](const char* s, COLORREF c) { editor->AddColorLineScope(s, c); });
        ASSERT_EQ(whole.Load(golden.path.c_str()), 1);
        ExpectLines(whole, golden, "loaded");

        SetText(byLine, ReadAll(golden.path));
        for (long line = byLine.GetLineCount() - 1; line >= 0; --line)
            byLine.ColourLines(line, line);
        ExpectLines(byLine, golden, "line by line");

        // Without words and scopes everything returns to the default colour.
        whole.RemoveAllColorKeyWords();
        whole.UpdateColors();
        Golden plain = golden;
        for (auto& line : plain.runs)
            line.clear();
        ExpectLines(whole, plain, "tables emptied");
    }
}

TEST_F(Colouring, AKeystrokeRecoloursAtMostThreeLinesWhereverItIsTyped) {
    const int lines = 2000;
    std::string script;
    for (int i = 0; i < lines; ++i)
        script += i + 1 < lines ? "ab cd\r\n" : "ab cd";
    SetText(m_editor, script);
    m_editor.AddColorKeyWord("abx", kBlue);
    const struct {
        int line;
        long column;
        UINT message;
        WPARAM key;
    } keys[] = {
        {0, 2, WM_CHAR, 'x'},  // line 0, inside its first word: "abx cd"
        {0, 6, WM_CHAR, 'y'},  // line 0, at its end
        {0, 0, WM_CHAR, '\r'}, // line 0, at its start: the line moves down
        {1000, 2, WM_CHAR, 'x'},
        {1000, 6, WM_CHAR, '\r'},
        {1500, 0, WM_KEYDOWN, VK_BACK}, // joins two lines
        {999, 4, WM_KEYDOWN, VK_DELETE},
        {lines, 5, WM_CHAR, '\r'}, // the last line
    };
    for (const auto& k : keys) {
        const long caret = m_editor.LineIndex(k.line) + k.column;
        m_editor.SetSel(caret, caret);
        const long before = m_editor.ColouredLineCount();
        m_editor.SendMessage(k.message, k.key);
        m_editor.KeyUp(k.message == WM_CHAR ? 'X' : k.key);
        const long coloured = m_editor.ColouredLineCount() - before;
        EXPECT_GE(coloured, 1) << "line " << k.line;
        EXPECT_LE(coloured, 3) << "line " << k.line;
    }
    // The words typed into "ab" were coloured by their key release, on line 0 too.
    EXPECT_EQ(m_editor.ColourAt(m_editor.LineIndex(1)), kBlue);
    EXPECT_EQ(m_editor.ColourAt(m_editor.LineIndex(1000)), kBlue);
    // Key 255 is no key: nothing pending is coloured by it.
    m_editor.SetSel(2, 2);
    m_editor.SendMessage(WM_CHAR, 'z');
    const long before = m_editor.ColouredLineCount();
    m_editor.KeyUp(0xFF);
    EXPECT_EQ(m_editor.ColouredLineCount(), before);
}

TEST_F(Colouring, HostRangesUndoRedoPasteAndTableChangesRecolour) {
    SetText(m_editor, "if\r\nif\r\nif\r\nif\r\nif\r\nif\r\nif\r\nif\r\nif\r\nif");
    m_editor.AddColorKeyWord("if", kBlue);
    const struct {
        int first, last;
        long coloured;
    } ranges[] = {{5, 0, 5}, {-3, 2, 3}, {0, 100, 10}, {9, 9, 1}, {4, 4, 1}};
    for (const auto& r : ranges) {
        const long before = m_editor.ColouredLineCount();
        m_editor.FormatLineRange(r.first, r.last);
        EXPECT_EQ(m_editor.ColouredLineCount() - before, r.coloured) << r.first << ".." << r.last;
    }

    // A pass keeps the selection and every attribute but the colour.
    SetText(m_editor, "if x\r\nof y");
    CHARFORMAT2A bold{};
    bold.cbSize = sizeof bold;
    bold.dwMask = CFM_BOLD;
    bold.dwEffects = CFE_BOLD;
    m_editor.SetSel(0, 4);
    m_editor.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&bold));
    m_editor.SetSel(3, 1);
    m_editor.UpdateColors();
    long start = 0, end = 0;
    m_editor.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(m_editor.ColourAt(0), kBlue);
    EXPECT_TRUE(m_editor.FormatAt(0).dwEffects & CFE_BOLD);
    EXPECT_NE(m_editor.ColourAt(5), kBlue);

    // A typed change is coloured at its key release, undo and redo at once.
    m_editor.SetSel(5, 7);
    m_editor.SendMessage(WM_CHAR, 'i');
    m_editor.SendMessage(WM_CHAR, 'f');
    EXPECT_NE(m_editor.ColourAt(5), kBlue);
    m_editor.KeyUp('F');
    EXPECT_EQ(m_editor.ColourAt(5), kBlue);
    EXPECT_EQ(m_editor.DoUndo(), 1);
    EXPECT_NE(m_editor.ColourAt(5), kBlue);
    EXPECT_EQ(m_editor.DoRedo(), 1);
    EXPECT_EQ(m_editor.ColourAt(5), kBlue);

    // A paste is coloured at once.
    ASSERT_TRUE(OpenClipboard(m_host.m_hWnd));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 3);
    memcpy(GlobalLock(memory), "if", 3);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    m_editor.SetSel(8, 9);
    m_editor.DoPaste();
    EXPECT_EQ(m_editor.ColourAt(8), kBlue);

    // Table changes show after UpdateColors only.
    m_editor.RemoveColorKeyWord("if");
    EXPECT_EQ(m_editor.ColourAt(0), kBlue);
    m_editor.UpdateColors();
    EXPECT_NE(m_editor.ColourAt(0), kBlue);
}

TEST_F(Colouring, ADropRecoloursWhereTheTextLandedAndTheLineItLeft) {
    SetText(m_editor, " x\r\nabif c");
    m_editor.AddColorKeyWord("if", kBlue);
    m_editor.AddColorKeyWord("ab", kBlue);
    m_editor.UpdateColors();
    EXPECT_NE(m_editor.ColourAt(3), kBlue);
    m_editor.MoveTextTo(5, 7, 0); // "if" to the start: "if x" and "ab c"
    EXPECT_EQ(m_editor.ColourAt(0), kBlue);
    EXPECT_EQ(m_editor.ColourAt(m_editor.LineIndex(1)), kBlue);
    EXPECT_EQ(m_editor.DoUndo(), 1); // the move is one step, coloured back
    EXPECT_NE(m_editor.ColourAt(0), kBlue);
    EXPECT_NE(m_editor.ColourAt(3), kBlue);
}
