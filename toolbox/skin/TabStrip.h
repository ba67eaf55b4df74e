// Navigation tabs in the banner of an attached window: adding, selecting and removing them,
// and the page window each one shows in the client panel.
#pragma once

#include "ChildSkinner.h"
#include "FramePainter.h"

class TabStrip {
public:
    static constexpr int kTop = 27;
    static constexpr int kWidth = 60;
    static constexpr int kHeight = 52;
    static constexpr int kStep = 62;
    static constexpr int kFirstX = 5;
    static constexpr int kBannerHeight = 80; // a banner with tabs is at least this high

    TabStrip(SkinRegistry& registry, const FramePainter& painter, const SkinResources& resources,
             const ChildSkinner& children)
        : registry_(registry), painter_(painter), resources_(resources), children_(children) {}

    // `icon` is either 4 bytes holding an icon handle or the bytes of an icon file; with
    // neither the default tab icon is used. The page (may be null) is adopted and hidden.
    bool AddTab(HWND window, const char* caption, Bytes icon, HWND page, SkinHandler handler) const;
    bool SelectTab(HWND window, const char* caption) const;
    bool RemoveTab(HWND window, const char* caption) const;
    // A click on the tab at a 1-based element index: selects it alone and shows its page.
    void SelectIndex(HWND window, int index) const;
    // Fits the shown page into the client panel.
    void PlacePage(HWND window) const;

private:
    void ShowPage(HWND window, int index) const;
    void Relayout(HWND window, SkinWindowRecord& record) const;
    void SetSelected(HWND window, SkinElement& tab, int index, bool selected) const;

    SkinRegistry& registry_;
    const FramePainter& painter_;
    const SkinResources& resources_;
    const ChildSkinner& children_;
};
