// The engine's process-wide drawing resources: created once at start, released at program end.
#pragma once

#include "SkinPicture.h"

// Keeps GDI+ started for as long as it lives; declared first in its owner so that it ends last.
class GdiplusSession {
public:
    GdiplusSession() = default;
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Start();

private:
    ULONG_PTR token_ = 0;
};

// A memory DC holding the controls sheet bitmap.
class ControlsSheet {
public:
    ControlsSheet() = default;
    ~ControlsSheet();
    ControlsSheet(const ControlsSheet&) = delete;
    ControlsSheet& operator=(const ControlsSheet&) = delete;
    void Load(Bytes bmpFile);
    HDC DC() const { return dc_; }

private:
    HDC dc_ = nullptr;
    GdiBitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
};

struct SkinResources {
    GdiplusSession gdiplus;
    HINSTANCE instance = nullptr;
    HICON defaultIcon = nullptr; // shared icon, or ownedDefaultIcon
    OwnedIcon ownedDefaultIcon;
    SkinPicture sheet;
    GdipPen borderPen;
    GdipFont captionFont;
    GdipFont labelFont;
    GdipStringFormat centredFormat;
    GdipStringFormat leftFormat;
    OwnedIcon defaultTabIcon;
    ControlsSheet controls;
    HFONT buttonFallbackFont = nullptr;
    COLORREF clientColour = 0;
    GdiBrush clientBrush;
    GdipBrush clientFill;
    GdipBrush bannerFill;
    SkinPicture bannerPicture;
    int bannerPictureWidth = 0;
    int bannerPictureHeight = 0;
    COLORREF bannerAverage = 0;
    bool childSkinning = false;
    bool initialised = false;

    // Everything but the banner fill, which the engine sets through its banner colour.
    void Initialise();
    void SetClientColour(COLORREF colour);
};

// The bytes of one of the module's embedded images; empty when the module has none.
Bytes EmbeddedArt(HINSTANCE module, int id);
