#pragma once

#include "KaloKeywordTrie.h"

#include <CoreString.h>

// One class known to completion: its name (empty for the global class) and its words.
struct XClassUnit {
    explicit XClassUnit(const char* className) : name(className) {}

    CoreString name;
    KaloKeywordTrie words;
};
