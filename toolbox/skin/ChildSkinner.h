// Gives the controls inside attached windows the skin's look: push buttons become owner-drawn
// and are painted from the controls sheet by state (normal, hover, pressed, disabled), and
// every descendant window erases its background with the client brush.
#pragma once

#include "SkinResources.h"

// Values of a skinned button's window-type property.
enum SkinButtonType { ButtonNotSkinned = 0, ButtonPush = 5, ButtonCheck = 6, ButtonRadio = 7 };
// Values of a skinned button's draw-state property.
enum SkinDrawState { DrawNormal = 0, DrawHover = 1, DrawPressed = 2 };

class ChildSkinner {
public:
    explicit ChildSkinner(const SkinResources& resources) : resources_(resources) {}

    // Skins every descendant of the window, depth first; skinning twice changes nothing.
    void SkinChildren(HWND window) const;
    // WM_DRAWITEM: paints a skinned button and answers true; false when it is not one.
    bool HandleDrawItem(LPARAM lParam) const;
    void DrawSkinnedButton(HWND button, HDC dc) const;
    // The skin type a window of class "Button" with this style would get.
    static SkinButtonType Classify(LONG_PTR style);

private:
    void SkinButton(HWND button) const;

    const SkinResources& resources_;
};

LRESULT CALLBACK SkinButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SkinContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
