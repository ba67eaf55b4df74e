// KaloEdit: the typed-input rules and float format as pure functions, then real windows for
// key messages reaching the filters, the parent notifications and the value accessors.
#include "TrellisTestSupport.h"

#include <cfloat>
#include <cstring>
#include <string>

namespace {

struct CharCase {
    int style;
    const char* text;
    int selStart, selEnd;
    char ch;
    bool accepted;
};

TEST(EditFilter, NumericStylesJudgeEachCharacter) {
    const CharCase cases[] = {
        {KaloEditUnsigned, "12", 2, 2, '5', true},
        {KaloEditUnsigned, "12", 0, 0, '-', false},
        {KaloEditUnsigned, "12", 2, 2, '.', false},
        {KaloEditUnsigned, "12", 2, 2, '\b', true},
        {KaloEditUnsigned, "12", 2, 2, 'a', false},
        {KaloEditSigned, "12", 0, 0, '-', true},
        {KaloEditSigned, "12", 1, 1, '-', false},
        {KaloEditSigned, "-12", 0, 0, '-', false},
        {KaloEditSigned, "12", 2, 2, '.', false},
        {KaloEditSigned, "12", 2, 2, '7', true},
        {KaloEditFloat, "1.5", 3, 3, '.', false},
        {KaloEditFloat, "1.5", 0, 3, '.', true},
        {KaloEditFloat, "15", 1, 1, '.', true},
        {KaloEditFloat, "1,5", 3, 3, ',', false},
        {KaloEditFloat, "15", 0, 0, '-', true},
        {KaloEditFloat, "15", 1, 1, '-', false},
        {KaloEditFloat, "15", 2, 2, 'e', false},
        // The protected minus: nothing is typed in front of it, a selection over it is replaced.
        {KaloEditSignedFloat, "-5", 0, 0, '3', false},
        {KaloEditSignedFloat, "-5", 0, 1, '3', true},
        {KaloEditSignedFloat, "-5", 0, 1, '-', true},
        {KaloEditSignedFloat, "-5", 0, 1, 'x', false},
        {KaloEditSignedFloat, "-5", 2, 2, '.', true},
        {KaloEditSignedFloat, "5", 0, 0, '-', true},
        {KaloEditSignedFloat, "", 0, 0, '-', true},
        {0, "abc", 1, 1, 'x', true},
        {3, "abc", 1, 1, '-', true},
    };
    for (const CharCase& c : cases) {
        EXPECT_EQ(
            KaloEditAcceptsChar(c.style, c.text, c.selStart, c.selEnd, static_cast<unsigned char>(c.ch)),
            c.accepted)
            << "style " << c.style << " text '" << c.text << "' sel " << c.selStart << "-" << c.selEnd
            << " char '" << c.ch << "'";
    }
}

TEST(EditFilter, FloatFormatIsBuiltFromWidthAndDecimalsAndBounded) {
    struct {
        int width, decimals;
        const char* format;
    } cases[] = {
        {-1, 3, "%.3f"}, {-1, -1, "%f"},   {8, -1, "%8.f"},
        {8, 2, "%8.2f"}, {-5, 2, "%0.2f"}, {1000, 1000, "%64.24f"},
    };
    for (const auto& c : cases) {
        char format[32];
        EXPECT_STREQ(KaloEditFloatFormat(c.width, c.decimals, format, sizeof format), c.format);
    }
    // The largest float at the widest format still fits the text buffer the edit uses.
    char format[32];
    KaloEditFloatFormat(1000, 1000, format, sizeof format);
    char text[KaloEditFloatTextSize];
    const int needed = std::snprintf(text, sizeof text, format, static_cast<double>(-FLT_MAX));
    EXPECT_LT(needed, static_cast<int>(sizeof text));
    char tiny[3];
    EXPECT_STREQ(KaloEditFloatFormat(-1, 3, tiny, sizeof tiny), "%.");
}

TEST(EditFilter, ParsingLeavesTheValueAloneWhenTheTextIsNoNumber) {
    int i = 7;
    EXPECT_FALSE(KaloEditParseInt("abc", &i));
    EXPECT_EQ(i, 7);
    EXPECT_TRUE(KaloEditParseInt(" -42x", &i));
    EXPECT_EQ(i, -42);
    float f = 2.5f;
    EXPECT_FALSE(KaloEditParseFloat("", &f));
    EXPECT_EQ(f, 2.5f);
    EXPECT_TRUE(KaloEditParseFloat("1.25", &f));
    EXPECT_EQ(f, 1.25f);
}

// A parent that records the private messages of its children.
class RecordingParent : public CWnd {
public:
    struct Note {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Note> notes;
    bool destroyChildOnKillFocus = false;
    CWnd* child = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= KaloMsgReturn && message <= KaloMsgEscape) {
            notes.push_back({message, wParam, lParam});
            if (message == KaloMsgKillFocus && destroyChildOnKillFocus && child) {
                child->DestroyWindow();
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class EditWindow : public HostWindowTest<RecordingParent> {
protected:
    EditWindow() : HostWindowTest(CRect(0, 0, 300, 120)) {}
    void SetUp() override {
        HostWindowTest::SetUp();
        ASSERT_TRUE(
            m_edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 110, 40), &m_parent, 42));
        m_parent.child = &m_edit;
    }
    void TearDown() override {
        m_edit.DestroyWindow();
        HostWindowTest::TearDown();
    }
    // Key presses as the keyboard would post them; translation makes the characters.
    void Type(const char* keys) {
        for (const char* k = keys; *k; ++k) {
            const SHORT scan = VkKeyScanA(*k);
            const UINT vk = LOBYTE(scan);
            const bool shift = (HIBYTE(scan) & 1) != 0;
            BYTE state[256] = {};
            if (shift) {
                state[VK_SHIFT] = 0x80;
            }
            SetKeyboardState(state);
            m_edit.PostMessage(WM_KEYDOWN, vk, 1);
            PumpFor(0);
            m_edit.PostMessage(WM_KEYUP, vk, 0xC0000001);
            PumpFor(0);
        }
        BYTE none[256] = {};
        SetKeyboardState(none);
    }
    void Key(UINT vk) {
        m_edit.PostMessage(WM_KEYDOWN, vk, 1);
        PumpFor(0);
    }
    std::string Text() {
        char text[256];
        m_edit.GetWindowText(text, sizeof text);
        return text;
    }

    KaloEdit m_edit;
};

} // namespace

TEST_F(EditWindow, TypedKeysPassTheStylesFilter) {
    struct {
        int style;
        const char* start;
        const char* keys;
        const char* result;
    } cases[] = {
        {KaloEditUnsigned, "", "1-2.3a", "123"},
        {KaloEditSigned, "", "-1-2", "-12"},
        {KaloEditFloat, "", "1.2.5", "1.25"},
        {0, "", "a-.", "a-."},
    };
    for (const auto& c : cases) {
        m_edit.SetEditStyle(c.style);
        m_edit.SetWindowText(c.start);
        m_edit.SetSel(0, 0);
        Type(c.keys);
        EXPECT_EQ(Text(), c.result) << "style " << c.style;
    }
}

TEST_F(EditWindow, ReturnEscapeAndFocusLossReachTheParentWithTheId) {
    m_edit.SetWindowText("abc");
    m_edit.SetFocus();
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    m_parent.SetFocus();
    ASSERT_EQ(m_parent.notes.size(), 3u);
    EXPECT_EQ(m_parent.notes[0].message, KaloMsgReturn);
    EXPECT_EQ(m_parent.notes[0].wParam, 42u);
    EXPECT_EQ(m_parent.notes[1].message, KaloMsgEscape);
    EXPECT_EQ(m_parent.notes[1].wParam, 42u);
    EXPECT_EQ(m_parent.notes[2].message, KaloMsgKillFocus);
    EXPECT_EQ(m_parent.notes[2].wParam, reinterpret_cast<WPARAM>(m_parent.GetSafeHwnd()));
    EXPECT_EQ(m_parent.notes[2].lParam, 42);
    EXPECT_EQ(Text(), "abc");
}

TEST_F(EditWindow, ParentMayDestroyTheEditWhenItLosesTheFocus) {
    m_parent.destroyChildOnKillFocus = true;
    m_edit.SetFocus();
    m_parent.SetFocus();
    EXPECT_EQ(m_edit.GetSafeHwnd(), nullptr);
    ASSERT_EQ(m_parent.notes.size(), 1u);
}

TEST_F(EditWindow, ValueAccessorsKeepTextThatAlreadyShowsTheValue) {
    m_edit.SetWindowText("1.500000");
    m_edit.SetFloatValue(1.5f);
    EXPECT_EQ(Text(), "1.500000");
    m_edit.SetWindowText("");
    m_edit.SetFloatValue(1.5f);
    EXPECT_EQ(Text(), "1.500");
    m_edit.SetFloatPrecision(1000, 1000);
    m_edit.SetWindowText("");
    m_edit.SetFloatValue(1e38f);
    EXPECT_EQ(Text().size(), 64u);

    m_edit.SetWindowText("007");
    m_edit.SetIntValue(7);
    EXPECT_EQ(Text(), "007");
    m_edit.SetIntValue(8);
    EXPECT_EQ(Text(), "8");

    float value = 9.0f;
    m_edit.SetWindowText("abc");
    EXPECT_EQ(m_edit.GetFloatValue(&value), 1);
    EXPECT_EQ(value, 9.0f);
    m_edit.SetWindowText("");
    EXPECT_EQ(m_edit.GetFloatValue(&value), 0);
    EXPECT_EQ(value, 0.0f);
    int number = 5;
    EXPECT_EQ(m_edit.GetIntValue(&number), 0);
    EXPECT_EQ(number, 5);

    m_edit.SetStringValue(nullptr);
    EXPECT_EQ(Text(), "");
    m_edit.SetStringValue("hello");
    char small[4] = {'x', 'x', 'x', 'x'};
    m_edit.GetStringValue(small, 3);
    EXPECT_STREQ(small, "he");
    EXPECT_EQ(small[3], 'x');

    int first = -1, second = -1;
    KaloEdit fresh;
    fresh.GetIntRange(&first, &second);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
}

TEST_F(EditWindow, SingleLineHeightUnderlineAndRedrawSwitch) {
    // A subclassed single-line edit takes the default height plus the underline's two pixels.
    HWND plain = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 60, 80, 30, m_parent.GetSafeHwnd(),
                                 nullptr, nullptr, nullptr);
    KaloEdit subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(plain));
    CRect window;
    subclassed.GetWindowRect(&window);
    EXPECT_EQ(window.Height(), KaloEdit::DefaultHeight + 2);
    subclassed.DestroyWindow();

    m_edit.SetBackColor(RGB(10, 200, 30));
    CRect client;
    m_edit.GetClientRect(&client);
    PixelCanvas canvas(client.Width(), client.Height());
    CDC* dc = CDC::FromHandle(canvas.Dc());
    m_edit.OnEraseBkgnd(dc);
    EXPECT_EQ(canvas.At(2, 2), RGB(10, 200, 30));
    EXPECT_EQ(canvas.At(2, client.Height() - 1), GetKaloColor(4));

    m_edit.SetEditStyle(KaloEditNoUnderline);
    canvas.Fill(RGB(0, 0, 0));
    m_edit.OnEraseBkgnd(dc);
    EXPECT_EQ(canvas.At(2, client.Height() - 1), RGB(10, 200, 30));

    // Switching redraw off and on keeps a hidden edit hidden.
    m_edit.ShowWindow(SW_HIDE);
    m_edit.SetRedraw(FALSE);
    EXPECT_TRUE(m_edit.GetEditStyle() & KaloEditRedrawOff);
    canvas.Fill(RGB(0, 0, 0));
    m_edit.OnEraseBkgnd(dc);
    EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 0));
    m_edit.SetRedraw(TRUE);
    EXPECT_FALSE(m_edit.IsWindowVisible());
    m_edit.ShowWindow(SW_SHOW);
    m_edit.SetRedraw(FALSE);
    m_edit.SetRedraw(TRUE);
    EXPECT_TRUE(m_edit.IsWindowVisible());
}
