#include "KaloColorPalette.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const BYTE DefaultColors[KaloColorPalette::Count][3] = {
    {250, 0, 0},     {200, 0, 0},     {150, 0, 0},     {100, 0, 0},     {50, 0, 0},      {0, 250, 0},
    {0, 200, 0},     {0, 150, 0},     {0, 100, 0},     {0, 50, 0},      {0, 0, 250},     {0, 0, 200},
    {0, 0, 150},     {0, 0, 100},     {0, 0, 50},      {250, 250, 250}, {200, 200, 200}, {150, 150, 150},
    {100, 100, 100}, {50, 50, 50},    {0, 0, 0},       {250, 250, 0},   {200, 200, 0},   {150, 150, 0},
    {100, 100, 0},   {50, 50, 0},     {0, 250, 250},   {0, 200, 200},   {0, 150, 150},   {0, 100, 100},
    {0, 50, 50},     {250, 0, 250},   {200, 0, 200},   {150, 0, 150},   {100, 0, 100},   {50, 0, 50},
    {250, 200, 150}, {150, 200, 250}, {150, 250, 150},
};

// Three decimal integers at the start of a line, each kept to its low byte. FALSE for junk,
// fewer than three numbers, or a number too long for a 32-bit integer.
bool ParseLine(const char* line, COLORREF& color) {
    int values[3];
    const char* cursor = line;
    for (int& value : values) {
        char* end = nullptr;
        errno = 0;
        const long number = std::strtol(cursor, &end, 10);
        if (end == cursor || errno == ERANGE || number > 0x7FFFFFFFL || number < -0x7FFFFFFFL - 1) {
            return false;
        }
        value = static_cast<int>(number & 0xFF);
        cursor = end;
    }
    color = RGB(values[0], values[1], values[2]);
    return true;
}

// Owns a C stream; closes it unless it was already closed and checked.
class File {
public:
    File(const char* path, const char* mode) : m_file(std::fopen(path, mode)) {}
    ~File() {
        if (m_file) {
            std::fclose(m_file);
        }
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    FILE* Get() const { return m_file; }
    bool Close() {
        FILE* file = m_file;
        m_file = nullptr;
        return std::fclose(file) == 0;
    }

private:
    FILE* m_file;
};

} // namespace

KaloColorPalette::KaloColorPalette() {
    for (int i = 0; i < Count; ++i) {
        m_colors[i] = RGB(DefaultColors[i][0], DefaultColors[i][1], DefaultColors[i][2]);
    }
}

bool KaloColorPalette::operator==(const KaloColorPalette& other) const {
    return std::memcmp(m_colors, other.m_colors, sizeof(m_colors)) == 0;
}

BOOL KaloColorPalette::Load(const char* path) {
    File file(path, "rb");
    if (!file.Get()) {
        return FALSE;
    }
    const KaloColorPalette defaults;
    char line[256];
    int index = 0;
    bool lineStart = true;
    while (index < Count && std::fgets(line, sizeof(line), file.Get())) {
        const bool complete = std::strchr(line, '\n') != nullptr;
        if (lineStart) {
            COLORREF color = 0;
            m_colors[index] = ParseLine(line, color) ? color : defaults.m_colors[index];
            ++index;
        }
        lineStart = complete; // the rest of an overlong line is skipped, not read as lines
    }
    for (; index < Count; ++index) {
        m_colors[index] = RGB(0, 0, 0);
    }
    return TRUE;
}

std::string KaloColorPalette::Format() const {
    std::string text;
    for (COLORREF color : m_colors) {
        char line[40];
        std::snprintf(line, sizeof(line), "%d %d %d\r\n", GetRValue(color), GetGValue(color),
                      GetBValue(color));
        text += line;
    }
    return text;
}

BOOL KaloColorPalette::Save(const char* path) const {
    const std::string temporary = std::string(path) + ".new";
    File file(temporary.c_str(), "wb");
    if (!file.Get()) {
        return FALSE;
    }
    const std::string text = Format();
    const bool written = std::fwrite(text.data(), 1, text.size(), file.Get()) == text.size();
    if (!file.Close() || !written ||
        !MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return FALSE;
    }
    return TRUE;
}

std::string KaloColorPalette::DefaultPath() {
    char module[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string folder(module, length < MAX_PATH ? length : 0);
    folder.erase(folder.rfind('\\') + 1);
    return folder + "scriptColors.txt";
}
