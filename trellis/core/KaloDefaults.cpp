#include "KaloDefaults.h"

#include <memory>

namespace {

// One default brush: the one in use (the library's own or a host's) and the library's own.
struct DefaultBrush {
    CBrush* current = nullptr;
    std::unique_ptr<CBrush> own;

    void Rebuild(COLORREF color) {
        if (!own) {
            own = std::make_unique<CBrush>();
        }
        own->DeleteObject();
        own->CreateSolidBrush(color);
        current = own.get();
    }
};

struct Defaults {
    COLORREF text = RGB(0, 0, 0);
    COLORREF back = RGB(128, 128, 128);
    COLORREF edit = RGB(216, 216, 216);
    COLORREF border = RGB(0, 0, 0);
    DefaultBrush brush;
    DefaultBrush editBrush;
    CFont* font = nullptr;
    CFont* boldFont = nullptr;
};

// Destroyed when the library unloads: only the library's own brushes go with it.
Defaults& State() {
    static Defaults defaults;
    return defaults;
}

} // namespace

void KaloCtlSetDefaultTextColor(COLORREF color) {
    State().text = color;
}
COLORREF KaloCtlGetDefaultTextColor() {
    return State().text;
}
void KaloCtlSetDefaultBorderColor(COLORREF color) {
    State().border = color;
}
COLORREF KaloCtlGetDefaultBorderColor() {
    return State().border;
}

void KaloCtlSetDefaultBackColor(COLORREF color) {
    State().back = color;
    State().brush.Rebuild(color);
}
COLORREF KaloCtlGetDefaultBackColor() {
    return State().back;
}

void KaloCtlSetDefaultEditColor(COLORREF color) {
    State().edit = color;
    State().editBrush.Rebuild(color);
}
COLORREF KaloCtlGetDefaultEditColor() {
    return State().edit;
}

void KaloCtlSetDefaultBrush(CBrush* brush) {
    State().brush.current = brush;
}
CBrush* KaloCtlGetDefaultBrush() {
    return State().brush.current;
}
void KaloCtlSetDefaultEditBrush(CBrush* brush) {
    State().editBrush.current = brush;
}
CBrush* KaloCtlGetDefaultEditBrush() {
    return State().editBrush.current;
}
void KaloCtlSetDefaultFont(CFont* font) {
    State().font = font;
}
CFont* KaloCtlGetDefaultFont() {
    return State().font;
}
void KaloCtlSetDefaultBoldFont(CFont* font) {
    State().boldFont = font;
}
CFont* KaloCtlGetDefaultBoldFont() {
    return State().boldFont;
}
