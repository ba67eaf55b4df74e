// The frame elements of one attached window and the window's registry record.
#pragma once

#include "GdipHandles.h"

#include <string>
#include <vector>

// A handler the engine calls on a click: no arguments, result ignored.
using SkinHandler = void (*)();

enum SkinElementType { ElementStatusText = 0, ElementCaptionButton = 1, ElementTab = 2 };

enum SkinCaptionKind {
    CaptionNone = 0,
    CaptionClose = 1,
    CaptionRestore = 2,
    CaptionMaximize = 3,
    CaptionMinimize = 4,
    CaptionMainMenu = 5,
    CaptionList = 6,
    CaptionHelp = 7
};

struct SkinElement {
    int x = 0, y = 0, width = 0, height = 0;
    int type = ElementStatusText;
    int kind = CaptionNone;
    int index = 0; // 1-based position at creation
    std::string text;
    HICON icon = nullptr;
    OwnedIcon ownedIcon; // set when the icon was built from an icon file for this element
    RECT hit{};
    bool hovered = false;
    bool pressed = false;
    bool selected = false;
    bool visible = true;
    HWND page = nullptr;
    SkinHandler handler = nullptr;

    void PlaceAt(int newX, int newY) {
        x = newX;
        y = newY;
        hit = {x, y, x + width, y + height};
    }
};

struct SkinWindowRecord {
    HWND window = nullptr;
    int hoverIndex = -1;   // 1-based, -1 for none
    int pressedIndex = -1; // 1-based, -1 for none
    int nextTabX = 5;
    int tabCount = 0;
    int statusIndex = 0;     // 1-based, 0 for none
    bool titleStale = false; // the window text changed since the title band was drawn
    std::vector<SkinElement> elements;

    int ElementCount() const { return static_cast<int>(elements.size()); }
    // Appends a visible element; returns its 1-based index.
    int AddElement(int type, int kind, int x, int y, int width, int height, const char* text, HICON icon) {
        SkinElement element;
        element.type = type;
        element.kind = kind;
        element.width = width;
        element.height = height;
        element.PlaceAt(x, y);
        element.text = text ? text : "";
        element.icon = icon;
        element.index = ElementCount() + 1;
        elements.push_back(std::move(element));
        return ElementCount();
    }
    // The element at a 1-based index, or null when out of range.
    SkinElement* Element(int index) {
        return index >= 1 && index <= ElementCount() ? &elements[size_t(index - 1)] : nullptr;
    }
};
