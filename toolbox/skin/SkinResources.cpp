#include "SkinResources.h"

#include "SkinArtIds.h"

#include <shellapi.h>

namespace {

constexpr char kFontFamily[] = "宋体";

HICON LoadDefaultWindowIcon(HINSTANCE instance, OwnedIcon& owned) {
    for (LPCSTR name : {static_cast<LPCSTR>(MAKEINTRESOURCEA(129)),
                        static_cast<LPCSTR>(MAKEINTRESOURCEA(128)), static_cast<LPCSTR>("DEFAULT_ICON")}) {
        if (HICON icon = LoadIconA(instance, name))
            return icon;
    }
    SHFILEINFOA info{};
    if (SHGetFileInfoA(".exe", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_ICON | SHGFI_USEFILEATTRIBUTES))
        owned.reset(info.hIcon);
    return owned.get();
}

GdipStringFormat MakeFormat(Gdiplus::StringAlignment horizontal) {
    Gdiplus::GpStringFormat* format = nullptr;
    if (Gdip().GdipCreateStringFormat(0, 2052, &format) != Gdiplus::Ok)
        return nullptr;
    Gdip().GdipSetStringFormatAlign(format, horizontal);
    Gdip().GdipSetStringFormatLineAlign(format, Gdiplus::StringAlignmentCenter);
    return GdipStringFormat(format);
}

GdipPen MakePen(ARGB colour, float width) {
    Gdiplus::GpPen* pen = nullptr;
    if (Gdip().GdipCreatePen1(colour, width, Gdiplus::UnitWorld, &pen) != Gdiplus::Ok)
        return nullptr;
    return GdipPen(pen);
}

} // namespace

Bytes EmbeddedArt(HINSTANCE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (!loaded)
        return {};
    return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

bool GdiplusSession::Start() {
    Gdiplus::GdiplusStartupInput input; // version 1, no callback
    return Gdip().GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
    if (token_)
        Gdip().GdiplusShutdown(token_);
}

void ControlsSheet::Load(Bytes bmpFile) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    bitmap_ = BitmapFromBmpBytes(bmpFile);
    if (dc_ && bitmap_)
        oldBitmap_ = SelectObject(dc_, bitmap_.get());
}

ControlsSheet::~ControlsSheet() {
    if (oldBitmap_)
        SelectObject(dc_, oldBitmap_);
    if (dc_)
        DeleteDC(dc_);
}

void SkinResources::Initialise() {
    gdiplus.Start();
    instance = GetModuleHandleA(nullptr);
    defaultIcon = LoadDefaultWindowIcon(instance, ownedDefaultIcon);
    sheet.LoadFromBytes(EmbeddedArt(instance, SKIN_ART_SHEET_PNG));
    borderPen = MakePen(0x96000000, 1.0f);
    captionFont = MakeFont(kFontFamily, 12.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
    labelFont = MakeFont(kFontFamily, 12.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    centredFormat = MakeFormat(Gdiplus::StringAlignmentCenter);
    leftFormat = MakeFormat(Gdiplus::StringAlignmentNear);
    defaultTabIcon = IconFromIcoBytes(EmbeddedArt(instance, SKIN_ART_TAB_ICO), 0).icon;
    controls.Load(EmbeddedArt(instance, SKIN_ART_CONTROLS_BMP));
    buttonFallbackFont = static_cast<HFONT>(GetStockObject(OEM_FIXED_FONT));
    clientColour = GetSysColor(COLOR_BTNFACE);
    clientBrush.reset(CreateSolidBrush(clientColour));
    clientFill = MakeSolidFill(MakeArgb(clientColour, 255));
    initialised = true;
}

void SkinResources::SetClientColour(COLORREF colour) {
    clientColour = colour;
    clientBrush.reset(CreateSolidBrush(colour));
    clientFill = MakeSolidFill(MakeArgb(colour, 255));
}
