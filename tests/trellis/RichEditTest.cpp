// The script editor on the real rich edit: the layer's rich edit calls, the editor's window
// behaviour, and the generated edit sequences again through real key messages.
#include "ScriptEditSequence.h"
#include "TrellisTestSupport.h"

#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

class EditorHost : public CWnd {
public:
    int killFocus = 0;
    int escapes = 0;
    WPARAM escapeId = 0;
    LRESULT OnKillFocusMessage(WPARAM, LPARAM) {
        ++killFocus;
        return 0;
    }
    LRESULT OnEscapeMessage(WPARAM id, LPARAM) {
        ++escapes;
        escapeId = id;
        return 0;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EditorHost, CWnd)
ON_MESSAGE(KALO_RICHEDIT_KILLFOCUS, OnKillFocusMessage)
ON_MESSAGE(KALO_RICHEDIT_ESCAPE, OnEscapeMessage)
END_MESSAGE_MAP()

// The editor with its overtype state under the test's control and its drag path reachable.
class TestEditor : public KaloRichEdit {
public:
    bool overtype = false;
    KaloTextModel& Model() { return m_model; }
    KaloUndoHistory& History() { return m_history; }
    // What the rich edit does for a drag inside its text, then its notification.
    void DragInside(long start, long end, long drop, bool copy) {
        SetSel(start, end);
        OnButtonDown();
        CoreString text;
        m_model.ReadRange(start, end, text);
        if (!copy) {
            SetSel(start, end);
            ReplaceSel("");
        }
        SetSel(drop, drop);
        ReplaceSel(text.CStr());
        SetSel(drop, drop + (end - start));
        NMHDR header{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), EN_DRAGDROPDONE};
        LRESULT result = 1;
        OnDragDropDone(&header, &result);
    }

protected:
    bool QueryOverTypeMode() override { return overtype; }
};

void SetModifiers(const KaloKeyState& keys) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = keys.ctrl ? 0x80 : 0;
    state[VK_SHIFT] = keys.shift ? 0x80 : 0;
    state[VK_MENU] = keys.alt ? 0x80 : 0;
    SetKeyboardState(state);
}

class Editor : public ::testing::Test, public ScriptEditDriver {
protected:
    static void SetUpTestSuite() { InitKaloControls(); }
    void SetUp() override {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                    nullptr, nullptr));
        ASSERT_TRUE(m_editor.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                    CRect(0, 0, 380, 260), &m_host, 42));
    }
    void TearDown() override {
        SetModifiers({});
        m_editor.DestroyWindow();
        m_host.DestroyWindow();
    }

public:
    KaloTextModel& Model() override { return m_editor.Model(); }
    KaloUndoHistory& History() override { return m_editor.History(); }
    void Char(char c, KaloKeyState keys = {}) override {
        SetModifiers(keys);
        m_editor.SendMessage(WM_CHAR, static_cast<BYTE>(c));
        SetModifiers({});
    }
    void Key(WPARAM key, KaloKeyState keys = {}) override {
        SetModifiers(keys);
        m_editor.SendMessage(WM_KEYDOWN, key);
        SetModifiers({});
    }
    void SetClipboard(const char* text) override {
        ASSERT_TRUE(OpenClipboard(m_host.m_hWnd));
        EmptyClipboard();
        const size_t size = strlen(text) + 1;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(GlobalLock(memory), text, size);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    void Drag(long start, long end, long drop, bool copy) override {
        m_editor.DragInside(start, end, drop, copy);
    }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c)
            Char(*c);
    }
    void SetText(const char* text) {
        m_editor.SetWindowText(text);
        m_editor.ClearUndo();
        m_editor.History().Rebase(m_editor.Model());
    }

protected:
    EditorHost m_host;
    TestEditor m_editor;
};

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

} // namespace

TEST_F(Editor, LayerCountsPositionsAndSizesBuffersForDoubleByteText) {
    m_editor.SetWindowText("ab\r\n\xD6\xD0\xCE\xC4");
    EXPECT_EQ(m_editor.GetTextLength(), 5);
    EXPECT_NE(m_editor.SendMessage(WM_GETTEXTLENGTH), m_editor.GetTextLength());
    char buffer[16] = {};
    ASSERT_LE(CRichEditCtrl::TextBufferSize(3), static_cast<long>(sizeof buffer));
    EXPECT_EQ(m_editor.GetTextRange(2, 5, buffer), 5);
    EXPECT_STREQ(buffer, "\r\xD6\xD0\xCE\xC4");
    m_editor.SetSel(3, 5);
    EXPECT_EQ(m_editor.GetSelText(buffer), 4);
    EXPECT_STREQ(buffer, "\xD6\xD0\xCE\xC4");

    m_editor.SetModify(FALSE);
    EXPECT_FALSE(m_editor.GetModify());
    m_editor.LimitText(100000);
    EXPECT_EQ(m_editor.GetLimitText(), 100000);
    IRichEditOle* ole = m_editor.GetIRichEditOle();
    ASSERT_NE(ole, nullptr);
    ole->Release();
    // The object model answers "not implemented" here: insert mode.
    EXPECT_EQ(m_editor.KaloRichEdit::GetOverTypeMode(), 0);
}

TEST_F(Editor, TypedKeysAreRecordedAndUndoneThroughTheControlsMessages) {
    Type("hello world");
    EXPECT_EQ(Text(), "hello world");
    EXPECT_EQ(m_editor.GetUndoCount(), 3);
    EXPECT_TRUE(m_editor.SendMessage(EM_CANUNDO));
    EXPECT_EQ(m_editor.SendMessage(WM_UNDO), 1);
    EXPECT_EQ(m_editor.SendMessage(EM_UNDO), 1);
    EXPECT_EQ(Text(), "hello");
    EXPECT_EQ(m_editor.SendMessage(EM_REDO), 1);
    EXPECT_EQ(Text(), "hello ");

    // A double-byte character sent as two WM_CHARs is one position and one record.
    SetText("");
    Type("\xD6\xD0");
    EXPECT_EQ(m_editor.GetTextLength(), 1);
    EXPECT_EQ(m_editor.GetUndoCount(), 1);

    // Overtype replaces the next character but never a line break.
    SetText("ab\rc");
    m_editor.overtype = true;
    m_editor.SetSel(1, 1);
    Type("xy");
    EXPECT_EQ(Text(), "axy\rc");
    m_editor.overtype = false;
    while (m_editor.DoUndo()) {
    }
    EXPECT_EQ(Text(), "ab\rc");
}

TEST_F(Editor, ChangesTheEditorDidNotAnnounceClearTheHistory) {
    Type("abc");
    ASSERT_EQ(m_editor.GetUndoCount(), 1);
    m_editor.SetWindowText("from the host");
    EXPECT_EQ(m_editor.DoUndo(), 0);
    EXPECT_EQ(Text(), "from the host");

    // Load starts a new history, and saving writes the text back with CR LF breaks.
    const std::string path = TempPath("kalo_script.txt");
    {
        std::ofstream file(path, std::ios::binary);
        file << "first\r\n\tsecond {\r\n}";
    }
    Type("x");
    ASSERT_EQ(m_editor.Load(path.c_str()), 1);
    EXPECT_EQ(Text(), "first\r\tsecond {\r}");
    EXPECT_EQ(m_editor.GetUndoCount(), 0);
    EXPECT_EQ(m_editor.DoUndo(), 0);
    const std::string saved = TempPath("kalo_saved.txt");
    ASSERT_EQ(m_editor.Save(saved.c_str()), 1);
    std::ifstream in(saved, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "first\r\n\tsecond {\r\n}");
    EXPECT_EQ(m_editor.Load(TempPath("no_such_dir\\none.txt").c_str()), 0);
    EXPECT_EQ(m_editor.Save(TempPath("no_such_dir\\none.txt").c_str()), 0);

    // A file dropped on the editor is loaded the same way.
    Type("y");
    const size_t bytes = sizeof(DROPFILES) + saved.size() + 2;
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), saved.c_str(), saved.size());
    GlobalUnlock(drop);
    m_editor.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
    EXPECT_EQ(Text(), "first\r\tsecond {\r}");
    EXPECT_EQ(m_editor.GetUndoCount(), 0);
    DeleteFileA(path.c_str());
    DeleteFileA(saved.c_str());
}

TEST_F(Editor, TabStopsFollowTheClampedTabSize) {
    struct Case {
        int asked, kept;
    } cases[] = {{4, 4}, {0, 1}, {-3, 1}, {100, 64}, {8, 8}};
    for (const Case& c : cases) {
        m_editor.SetTabSize(c.asked);
        EXPECT_EQ(m_editor.GetTabSize(), c.kept);
        PARAFORMAT format{};
        format.cbSize = sizeof format;
        m_editor.SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
        ASSERT_EQ(format.cTabCount, 32);
        EXPECT_GT(format.rgxTabs[0], 0);
        EXPECT_EQ(format.rgxTabs[1], 2 * format.rgxTabs[0]);
    }
}

TEST_F(Editor, RedrawSuspensionNestsKeepsTheViewAndNeverShowsAHiddenEditor) {
    const DWORD options = m_editor.GetOptions();
    m_editor.SuspendRedraw();
    m_editor.SuspendRedraw();
    EXPECT_TRUE(m_editor.RedrawSuspended());
    m_editor.ResumeRedraw();
    EXPECT_TRUE(m_editor.RedrawSuspended());
    m_editor.ResumeRedraw();
    EXPECT_FALSE(m_editor.RedrawSuspended());
    EXPECT_EQ(m_editor.GetOptions(), options);

    // A pass selects every coloured word down to the last line; the view stays at the caret.
    std::string lines;
    for (int i = 0; i < 200; ++i)
        lines += "word\r";
    SetText(lines.c_str());
    m_editor.SetSel(0, 0);
    m_editor.AddColorKeyWord("word", RGB(0, 0, 255));
    m_editor.UpdateColors();
    EXPECT_EQ(m_editor.GetFirstVisibleLine(), 0);

    m_editor.ShowWindow(SW_HIDE);
    m_editor.SetRedraw(FALSE);
    m_editor.SetRedraw(TRUE);
    m_editor.SetRedraw(TRUE); // an unpaired "on" changes nothing
    SetText("\ta\r\tb");
    m_editor.SetSel(0, 4);
    Char('\t', {false, true, false});
    EXPECT_EQ(Text(), "a\rb");
    EXPECT_FALSE(m_editor.GetStyle() & WS_VISIBLE);
}

TEST_F(Editor, MenusFullScreenAndParentMessages) {
    auto items = [](HMENU menu) {
        std::string names;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char name[32] = "-";
            GetMenuStringA(menu, static_cast<UINT>(i), name, sizeof name, MF_BYPOSITION);
            names += std::string(*name ? name : "-") + ";";
        }
        DestroyMenu(menu);
        return names;
    };
    EXPECT_EQ(items(m_editor.BuildContextMenu()), "&Paste;");
    Type("a");
    EXPECT_EQ(items(m_editor.BuildContextMenu()), "&Undo;-;&Paste;");
    m_editor.DoUndo();
    EXPECT_EQ(items(m_editor.BuildContextMenu()), "&Redo;-;&Paste;");
    m_editor.SendMessage(WM_COMMAND, ID_KALO_EDIT_REDO);
    EXPECT_EQ(Text(), "a");

    HMENU resource = LoadMenuA(GetModuleHandleA("Trellis.dll"), MAKEINTRESOURCEA(IDR_KALO_RICHEDIT_MENU));
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(items(GetSubMenu(resource, 0)), "Cu&t;&Copy;&Paste;&Undo;&Redo;");

    m_editor.SendMessage(WM_SYSKEYDOWN, VK_RETURN);
    EXPECT_TRUE(m_editor.IsFullscreen());
    EXPECT_EQ(GetAncestor(m_editor.m_hWnd, GA_PARENT), GetDesktopWindow());
    m_editor.SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(m_editor.IsFullscreen());
    EXPECT_EQ(GetAncestor(m_editor.m_hWnd, GA_PARENT), m_host.m_hWnd);
    EXPECT_EQ(m_host.escapes, 1);
    EXPECT_EQ(m_host.escapeId, 42u);
    CRect rect;
    m_editor.GetWindowRect(&rect);
    m_host.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 380, 260));
    m_editor.SendMessage(WM_KILLFOCUS);
    EXPECT_EQ(m_host.killFocus, 1);

    m_editor.SetWindowText("a\rbc\rd");
    m_editor.SelectRow(1);
    long start = 0, end = 0;
    m_editor.GetSel(start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 5);
    m_editor.SelectRow(7);
    m_editor.GetSel(start, end);
    EXPECT_EQ(end, 0);
}

TEST_F(Editor, GeneratedSequencesUndoAndRedoExactlyOnTheRealControl) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        const std::string original = ScriptSampleText(random, 1 + static_cast<int>(random() % 5));
        SetText(original.c_str());
        ASSERT_EQ(Text(), original);
        m_editor.SetUndoLimit(1000);
        // The same steps on the in-memory model give the same text after every step.
        MemoryEditor mirror(original.c_str());
        std::mt19937 steps(seed), mirrorSteps(seed);
        for (int step = 0; step < 30; ++step) {
            ScriptEditStep(*this, steps);
            ScriptEditStep(mirror, mirrorSteps);
            ASSERT_EQ(Text(), mirror.Text()) << "seed " << seed << " step " << step;
        }
        CheckUndoRedoRestores(*this, original, seed);
        if (HasFatalFailure())
            return;
    }
}
