#pragma once

#include "TrellisExport.h"

#include <CoreString.h>

#include <memory>
#include <string>
#include <vector>

// The words of one completion class. A node per character, except that the rest of a word
// no other word shares is kept as one leaf's tail and unfolded only when another word must
// branch inside it. Words hold only the characters '!' to '}'; anything else is refused, so
// a lookup is one array index per character.
class TRELLIS_API KaloKeywordTrie {
public:
    static const unsigned char kLowest = '!';
    static const int kSlots = '}' - '!' + 1;

    KaloKeywordTrie();
    ~KaloKeywordTrie();
    KaloKeywordTrie(const KaloKeywordTrie&) = delete;
    KaloKeywordTrie& operator=(const KaloKeywordTrie&) = delete;

    // False when the word is empty or holds a character the trie cannot index. A word
    // registered again keeps the description it already has; `description` must outlive
    // the trie.
    bool Insert(const char* word, const char* description);
    // Whether the word was registered; its description (or null) through `description`.
    bool Find(const char* word, const char** description) const;
    // Every word that begins with `prefix`, in ascending byte order, a word before its
    // extensions. Nothing when the prefix holds a character the trie cannot index.
    void Collect(const char* prefix, std::vector<CoreString>& out) const;

    static bool IsWordCharacter(char c);

private:
    struct Node;
    // Where a walk along a text ended: a node, and how many bytes of its tail were matched.
    struct Position {
        const Node* node = nullptr;
        size_t tailMatched = 0;
    };

    Position Walk(const char* text) const;
    static void Unfold(Node& node);
    static Node* AddChild(Node& parent, char c);
    static void CollectBelow(const Node& node, std::string& path, std::vector<CoreString>& out);

    std::unique_ptr<Node> m_root;
};
