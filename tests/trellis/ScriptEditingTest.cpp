// The editor's undo history and typing aids on the in-memory text model.
#include "ScriptEditSequence.h"

namespace {

const KaloKeyState kCtrl{true, false, false};
const KaloKeyState kShift{false, true, false};

} // namespace

TEST(ScriptModel, PositionsCountLineBreaksAndDoubleByteCharactersAsOne) {
    KaloMemoryTextModel model("a\r\n\xD6\xD0"
                              "b\nc");
    EXPECT_EQ(model.Text(), "a\r\xD6\xD0"
                            "b\rc");
    EXPECT_EQ(model.Length(), 6);
    EXPECT_EQ(model.LineCount(), 3);
    EXPECT_EQ(model.LineStart(1), 2);
    EXPECT_EQ(model.LineStart(2), 5);
    EXPECT_EQ(model.LineStart(3), -1);
    EXPECT_EQ(model.LineFromPosition(4), 1);
    CoreString range;
    model.ReadRange(2, 4, range);
    EXPECT_STREQ(range.CStr(), "\xD6\xD0"
                               "b");
    model.ReadRange(4, 2, range);
    EXPECT_STREQ(range.CStr(), "");
}

TEST(ScriptUndo, TypedWordsMergeAndUndoWordByWord) {
    MemoryEditor editor;
    editor.Type("hello world");
    EXPECT_EQ(editor.History().UndoCount(), 3);
    const char* expected[] = {"hello ", "hello", ""};
    for (const char* text : expected) {
        EXPECT_EQ(editor.History().Undo(editor.Model()), 1);
        EXPECT_EQ(editor.Text(), text);
    }
    EXPECT_EQ(editor.History().Undo(editor.Model()), 0);
    EXPECT_EQ(editor.History().Redo(editor.Model()), 1);
    EXPECT_EQ(editor.Text(), "hello");

    // A double-byte character typed as two bytes is one record of one position, and words of
    // such characters merge like any word.
    MemoryEditor chinese;
    chinese.Type("\xD6\xD0\xCE\xC4");
    EXPECT_EQ(chinese.History().UndoCount(), 1);
    EXPECT_EQ(chinese.Model().Selection().cpMin, 2);
    chinese.Key(VK_BACK);
    EXPECT_EQ(chinese.Text(), "\xD6\xD0");
    chinese.History().Undo(chinese.Model());
    chinese.History().Undo(chinese.Model());
    EXPECT_EQ(chinese.Text(), "");
}

TEST(ScriptUndo, LimitRecyclesTheOldestWithoutAllocating) {
    MemoryEditor editor;
    editor.History().SetLimit(2);
    editor.Type("a b");
    EXPECT_EQ(editor.History().UndoCount(), 2);
    EXPECT_EQ(editor.History().Undo(editor.Model()), 1);
    EXPECT_EQ(editor.History().Undo(editor.Model()), 1);
    EXPECT_EQ(editor.History().Undo(editor.Model()), 0);
    EXPECT_EQ(editor.Text(), "a");

    editor.History().SetLimit(200);
    const size_t allocations = editor.History().Pool().Allocations();
    for (int i = 0; i < 2000; ++i)
        editor.Type(i % 2 ? " " : "x");
    EXPECT_EQ(editor.History().UndoCount(), 200);
    EXPECT_EQ(editor.History().Pool().Allocations(), allocations + 3); // bitmap doubled 32 -> 256

    // A limit below 1 counts as 1; a move then is one record that restores both places.
    editor.History().SetLimit(0);
    EXPECT_EQ(editor.History().Limit(), 1);
    editor.Model().SetText("one two");
    editor.History().Rebase(editor.Model());
    editor.Drag(0, 3, 4, false);
    EXPECT_EQ(editor.Text(), " twoone");
    EXPECT_EQ(editor.History().Undo(editor.Model()), 1);
    EXPECT_EQ(editor.Text(), "one two");
    EXPECT_EQ(editor.History().Redo(editor.Model()), 1);
    EXPECT_EQ(editor.Text(), " twoone");
}

TEST(ScriptUndo, DragMoveIsOneStepAndCopyKeepsTheSource) {
    struct Case {
        long start, end, drop;
        bool copy;
        const char* after;
    } cases[] = {
        {0, 3, 4, false, " twoone"},
        {4, 7, 0, false, "twoone "},
        {4, 7, 0, true, "twoone two"},
    };
    for (const Case& c : cases) {
        MemoryEditor editor("one two");
        editor.Drag(c.start, c.end, c.drop, c.copy);
        EXPECT_EQ(editor.Text(), c.after);
        EXPECT_EQ(editor.History().Undo(editor.Model()), 1);
        EXPECT_EQ(editor.Text(), "one two");
        EXPECT_EQ(editor.History().UndoCount(), 0);
        EXPECT_EQ(editor.History().Redo(editor.Model()), 1);
        EXPECT_EQ(editor.Text(), c.after);
    }
}

TEST(ScriptUndo, UnannouncedChangesAndEmptyCutsLeaveNoBrokenRecords) {
    MemoryEditor editor("abc");
    editor.Caret(3);
    editor.Type("d");
    // A host (or an input method) changes the text behind the history's back.
    editor.Model().SetText("something else");
    EXPECT_EQ(editor.History().Undo(editor.Model()), 0);
    EXPECT_EQ(editor.Text(), "something else");
    EXPECT_EQ(editor.History().UndoCount(), 0);

    editor.Caret(0);
    editor.Key('X', kCtrl);
    EXPECT_EQ(editor.History().UndoCount(), 0);
    editor.Key(VK_BACK);
    EXPECT_EQ(editor.History().UndoCount(), 0);

    editor.SetClipboard("x\r\ny");
    editor.Model().Select(0, 9);
    editor.Key(VK_INSERT, kShift);
    EXPECT_EQ(editor.Text(), "x\ry else");
    EXPECT_EQ(editor.Model().Modified(), true);
    editor.History().Undo(editor.Model());
    EXPECT_EQ(editor.Text(), "something else");
}

TEST(ScriptUndo, CtrlBackspaceAndDeleteRemoveAndRecordWholeWords) {
    struct Case {
        const char* text;
        long caret;
        WPARAM key;
        const char* after;
    } cases[] = {
        {"foo bar", 7, VK_BACK, "foo "},   {"foo bar  ", 9, VK_BACK, "foo "},
        {"foo(bar", 4, VK_BACK, "foobar"}, {"foo bar", 0, VK_DELETE, "bar"},
        {"a\rb", 2, VK_BACK, "ab"},        {"\xD6\xD0\xCE\xC4 x", 2, VK_BACK, " x"},
    };
    for (const Case& c : cases) {
        MemoryEditor editor(c.text);
        editor.Caret(c.caret);
        editor.Key(c.key, kCtrl);
        editor.Char(0x7F, kCtrl);
        EXPECT_EQ(editor.Text(), c.after) << c.text;
        editor.History().Undo(editor.Model());
        EXPECT_EQ(editor.Text(), KaloCrLineBreaks(c.text)) << c.text;
    }
}

TEST(ScriptTyping, AidsInsertPairsIndentsAndUnindents) {
    const std::string tabs31(31, '\t');
    const std::string line31 = tabs31 + "x";
    const std::string expected31 = line31 + "\r" + std::string(30, '\t');
    struct Case {
        std::string text;
        long caret;
        const char* typed;
        std::string after;
        long caretAfter;
    } cases[] = {
        {"\t\tif {", 6, "\r", "\t\tif {\r\t\t\t", 10},
        {line31, 32, "\r", expected31, 63},
        {"ab", 0, "\r", "\rab", 1},
        {"a", 0, "(", "(a", 1},
        {"x", 1, "(", "x()", 2},
        {"x y", 1, "(", "x() y", 2},
        {"", 0, "\"", "\"\"", 1},
        {"", 0, "[", "[]", 1},
        {"\t", 1, "}", "}", 1},
        {"a", 1, "}", "a}", 2},
        {"ab", 1, "\xD6\xD0",
         "a\xD6\xD0"
         "b",
         2},
        {"w", 1, "x", "wx", 2},
    };
    for (const Case& c : cases) {
        MemoryEditor editor(c.text.c_str());
        editor.Caret(c.caret);
        editor.Type(c.typed);
        EXPECT_EQ(editor.Text(), c.after) << c.text << " + " << c.typed;
        EXPECT_EQ(editor.Model().Selection().cpMin, c.caretAfter) << c.text << " + " << c.typed;
        while (editor.History().Undo(editor.Model())) {
        }
        EXPECT_EQ(editor.Text(), c.text);
    }

    // Right Alt arrives as Ctrl+Alt and types like any key; Ctrl alone does not type.
    MemoryEditor editor;
    editor.Char('q', {true, false, true});
    editor.Char(0x11, kCtrl);
    EXPECT_EQ(editor.Text(), "q");
    EXPECT_EQ(editor.History().UndoCount(), 1);
}

TEST(ScriptTyping, TabIndentsAndShiftTabUnindentsSelectedLines) {
    MemoryEditor editor("\ta\rb\r\tc");
    editor.Model().Select(1, 6);
    editor.Char('\t', kShift);
    EXPECT_EQ(editor.Text(), "a\rb\rc");
    EXPECT_EQ(editor.History().UndoCount(), 2);
    EXPECT_EQ(editor.Model().Selection().cpMin, 0);
    EXPECT_EQ(editor.Model().Selection().cpMax, 5);

    editor.Char('\t');
    EXPECT_EQ(editor.Text(), "\ta\r\tb\r\tc");
    EXPECT_EQ(editor.History().UndoCount(), 5);
    EXPECT_EQ(editor.History().DirtyRange().cpMin, 0);
    EXPECT_EQ(editor.History().DirtyRange().cpMax, 8);

    // Within one line a tab replaces the selection.
    editor.Model().Select(1, 2);
    editor.Char('\t');
    EXPECT_EQ(editor.Text(), "\t\t\r\tb\r\tc");
    while (editor.History().Undo(editor.Model())) {
    }
    EXPECT_EQ(editor.Text(), "\ta\rb\r\tc");
}

TEST(ScriptTyping, FindScopeMatchesBracketsInPositions) {
    struct Case {
        const char* text;
        long caret;
        long after;
    } cases[] = {
        {"f(a(b)c)", 8, 1}, {"f(a(b)c)", 1, 7}, {"(]", 2, 2},         {"{x\r{y}\r}", 0, 7},
        {"((x)", 4, 1},     {"(x))", 4, 4},     {"[\xB5\x5B]", 0, 2}, {"\xD6\xD0(\xCE\xC4)", 4, 1},
        {"abc", 1, 1},
    };
    for (const Case& c : cases) {
        MemoryEditor editor(c.text);
        editor.Caret(c.caret);
        editor.Key('E', kCtrl);
        EXPECT_EQ(editor.Model().Selection().cpMin, c.after) << c.text << " at " << c.caret;
        EXPECT_EQ(editor.Model().Selection().cpMax, c.after) << c.text << " at " << c.caret;
        EXPECT_EQ(editor.History().UndoCount(), 0);
    }
}

TEST(ScriptUndo, AnySequenceUndoesToTheFirstTextAndRedoesToTheLast) {
    int changed = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed);
        const std::string original = ScriptSampleText(random, 1 + static_cast<int>(random() % 6));
        MemoryEditor editor(original.c_str());
        editor.History().SetLimit(1000);
        RunScriptEditSequence(editor, seed, 40);
        changed += editor.Text() != original;
        CheckUndoRedoRestores(editor, original, seed);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(changed, 2500); // the sequences do edit
}
