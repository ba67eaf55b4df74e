#include "SkinEngine.h"

#include "FrameProcedure.h"
#include "WindowProps.h"

#include <algorithm>

namespace {

SkinEngine* g_engine = nullptr;

constexpr int kDefaultBannerHeight = 80;
constexpr int kMinimumBannerHeight = 26;
constexpr int kDefaultStatusHeight = 26;
constexpr int kDefaultMinWidth = 150;
constexpr int kDefaultMinHeight = 100;
constexpr int kCaptionButtonY = 1;
constexpr int kCaptionButtonHeight = 19;

bool StyleHasMaximizeBox(HWND window) {
    if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_MAXIMIZEBOX))
        return false;
    // A missing item or menu reads as all bits set, so it counts as disabled too.
    UINT state = GetMenuState(GetSystemMenu(window, FALSE), SC_MAXIMIZE, MF_BYCOMMAND);
    return !(state & (MF_DISABLED | MF_GRAYED));
}

bool UpdateHeightProp(HWND window, const char* name, int value) {
    if (ReadProp(window, name) == value)
        return false;
    WriteProp(window, name, value);
    return true;
}

} // namespace

SkinEngine::SkinEngine()
    : painter_(resources_, registry_), children_(resources_),
      tabs_(registry_, painter_, resources_, children_), tracker_(registry_, painter_, tabs_) {
    g_engine = this;
}

SkinEngine::~SkinEngine() {
    while (registry_.Count() > 0)
        Detach(registry_.Records().front().window);
    if (g_engine == this)
        g_engine = nullptr;
}

SkinEngine* SkinEngine::Instance() {
    return g_engine;
}

void SkinEngine::InitialiseResources() {
    if (resources_.initialised)
        return;
    resources_.Initialise();
    SetBannerColour(kDefaultBannerColour);
}

bool SkinEngine::LoadBannerPictureFromBytes(Bytes bytes) {
    if (!resources_.bannerPicture.LoadFromBytes(bytes))
        return false;
    ApplyBannerPicture();
    return true;
}

bool SkinEngine::LoadBannerPictureFromFile(const char* path) {
    if (!resources_.bannerPicture.LoadFromFile(path))
        return false;
    ApplyBannerPicture();
    return true;
}

void SkinEngine::ApplyBannerPicture() {
    const SkinPicture& picture = resources_.bannerPicture;
    resources_.bannerPictureWidth = picture.Width();
    resources_.bannerPictureHeight = picture.Height();
    resources_.bannerAverage = AverageColour(picture.Image());
    resources_.bannerFill = MakeSolidFill(MakeArgb(resources_.bannerAverage, 255));
    RepaintAll();
}

COLORREF SkinEngine::AverageColour(Gdiplus::GpImage* image) const {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP pixel = CreateCompatibleBitmap(screen, 1, 1);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, pixel);
    if (GdipGraphics graphics = GraphicsOn(dc); graphics && image)
        Gdip().GdipDrawImageRect(graphics.get(), image, 0, 0, 1.0f, 1.0f);
    COLORREF colour = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteObject(pixel);
    DeleteDC(dc);
    return colour;
}

bool SkinEngine::SetBannerColour(COLORREF colour) {
    resources_.bannerPicture.Dispose();
    resources_.bannerFill = MakeSolidFill(MakeArgb(colour, 255));
    RepaintAll();
    return true;
}

bool SkinEngine::Attach(HWND window, const AttachOptions& options) {
    if (!IsWindow(window))
        return false;
    SubclassWithFrameProcedure(window);
    int bannerHeight = std::max(options.bannerHeight.value_or(kDefaultBannerHeight), kMinimumBannerHeight);
    // A negative status height means none, like 0; stored as 0 so the panel keeps its size.
    int statusHeight = std::max(options.statusHeight.value_or(kDefaultStatusHeight), 0);
    bool layoutChanged = UpdateHeightProp(window, skinprop::BannerHeight, bannerHeight);
    layoutChanged = UpdateHeightProp(window, skinprop::StatusHeight, statusHeight) || layoutChanged;
    bool minimizeBox =
        options.minimizeBox.value_or((GetWindowLongPtrA(window, GWL_STYLE) & WS_MINIMIZEBOX) != 0);
    bool maximizeBox = options.maximizeBox.has_value() ? *options.maximizeBox : StyleHasMaximizeBox(window);
    if (registry_.Find(window) == 0)
        Register(window, minimizeBox, maximizeBox, options.helpButton.value_or(false),
                 options.mainMenuButton.value_or(false), options.sizable.value_or(false),
                 options.minWidth.value_or(kDefaultMinWidth), options.minHeight.value_or(kDefaultMinHeight),
                 statusHeight);
    if (resources_.childSkinning)
        children_.SkinChildren(window);
    painter_.RebuildFrameCache(window, layoutChanged);
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

void SkinEngine::Register(HWND window, bool minimizeBox, bool maximizeBox, bool helpButton,
                          bool mainMenuButton, bool sizable, int minWidth, int minHeight, int statusHeight) {
    ChangeStyle(window, WS_CAPTION, WS_SYSMENU);
    ChangeStyle(window, 0, WS_MINIMIZEBOX);
    SkinWindowRecord record;
    record.window = window;
    auto addCaptionButton = [&](int kind, int width) {
        AddElement(record, ElementCaptionButton, kind, 0, kCaptionButtonY, width, kCaptionButtonHeight, "",
                   nullptr);
    };
    addCaptionButton(CaptionClose, 40);
    if (maximizeBox) {
        ChangeStyle(window, 0, WS_MAXIMIZEBOX);
        WriteProp(window, skinprop::MaximizeBox, 1);
        addCaptionButton(CaptionMaximize, 27);
        addCaptionButton(CaptionRestore, 27);
    }
    if (minimizeBox)
        addCaptionButton(CaptionMinimize, 27);
    if (mainMenuButton)
        addCaptionButton(CaptionMainMenu, 27);
    if (helpButton)
        addCaptionButton(CaptionHelp, 27);
    if (statusHeight > 0)
        record.statusIndex = AddElement(record, ElementStatusText, CaptionNone, 0, kCaptionButtonY, 27,
                                        kCaptionButtonHeight, "", nullptr);
    // Edge sizing is the engine's own hit-testing, never the system's thick frame.
    WriteProp(window, skinprop::SizeBox, sizable ? 1 : 0);
    ChangeStyle(window, WS_THICKFRAME, 0);
    WriteProp(window, skinprop::MinWidth, minWidth);
    WriteProp(window, skinprop::MinHeight, minHeight);
    registry_.Add(std::move(record));
    SetMaximizeState(window, IsZoomed(window) != FALSE);
}

int SkinEngine::AddElement(SkinWindowRecord& record, int type, int kind, int x, int y, int width, int height,
                           const char* text, HICON icon) {
    return record.AddElement(type, kind, x, y, width, height, text, icon);
}

void SkinEngine::SkinAllChildren() {
    resources_.childSkinning = true;
    for (int i = 0; i < registry_.Count(); ++i) {
        HWND window = registry_.Records()[size_t(i)].window;
        children_.SkinChildren(window);
        if (IsWindowVisible(window))
            InvalidateRect(window, nullptr, TRUE);
    }
}

void SkinEngine::RepaintAll() {
    for (const SkinWindowRecord& record : registry_.Records()) {
        painter_.RebuildFrameCache(record.window, true);
        InvalidateRect(record.window, nullptr, TRUE);
    }
}

bool SkinEngine::SetStatusText(HWND window, const char* text) {
    SkinWindowRecord* record = registry_.RecordOf(window);
    SkinElement* status = record ? record->Element(record->statusIndex) : nullptr;
    if (!status)
        return false;
    status->text = text ? text : "";
    painter_.RedrawElement(window, record->statusIndex);
    return true;
}

bool SkinEngine::AddTab(HWND window, const char* caption, Bytes icon, HWND page, SkinHandler handler) {
    return tabs_.AddTab(window, caption, icon, page, handler);
}

bool SkinEngine::SelectTab(HWND window, const char* caption) {
    return tabs_.SelectTab(window, caption);
}

bool SkinEngine::RemoveTab(HWND window, const char* caption) {
    return tabs_.RemoveTab(window, caption);
}

void SkinEngine::SetHelpHandler(HWND window, SkinHandler handler) {
    WriteProp(window, skinprop::HelpHandler, reinterpret_cast<INT_PTR>(handler));
}

void SkinEngine::SetMainMenuHandler(HWND window, SkinHandler handler) {
    WriteProp(window, skinprop::MainMenuHandler, reinterpret_cast<INT_PTR>(handler));
}

bool SkinEngine::MakeSizable(HWND window, std::optional<int> minWidth, std::optional<int> minHeight) {
    if (!registry_.RecordOf(window))
        return false;
    WriteProp(window, skinprop::SizeBox, 1);
    WriteProp(window, skinprop::MinWidth, minWidth.value_or(kDefaultMinWidth));
    WriteProp(window, skinprop::MinHeight, minHeight.value_or(kDefaultMinHeight));
    ChangeStyle(window, 0, WS_THICKFRAME);
    painter_.RebuildFrameCache(window, true);
    return true;
}

void SkinEngine::SetClientColour(COLORREF colour) {
    if (colour == CLR_INVALID)
        colour = GetSysColor(COLOR_BTNFACE);
    if (colour == resources_.clientColour)
        return;
    resources_.SetClientColour(colour);
    RepaintAll();
}

void SkinEngine::SetMaximizeState(HWND window, bool maximized) {
    SkinWindowRecord* record = registry_.RecordOf(window);
    if (ReadProp(window, skinprop::MaximizeBox) != 1 || !record || record->ElementCount() < 3)
        return;
    // Maximize and restore are always elements 2 and 3, right after close.
    record->Element(2)->visible = !maximized;
    record->Element(3)->visible = maximized;
    WriteProp(window, skinprop::Maximize, maximized ? 1 : 0);
}

WNDPROC SkinEngine::Detach(HWND window) {
    auto previous = reinterpret_cast<WNDPROC>(ReadProp(window, skinprop::WndProc));
    if (previous)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    registry_.Remove(window);
    FramePainter::ReleaseFrameCache(window);
    RemoveFrameProps(window);
    return previous;
}
