// Generated edit sequences for the script editor: any driver (the commands on the in-memory
// model, or keys sent to the real editor) runs the same sequence from a seed, and undoing
// everything must give back the first text exactly, redoing everything the last.
#pragma once

#include <KaloMemoryTextModel.h>
#include <KaloMessageFilter.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

class ScriptEditDriver {
public:
    virtual ~ScriptEditDriver() = default;
    virtual KaloTextModel& Model() = 0;
    virtual KaloUndoHistory& History() = 0;
    virtual void Char(char c, KaloKeyState keys = {}) = 0;
    virtual void Key(WPARAM key, KaloKeyState keys = {}) = 0;
    virtual void SetClipboard(const char* text) = 0;
    // The whole text, CR line breaks.
    std::string Text() {
        CoreString text;
        Model().ReadRange(0, Model().Length(), text);
        return text.CStr();
    }
    // A drag inside the text as the rich edit does it, then the editor's recording.
    virtual void Drag(long start, long end, long drop, bool copy) {
        KaloTextModel& model = Model();
        CoreString text;
        model.ReadRange(start, end, text);
        const long length = end - start;
        if (!copy) {
            model.Select(start, end);
            model.ReplaceSelection("");
        }
        model.Select(drop, drop);
        model.ReplaceSelection(text.CStr());
        model.Select(drop, drop + length);
        History().RecordDrop(model, start, end, text, copy);
    }
};

// Characters typed by the sequences: words, blanks, brackets, quotes, and GBK characters whose
// trail bytes are brackets ("\xB5\x5B" ends in '[', "\x81\x7B" in '{').
inline const char* const* ScriptSampleCharacters(int& count) {
    static const char* const samples[] = {"a",  "b",  "x", "_",        "1",        " ",        " ",
                                          "\t", ".",  "(", ")",        "[",        "]",        "{",
                                          "}",  "\"", ";", "\xD6\xD0", "\xCE\xC4", "\xB5\x5B", "\x81\x7B"};
    count = static_cast<int>(sizeof samples / sizeof samples[0]);
    return samples;
}

inline std::string ScriptSampleText(std::mt19937& random, int lines) {
    int count = 0;
    const char* const* samples = ScriptSampleCharacters(count);
    std::string text;
    for (int line = 0; line < lines; ++line) {
        text.append(random() % 3, '\t');
        for (unsigned i = random() % 8; i > 0; --i)
            text += samples[random() % static_cast<unsigned>(count)];
        if (line + 1 < lines)
            text += '\r';
    }
    return text;
}

// One random edit.
inline void ScriptEditStep(ScriptEditDriver& driver, std::mt19937& random) {
    int count = 0;
    const char* const* samples = ScriptSampleCharacters(count);
    KaloTextModel& model = driver.Model();
    auto position = [&] { return static_cast<long>(random() % static_cast<unsigned>(model.Length() + 1)); };
    {
        const unsigned op = random() % 20;
        if (op < 7) {
            const char* sample = samples[random() % static_cast<unsigned>(count)];
            for (const char* c = sample; *c; ++c)
                driver.Char(*c);
        } else if (op == 7) {
            driver.Char('\r');
        } else if (op == 8) {
            driver.Key(random() % 2 ? VK_BACK : VK_DELETE, {random() % 3 == 0, false, false});
        } else if (op == 9) {
            const long a = position(), b = position();
            model.Select(std::min(a, b), std::max(a, b));
        } else if (op == 10) {
            const long p = position();
            model.Select(p, p);
        } else if (op == 11) {
            driver.SetClipboard(random() % 2 ? "pasted\r\n\ttext" : "\xD6\xD0(x)");
            driver.Key('V', {true, false, false});
        } else if (op == 12) {
            driver.Key('X', {true, false, false});
        } else if (op == 13) {
            driver.Char('\t', {false, random() % 2 == 0, false});
        } else if (op == 14) {
            driver.Key('Z', {true, false, false});
        } else if (op == 15) {
            driver.Key('Y', {true, false, false});
        } else if (op == 16 && model.Length() > 2) {
            const long a = position(), b = position();
            const long start = std::min(a, b), end = std::max(a, b);
            if (start < end) {
                const long rest = model.Length() - (end - start);
                const bool copy = random() % 2 == 0;
                const long drop =
                    static_cast<long>(random() % static_cast<unsigned>((copy ? model.Length() : rest) + 1));
                driver.Drag(start, end, drop, copy);
            }
        } else if (op == 17) {
            driver.Key('E', {true, false, false});
        } else if (op == 18) {
            driver.Char('a', {true, false, true}); // AltGr
        } else {
            driver.Char("\"[(}"[random() % 4]);
        }
    }
}

// Runs `steps` random edits from a seed.
inline void RunScriptEditSequence(ScriptEditDriver& driver, unsigned seed, int steps) {
    std::mt19937 random(seed);
    for (int step = 0; step < steps; ++step)
        ScriptEditStep(driver, random);
}

// Undo everything, then redo everything: the first and the last text come back exactly.
inline void CheckUndoRedoRestores(ScriptEditDriver& driver, const std::string& original, unsigned seed) {
    KaloUndoHistory& history = driver.History();
    while (history.Redo(driver.Model())) {
    }
    const std::string final = driver.Text();
    while (history.Undo(driver.Model())) {
    }
    ASSERT_EQ(driver.Text(), original) << "seed " << seed;
    while (history.Redo(driver.Model())) {
    }
    ASSERT_EQ(driver.Text(), final) << "seed " << seed;
}

// The commands on the in-memory model.
class MemoryEditor : public ScriptEditDriver {
public:
    explicit MemoryEditor(const char* text = "")
        : m_model(text), m_history(Separators()), m_filter(m_model, m_history, Separators()) {
        m_history.Rebase(m_model);
    }
    KaloMemoryTextModel& Model() override { return m_model; }
    KaloUndoHistory& History() override { return m_history; }
    KaloMessageFilter& Filter() { return m_filter; }
    void Char(char c, KaloKeyState keys = {}) override {
        m_filter.Filter(WM_CHAR, static_cast<BYTE>(c), keys);
    }
    void Key(WPARAM key, KaloKeyState keys = {}) override { m_filter.Filter(WM_KEYDOWN, key, keys); }
    void SetClipboard(const char* text) override { m_model.Clipboard() = text; }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c)
            Char(*c);
    }
    void Caret(long position) { m_model.Select(position, position); }

private:
    static const unsigned char* Separators() {
        static unsigned char table[256];
        KaloDefaultSeparators(table);
        return table;
    }
    KaloMemoryTextModel m_model;
    KaloUndoHistory m_history;
    KaloMessageFilter m_filter;
};
