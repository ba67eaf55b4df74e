// Completion lookups with 100, 1,000 and 10,000 registered words: the trie walk for words of
// several lengths (the goal: independent of the number of words), and the whole suggestion
// step at the caret (word under the caret, walk, enumeration), whose cost follows the number
// of suggestions it returns, not the number of words.
//   completion_bench
#include "BenchSupport.h"

#include <KaloMemoryTextModel.h>
#include <Trellis.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kLookups = 200000;
const int kSteps = 2000;
const int kWordCounts[] = {100, 1000, 10000};
const size_t kLengths[] = {2, 4, 8, 12};
const double kWalkRatioGoal = 2.0; // 10,000 words against 100: the same walk, within noise

// Identifier-like words of 12 to 19 characters, the same for every run.
std::vector<std::string> Words(int count) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
    std::vector<std::string> words;
    unsigned state = 12345;
    for (int i = 0; i < count; ++i) {
        std::string word;
        state = state * 1103515245u + 12345u;
        const size_t length = 12 + (state >> 16) % 8;
        for (size_t k = 0; k < length; ++k) {
            state = state * 1103515245u + 12345u;
            word += kLetters[(state >> 16) % (k == 0 ? 52 : 63)];
        }
        words.push_back(word);
    }
    return words;
}

// Keeps the walks' results alive, so they are not optimised away.
volatile int g_sink = 0;

struct Row {
    double walkNs[4];
    double stepUs[4];
    double suggestions[4];
};

Row Measure(int count) {
    const std::vector<std::string> words = Words(count);
    KaloKeywordTrie trie;
    for (const std::string& word : words)
        trie.Insert(word.c_str(), nullptr);

    unsigned char separators[256];
    KaloDefaultSeparators(separators);
    KaloMemoryTextModel model;
    KaloUndoHistory history(separators);
    KaloCompletion completion(model, history, separators);
    for (const std::string& word : words)
        completion.AddKeyWord(nullptr, word.c_str(), nullptr);

    Row row{};
    for (size_t l = 0; l < 4; ++l) {
        const size_t length = kLengths[l];
        // Prefixes of registered words, so every walk goes the whole length.
        std::vector<std::string> prefixes;
        for (size_t i = 0; i < 64; ++i)
            prefixes.push_back(words[i * static_cast<size_t>(count) / 64].substr(0, length));
        const char* found = nullptr;
        int hits = 0;
        const double walk = Seconds([&] {
            for (int i = 0; i < kLookups; ++i)
                hits += trie.Find(prefixes[static_cast<size_t>(i) & 63].c_str(), &found) ? 1 : 0;
        });
        g_sink = hits;
        row.walkNs[l] = walk / kLookups * 1e9;

        size_t suggested = 0;
        const double steps = Seconds([&] {
            for (int i = 0; i < kSteps; ++i) {
                const std::string line = "x = " + prefixes[static_cast<size_t>(i) & 63];
                model.SetText(line.c_str());
                model.Select(static_cast<long>(line.size()), static_cast<long>(line.size()));
                completion.Refresh();
                suggested += completion.Suggestions().size();
            }
        });
        row.stepUs[l] = steps / kSteps * 1e6;
        row.suggestions[l] = static_cast<double>(suggested) / kSteps;
    }
    return row;
}

} // namespace

int main() {
    std::printf("Completion lookup (%d walks, %d suggestion steps per cell)\n\n", kLookups, kSteps);
    std::printf("%-8s", "words");
    for (size_t length : kLengths)
        std::printf("  walk %2zu ch", length);
    for (size_t length : kLengths)
        std::printf("  step %2zu ch (sugg.)", length);
    std::printf("\n");
    Row rows[3];
    for (int r = 0; r < 3; ++r) {
        rows[r] = Measure(kWordCounts[r]);
        std::printf("%-8d", kWordCounts[r]);
        for (double ns : rows[r].walkNs)
            std::printf("  %8.1f ns", ns);
        for (int l = 0; l < 4; ++l)
            std::printf("  %8.2f us (%5.1f)", rows[r].stepUs[l], rows[r].suggestions[l]);
        std::printf("\n");
    }
    std::printf("\nWalk time, 10,000 words against 100 (goal <= %.1f: independent of the word count):\n",
                kWalkRatioGoal);
    for (size_t l = 0; l < 4; ++l) {
        const double ratio = rows[2].walkNs[l] / rows[0].walkNs[l];
        std::printf("  %2zu characters: %.2f  %s\n", kLengths[l], ratio,
                    ratio <= kWalkRatioGoal ? "ok" : "MISSED");
    }
    std::printf("Steps with few suggestions (8 and 12 characters) cost about the same at every word count;\n"
                "short prefixes list more words as the vocabulary grows, and the step grows with them.\n");
    return 0;
}
