#pragma once

#include "KaloUndoHistory.h"
#include "KaloWordTable.h"
#include "XClassUnit.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

// What completion knows and finds, without windows: the classes with their words and
// descriptions, owner separators and associations, the word before the caret with its
// owner, a variable's class and the suggestions. Accepting a suggestion is one undo record.
class TRELLIS_API KaloCompletion {
public:
    // `separators`: the editor's 256-entry table, 0 for a word character.
    KaloCompletion(KaloTextModel& model, KaloUndoHistory& history, const unsigned char* separators);
    KaloCompletion(const KaloCompletion&) = delete;
    KaloCompletion& operator=(const KaloCompletion&) = delete;

    // A null class name means the global class. False when the trie refused the word.
    bool AddKeyWord(const char* className, const char* word, const char* description);
    void AddOwnerType(const char* typeName);
    void AddOwnerSeparator(const char* text);
    void AddGlobalAssociation(const char* name, const char* typeName);
    // Classes, associations and descriptions go; owner separators stay.
    void Reset();

    // The class of a variable: its association, else the nearest declaration before the
    // caret ("Class name" on one line); null when neither exists.
    const char* GetTypeOf(const char* name) const;
    XClassUnit& GetClassAndConstruct(const char* name);
    // The named class, the global class when the name is unknown.
    XClassUnit& GetClass(const char* name);

    // Word, owner and word-end flag at the caret; false (all cleared) when there is none.
    bool FindWordUnderCursor();
    // Suggestions for the word found last (cleared when there are none).
    void ComputeSuggestions();
    // Both, from the text as it is now.
    void Refresh();
    // The description of the word at the caret when it is a registered word, else null.
    const char* Description();
    // Replaces the typed word by suggestion `index`; false when there is no such suggestion.
    bool Accept(int index);

    const std::vector<CoreString>& Suggestions() const { return m_suggestions; }
    const CoreString& Word() const { return m_word; }
    const CoreString& Owner() const { return m_owner; }
    const CoreString& OwnerType() const { return m_ownerType; }
    bool AtWordEnd() const { return m_atWordEnd; }
    // Position of the word's first character.
    long WordStart() const { return m_wordStart; }
    size_t ClassCount() const { return m_classes.Count(); }

    // Completion was asked for (a typed owner separator, a key passed on by the list).
    bool requested = false;

private:
    bool IsWordByte(char c) const { return m_separators[static_cast<unsigned char>(c)] == 0; }
    // The class declared for the name of `length` positions found at `found`, or null.
    const char* DeclaredClass(long found, long length) const;
    const char* KeepDescription(const char* description);

    KaloTextModel& m_model;
    KaloUndoHistory& m_history;
    const unsigned char* m_separators;

    KaloWordTable<std::unique_ptr<XClassUnit>> m_classes;
    KaloWordTable<CoreString> m_associations;
    std::vector<CoreString> m_ownerSeparators;
    // The words' descriptions; a deque, so the tries' pointers stay valid as it grows.
    std::deque<std::string> m_descriptions;

    CoreString m_word;
    CoreString m_owner;
    CoreString m_ownerType;
    bool m_atWordEnd = false;
    long m_wordStart = 0;
    std::vector<CoreString> m_suggestions;
};
