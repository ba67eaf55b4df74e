#include "CoreString.h"
#include "CoreImageDesc.h"
#include "SceneObject.h"

#include <gtest/gtest.h>

#include <string>

TEST(CoreString, NullTextReadsEmptyAndZeroLengthMeansWholeTextOnlyAtConstruction) {
    CoreString never;
    EXPECT_STREQ(never.CStr(), "");
    EXPECT_EQ(never.Length(), 0u);

    EXPECT_STREQ(CoreString("abcdef").CStr(), "abcdef");
    EXPECT_STREQ(CoreString("abcdef", 3).CStr(), "abc");
    CoreString created;
    EXPECT_STREQ(created.Create("xyz", 0).CStr(), "xyz");
    EXPECT_STREQ(created.Create("xyz", 2).CStr(), "xy");

    // A computed empty slice stays empty instead of becoming the whole text.
    CoreString slice("keep");
    slice.Assign("abcdef", 0);
    EXPECT_TRUE(slice.IsEmpty());
    EXPECT_STREQ(slice.CStr(), "");
}

TEST(CoreString, CopiesAreIndependentAndAppendAddsText) {
    CoreString a("one");
    CoreString b(a);
    b += CoreString(" two");
    EXPECT_STREQ(a.CStr(), "one");
    EXPECT_STREQ(b.CStr(), "one two");
    a = b;
    b = "three";
    EXPECT_STREQ(a.CStr(), "one two");
    a += a;
    EXPECT_STREQ(a.CStr(), "one twoone two");
    // A slice of itself.
    a.Assign(a.CStr() + 4, 3);
    EXPECT_STREQ(a.CStr(), "two");
}

TEST(CoreString, ComparisonIsBytewiseAndCaseSensitive) {
    EXPECT_TRUE(CoreString("Abc") != CoreString("abc"));
    EXPECT_TRUE(CoreString("Abc") < CoreString("abc"));
    EXPECT_TRUE(CoreString() == CoreString(""));
    EXPECT_TRUE(CoreString("\xB1\xE0") == "\xB1\xE0");
}

TEST(CoreString, HoldsTextsBeyondSixteenBitLengths) {
    const std::string big(70000, 'x');
    CoreString s(big.c_str());
    EXPECT_EQ(s.Length(), 70000u);
    s += CoreString(big.c_str());
    EXPECT_EQ(s.Length(), 140000u);
    EXPECT_EQ(std::string(s.CStr()), big + big);
}

TEST(CoreString, ReserveLeavesAWritableBufferThatSyncLengthReads) {
    CoreString s("ab");
    ASSERT_TRUE(s.Reserve(100000));
    EXPECT_GE(s.Capacity(), 100000u);
    EXPECT_STREQ(s.CStr(), "ab");
    std::string filled(99999, 'q');
    memcpy(s.Data(), filled.c_str(), filled.size() + 1);
    s.SyncLength();
    EXPECT_EQ(s.Length(), 99999u);
}

TEST(SceneObject, OnlyBitmapClassesExposeTheCurrentSlot) {
    SceneObject plain(5);
    CoreImageDesc desc;
    EXPECT_EQ(plain.GetBitmapData(), nullptr);
    EXPECT_FALSE(plain.GetImageDesc(desc));

    SceneObject texture(SCENE_CLASS_TEXTURE);
    SceneBitmapData* data = texture.GetBitmapData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->LockSurfacePtr(0), nullptr);
    CoreImageDesc image;
    image.Width = 2;
    image.Height = 1;
    image.BitsPerPixel = 32;
    image.BytesPerLine = 8;
    const uint32_t first[2] = {0x11223344, 0x55667788};
    const uint32_t second[2] = {1, 2};
    EXPECT_EQ(data->AddSlot(image, first, sizeof first), 0);
    EXPECT_EQ(data->AddSlot(image, second, sizeof second), 1);
    EXPECT_FALSE(data->SetCurrentSlot(2));
    ASSERT_TRUE(data->SetCurrentSlot(1));
    EXPECT_EQ(data->GetCurrentSlot(), 1);
    const uint8_t* pixels = data->LockSurfacePtr(data->GetCurrentSlot());
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(pixels)[1], 2u);
    ASSERT_TRUE(texture.GetImageDesc(desc));
    EXPECT_EQ(desc.Pixels, pixels);
    EXPECT_EQ(desc.Width, 2);
    CoreImageDesc same = desc;
    EXPECT_TRUE(same == desc);
    same.AlphaMask = 0xFF000000;
    EXPECT_TRUE(same != desc);
}

TEST(CoreStringAliasing, AppendingAPartOfItselfSurvivesTheBufferMoving) {
    CoreString text("abcdefghijklmno"); // fills the first capacity exactly
    text.Append(text.CStr() + 3, 4);
    EXPECT_STREQ(text.CStr(), "abcdefghijklmnodefg");
    for (int i = 0; i < 4; ++i)
        text.Append(text.CStr(), text.Length());
    EXPECT_EQ(text.Length(), 19u * 16u);
    EXPECT_EQ(std::string(text.CStr()).substr(19 * 15), "abcdefghijklmnodefg");
}
