// Keyword completion: the trie and the lookups without windows, then the list and the tip on
// the real editor through real key input.
#include "RealInput.h"
#include "TrellisTestSupport.h"

#include <KaloMemoryTextModel.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Strings(const std::vector<CoreString>& words) {
    std::vector<std::string> out;
    for (const CoreString& word : words)
        out.emplace_back(word.CStr());
    return out;
}

std::vector<std::string> Collect(const KaloKeywordTrie& trie, const char* prefix) {
    std::vector<CoreString> words;
    trie.Collect(prefix, words);
    return Strings(words);
}

// A text in memory with the editor's completion on it; the caret goes where "|" stands.
class Completion {
public:
    Completion() : m_history(m_separators), m_completion(m_model, m_history, m_separators) {
        KaloDefaultSeparators(m_separators);
    }
    void SetText(const char* marked) {
        std::string text(marked);
        const size_t caret = text.find('|');
        text.erase(caret, 1);
        m_model.SetText(text.c_str());
        const long position = KaloTextPositions(text.c_str(), static_cast<long>(caret));
        m_model.Select(position, position);
        m_history.Rebase(m_model);
    }
    std::vector<std::string> Suggest(const char* marked) {
        SetText(marked);
        m_completion.Refresh();
        return Strings(m_completion.Suggestions());
    }
    KaloCompletion& operator*() { return m_completion; }
    KaloCompletion* operator->() { return &m_completion; }
    KaloMemoryTextModel& Model() { return m_model; }
    KaloUndoHistory& History() { return m_history; }
    unsigned char* Separators() { return m_separators; }

private:
    unsigned char m_separators[256]{};
    KaloMemoryTextModel m_model;
    KaloUndoHistory m_history;
    KaloCompletion m_completion;
};

using Words = std::vector<std::string>;

} // namespace

TEST(KeywordTrie, CollectsPrefixesInByteOrderAcrossSplitTails) {
    KaloKeywordTrie trie;
    for (const char* word : {"GetNameAlias", "GetName", "Get", "GetPosition", "Set", "_x", "!bang", "}end"})
        EXPECT_TRUE(trie.Insert(word, nullptr)) << word;
    const struct {
        const char* prefix;
        Words expected;
    } cases[] = {
        {"GetN", {"GetName", "GetNameAlias"}},
        {"Get", {"Get", "GetName", "GetNameAlias", "GetPosition"}},
        {"GetNameA", {"GetNameAlias"}},
        {"GetPos", {"GetPosition"}},
        {"GetPosition", {"GetPosition"}},
        {"GetPositionX", {}},
        {"Gez", {}},
        {"get", {}},
        {"", {"!bang", "Get", "GetName", "GetNameAlias", "GetPosition", "Set", "_x", "}end"}},
        {"Get Name", {}},
        {"Get~", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Collect(trie, c.prefix), c.expected) << c.prefix;
}

TEST(KeywordTrie, RefusesWhatItCannotIndexAndKeepsEachWordsOwnDescription) {
    KaloKeywordTrie trie;
    for (const char* refused : {"", "two words", "tilde~", "\xD6\xD0", "tab\t"})
        EXPECT_FALSE(trie.Insert(refused, "x")) << refused;
    EXPECT_EQ(Collect(trie, ""), Words{});

    // A long word first, then its prefixes: each gets its own description, the long word keeps its.
    trie.Insert("GetNameAlias", "alias");
    trie.Insert("GetName", "name");
    trie.Insert("GetName", nullptr);
    trie.Insert("GetName", "other");
    trie.Insert("Get", nullptr);
    trie.Insert("Get", "get");
    const struct {
        const char* word;
        bool found;
        const char* description;
    } cases[] = {
        {"GetNameAlias", true, "alias"}, {"GetName", true, "name"},         {"Get", true, "get"},
        {"GetNa", false, nullptr},       {"GetNameAliasX", false, nullptr}, {"", false, nullptr},
    };
    for (const auto& c : cases) {
        const char* description = nullptr;
        EXPECT_EQ(trie.Find(c.word, &description), c.found) << c.word;
        EXPECT_STREQ(description, c.description) << c.word;
    }
}

TEST(CompletionLookup, SuggestsGlobalWordsAndMembersOfAnOwnersClass) {
    Completion completion;
    completion->AddKeyWord(nullptr, "GetName", "the name");
    completion->AddKeyWord(nullptr, "GetNameAlias", nullptr);
    completion->AddKeyWord("Vector", "Length", "its length");
    completion->AddKeyWord("Vector", "Normalize", nullptr);
    completion->AddOwnerType("Vector");
    completion->AddOwnerSeparator(".");
    completion->AddOwnerSeparator("->");
    completion->AddGlobalAssociation("pos", "Vector");
    completion->AddGlobalAssociation("pos", "Other"); // the first type stays
    const struct {
        const char* text;
        Words expected;
    } cases[] = {
        {"GetN|", {"GetName", "GetNameAlias"}},
        {"GetName|", {"GetName", "GetNameAlias"}},
        {"GetNameAlias|", {}},
        {"GetN|x", {}}, // not at a word end
        {"|GetN", {}},  // line start
        {"Vector v;\r\tv.|", {"Length", "Normalize"}},
        {"Vector v;\r\tv.L|", {"Length"}},
        {"Vector v;\r\tv->N|", {"Normalize"}},
        {"pos.|", {"Length", "Normalize"}},
        {"po|", {"pos"}},
        {"Vec|", {"Vector"}},
        {"x.Get|", {"GetName", "GetNameAlias"}},                         // unknown owner: global words
        {"Vectorv;\rv.|", {"GetName", "GetNameAlias", "Vector", "pos"}}, // undeclared: global words
    };
    for (const auto& c : cases)
        EXPECT_EQ(completion.Suggest(c.text), c.expected) << c.text;
    completion.SetText("Vector v;\rv.Length|");
    completion->Refresh();
    EXPECT_STREQ(completion->Description(), "its length");
    EXPECT_STREQ(completion->OwnerType().CStr(), "Vector");
    completion.SetText("GetNameAlias|");
    completion->Refresh();
    EXPECT_EQ(completion->Description(), nullptr);

    completion->Reset();
    EXPECT_EQ(completion.Suggest("GetN|"), Words{});
    EXPECT_EQ(completion->GetTypeOf("pos"), nullptr);
    completion->AddKeyWord("Vector", "Length", nullptr);
    EXPECT_EQ(completion.Suggest("Vector v;\rv.|"), Words{"Length"}) << "owner separators outlive a reset";
}

TEST(CompletionLookup, TypeOfSearchesBackwardAcrossLinesForTheNearestDeclaration) {
    Completion completion;
    completion->AddOwnerType("Vector");
    completion->AddOwnerType("Ball");
    const struct {
        const char* text;
        const char* name;
        const char* type;
    } cases[] = {
        {"Vector v;\r\r\rx = 1;\rv|", "v", "Vector"},
        {"Vector v;\rBall v;\rv|", "v", "Ball"},                        // the nearest one
        {"Ball v;\r|\rVector v;", "v", "Ball"},                         // nothing after the caret
        {"Vector\tv;\rv|", "v", "Vector"},                              // tabs count as blanks
        {"Vector v2;\rv|", "v", nullptr},                               // a longer name is another name
        {"Vectorv;\rv|", "v", nullptr},                                 // no blank, no declaration
        {"Unknown v;\rv|", "v", nullptr},                               // not a class
        {"v v v v v v v v v v|", "v", nullptr},                         // many occurrences, still ends
        {"\xD6\xD0 Vector \xD6\xD0;\r\xD6\xD0|", "\xD6\xD0", "Vector"}, // double-byte names
        {"|", "v", nullptr},
    };
    for (const auto& c : cases) {
        completion.SetText(c.text);
        const char* type = completion->GetTypeOf(c.name);
        EXPECT_STREQ(type ? type : "(null)", c.type ? c.type : "(null)") << c.text;
    }
}

TEST(CompletionLookup, AcceptingReplacesTheTypedWordAsOneUndoRecord) {
    Completion completion;
    completion.Separators()['#'] = 0; // a symbol that is part of words
    completion->AddKeyWord(nullptr, "GetNameAlias", nullptr);
    completion->AddKeyWord(nullptr, "#include", nullptr);
    const struct {
        const char* text;
        const char* after;
    } cases[] = {
        {"x = GetN|;", "x = GetNameAlias;"},
        {"#inc|", "#include"},
        {"\r#|", "\r#include"},
    };
    for (const auto& c : cases) {
        completion.SetText(c.text);
        completion->Refresh();
        ASSERT_TRUE(completion->Accept(0)) << c.text;
        EXPECT_EQ(completion.Model().Text(), c.after);
        EXPECT_FALSE(completion->Accept(1)) << "no such suggestion";
        EXPECT_EQ(completion.History().UndoCount(), 1) << c.text;
        completion.History().Undo(completion.Model());
        std::string before(c.text);
        before.erase(before.find('|'), 1);
        EXPECT_EQ(completion.Model().Text(), before);
    }
}

namespace {

// Key input travels through the X server: give it time to arrive.
void Settle() {
    PumpFor(150);
}

class CompletionEditor : public KaloRichEdit {
public:
    using KaloRichEdit::BackwardSearch;
    using KaloRichEdit::SetToolTipSel;
};

class Host : public CWnd {
public:
    int escapes = 0;
    LRESULT OnEscape(WPARAM, LPARAM) {
        ++escapes;
        return 0;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Host, CWnd)
ON_MESSAGE(KALO_RICHEDIT_ESCAPE, OnEscape)
END_MESSAGE_MAP()

class CompletionWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitKaloControls(); }
    void SetUp() override { Open(40, 40); }
    void TearDown() override {
        m_editor.DestroyWindow();
        m_host.DestroyWindow();
    }
    void Open(int x, int y) {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, x, y, 420, 260,
                                    nullptr, nullptr));
        ASSERT_TRUE(m_editor.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL,
                                    CRect(0, 0, 400, 240), &m_host, 9));
        m_editor.AddKeyWord(nullptr, "GetName", "the name");
        m_editor.AddKeyWord(nullptr, "GetNameAlias", nullptr);
        m_editor.AddKeyWord("Vector", "Length", "its length");
        m_editor.AddKeyWord("Vector", "Normalize", nullptr);
        m_editor.AddOwnerType("Vector");
        m_editor.AddOwnerSeparator(".");
        m_host.SetForegroundWindow();
        m_editor.SetFocus();
        Settle();
    }
    void SetText(const char* text) {
        m_editor.SetWindowText(text);
        m_editor.ClearUndo();
        const long end = m_editor.GetTextLength();
        m_editor.SetSel(end, end);
    }
    void Type(const char* text) {
        SendTextInput(text);
        Settle();
    }
    void Key(WORD vk, bool shift = false) {
        SendKeyPress(vk, shift);
        Settle();
    }
    std::string Text() {
        CoreString text;
        m_editor.GetRangeString(text, 0, m_editor.GetTextLength());
        return text.CStr();
    }
    bool ListShown() const { return m_editor.IsAutoCompleteListVisible() != 0; }
    LONG_PTR ListMark() const { return GetWindowLongPtrA(ListWindow(), GWLP_USERDATA); }
    HWND ListWindow() const { return FindListOf(m_editor.m_hWnd); }
    // The list is the editor's id-2 child until it is first shown, a window it owns after.
    static HWND FindListOf(HWND editor) {
        HWND child = ::GetDlgItem(editor, 2);
        if (child)
            return child;
        struct Search {
            HWND editor;
            HWND found;
        } search{editor, nullptr};
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM data) {
                Search& s = *reinterpret_cast<Search*>(data);
                if (GetDlgCtrlID(window) == 2 && GetWindowLongPtrA(window, GWLP_HWNDPARENT) != 0 &&
                    window != s.editor) {
                    char name[32] = "";
                    GetClassNameA(window, name, sizeof name);
                    if (lstrcmpiA(name, "ListBox") == 0) {
                        s.found = window;
                        return FALSE;
                    }
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    int Selected() { return static_cast<int>(::SendMessageA(ListWindow(), LB_GETCURSEL, 0, 0)); }
    std::string ItemText(int index) {
        char text[64] = "";
        ::SendMessageA(ListWindow(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }

    Host m_host;
    CompletionEditor m_editor;
};

} // namespace

TEST_F(CompletionWindow, TabArrowsReturnAndEscapeDriveTheListFromTheKeyboard) {
    Type("GetN");
    EXPECT_FALSE(ListShown()) << "two candidates wait for Tab";
    Key(VK_TAB);
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(ListMark(), 12345);
    EXPECT_EQ(::SendMessageA(ListWindow(), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ItemText(Selected()), "GetName");
    Key(VK_DOWN);
    EXPECT_EQ(ItemText(Selected()), "GetNameAlias");
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(ItemText(Selected()), "GetName") << "kept on the first item";
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(ListMark(), 0);
    EXPECT_EQ(Text(), "GetNameAlias");
    EXPECT_EQ(::GetFocus(), m_editor.m_hWnd);
    EXPECT_EQ(m_editor.GetUndoCount(), 2) << "typed word, then the completion as one record";

    // A declared variable and a full stop: its class's members at the key release.
    SetText("Vector v;\r");
    Type("v.");
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(ItemText(0), "Length");
    Key(VK_ESCAPE);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(m_host.escapes, 0) << "Escape closed the list, not the editor";
    Key(VK_ESCAPE);
    EXPECT_EQ(m_host.escapes, 1);

    // One candidate opens the list by itself; Tab takes it.
    Type("Le");
    ASSERT_TRUE(ListShown());
    Key(VK_TAB);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Text(), "Vector v;\rv.Length");
    // With no list, Tab after a word that completes nothing indents; Shift+Tab never completes.
    Type(" ");
    Key(VK_TAB);
    EXPECT_EQ(Text(), "Vector v;\rv.Length \t");
    SetText("GetN");
    Key(VK_TAB, true);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Text(), "GetN\t");
}

TEST_F(CompletionWindow, TheListStaysWithinItsHeightAndOnTheScreen) {
    for (int i = 0; i < 40; ++i) {
        const std::string word = "Word" + std::to_string(i);
        m_editor.AddKeyWord(nullptr, word.c_str(), nullptr);
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(m_host.m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;
    const POINT corners[] = {{40, 40}, {area.right - 60, area.bottom - 40}};
    for (const POINT& corner : corners) {
        m_host.SetWindowPos(nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetText("");
        Type("Wo");
        Key(VK_TAB);
        ASSERT_TRUE(ListShown());
        RECT list{};
        GetWindowRect(ListWindow(), &list);
        EXPECT_LE(list.bottom - list.top, 150);
        EXPECT_GE(list.left, area.left);
        EXPECT_GE(list.top, area.top);
        EXPECT_LE(list.right, area.right);
        EXPECT_LE(list.bottom, area.bottom);
        Key(VK_ESCAPE);
    }
}

TEST_F(CompletionWindow, HostLoopListKeysAndTheDescriptionTip) {
    SetText("GetN");
    auto open = [&] {
        ASSERT_EQ(m_editor.ProposeAutoComplete(), 1);
        ASSERT_TRUE(ListShown());
    };
    MSG hidden{m_editor.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_EQ(m_editor.TranslateKeyMessages(&hidden), 0) << "no list, nothing to do";
    open();
    const struct {
        WPARAM key;
        int result;
        bool shown;
    } cases[] = {{VK_DOWN, 0, true}, {VK_NEXT, 0, true}, {VK_ESCAPE, 1, false}, {'A', 0, false}};
    for (const auto& c : cases) {
        MSG message{ListWindow(), WM_KEYDOWN, c.key, 0, 0, {0, 0}};
        EXPECT_EQ(m_editor.TranslateKeyMessages(&message), c.result) << c.key;
        EXPECT_EQ(ListShown(), c.shown) << c.key;
        if (c.key == 'A') {
            EXPECT_EQ(message.hwnd, m_editor.m_hWnd) << "passed on to the editor";
        }
        if (!ListShown())
            open();
    }
    MSG enter{ListWindow(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_EQ(m_editor.TranslateKeyMessages(&enter), 1);
    EXPECT_EQ(Text(), "GetName");

    // Keys typed in the list itself, and a double-click on an item.
    SetText("GetN");
    open();
    m_editor.SetToolTipSel(1);
    ::SetFocus(ListWindow());
    Settle();
    ASSERT_TRUE(ListShown()) << "the list taking the focus keeps it open";
    Key(VK_RETURN);
    EXPECT_EQ(Text(), "GetNameAlias");
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(::GetFocus(), m_editor.m_hWnd);
    SetText("GetN");
    open();
    ::SetFocus(ListWindow());
    Key(VK_ESCAPE);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Text(), "GetN");
    open();
    ::SendMessageA(ListWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 2));
    EXPECT_EQ(Text(), "GetName");
    EXPECT_FALSE(ListShown());
    // The focus leaving the list for another window closes it.
    SetText("GetN");
    open();
    ::SetFocus(ListWindow());
    ::SetFocus(m_host.m_hWnd);
    EXPECT_FALSE(ListShown());
    m_editor.SetFocus();

    // The tip: the description of the registered word at the caret, in the tip colour.
    SetText("x = GetName");
    m_editor.SetToolTipColor(RGB(10, 20, 30));
    Type(" ");
    Key(VK_BACK);
    HWND tip = ::GetDlgItem(m_editor.m_hWnd, 0);
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(IsWindowVisible(tip));
    char text[32] = "";
    ::GetWindowTextA(tip, text, sizeof text);
    EXPECT_STREQ(text, "the name");
    HDC dc = ::GetDC(tip);
    EXPECT_NE(
        m_editor.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(tip)),
        0);
    EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
    ::ReleaseDC(tip, dc);
    Type(" ");
    EXPECT_FALSE(IsWindowVisible(tip)) << "no word at the caret, no tip";
}

TEST_F(CompletionWindow, BackwardSearchOnTheControlAgreesWithTheTextInMemory) {
    const char* text = "Vector v;\r\xD6\xD0v = v;\rvv";
    SetText(text);
    KaloMemoryTextModel memory(text);
    const struct {
        const char* name;
        long from;
        long found;
    } cases[] = {{"v", 19, 19},  {"v", 18, 18}, {"v", 17, 15},        {"v", 14, 11},
                 {"v", 10, 7},   {"v", 6, -1},  {"v", -1, -1},        {"Vector", 0, 0},
                 {"vv", 19, 18}, {"x", 19, -1}, {"\xD6\xD0v", 19, 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(memory.FindBackward(c.name, c.from), c.found) << c.name << " from " << c.from;
        EXPECT_EQ(m_editor.BackwardSearch(c.name, c.from), c.found) << c.name << " from " << c.from;
    }
}
