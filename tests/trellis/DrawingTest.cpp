// Pixel tests of the drawing helpers and the image list, in 32-bit DIB sections.
#include "TrellisTestSupport.h"

#include <cstring>
#include <memory>

namespace {

// A CDC wrapper over a canvas context that it does not own.
class BorrowedDC : public CDC {
public:
    explicit BorrowedDC(HDC dc) { Attach(dc); }
    ~BorrowedDC() override { Detach(); }
};

} // namespace

TEST(DoubleBuffer, NeverCreatedOrNullTargetDoesNothing) {
    PixelCanvas canvas(8, 8);
    canvas.Fill(RGB(10, 20, 30));
    {
        DBLBufferCDC idle;
        EXPECT_EQ(idle.Render(nullptr), -1);
        RECT rect{0, 0, 8, 8};
        EXPECT_EQ(idle.Create(nullptr, rect), 0);
        EXPECT_EQ(idle.GetSafeHdc(), nullptr);
    }
    EXPECT_EQ(canvas.At(3, 3), RGB(10, 20, 30));

    // A null target later on keeps the buffer already made, which still reaches its target.
    {
        BorrowedDC target(canvas.Dc());
        RECT rect{0, 0, 8, 8};
        DBLBufferCDC buffer;
        ASSERT_EQ(buffer.Create(&target, rect), 1);
        buffer.FillSolidRect(0, 0, 8, 8, RGB(90, 80, 70));
        EXPECT_EQ(buffer.Create(nullptr, rect), 0);
        EXPECT_EQ(buffer.Render(nullptr), 0);
    }
    EXPECT_EQ(canvas.At(3, 3), RGB(90, 80, 70));
}

TEST(DoubleBuffer, AFailedCreationKeepsNothing) {
    PixelCanvas canvas(8, 8);
    canvas.Fill(RGB(10, 20, 30));
    {
        BorrowedDC target(canvas.Dc());
        RECT huge{0, 0, 200000, 200000};
        DBLBufferCDC buffer;
        EXPECT_EQ(buffer.Create(&target, huge), 0);
        EXPECT_EQ(buffer.GetSafeHdc(), nullptr);
        EXPECT_EQ(buffer.Render(nullptr), -1);
    }
    EXPECT_EQ(canvas.At(0, 0), RGB(10, 20, 30));
}

TEST(DoubleBuffer, RenderCopiesAndAlwaysClearsTheClipRegion) {
    PixelCanvas canvas(16, 8);
    canvas.Fill(RGB(0, 0, 0));
    BorrowedDC target(canvas.Dc());
    RECT rect{0, 0, 16, 8};
    DBLBufferCDC buffer;
    ASSERT_EQ(buffer.Create(&target, rect), 1);
    RECT all{0, 0, 16, 8};
    buffer.FillSolidRect(&all, RGB(0, 200, 0));

    CRgn left;
    left.CreateRectRgn(0, 0, 8, 8);
    EXPECT_EQ(buffer.Render(&left), 0);
    EXPECT_EQ(canvas.At(2, 2), RGB(0, 200, 0));
    EXPECT_EQ(canvas.At(12, 2), RGB(0, 0, 0));
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas.Dc(), clip), 0);
    DeleteObject(clip);

    EXPECT_EQ(buffer.Render(nullptr), 0);
    EXPECT_EQ(canvas.At(12, 2), RGB(0, 200, 0));
}

TEST(DoubleBuffer, DestructorCopiesTheImageOut) {
    PixelCanvas canvas(8, 8);
    canvas.Fill(RGB(0, 0, 0));
    {
        BorrowedDC target(canvas.Dc());
        RECT rect{0, 0, 8, 8};
        DBLBufferCDC buffer;
        ASSERT_EQ(buffer.Create(&target, rect), 1);
        buffer.FillSolidRect(0, 0, 8, 8, RGB(1, 2, 250));
    }
    EXPECT_EQ(canvas.At(7, 7), RGB(1, 2, 250));
}

TEST(SectionBitmap, SmallFormatsGetAFullColourTable) {
    for (int bits : {1, 4, 8, 24, 32}) {
        HBITMAP bitmap = KaloCtlCreateBitmap(5, 3, bits);
        ASSERT_NE(bitmap, nullptr) << bits;
        DIBSECTION section{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
        EXPECT_EQ(section.dsBmih.biBitCount, bits);
        EXPECT_EQ(section.dsBmih.biWidth, 5);
        EXPECT_EQ(section.dsBmih.biHeight, 3);
        if (bits <= 8) {
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ previous = SelectObject(dc, bitmap);
            RGBQUAD table[256];
            std::memset(table, 0xAB, sizeof(table));
            EXPECT_EQ(GetDIBColorTable(dc, 0, 256, table), 1u << bits);
            EXPECT_EQ(table[(1 << bits) - 1].rgbRed, 0);
            SelectObject(dc, previous);
            DeleteDC(dc);
        }
        DeleteObject(bitmap);
    }
}

TEST(TransparentBlit, KeyedPixelsLeaveTheDestinationAndTheSourceIsOnlyRead) {
    PixelCanvas source(6, 4);
    source.Fill(RGB(0, 0, 255));
    source.Fill(RECT{0, 0, 3, 4}, RGB(255, 0, 0));
    source.Fill(RECT{0, 0, 1, 1}, RGB(9, 9, 9));
    PixelCanvas dest(10, 6);
    dest.Fill(RGB(0, 128, 0));

    KaloCtlTransparentBlt(dest.Dc(), 2, 1, 6, 4, source.Dc(), 0, 0, RGB(255, 0, 0));
    EXPECT_EQ(dest.At(2, 1), RGB(9, 9, 9));
    EXPECT_EQ(dest.At(3, 2), RGB(0, 128, 0));
    EXPECT_EQ(dest.At(4, 4), RGB(0, 128, 0));
    EXPECT_EQ(dest.At(5, 2), RGB(0, 0, 255));
    EXPECT_EQ(dest.At(7, 4), RGB(0, 0, 255));
    EXPECT_EQ(dest.At(8, 2), RGB(0, 128, 0));
    EXPECT_EQ(dest.At(1, 1), RGB(0, 128, 0));
    EXPECT_EQ(source.At(0, 0), RGB(9, 9, 9));
}

TEST(TransparentBlit, AnAbsentKeyGivesAPlainCopyFromTheSourceOffset) {
    PixelCanvas source(8, 8);
    source.Fill(RGB(0, 0, 0));
    source.Fill(RECT{4, 4, 8, 8}, RGB(70, 80, 90));
    PixelCanvas dest(4, 4);
    dest.Fill(RGB(255, 255, 255));
    KaloCtlTransparentBlt(dest.Dc(), 0, 0, 4, 4, source.Dc(), 4, 4, RGB(1, 1, 1));
    EXPECT_EQ(dest.At(0, 0), RGB(70, 80, 90));
    EXPECT_EQ(dest.At(3, 3), RGB(70, 80, 90));
}

TEST(AlphaBlend, ConstantOpacityTruncates) {
    struct Case {
        COLORREF source, dest;
        int alpha;
        COLORREF expected;
    };
    const Case cases[] = {
        {RGB(255, 255, 255), RGB(0, 0, 0), 0, RGB(0, 0, 0)},
        {RGB(255, 255, 255), RGB(0, 0, 0), 255, RGB(255, 255, 255)},
        {RGB(255, 255, 255), RGB(0, 0, 0), 128, RGB(128, 128, 128)},
        {RGB(0, 0, 0), RGB(255, 255, 255), 128, RGB(127, 127, 127)},
    };
    for (const Case& c : cases) {
        PixelCanvas source(3, 2);
        source.Fill(c.source);
        PixelCanvas dest(3, 2);
        dest.Fill(c.dest);
        KaloCtlAlphaBlend(dest.Dc(), 0, 0, 3, 2, source.Dc(), 0, 0, c.alpha);
        EXPECT_EQ(dest.At(2, 1), c.expected) << c.alpha;
    }
}

TEST(AlphaBlend, OffsetsApplyToTheirOwnContextAndEmptySizesDoNothing) {
    PixelCanvas source(4, 4);
    source.Fill(RGB(0, 0, 0));
    source.Fill(RECT{2, 2, 4, 4}, RGB(200, 100, 0));
    PixelCanvas dest(4, 4);
    dest.Fill(RGB(0, 0, 0));
    KaloCtlAlphaBlend(dest.Dc(), 1, 1, 2, 2, source.Dc(), 2, 2, 255);
    EXPECT_EQ(dest.At(1, 1), RGB(200, 100, 0));
    EXPECT_EQ(dest.At(2, 2), RGB(200, 100, 0));
    EXPECT_EQ(dest.At(3, 3), RGB(0, 0, 0));
    KaloCtlAlphaBlend(dest.Dc(), 0, 0, 0, 4, source.Dc(), 2, 2, 255);
    EXPECT_EQ(dest.At(0, 0), RGB(0, 0, 0));
}

TEST(ImageList, AddRemoveAndOutOfRangeIndices) {
    KaloImageList list;
    CBitmap first;
    CBitmap second;
    EXPECT_EQ(list.AddImage(&first, static_cast<CBitmap*>(nullptr)), 0);
    EXPECT_EQ(list.AddImage(&second, RGB(1, 2, 3)), 1);
    list.RemoveImage(0);
    list.RemoveImage(5);
    EXPECT_EQ(list.GetImageCount(), 1);
    CBitmap* image = nullptr;
    CBitmap* mask = &first;
    list.GetImages(0, &image, &mask);
    EXPECT_EQ(image, &second);
    EXPECT_EQ(mask, nullptr);
    EXPECT_EQ(list.GetImageClrMask(0), RGB(1, 2, 3));
    list.GetImages(7, &image, &mask);
    EXPECT_EQ(image, nullptr);
    CBitmap* old = &first;
    list.SetImages(-1, &first, nullptr, &old, &mask);
    EXPECT_EQ(old, nullptr);
    list.SetImageClrMask(9, 0);
    EXPECT_EQ(list.GetImageClrMask(9), 0u);
    PixelCanvas canvas(2, 2);
    BorrowedDC dc(canvas.Dc());
    EXPECT_FALSE(list.Draw(&dc, 3, POINT{0, 0}, 0));
}

TEST(ImageList, DeleteAllImagesDeletesSharedBitmapsOnce) {
    KaloImageList list;
    CBitmap* image = SolidBitmap(2, 2, RGB(1, 1, 1));
    CBitmap* mask = SolidBitmap(2, 2, RGB(0, 0, 0));
    list.AddImage(image, mask);
    list.AddImage(image, mask);
    list.AddImage(mask, static_cast<CBitmap*>(nullptr));
    list.SetGlobalBimapMask(mask);
    list.DeleteAllImages();
    EXPECT_EQ(list.GetImageCount(), 0);
    EXPECT_EQ(list.GetGlobalBitmapMask(), nullptr);
}

TEST(ImageList, DrawModes) {
    KaloImageList list;
    CBitmap* blue = SolidBitmap(4, 4, RGB(0, 0, 200));
    // Left half of the mask set (OR onto the destination), right half clear (copy).
    const BYTE rows[8] = {0xC0, 0, 0xC0, 0, 0xC0, 0, 0xC0, 0};
    auto* mask = new CBitmap;
    mask->CreateBitmap(4, 4, 1, 1, rows);
    list.AddImage(blue, mask);
    CBitmap* keyed = SolidBitmap(4, 4, RGB(0, 0, 200));
    list.AddImage(keyed, RGB(0, 0, 200));
    list.SetGlobalBimapMask(mask);

    PixelCanvas canvas(12, 12);
    BorrowedDC dc(canvas.Dc());
    for (DWORD mode : {KaloImageList::DrawOwnMask, KaloImageList::DrawGlobalMask}) {
        canvas.Fill(RGB(200, 0, 0));
        list.Draw(&dc, 0, POINT{2, 3}, mode);
        EXPECT_EQ(canvas.At(2, 3), RGB(200, 0, 200)) << mode;
        EXPECT_EQ(canvas.At(5, 6), RGB(0, 0, 200)) << mode;
        EXPECT_EQ(canvas.At(6, 3), RGB(200, 0, 0)) << mode;
    }

    canvas.Fill(RGB(200, 0, 0));
    list.Draw(&dc, 0, POINT{5, 5}, KaloImageList::DrawPlain);
    EXPECT_EQ(canvas.At(5, 5), RGB(0, 0, 200));
    EXPECT_EQ(canvas.At(8, 8), RGB(0, 0, 200));
    EXPECT_EQ(canvas.At(4, 4), RGB(200, 0, 0));

    // The key colour is the whole image: nothing shows, with its own key or the global one.
    canvas.Fill(RGB(200, 0, 0));
    list.Draw(&dc, 1, POINT{1, 1}, KaloImageList::DrawOwnKey);
    list.SetGlobalClrMask(RGB(0, 0, 200));
    list.Draw(&dc, 1, POINT{1, 1}, KaloImageList::DrawGlobalKey);
    EXPECT_EQ(canvas.At(2, 2), RGB(200, 0, 0));
    // The keyed modes draw at the origin and leave the given point alone.
    list.SetImageClrMask(1, RGB(5, 5, 5));
    list.Draw(&dc, 1, POINT{6, 6}, KaloImageList::DrawOwnKey);
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 200));
    EXPECT_EQ(canvas.At(3, 3), RGB(0, 0, 200));
    EXPECT_EQ(canvas.At(6, 6), RGB(200, 0, 0));

    canvas.Fill(RGB(200, 0, 0));
    list.Draw(&dc, 0, POINT{0, 0}, 5);
    EXPECT_EQ(canvas.At(0, 0), RGB(200, 0, 0));
    list.DeleteAllImages();
}
