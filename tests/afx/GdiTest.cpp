// GDI wrappers: ownership of handles, the process-wide handle map, selection returning the
// previous object, and no handle leaks over many create/draw/destroy cycles.
#include <afxwin.h>

#include "PixelCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool IsLiveGdiObject(HGDIOBJ handle) {
    return ::GetObjectType(handle) != 0;
}

// A pixel canvas drawn on through a CDC attached to its context.
struct WrappedCanvas : PixelCanvas {
    CDC dc;
    WrappedCanvas(int w, int h) : PixelCanvas(w, h) { dc.Attach(Dc()); }
    ~WrappedCanvas() { dc.Detach(); }
};

DWORD GdiCount() {
    return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
}

} // namespace

TEST(GdiObjects, OwnerDeletesItsHandleUnlessDetached) {
    HGDIOBJ owned;
    {
        CBrush brush(RGB(1, 2, 3));
        owned = brush.GetSafeHandle();
        ASSERT_TRUE(IsLiveGdiObject(owned));
    }
    EXPECT_FALSE(IsLiveGdiObject(owned));

    HGDIOBJ detached;
    {
        CPen pen(PS_SOLID, 1, RGB(4, 5, 6));
        detached = pen.Detach();
        EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    }
    EXPECT_TRUE(IsLiveGdiObject(detached));
    ::DeleteObject(detached);
}

TEST(GdiObjects, CreatingOverAHeldHandleFailsInsteadOfLeakingIt) {
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(10, 20, 30)));
    HGDIOBJ first = brush.GetSafeHandle();
    EXPECT_FALSE(brush.CreateSolidBrush(RGB(40, 50, 60)));
    EXPECT_EQ(brush.GetSafeHandle(), first);
    LOGBRUSH lb{};
    brush.GetLogBrush(&lb);
    EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));

    // Replacing a brush's colour in place: delete, then create on the same object.
    brush.DeleteObject();
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(40, 50, 60)));
    brush.GetLogBrush(&lb);
    EXPECT_EQ(lb.lbColor, RGB(40, 50, 60));
}

TEST(HandleMaps, FromHandleFindsTheOwnerOrMakesATemporaryWrapper) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));
    EXPECT_EQ(CFont::FromHandle(font), &font);
    EXPECT_EQ(CGdiObject::FromHandle(font), &font);

    HBRUSH raw = ::CreateSolidBrush(RGB(9, 9, 9));
    CBrush* temp = CBrush::FromHandle(raw);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(CBrush::FromHandle(raw), temp); // one wrapper per handle until idle time
    EXPECT_EQ(temp->GetSafeHandle(), raw);
    EXPECT_GT(AfxTempMapCount(), 0u);

    AfxDeleteTempMaps();
    EXPECT_EQ(AfxTempMapCount(), 0u);
    EXPECT_TRUE(IsLiveGdiObject(raw)); // a temporary wrapper never deletes its handle
    ::DeleteObject(raw);

    HDC rawDc = ::CreateCompatibleDC(nullptr);
    CDC* tempDc = CDC::FromHandle(rawDc);
    ASSERT_NE(tempDc, nullptr);
    EXPECT_EQ(tempDc->GetSafeHdc(), rawDc);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::DeleteDC(rawDc)); // still ours to delete
}

TEST(HandleMaps, DetachedObjectNoLongerAnswersForItsHandle) {
    CBrush owner(RGB(1, 1, 1));
    HGDIOBJ handle = owner.Detach();
    CGdiObject* found = CGdiObject::FromHandle(handle);
    EXPECT_NE(found, &owner);
    AfxDeleteTempMaps();
    ::DeleteObject(handle);
}

TEST(DeviceContext, SelectObjectReturnsThePreviousObject) {
    WrappedCanvas canvas(8, 8);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0)), blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* original = canvas.dc.SelectObject(&red);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(canvas.dc.SelectObject(&blue), &red);
    EXPECT_EQ(canvas.dc.GetCurrentPen(), &blue);
    canvas.dc.SelectObject(original);
    EXPECT_EQ(canvas.dc.GetCurrentPen()->GetSafeHandle(), original->GetSafeHandle());
    AfxDeleteTempMaps();
}

TEST(DeviceContext, DrawingCallsReachThePixels) {
    WrappedCanvas canvas(20, 20);
    CDC& dc = canvas.dc;
    dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(19, 19), RGB(255, 255, 255));

    dc.Draw3dRect(CRect(2, 2, 12, 12), RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(2, 2), RGB(255, 0, 0));  // top-left edge
    EXPECT_EQ(canvas.At(11, 5), RGB(0, 0, 255)); // right edge, inside the exclusive bound
    EXPECT_EQ(canvas.At(5, 11), RGB(0, 0, 255)); // bottom edge
    EXPECT_EQ(canvas.At(12, 5), RGB(255, 255, 255));

    CBrush green(RGB(0, 255, 0));
    dc.FillRect(CRect(14, 14, 18, 18), &green);
    EXPECT_EQ(canvas.At(14, 14), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(18, 18), RGB(255, 255, 255));

    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&black);
    dc.MoveTo(0, 15);
    dc.LineTo(10, 15);
    dc.SelectObject(old);
    EXPECT_EQ(canvas.At(5, 15), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(5, 15), RGB(0, 0, 0));

    CRgn clip;
    clip.CreateRectRgn(0, 0, 5, 5);
    dc.SelectClipRgn(&clip);
    dc.FillSolidRect(0, 0, 20, 20, RGB(1, 2, 3));
    dc.SelectClipRgn(nullptr);
    EXPECT_EQ(canvas.At(4, 4), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(6, 6), RGB(255, 255, 255));
    AfxDeleteTempMaps();
}

TEST(DeviceContext, BlitCopiesBetweenContexts) {
    WrappedCanvas source(4, 4), target(4, 4);
    source.dc.FillSolidRect(0, 0, 4, 4, RGB(10, 200, 30));
    target.dc.FillSolidRect(0, 0, 4, 4, RGB(0, 0, 0));
    ASSERT_TRUE(target.dc.BitBlt(1, 1, 2, 2, &source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(target.At(1, 1), RGB(10, 200, 30));
    EXPECT_EQ(target.At(3, 3), RGB(0, 0, 0));
    AfxDeleteTempMaps();
}

TEST(DeviceContext, ManyDrawingCyclesLeakNoGdiObjects) {
    // Wine reports no GDI count, so every handle a cycle made is also checked to be gone.
    std::vector<HGDIOBJ> made;
    auto cycle = [&made] {
        CClientDC screen(nullptr);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 32, 32);
        CBitmap* oldBitmap = memory.SelectObject(&bitmap);
        CFont font;
        font.CreatePointFont(90, "Tahoma");
        CFont* oldFont = memory.SelectObject(&font);
        CBrush brush(RGB(1, 2, 3));
        CRgn region;
        region.CreateRoundRectRgn(0, 0, 32, 32, 4, 4);
        memory.FillRgn(&region, &brush);
        memory.DrawText("abc", -1, CRect(0, 0, 32, 32), DT_CENTER);
        screen.BitBlt(0, 0, 32, 32, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(oldFont);
        memory.SelectObject(oldBitmap);
        made = {memory.GetSafeHdc(), bitmap, font, brush, region};
        AfxDeleteTempMaps();
    };
    DWORD before = GdiCount();
    for (int i = 0; i < 300; ++i) {
        cycle();
        for (HGDIOBJ handle : made)
            ASSERT_FALSE(IsLiveGdiObject(handle)) << "cycle " << i;
    }
    EXPECT_EQ(GdiCount(), before);
    EXPECT_EQ(AfxTempMapCount(), 0u);
}
