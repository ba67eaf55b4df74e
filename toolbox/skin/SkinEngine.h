// The window skin engine: one per process. It replaces the standard frame of attached
// top-level windows with its own (banner with icon, title and caption buttons, bordered client
// panel, optional status bar), keeps per-window state in window properties and a registry,
// and owns the process-wide drawing resources.
#pragma once

#include "ElementTracker.h"

#include <optional>

// Arguments of Attach; each one not given takes its default.
struct AttachOptions {
    std::optional<int> bannerHeight;    // 80; never below 26
    std::optional<int> statusHeight;    // 26; 0 or less: no status bar
    std::optional<bool> minimizeBox;    // from the window style
    std::optional<bool> maximizeBox;    // from the window style and its system menu
    std::optional<bool> helpButton;     // false
    std::optional<bool> mainMenuButton; // false
    std::optional<bool> sizable;        // false
    std::optional<int> minWidth;        // 150
    std::optional<int> minHeight;       // 100
};

class SkinEngine {
public:
    static constexpr COLORREF kDefaultBannerColour = 0xD2B30E;

    SkinEngine();
    // Detaches the windows still attached and releases every shared resource.
    ~SkinEngine();
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // The process's engine, or null before it is created and after it is released.
    static SkinEngine* Instance();

    // Starts GDI+ and creates the shared resources; once, before any window is attached.
    void InitialiseResources();

    bool LoadBannerPictureFromBytes(Bytes bytes);
    bool LoadBannerPictureFromFile(const char* path);
    void ApplyBannerPicture();
    COLORREF AverageColour(Gdiplus::GpImage* image) const;
    bool SetBannerColour(COLORREF colour);

    bool Attach(HWND window, const AttachOptions& options = {});
    void SkinAllChildren();
    void RepaintAll();
    bool SetStatusText(HWND window, const char* text);
    // `icon`: 4 bytes holding an icon handle, or the bytes of an icon file, or nothing.
    bool AddTab(HWND window, const char* caption, Bytes icon, HWND page, SkinHandler handler);
    bool SelectTab(HWND window, const char* caption);
    bool RemoveTab(HWND window, const char* caption);
    int AddElement(SkinWindowRecord& record, int type, int kind, int x, int y, int width, int height,
                   const char* text, HICON icon);
    // A null handler removes the one set before.
    void SetHelpHandler(HWND window, SkinHandler handler);
    void SetMainMenuHandler(HWND window, SkinHandler handler);
    // Lets the user size the window at its edges, never below the minimum size (150 x 100 when
    // not given).
    bool MakeSizable(HWND window, std::optional<int> minWidth = {}, std::optional<int> minHeight = {});
    // -1 means the system button-face colour.
    void SetClientColour(COLORREF colour);
    COLORREF GetClientColour() const { return resources_.clientColour; }

    // Shows maximize or restore as the window is zoomed or not (windows with a maximize box).
    void SetMaximizeState(HWND window, bool maximized);

    const SkinWindowRecord* Record(HWND window) const { return registry_.RecordOf(window); }
    const SkinResources& Resources() const { return resources_; }
    const FramePainter& Painter() const { return painter_; }
    const ChildSkinner& Children() const { return children_; }
    const TabStrip& Tabs() const { return tabs_; }
    const ElementTracker& Tracker() const { return tracker_; }

    // Undoes the attachment of a window that is being destroyed: procedure, record, buffers,
    // properties. Returns the procedure the window had before.
    WNDPROC Detach(HWND window);

private:
    void Register(HWND window, bool minimizeBox, bool maximizeBox, bool helpButton, bool mainMenuButton,
                  bool sizable, int minWidth, int minHeight, int statusHeight);

    SkinResources resources_;
    SkinRegistry registry_;
    FramePainter painter_;
    ChildSkinner children_;
    TabStrip tabs_;
    ElementTracker tracker_;
};
