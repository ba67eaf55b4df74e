#include "KaloKeywordTrie.h"

#include <cstring>

struct KaloKeywordTrie::Node {
    static const unsigned char kWordEnd = 1;
    static const unsigned char kLeaf = 2;

    unsigned char flags = kLeaf;
    char character = 0;
    Node* parent = nullptr;
    const char* description = nullptr;
    // An inner node's children, indexed by character - kLowest; a leaf's tail instead.
    std::unique_ptr<std::unique_ptr<Node>[]> children;
    CoreString tail;
    int childCount = 0;

    bool IsLeaf() const { return (flags & kLeaf) != 0; }
    bool EndsWord() const { return (flags & kWordEnd) != 0; }
    Node* Child(char c) const {
        return children ? children[static_cast<unsigned char>(c) - kLowest].get() : nullptr;
    }
};

KaloKeywordTrie::KaloKeywordTrie() : m_root(std::make_unique<Node>()) {}

KaloKeywordTrie::~KaloKeywordTrie() = default;

bool KaloKeywordTrie::IsWordCharacter(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte >= kLowest && byte < kLowest + kSlots;
}

void KaloKeywordTrie::Unfold(Node& node) {
    if (!node.IsLeaf())
        return;
    node.children = std::make_unique<std::unique_ptr<Node>[]>(kSlots);
    node.flags &= static_cast<unsigned char>(~Node::kLeaf);
    if (node.tail.IsEmpty())
        return;
    // The tail's word ends below this node: its description moves down with it.
    Node* first = AddChild(node, node.tail.CStr()[0]);
    first->description = node.description;
    node.description = nullptr;
    if (node.tail.Length() == 1)
        first->flags |= Node::kWordEnd;
    else
        first->tail.Assign(node.tail.CStr() + 1, node.tail.Length() - 1);
    node.tail.Clear();
}

KaloKeywordTrie::Node* KaloKeywordTrie::AddChild(Node& parent, char c) {
    std::unique_ptr<Node>& slot = parent.children[static_cast<unsigned char>(c) - kLowest];
    slot = std::make_unique<Node>();
    slot->character = c;
    slot->parent = &parent;
    ++parent.childCount;
    return slot.get();
}

bool KaloKeywordTrie::Insert(const char* word, const char* description) {
    const size_t length = word ? std::strlen(word) : 0;
    if (length == 0)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (!IsWordCharacter(word[i]))
            return false;
    }
    Node* node = m_root.get();
    for (size_t i = 0; i < length; ++i) {
        const bool last = i + 1 == length;
        Unfold(*node);
        Node* child = node->Child(word[i]);
        if (!child) {
            child = AddChild(*node, word[i]);
            child->description = description;
            if (last)
                child->flags |= Node::kWordEnd;
            else
                child->tail.Assign(word + i + 1, static_cast<uint32_t>(length - i - 1));
            return true;
        }
        if (last) {
            // A word ending inside a tail: the tail's own word keeps its description below.
            if (!child->tail.IsEmpty())
                Unfold(*child);
            child->flags |= Node::kWordEnd;
            if (!child->description)
                child->description = description;
            return true;
        }
        node = child;
    }
    return true;
}

KaloKeywordTrie::Position KaloKeywordTrie::Walk(const char* text) const {
    Position at{m_root.get(), 0};
    for (const char* c = text; *c; ++c) {
        if (!IsWordCharacter(*c))
            return {};
        const Node& node = *at.node;
        if (node.IsLeaf()) {
            if (at.tailMatched >= node.tail.Length() || node.tail.CStr()[at.tailMatched] != *c)
                return {};
            ++at.tailMatched;
            continue;
        }
        at.node = node.Child(*c);
        if (!at.node)
            return {};
    }
    return at;
}

bool KaloKeywordTrie::Find(const char* word, const char** description) const {
    const Position at = word && *word ? Walk(word) : Position{};
    if (!at.node)
        return false;
    const bool whole =
        at.node->tail.IsEmpty() ? at.node->EndsWord() : at.tailMatched == at.node->tail.Length();
    if (whole && description)
        *description = at.node->description;
    return whole;
}

void KaloKeywordTrie::Collect(const char* prefix, std::vector<CoreString>& out) const {
    const Position at = Walk(prefix ? prefix : "");
    if (!at.node)
        return;
    std::string path(prefix ? prefix : "");
    if (at.tailMatched > 0) {
        // Inside a tail: the one word there is the prefix plus the tail's unmatched rest.
        const CoreString& tail = at.node->tail;
        path.append(tail.CStr() + at.tailMatched, tail.Length() - at.tailMatched);
        out.emplace_back(path.c_str(), static_cast<uint32_t>(path.size()));
        return;
    }
    CollectBelow(*at.node, path, out);
}

void KaloKeywordTrie::CollectBelow(const Node& node, std::string& path, std::vector<CoreString>& out) {
    if (node.EndsWord())
        out.emplace_back(path.c_str(), static_cast<uint32_t>(path.size()));
    if (node.IsLeaf()) {
        if (!node.tail.IsEmpty()) {
            const std::string word = path + node.tail.CStr();
            out.emplace_back(word.c_str(), static_cast<uint32_t>(word.size()));
        }
        return;
    }
    for (int slot = 0; slot < kSlots && node.childCount > 0; ++slot) {
        const Node* child = node.children[slot].get();
        if (!child)
            continue;
        path.push_back(child->character);
        CollectBelow(*child, path, out);
        path.pop_back();
    }
}
