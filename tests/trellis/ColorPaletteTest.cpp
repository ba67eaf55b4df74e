// The palette of 39 custom colours and its file.
#include "TrellisTestSupport.h"

#include <fstream>

namespace {

// A temporary folder with one palette path in it, removed with whatever is left.
class PaletteFolder {
public:
    PaletteFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        m_folder = std::string(base) + "kalopal" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_folder.c_str(), nullptr);
        m_path = m_folder + "\\scriptColors.txt";
    }
    ~PaletteFolder() {
        SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(m_path.c_str());
        DeleteFileA((m_path + ".new").c_str());
        RemoveDirectoryA((m_path + ".new").c_str());
        RemoveDirectoryA(m_folder.c_str());
    }
    const char* Path() const { return m_path.c_str(); }
    void Write(const std::string& text) const { std::ofstream(m_path, std::ios::binary) << text; }

private:
    std::string m_folder;
    std::string m_path;
};

} // namespace

TEST(ColorPalette, DefaultsAndTheirFileText) {
    const KaloColorPalette palette;
    struct Case {
        int index;
        COLORREF color;
    } cases[] = {{0, RGB(250, 0, 0)},      {9, RGB(0, 50, 0)},      {15, RGB(250, 250, 250)},
                 {20, RGB(0, 0, 0)},       {26, RGB(0, 250, 250)},  {32, RGB(200, 0, 200)},
                 {36, RGB(250, 200, 150)}, {38, RGB(150, 250, 150)}};
    for (const Case& c : cases) {
        EXPECT_EQ(palette.Get(c.index), c.color) << c.index;
    }
    const std::string text = palette.Format();
    EXPECT_EQ(text.substr(0, 20), "250 0 0\r\n200 0 0\r\n15");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 39);
}

TEST(ColorPalette, LoadingShortLongOutOfRangeAndJunkFiles) {
    PaletteFolder folder;
    KaloColorPalette palette;
    palette.Set(5, RGB(1, 1, 1));
    EXPECT_FALSE(palette.Load(folder.Path())); // missing: untouched
    EXPECT_EQ(palette.Get(5), RGB(1, 1, 1));

    std::string ten;
    for (int i = 0; i < 10; ++i) {
        ten += std::to_string(i) + " 300 -1\n";
    }
    folder.Write(ten);
    ASSERT_TRUE(palette.Load(folder.Path()));
    EXPECT_EQ(palette.Get(3), RGB(3, 44, 255));
    EXPECT_EQ(palette.Get(10), RGB(0, 0, 0));
    EXPECT_EQ(palette.Get(38), RGB(0, 0, 0));

    // Junk and a number too long for an int spoil only their own line; CRLF files read as well.
    std::string mixed = "1 2 3\r\nnot colours\r\n4 5\r\n99999999999 1 1\r\n7 8 9 trailing\r\n";
    for (int i = 5; i < 45; ++i) {
        mixed += "10 20 30\r\n";
    }
    folder.Write(mixed);
    ASSERT_TRUE(palette.Load(folder.Path()));
    const KaloColorPalette defaults;
    EXPECT_EQ(palette.Get(0), RGB(1, 2, 3));
    EXPECT_EQ(palette.Get(1), defaults.Get(1));
    EXPECT_EQ(palette.Get(2), defaults.Get(2));
    EXPECT_EQ(palette.Get(3), defaults.Get(3));
    EXPECT_EQ(palette.Get(4), RGB(7, 8, 9));
    EXPECT_EQ(palette.Get(38), RGB(10, 20, 30));

    // An overlong line is one line, not several.
    folder.Write("1 1 1" + std::string(1000, ' ') + "\n2 2 2\n");
    ASSERT_TRUE(palette.Load(folder.Path()));
    EXPECT_EQ(palette.Get(0), RGB(1, 1, 1));
    EXPECT_EQ(palette.Get(1), RGB(2, 2, 2));
}

TEST(ColorPalette, SaveRoundTripsAndAFailedSaveKeepsTheOldFile) {
    PaletteFolder folder;
    KaloColorPalette palette;
    palette.Set(7, RGB(12, 34, 56));
    ASSERT_TRUE(palette.Save(folder.Path()));
    EXPECT_EQ(ReadAll(folder.Path()), palette.Format());
    KaloColorPalette loaded;
    ASSERT_TRUE(loaded.Load(folder.Path()));
    EXPECT_TRUE(loaded == palette);

    // The temporary name is taken by a folder: the save fails and the file stays as it was.
    const std::string before = ReadAll(folder.Path());
    CreateDirectoryA((std::string(folder.Path()) + ".new").c_str(), nullptr);
    palette.Set(0, RGB(0, 0, 1));
    EXPECT_FALSE(palette.Save(folder.Path()));
    EXPECT_EQ(ReadAll(folder.Path()), before);
}
