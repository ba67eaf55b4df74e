// The colouring tables and the line tokenizer, without windows.
#include <KaloSyntaxTokenizer.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kRed = RGB(200, 0, 0);

std::vector<KaloColourRun> Colour(const KaloSyntaxTables& tables, const char* line) {
    std::vector<KaloColourRun> runs;
    KaloColourLine(line, static_cast<long>(std::strlen(line)), tables, runs);
    return runs;
}

} // namespace

// Beyond the golden samples of the editor's tests.
TEST(SyntaxTokenizer, ColoursWholeWordsAndLineScopesInPositions) {
    KaloSyntaxTables tables;
    tables.AddKeyWord("if", kBlue);
    tables.AddKeyWord("\xD6\xD0\xCE\xC4", kRed); // two double-byte characters
    tables.AddLineScope("//", kGreen);
    tables.AddLineScope("@", kGreen);
    const struct {
        const char* line;
        std::vector<KaloColourRun> runs;
    } cases[] = {
        {"x/y", {}}, // a scope start that does not match is a plain separator
        {"\xD6\xD0\xCE\xC4 if", {{0, 2, kRed}, {3, 5, kBlue}}},
        {"\xD6\xD0\xCE\xC4\xB1\xBE", {}}, // a longer word is another word
        {"x @if", {{2, 5, kGreen}}},
        {"if\r", {{0, 2, kBlue}}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Colour(tables, c.line), c.runs) << c.line;
}

TEST(SyntaxTokenizer, ScopesMatchInOrderAndNeverReadPastTheLine) {
    KaloSyntaxTables tables;
    tables.AddLineScope("--x", kRed);
    tables.AddLineScope("--", kGreen);
    EXPECT_EQ(Colour(tables, "a --x b"), (std::vector<KaloColourRun>{{2, 7, kRed}}));
    EXPECT_EQ(Colour(tables, "a --y b"), (std::vector<KaloColourRun>{{2, 7, kGreen}}));
    // The bytes after the line's end would complete "--x": they are not the line's.
    const char text[] = "a --x";
    std::vector<KaloColourRun> runs;
    KaloColourLine(text, 4, tables, runs);
    EXPECT_EQ(runs, (std::vector<KaloColourRun>{{2, 4, kGreen}}));
    // A double-byte character cut by the line's end is still one position.
    KaloColourLine("--\xD6", 3, tables, runs);
    EXPECT_EQ(runs, (std::vector<KaloColourRun>{{0, 3, kGreen}}));
}

TEST(SyntaxTables, KeywordsKeepTheirFirstColourAndRefuseEmptyWords) {
    KaloSyntaxTables tables;
    EXPECT_TRUE(tables.AddKeyWord("if", kBlue));
    EXPECT_FALSE(tables.AddKeyWord("if", kRed));
    EXPECT_EQ(*tables.FindKeyWord("if", 2), kBlue);
    EXPECT_TRUE(tables.RemoveKeyWord("if"));
    EXPECT_FALSE(tables.RemoveKeyWord("if"));
    EXPECT_TRUE(tables.AddKeyWord("if", kRed));
    EXPECT_EQ(*tables.FindKeyWord("if", 2), kRed);
    EXPECT_EQ(tables.FindKeyWord("IF", 2), nullptr);

    EXPECT_FALSE(tables.AddKeyWord(nullptr, kBlue));
    EXPECT_FALSE(tables.AddKeyWord("", kBlue));
    EXPECT_FALSE(tables.RemoveKeyWord(nullptr));
    EXPECT_FALSE(tables.AddLineScope(nullptr, kGreen));
    EXPECT_FALSE(tables.AddLineScope("", kGreen));
    EXPECT_EQ(tables.KeyWordCount(), 1u);
    EXPECT_TRUE(tables.LineScopes().empty());
    EXPECT_EQ(tables.IsSeparator('\0'), 255);
}

TEST(SyntaxTables, RegistrationSetsSeparatorsAndRemoveAllKeepsThem) {
    KaloSyntaxTables tables;
    const struct {
        char c;
        int separator;
    } defaults[] = {{'a', 0},   {'Z', 0},   {'7', 0},    {'_', 0},    {'(', 1},   {']', 1},
                    {'#', 255}, {' ', 255}, {'\r', 255}, {'\x80', 0}, {'\xFE', 0}};
    for (const auto& d : defaults)
        EXPECT_EQ(tables.IsSeparator(d.c), d.separator) << d.c;

    tables.AddKeyWord("#x", kBlue);
    EXPECT_EQ(tables.IsSeparator('#'), 0);
    tables.AddLineScope("@@", kGreen);
    tables.AddLineScope("a-", kGreen);
    EXPECT_EQ(tables.IsSeparator('@'), 1);
    EXPECT_EQ(tables.IsSeparator('a'), 1);
    EXPECT_TRUE(tables.MayStartScope('@'));
    tables.SetSeparator('$', 0x1FF);
    EXPECT_EQ(tables.IsSeparator('$'), 0xFF);

    tables.RemoveAll();
    EXPECT_EQ(tables.KeyWordCount(), 0u);
    EXPECT_TRUE(tables.LineScopes().empty());
    EXPECT_FALSE(tables.MayStartScope('@'));
    EXPECT_EQ(tables.IsSeparator('@'), 1);
    EXPECT_EQ(tables.IsSeparator('#'), 0);
}

TEST(SyntaxTables, KeywordTableGrowsAtThreeQuartersAndHashesSignedBytes) {
    // h = h * 5 + c with c a signed char: "\xFF" is -1, "ab" is 97 * 5 + 98.
    EXPECT_EQ(KaloWordHash("\xFF", 1), 0xFFFFFFFFu);
    EXPECT_EQ(KaloWordHash("ab", 2), 583u);
    EXPECT_EQ(KaloWordHash("\x80\x80", 2), static_cast<uint32_t>(-128 * 5 - 128));

    KaloSyntaxTables tables;
    char word[8] = "";
    size_t buckets = tables.KeyWordBuckets();
    for (int i = 0; i < 200; ++i) {
        std::snprintf(word, sizeof word, "w%d", i);
        const size_t before = tables.KeyWordCount();
        tables.AddKeyWord(word, static_cast<COLORREF>(i));
        // Growth happens only when an insertion finds the count at the threshold.
        if (tables.KeyWordBuckets() != buckets) {
            EXPECT_EQ(before, buckets * 3 / 4);
            EXPECT_EQ(tables.KeyWordBuckets(), buckets * 2);
            buckets = tables.KeyWordBuckets();
        }
    }
    EXPECT_GE(buckets, 256u);
    for (int i = 0; i < 200; ++i) {
        std::snprintf(word, sizeof word, "w%d", i);
        const COLORREF* color = tables.FindKeyWord(word, std::strlen(word));
        ASSERT_NE(color, nullptr);
        EXPECT_EQ(*color, static_cast<COLORREF>(i));
    }
}
