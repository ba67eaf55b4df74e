#include "GraphicsBridge.h"

#define SKIN_BIND(name) name = gdiplus_.Entry<decltype(name)>(#name)

GraphicsBridge::GraphicsBridge()
    : gdiplus_("GdiPlus.dll", "gdiplus.dll"), msimg32_("msimg32.dll", "msimg32.dll") {
    SKIN_BIND(GdiplusStartup);
    SKIN_BIND(GdiplusShutdown);
    SKIN_BIND(GdipCreatePen1);
    SKIN_BIND(GdipDeletePen);
    SKIN_BIND(GdipCreateStringFormat);
    SKIN_BIND(GdipDeleteStringFormat);
    SKIN_BIND(GdipSetStringFormatAlign);
    SKIN_BIND(GdipSetStringFormatLineAlign);
    SKIN_BIND(GdipLoadImageFromStream);
    SKIN_BIND(GdipLoadImageFromFile);
    SKIN_BIND(GdipGetImageWidth);
    SKIN_BIND(GdipGetImageHeight);
    SKIN_BIND(GdipDisposeImage);
    SKIN_BIND(GdipCreateSolidFill);
    SKIN_BIND(GdipCreateLineBrush);
    SKIN_BIND(GdipDeleteBrush);
    SKIN_BIND(GdipCreateFontFamilyFromName);
    SKIN_BIND(GdipGetGenericFontFamilySansSerif);
    SKIN_BIND(GdipDeleteFontFamily);
    SKIN_BIND(GdipCreateFont);
    SKIN_BIND(GdipDeleteFont);
    SKIN_BIND(GdipCreateFromHDC);
    SKIN_BIND(GdipDeleteGraphics);
    SKIN_BIND(GdipFlush);
    SKIN_BIND(GdipDrawImageRect);
    SKIN_BIND(GdipDrawImageRectRect);
    SKIN_BIND(GdipFillRectangle);
    SKIN_BIND(GdipDrawRectangle);
    SKIN_BIND(GdipDrawString);
    TransparentBlt = msimg32_.Entry<decltype(TransparentBlt)>("TransparentBlt");
}

const GraphicsBridge& Gdip() {
    static const GraphicsBridge bridge;
    return bridge;
}
