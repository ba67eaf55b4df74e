#include "TabStrip.h"

#include "WindowProps.h"

#include <cstdint>
#include <cstring>

namespace {

// A 4-byte icon argument is a handle; 32-bit handle values sign-extend on 64-bit Windows.
HICON IconHandleFromBytes(Bytes icon) {
    int32_t value = 0;
    std::memcpy(&value, icon.data, sizeof value);
    return reinterpret_cast<HICON>(static_cast<LONG_PTR>(value));
}

bool IsTab(const SkinElement& element) {
    return element.type == ElementTab;
}

// A page becomes a caption-less child of the window it is shown in.
void Adopt(HWND window, HWND page) {
    if (GetParent(page) == window)
        return;
    SetParent(page, window);
    ChangeStyle(page, WS_POPUP, WS_CHILD);
    ChangeStyle(page, WS_CAPTION, 0);
}

} // namespace

bool TabStrip::AddTab(HWND window, const char* caption, Bytes icon, HWND page, SkinHandler handler) const {
    if (!registry_.RecordOf(window))
        return false;
    if (ReadProp(window, skinprop::BannerHeight) < kBannerHeight) {
        WriteProp(window, skinprop::BannerHeight, kBannerHeight);
        painter_.RebuildFrameCache(window, true);
        if (!ReadProp(window, skinprop::Minimized))
            InvalidateRect(window, nullptr, FALSE);
        PlacePage(window);
    }
    OwnedIcon owned;
    HICON handle = nullptr;
    if (icon.size == 4)
        handle = IconHandleFromBytes(icon);
    else if (icon.size > 0)
        handle = (owned = IconFromIcoBytes(icon, 0).icon).get();
    if (!handle)
        handle = resources_.defaultTabIcon.get();

    SkinWindowRecord& record = *registry_.RecordOf(window);
    int index =
        record.AddElement(ElementTab, CaptionNone, record.nextTabX, kTop, kWidth, kHeight, caption, handle);
    record.nextTabX += kStep;
    ++record.tabCount;
    SkinElement& tab = *record.Element(index);
    tab.ownedIcon = std::move(owned);
    tab.page = page;
    tab.handler = handler;
    tab.selected = record.tabCount == 1;
    painter_.RedrawElement(window, index);
    if (IsWindow(page)) {
        Adopt(window, page);
        ShowWindow(page, SW_HIDE);
        children_.SkinChildren(page);
    }
    return true;
}

void TabStrip::SetSelected(HWND window, SkinElement& tab, int index, bool selected) const {
    if (tab.selected == selected)
        return;
    tab.selected = selected;
    painter_.RedrawElement(window, index);
}

bool TabStrip::SelectTab(HWND window, const char* caption) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    if (!record || !caption)
        return false;
    bool found = false;
    for (int i = 1; i <= record->ElementCount(); ++i) {
        SkinElement& tab = *record->Element(i);
        if (!IsTab(tab) || tab.text != caption)
            continue;
        SetSelected(window, tab, i, true);
        ShowPage(window, i);
        found = true;
    }
    if (!found)
        return false;
    for (int i = 1; i <= record->ElementCount(); ++i) {
        SkinElement& tab = *record->Element(i);
        if (IsTab(tab) && tab.text != caption)
            SetSelected(window, tab, i, false);
    }
    return true;
}

void TabStrip::SelectIndex(HWND window, int index) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    if (!record)
        return;
    for (int i = 1; i <= record->ElementCount(); ++i) {
        SkinElement& tab = *record->Element(i);
        if (!IsTab(tab))
            continue;
        SetSelected(window, tab, i, i == index);
        if (i == index)
            ShowPage(window, i);
    }
}

bool TabStrip::RemoveTab(HWND window, const char* caption) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    if (!record || !caption)
        return false;
    for (int i = 1; i <= record->ElementCount(); ++i) {
        if (!IsTab(*record->Element(i)) || record->Element(i)->text != caption)
            continue;
        record->elements.erase(record->elements.begin() + (i - 1));
        // Hover and press name elements by position: the removed one is gone, later ones moved up.
        for (int* tracked : {&record->hoverIndex, &record->pressedIndex}) {
            if (*tracked == i)
                *tracked = -1;
            else if (*tracked > i)
                --*tracked;
        }
        Relayout(window, *record);
        return true;
    }
    return false;
}

void TabStrip::Relayout(HWND window, SkinWindowRecord& record) const {
    HDC cache = ReadHandleProp<HDC>(window, skinprop::CacheDC);
    HDC back = ReadHandleProp<HDC>(window, skinprop::BackDC);
    const int width = static_cast<int>(ReadProp(window, skinprop::CacheWidth));
    if (cache)
        BitBlt(cache, 0, kTop, width, kHeight, back, 0, kTop, SRCCOPY);
    record.nextTabX = kFirstX;
    {
        GdipGraphics graphics = cache ? GraphicsOn(cache) : nullptr;
        for (SkinElement& tab : record.elements) {
            if (!IsTab(tab) || !tab.visible)
                continue;
            tab.PlaceAt(record.nextTabX, tab.y);
            record.nextTabX += kStep;
            if (graphics)
                painter_.DrawElement(tab, cache, graphics.get());
        }
    }
    if (!cache)
        return;
    HDC windowDC = GetDC(window);
    BitBlt(windowDC, 0, kTop, width, kHeight, cache, 0, kTop, SRCCOPY);
    ReleaseDC(window, windowDC);
}

void TabStrip::ShowPage(HWND window, int index) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    SkinElement* shown = record ? record->Element(index) : nullptr;
    if (!shown)
        return;
    HWND page = shown->page;
    for (int i = 1; i <= record->ElementCount(); ++i) {
        const SkinElement& other = *record->Element(i);
        if (i != index && IsTab(other) && other.page && other.page != page)
            ShowWindow(other.page, SW_HIDE);
    }
    WriteProp(window, skinprop::PageWindow, reinterpret_cast<INT_PTR>(page));
    if (!IsWindow(page))
        return;
    Adopt(window, page);
    PlacePage(window);
    ShowWindow(page, SW_SHOW);
}

void TabStrip::PlacePage(HWND window) const {
    HWND page = ReadHandleProp<HWND>(window, skinprop::PageWindow);
    if (!IsWindow(page))
        return;
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int top = static_cast<int>(ReadProp(window, skinprop::BannerHeight)) + 1;
    const int status = static_cast<int>(ReadProp(window, skinprop::StatusHeight));
    MoveWindow(page, 3, top, w - 6, h - top - status - 3, TRUE);
}
