// How the toolbox describes its windows: a design record per window with its elements,
// their layout and design-time settings, and the plain functions bound to their events.
// The runtime creates real Win32 controls from it (see DesignedWindow and Element).
#pragma once

#include "Text.h"

#include <windows.h>

#include <vector>

namespace toolbox {

using Handler = void (*)();
using ProgressHandler = void (*)(int percent);
// Asked when the user closes a window; false keeps it open.
using CloseQuery = bool (*)();
// Asked before a colour picker opens its colour dialog or a hyperlink its page; false
// refuses the click.
using OpenQuery = bool (*)();

enum class ElementKind {
    None, // what a lookup of an unknown name yields: every property is inert
    Label,
    Button,
    Edit,
    DropDownList,
    ProgressBar,
    ColourPicker,
    Hyperlink,
    OpenFileDialog,
    UnzipUnit,
};

// Position and size in pixels, relative to the window's client area for elements and to
// the screen for windows (whose size includes the frame).
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// "宋体", the face every toolbox window uses unless its design says otherwise.
Text DefaultFontFace();

struct FontDesign {
    Text face = DefaultFontFace();
    int height = 12; // character height in pixels
    int weight = FW_NORMAL;
    BYTE charset = GB2312_CHARSET;
};

struct ElementDesign {
    ElementKind kind = ElementKind::None;
    Text name; // the key handlers look the element up by
    Box box;
    Text caption;                         // label, button, hyperlink caption; edit box content
    std::vector<Text> items;              // drop-down list
    Handler onClick = nullptr;            // button click; colour picker: a colour was picked
    ProgressHandler onProgress = nullptr; // unzip unit
    Text address;                         // hyperlink target
    Text filter;                          // open-file dialog, "Display name|*.ext" (more pairs allowed)
    Text defaultExtension;                // open-file dialog
    COLORREF colour = 0;                  // colour picker's initial colour
    OpenQuery mayOpen = nullptr;          // colour picker, hyperlink; none: always opens
    bool ownFont = false;                 // use `font` instead of the window's font
    FontDesign font;
};

struct WindowDesign {
    Text title;
    Box box;
    Handler onCreated = nullptr;
    CloseQuery onClose = nullptr;
    std::vector<ElementDesign> elements;
    FontDesign font; // for every element without a font of its own
};

// Shorthands that keep window designs readable.
ElementDesign LabelDesign(const Text& name, const Text& caption, Box box);
ElementDesign LabelDesign(const Text& name, const Text& caption, Box box, const FontDesign& font);
ElementDesign ButtonDesign(const Text& name, const Text& caption, Box box, Handler onClick);
ElementDesign EditDesign(const Text& name, Box box);
ElementDesign DropDownListDesign(const Text& name, Box box, std::vector<Text> items);
ElementDesign ProgressBarDesign(const Text& name, Box box);
ElementDesign ColourPickerDesign(const Text& name, Box box, Handler onPicked, COLORREF colour = RGB(0, 0, 0),
                                 OpenQuery mayOpen = nullptr);
ElementDesign HyperlinkDesign(const Text& name, const Text& caption, Box box, const Text& address,
                              OpenQuery mayOpen = nullptr);
ElementDesign OpenFileDialogDesign(const Text& name, const Text& filter, const Text& defaultExtension);
ElementDesign UnzipUnitDesign(const Text& name, ProgressHandler onProgress = nullptr);

} // namespace toolbox
