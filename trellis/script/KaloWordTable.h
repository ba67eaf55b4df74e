#pragma once

#include <CoreString.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

// Hash of a word's bytes taken as signed chars: h = h * 5 + c. Unsigned arithmetic gives the
// same buckets as the signed form without its overflow.
inline uint32_t KaloWordHash(const char* word, size_t length) {
    uint32_t h = 0;
    for (size_t i = 0; i < length; ++i)
        h = h * 5u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(word[i])));
    return h;
}

// Chained hash table from a case-sensitive word to a value, shared by the editor's keyword
// colours, its completion classes and its associations. Buckets start at 16 and double, all
// entries re-hashed, when an insertion finds the count at three quarters of them; new entries
// go to the front of their chain. The first value stored for a word is kept.
template <typename Value> class KaloWordTable {
public:
    KaloWordTable() : m_buckets(kFirstBucketCount) {}
    KaloWordTable(const KaloWordTable&) = delete;
    KaloWordTable& operator=(const KaloWordTable&) = delete;

    Value* Find(const char* word, size_t length) const {
        for (Entry* e = m_buckets[Bucket(word, length)].get(); e; e = e->next.get()) {
            if (e->word.Length() == length && std::memcmp(e->word.CStr(), word, length) == 0)
                return &e->value;
        }
        return nullptr;
    }
    Value* Find(const char* word) const { return Find(word, std::strlen(word)); }

    // False (and nothing changes) when the word is already present.
    bool Insert(const char* word, size_t length, Value value) {
        if (Find(word, length))
            return false;
        if (m_count >= m_buckets.size() * 3 / 4)
            Grow();
        auto entry = std::make_unique<Entry>();
        entry->word.Assign(word, static_cast<uint32_t>(length));
        entry->value = std::move(value);
        PushFront(std::move(entry));
        ++m_count;
        return true;
    }
    bool Insert(const char* word, Value value) { return Insert(word, std::strlen(word), std::move(value)); }

    bool Remove(const char* word) {
        const size_t length = std::strlen(word);
        for (std::unique_ptr<Entry>* link = &m_buckets[Bucket(word, length)]; *link; link = &(*link)->next) {
            Entry& e = **link;
            if (e.word.Length() == length && std::memcmp(e.word.CStr(), word, length) == 0) {
                *link = std::move(e.next);
                --m_count;
                return true;
            }
        }
        return false;
    }

    // Empties the table; the bucket count stays.
    void Clear() {
        for (auto& head : m_buckets)
            Unchain(head);
        m_count = 0;
    }
    ~KaloWordTable() { Clear(); }

    size_t Count() const { return m_count; }
    size_t BucketCount() const { return m_buckets.size(); }

    template <typename Visit> void ForEach(Visit visit) const {
        for (const auto& head : m_buckets) {
            for (const Entry* e = head.get(); e; e = e->next.get())
                visit(e->word, e->value);
        }
    }

private:
    static const size_t kFirstBucketCount = 16;

    struct Entry {
        CoreString word;
        Value value{};
        std::unique_ptr<Entry> next;
    };

    size_t Bucket(const char* word, size_t length) const {
        return KaloWordHash(word, length) & (m_buckets.size() - 1);
    }
    void PushFront(std::unique_ptr<Entry> entry) {
        std::unique_ptr<Entry>& head = m_buckets[Bucket(entry->word.CStr(), entry->word.Length())];
        entry->next = std::move(head);
        head = std::move(entry);
    }
    // Long chains are released iteratively: a recursive release could exhaust the stack.
    static void Unchain(std::unique_ptr<Entry>& head) {
        while (head)
            head = std::move(head->next);
    }
    void Grow() {
        std::vector<std::unique_ptr<Entry>> old(m_buckets.size() * 2);
        old.swap(m_buckets);
        for (auto& head : old) {
            while (head) {
                std::unique_ptr<Entry> entry = std::move(head);
                head = std::move(entry->next);
                PushFront(std::move(entry));
            }
        }
    }

    std::vector<std::unique_ptr<Entry>> m_buckets;
    size_t m_count = 0;
};
