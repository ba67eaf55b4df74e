#include "HandleMaps.h"

#include <stdlib.h>
#include <string.h>

CFont* CFont::FromHandle(HFONT handle) {
    return GdiHandleMap().FromHandle<CFont>(handle);
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont) {
    return AttachNew(::CreateFontIndirectA(logFont));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCSTR faceName) {
    return AttachNew(::CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                                   strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                                   faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc) {
    LOGFONTA logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = pointSize;
    if (faceName)
        lstrcpynA(logFont.lfFaceName, faceName, sizeof logFont.lfFaceName);
    return CreatePointFontIndirect(&logFont, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* logFont, CDC* dc) {
    HDC target = dc ? dc->m_hDC : nullptr;
    HDC screen = target ? nullptr : ::GetDC(nullptr);
    HDC measure = target ? target : screen;
    // Tenths of a point to device pixels, then to logical units of the context.
    LOGFONTA scaled = *logFont;
    POINT height{0, ::MulDiv(::GetDeviceCaps(measure, LOGPIXELSY), logFont->lfHeight, 720)};
    POINT origin{0, 0};
    ::DPtoLP(measure, &height, 1);
    ::DPtoLP(measure, &origin, 1);
    scaled.lfHeight = -abs(height.y - origin.y);
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&scaled);
}

int CFont::GetLogFont(LOGFONTA* logFont) const {
    return GetObject(sizeof(LOGFONTA), logFont);
}
