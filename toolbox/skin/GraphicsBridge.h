// The GDI+ flat functions and TransparentBlt, bound once at run time from the system directory.
// Every pointer has the type of its SDK declaration, so the calling convention cannot slip.
#pragma once

#include "GdiPlusFlat.h"
#include "SystemLibrary.h"

class GraphicsBridge {
public:
    GraphicsBridge();

#define SKIN_BOUND(name) decltype(&gp::name) name
    decltype(&Gdiplus::GdiplusStartup) GdiplusStartup;
    decltype(&Gdiplus::GdiplusShutdown) GdiplusShutdown;
    SKIN_BOUND(GdipCreatePen1);
    SKIN_BOUND(GdipDeletePen);
    SKIN_BOUND(GdipCreateStringFormat);
    SKIN_BOUND(GdipDeleteStringFormat);
    SKIN_BOUND(GdipSetStringFormatAlign);
    SKIN_BOUND(GdipSetStringFormatLineAlign);
    SKIN_BOUND(GdipLoadImageFromStream);
    SKIN_BOUND(GdipLoadImageFromFile);
    SKIN_BOUND(GdipGetImageWidth);
    SKIN_BOUND(GdipGetImageHeight);
    SKIN_BOUND(GdipDisposeImage);
    SKIN_BOUND(GdipCreateSolidFill);
    SKIN_BOUND(GdipCreateLineBrush);
    SKIN_BOUND(GdipDeleteBrush);
    SKIN_BOUND(GdipCreateFontFamilyFromName);
    SKIN_BOUND(GdipGetGenericFontFamilySansSerif);
    SKIN_BOUND(GdipDeleteFontFamily);
    SKIN_BOUND(GdipCreateFont);
    SKIN_BOUND(GdipDeleteFont);
    SKIN_BOUND(GdipCreateFromHDC);
    SKIN_BOUND(GdipDeleteGraphics);
    SKIN_BOUND(GdipFlush);
    SKIN_BOUND(GdipDrawImageRect);
    SKIN_BOUND(GdipDrawImageRectRect);
    SKIN_BOUND(GdipFillRectangle);
    SKIN_BOUND(GdipDrawRectangle);
    SKIN_BOUND(GdipDrawString);
#undef SKIN_BOUND
    decltype(&::TransparentBlt) TransparentBlt;

    HMODULE GdiPlusModule() const {
        return gdiplus_.Module();
    }

private:
    SystemLibrary gdiplus_;
    SystemLibrary msimg32_;
};

// The process's one bridge, bound on first use.
const GraphicsBridge& Gdip();
