#pragma once

#include "KaloInterfaceData.h"

#include <istream>
#include <string>

// Reads theme settings ("quillon.ini"): whitespace-separated words, where a lone "=" makes
// the word before it a key whose integer values follow. Each known key is honoured once; a
// repeated key or a value that is not a number ends the reading, keeping what was read.
class KaloSettingsReader {
public:
    explicit KaloSettingsReader(KaloInterfaceData& theme) : m_theme(theme) {}

    // False when the file cannot be opened; the theme is then unchanged.
    bool ReadFile(const std::string& path);
    void Read(std::istream& in);

    // "quillon.ini" in the folder of the given module path (the bare name without a folder).
    static std::string PathBeside(const std::string& modulePath);

    // One known key and the theme field it sets.
    struct Key;

private:
    void Apply(const Key& key, const int* values);

    KaloInterfaceData& m_theme;
};
