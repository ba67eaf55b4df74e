#pragma once

#include "GalleryPage.h"

#include <memory>
#include <string>

// The gallery's main window: a header, a row of page buttons, the current page and a status
// bar. It may start on a named page and close itself after a while (for unattended demos).
class GalleryWindow : public CWnd {
public:
    GalleryWindow(bool settingsFound, UINT closeAfterMs, std::string firstPage);
    ~GalleryWindow() override;

    BOOL CreateGallery();

protected:
    int OnCreate(LPCREATESTRUCT create);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnTimer(UINT_PTR id);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void CreatePageButtons();
    // Replaces the current page by the page at `index` of the page table.
    void ShowPage(size_t index);

    bool m_settingsFound;
    UINT m_closeAfterMs;
    std::string m_firstPage;
    std::vector<std::unique_ptr<CButton>> m_pageButtons;
    std::unique_ptr<GalleryPage> m_page;

    DECLARE_MESSAGE_MAP()
};
