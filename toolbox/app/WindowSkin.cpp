#include "WindowSkin.h"

namespace toolbox {

void AttachSkin(const DesignedWindow& window, const AttachOptions& options) {
    if (SkinEngine* engine = SkinEngine::Instance()) {
        engine->Attach(window.Handle(), options);
        engine->SkinAllChildren();
    }
}

AttachOptions FixedFrame(bool minimizeBox, bool helpButton) {
    AttachOptions options;
    options.minimizeBox = minimizeBox;
    options.maximizeBox = false;
    options.helpButton = helpButton;
    options.mainMenuButton = false;
    options.sizable = false;
    return options;
}

void SetSkinHelpHandler(const DesignedWindow& window, Handler handler) {
    if (SkinEngine* engine = SkinEngine::Instance())
        engine->SetHelpHandler(window.Handle(), handler);
}

void SetSkinStatusText(const DesignedWindow& window, const Text& text) {
    if (SkinEngine* engine = SkinEngine::Instance())
        engine->SetStatusText(window.Handle(), text.c_str());
}

void SetSkinBannerColour(COLORREF colour) {
    if (SkinEngine* engine = SkinEngine::Instance())
        engine->SetBannerColour(colour);
}

} // namespace toolbox
