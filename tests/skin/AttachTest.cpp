// Attaching windows: defaults and floors, restyling, caption-button records, the registry and
// its renumbering, re-attaching, and what destroying a window leaves behind.
#include "SkinTestSupport.h"

#include "FrameProcedure.h"
#include "WindowProps.h"

#include <cstdio>

namespace {

std::vector<int> Kinds(const SkinWindowRecord& record) {
    std::vector<int> kinds;
    for (const SkinElement& element : record.elements)
        kinds.push_back(element.type == ElementStatusText ? 0 : element.kind);
    return kinds;
}

} // namespace

using AttachTest = SkinTest;

TEST_F(AttachTest, HeightsTakeTheirDefaultsAndTheBannerFloor) {
    HWND plain = MakeWindow(387, 324);
    ASSERT_TRUE(engine_->Attach(plain));
    EXPECT_EQ(Prop(plain, skinprop::BannerHeight), 80);
    EXPECT_EQ(Prop(plain, skinprop::StatusHeight), 26);
    EXPECT_EQ(Prop(plain, skinprop::MinWidth), 150);
    EXPECT_EQ(Prop(plain, skinprop::MinHeight), 100);
    EXPECT_EQ(Prop(plain, skinprop::SizeBox), 0);
    const SkinWindowRecord* record = engine_->Record(plain);
    ASSERT_NE(record, nullptr);
    ASSERT_GE(record->statusIndex, 1);
    EXPECT_EQ(record->elements[size_t(record->statusIndex - 1)].type, ElementStatusText);

    HWND low = MakeWindow(387, 324);
    AttachOptions options;
    options.bannerHeight = 10;
    options.statusHeight = 0;
    ASSERT_TRUE(engine_->Attach(low, options));
    EXPECT_EQ(Prop(low, skinprop::BannerHeight), 26);
    EXPECT_EQ(Prop(low, skinprop::StatusHeight), 0);
    EXPECT_EQ(engine_->Record(low)->statusIndex, 0);
    for (const SkinElement& element : engine_->Record(low)->elements)
        EXPECT_NE(element.type, ElementStatusText);
}

TEST_F(AttachTest, AWindowThatDoesNotExistIsRefused) {
    HWND gone = CreateTestWindow(100, 100);
    DestroyWindow(gone);
    EXPECT_FALSE(engine_->Attach(gone));
    EXPECT_FALSE(engine_->Attach(nullptr));
}

TEST_F(AttachTest, CaptionButtonsComeInTheirOrderAndStatusLast) {
    HWND window = MakeWindow(387, 324);
    ASSERT_TRUE(engine_->Attach(window, CaptionButtons(true, true, true, true)));
    const SkinWindowRecord& record = *engine_->Record(window);
    EXPECT_EQ(Kinds(record), (std::vector<int>{CaptionClose, CaptionMaximize, CaptionRestore, CaptionMinimize,
                                               CaptionMainMenu, CaptionHelp, 0}));
    for (int i = 0; i < record.ElementCount(); ++i)
        EXPECT_EQ(record.elements[size_t(i)].index, i + 1);
    EXPECT_EQ(record.statusIndex, 7);
    EXPECT_EQ(record.elements[0].width, 40);
    EXPECT_EQ(record.elements[1].width, 27);
    // Not zoomed: maximize shows, restore waits.
    EXPECT_TRUE(record.elements[1].visible);
    EXPECT_FALSE(record.elements[2].visible);
    EXPECT_EQ(Prop(window, skinprop::MaximizeBox), 1);
    EXPECT_EQ(Prop(window, skinprop::Maximize), 0);
}

TEST_F(AttachTest, TheToolboxWindowsGetTheirButtons) {
    HWND main = MakeWindow(387, 324);
    HWND progress = MakeWindow(301, 107);
    HWND map = MakeWindow(275, 169);
    engine_->Attach(main, CaptionButtons(true, false, true, false));
    engine_->Attach(progress, CaptionButtons(false, false, false, false));
    engine_->Attach(map, CaptionButtons(true, false, false, false));
    EXPECT_EQ(Kinds(*engine_->Record(main)),
              (std::vector<int>{CaptionClose, CaptionMinimize, CaptionHelp, 0}));
    EXPECT_EQ(Kinds(*engine_->Record(progress)), (std::vector<int>{CaptionClose, 0}));
    EXPECT_EQ(Kinds(*engine_->Record(map)), (std::vector<int>{CaptionClose, CaptionMinimize, 0}));
}

TEST_F(AttachTest, BoxesNotGivenFollowTheStyleAndTheSystemMenu) {
    HWND overlapped = MakeWindow(387, 324);
    HWND grayedMaximize = MakeWindow(387, 324);
    HWND popup = MakeWindow(387, 324, "", WS_POPUP | WS_SYSMENU);
    EnableMenuItem(GetSystemMenu(grayedMaximize, FALSE), SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    engine_->Attach(overlapped);
    engine_->Attach(grayedMaximize);
    engine_->Attach(popup);
    EXPECT_EQ(Kinds(*engine_->Record(overlapped)),
              (std::vector<int>{CaptionClose, CaptionMaximize, CaptionRestore, CaptionMinimize, 0}));
    EXPECT_EQ(Kinds(*engine_->Record(grayedMaximize)), (std::vector<int>{CaptionClose, CaptionMinimize, 0}));
    EXPECT_EQ(Kinds(*engine_->Record(popup)), (std::vector<int>{CaptionClose, 0}));
}

TEST_F(AttachTest, RestylingDropsCaptionAndThickFrame) {
    HWND window = MakeWindow(387, 324);
    AttachOptions options = CaptionButtons(false, false, false, false);
    options.sizable = true;
    engine_->Attach(window, options);
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(Prop(window, skinprop::SizeBox), 1);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinFrameProcedure));
    EXPECT_EQ(Prop(window, skinprop::WndProc), reinterpret_cast<INT_PTR>(&DefWindowProcA));
}

TEST_F(AttachTest, ReattachingKeepsOneRecordAndRebuildsOnNewHeights) {
    HWND window = MakeWindow(387, 324);
    engine_->Attach(window, CaptionButtons(true, false, true, false));
    const SkinWindowRecord* first = engine_->Record(window);
    size_t buttons = first->elements.size();
    INT_PTR bitmap = Prop(window, skinprop::CacheBitmap);

    engine_->Attach(window, CaptionButtons(true, true, true, true));
    EXPECT_EQ(Prop(window, skinprop::CacheBitmap), bitmap) << "same heights, same size: no rebuild";

    AttachOptions taller;
    taller.bannerHeight = 40;
    engine_->Attach(window, taller);
    EXPECT_EQ(Prop(window, skinprop::RegistryIndex), 1);
    EXPECT_EQ(engine_->Record(window)->elements.size(), buttons);
    EXPECT_EQ(Prop(window, skinprop::BannerHeight), 40);
    EXPECT_NE(Prop(window, skinprop::CacheBitmap), bitmap);
    EXPECT_EQ(Prop(window, skinprop::WndProc), reinterpret_cast<INT_PTR>(&DefWindowProcA))
        << "subclassed once";
}

TEST_F(AttachTest, DestroyingTheMiddleWindowRenumbersTheRest) {
    HWND first = MakeWindow(200, 150);
    HWND middle = MakeWindow(200, 150);
    HWND last = MakeWindow(200, 150);
    for (HWND window : {first, middle, last})
        engine_->Attach(window);
    EXPECT_EQ(Prop(last, skinprop::RegistryIndex), 3);
    DestroyWindow(middle);
    EXPECT_EQ(Prop(first, skinprop::RegistryIndex), 1);
    EXPECT_EQ(Prop(last, skinprop::RegistryIndex), 2);
    ASSERT_NE(engine_->Record(last), nullptr);
    EXPECT_EQ(engine_->Record(last)->window, last);
    EXPECT_EQ(engine_->Record(first)->window, first);
}

TEST_F(AttachTest, DestroyRestoresTheProcedureAndRemovesEveryProperty) {
    HWND window = MakeWindow(300, 200);
    WatchLeftovers(window);
    engine_->Attach(window);
    EXPECT_NE(Prop(window, skinprop::CacheDC), 0);
    DestroyWindow(window);
    EXPECT_EQ(g_leftovers.engineProps, 0);
    EXPECT_TRUE(g_leftovers.ownProcedureBack);
    EXPECT_EQ(engine_->Record(window), nullptr);
}

TEST_F(AttachTest, ReleasingTheEngineDetachesWindowsStillAttached) {
    HWND window = MakeWindow(300, 200);
    engine_->Attach(window);
    engine_.reset();
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&DefWindowProcA));
    EXPECT_EQ(Prop(window, skinprop::RegistryIndex), 0);
    EXPECT_EQ(Prop(window, skinprop::CacheDC), 0);
    EXPECT_EQ(SkinEngine::Instance(), nullptr);
}

namespace {

// Wine hands out freed GDI handle slots again, so the slot number of a fresh object only
// climbs when objects pile up. (Its GetGuiResources counts nothing.)
unsigned NextGdiSlot() {
    HBRUSH probe = CreateSolidBrush(0);
    unsigned slot = LOWORD(reinterpret_cast<UINT_PTR>(probe));
    DeleteObject(probe);
    return slot;
}

} // namespace

TEST_F(AttachTest, AThousandAttachAndDestroyCyclesLeakNoObjects) {
    std::vector<HGDIOBJ> lastBuffers;
    auto cycle = [&] {
        HWND window = CreateTestWindow(387, 324, "tumbra常用工具箱");
        engine_->Attach(window, CaptionButtons(true, false, true, false));
        engine_->SetStatusText(window, "状态");
        lastBuffers.clear();
        for (const char* name :
             {skinprop::CacheDC, skinprop::BackDC, skinprop::CacheBitmap, skinprop::BackBitmap})
            lastBuffers.push_back(reinterpret_cast<HGDIOBJ>(Prop(window, name)));
        DestroyWindow(window);
    };
    for (int i = 0; i < 20; ++i)
        cycle();
    DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    unsigned slotBefore = NextGdiSlot();
    for (int i = 0; i < 1000; ++i)
        cycle();
    DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD userAfter = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    unsigned slotAfter = NextGdiSlot();
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, next GDI slot %u -> %u\n", gdiBefore,
                gdiAfter, userBefore, userAfter, slotBefore, slotAfter);
    EXPECT_LE(gdiAfter, gdiBefore + 2);
    EXPECT_LE(userAfter, userBefore + 2);
    EXPECT_LE(slotAfter, slotBefore + 20);
    for (HGDIOBJ object : lastBuffers) {
        EXPECT_NE(object, nullptr);
        EXPECT_EQ(GetObjectType(object), 0u) << "buffer of a destroyed window still exists";
    }
}
