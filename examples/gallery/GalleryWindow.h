#pragma once

#include <Trellis.h>

// The gallery's main window: paints the theme and the drawing helpers through a double
// buffer, and may close itself after a while (for unattended demos).
class GalleryWindow : public CWnd {
public:
    GalleryWindow(bool settingsFound, UINT closeAfterMs);

    BOOL CreateGallery();

protected:
    int OnCreate(LPCREATESTRUCT create);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnTimer(UINT_PTR id);

private:
    bool m_settingsFound;
    UINT m_closeAfterMs;

    DECLARE_MESSAGE_MAP()
};
