#include "KaloSettingsReader.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iomanip>

// A key sets a size (two values), a metric (one value) or a colour (three values: r g b).
struct KaloSettingsReader::Key {
    const char* name;
    SIZE KaloInterfaceData::*size;
    int KaloInterfaceData::*metric;
    int color;

    int ValueCount() const { return size ? 2 : metric ? 1 : 3; }
};

namespace {

using Key = KaloSettingsReader::Key;
using Theme = KaloInterfaceData;

constexpr Key SizeKey(const char* name, SIZE Theme::*size) {
    return {name, size, nullptr, -1};
}
constexpr Key MetricKey(const char* name, int Theme::*metric) {
    return {name, nullptr, metric, -1};
}
constexpr Key ColorKey(const char* name, int color) {
    return {name, nullptr, nullptr, color};
}

const std::array<Key, 27> kKeys = {
    SizeKey("button_ok_size", &Theme::ButtonOkSize),
    SizeKey("button_apply_size", &Theme::ButtonApplySize),
    SizeKey("button_cancel_size", &Theme::ButtonCancelSize),
    MetricKey("dialog_margin_left", &Theme::MarginLeft),
    MetricKey("dialog_margin_right", &Theme::MarginRight),
    MetricKey("dialog_margin_top", &Theme::MarginTop),
    MetricKey("dialog_margin_bottom", &Theme::MarginBottom),
    MetricKey("dialog_margin_inside", &Theme::MarginInside),
    MetricKey("dialog_itemheight", &Theme::ItemHeight),
    MetricKey("dialog_linejump", &Theme::LineJump),
    MetricKey("dialog_buttonxfreespace", &Theme::ButtonXFreeSpace),
    MetricKey("dialog_button_separation", &Theme::ButtonSeparation),
    ColorKey("color_black", 0),
    ColorKey("color_51", 1),
    ColorKey("color_65", 2),
    ColorKey("color_100", 3),
    ColorKey("color_128", 4),
    ColorKey("color_152", 5),
    ColorKey("color_176", 6),
    ColorKey("color_200", 7),
    ColorKey("color_230", 8),
    ColorKey("color_white", 9),
    ColorKey("color_red", 10),
    ColorKey("color_halfred", 11),
    ColorKey("color_dyn", 12),
    ColorKey("color_dyngrayed", 13),
    ColorKey("color_dynselect", 14),
};

// Words longer than this are read in pieces of this length.
constexpr int kMaxWord = 511;

int FindKey(const std::string& word) {
    for (size_t i = 0; i < kKeys.size(); ++i) {
        if (word == kKeys[i].name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

bool KaloSettingsReader::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::in);
    if (!in) {
        return false;
    }
    Read(in);
    return true;
}

void KaloSettingsReader::Read(std::istream& in) {
    std::array<bool, kKeys.size()> seen{};
    std::string previous;
    std::string word;
    while (in >> std::setw(kMaxWord) >> word) {
        const int key = word == "=" ? FindKey(previous) : -1;
        if (key >= 0) {
            if (seen[key]) {
                return;
            }
            seen[key] = true;
            // A value missing at the end of the file counts as -1.
            int values[3] = {-1, -1, -1};
            for (int i = 0; i < kKeys[key].ValueCount(); ++i) {
                int value = 0;
                if (!(in >> value)) {
                    break;
                }
                values[i] = value;
            }
            Apply(kKeys[key], values);
            if (!in) {
                // End of file, or a value that is not a number: either way the stream is done.
                return;
            }
        }
        previous = word;
    }
}

void KaloSettingsReader::Apply(const Key& key, const int* values) {
    if (key.size) {
        m_theme.*key.size = SIZE{values[0], values[1]};
    } else if (key.metric) {
        m_theme.*key.metric = values[0];
    } else {
        m_theme.ReplaceColor(key.color, RGB(values[0], values[1], values[2]));
    }
}

std::string KaloSettingsReader::PathBeside(const std::string& modulePath) {
    const size_t slash = modulePath.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : modulePath.substr(0, slash + 1);
    return folder + "quillon.ini";
}
