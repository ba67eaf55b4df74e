#include "ElementTracker.h"

#include "WindowProps.h"

#include <windowsx.h>

namespace {

void RequestLeaveNotification(HWND window) {
    if (ReadProp(window, skinprop::Tracking))
        return;
    TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
    TrackMouseEvent(&request);
    WriteProp(window, skinprop::Tracking, 1);
}

void CallHandlerProp(HWND window, const char* name) {
    if (auto handler = reinterpret_cast<SkinHandler>(ReadProp(window, name)))
        handler();
}

} // namespace

bool ElementTracker::HandleMouse(HWND window, UINT message, LPARAM lParam) const {
    // Signed: the window may stretch left of or above its own origin's monitor.
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_MOUSEMOVE:
        RequestLeaveNotification(window);
        return Track(window, message, point);
    case WM_MOUSELEAVE:
        Leave(window);
        WriteProp(window, skinprop::Tracking, 0);
        return false;
    case WM_LBUTTONDBLCLK:
        if (ReadProp(window, skinprop::MaximizeBox) != 1 || Track(window, message, point) ||
            !InDragZone(window, point))
            return false;
        ReleaseCapture();
        PostMessageA(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
        return true;
    case WM_LBUTTONDOWN:
        if (Track(window, message, point))
            return true;
        if (ReadProp(window, skinprop::Maximize) != 0 || !InDragZone(window, point))
            return false;
        // The system moves the window as if its caption had been grabbed.
        ReleaseCapture();
        SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return true;
    case WM_LBUTTONUP:
        return Track(window, message, point);
    default:
        return false;
    }
}

bool ElementTracker::Track(HWND window, UINT message, POINT point) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    if (!record || record->elements.empty())
        return false;
    int hit = -1;
    for (int i = 1; i <= record->ElementCount(); ++i) {
        const SkinElement& element = *record->Element(i);
        if (element.visible && PtInRect(&element.hit, point)) {
            if (element.type != ElementStatusText)
                hit = i;
            break;
        }
    }
    int clicked = -1;
    switch (message) {
    case WM_MOUSEMOVE:
        if (hit != record->hoverIndex && record->pressedIndex == -1)
            MoveHover(window, *record, hit);
        break;
    case WM_LBUTTONDOWN:
        if (hit != record->pressedIndex) {
            SetFlag(window, *record, record->pressedIndex, &SkinElement::pressed, false);
            record->pressedIndex = hit;
            SetFlag(window, *record, hit, &SkinElement::pressed, true);
        }
        break;
    case WM_LBUTTONUP:
        if (record->pressedIndex != -1) {
            int pressed = record->pressedIndex;
            SetFlag(window, *record, pressed, &SkinElement::pressed, false);
            if (hit == pressed && !record->Element(pressed)->selected)
                clicked = pressed;
            record->pressedIndex = -1;
        }
        if (hit != record->hoverIndex)
            MoveHover(window, *record, hit);
        break;
    default:
        break;
    }
    // Last: the action may run a handler that changes the registry under the record.
    if (clicked != -1)
        Click(window, clicked);
    return hit != -1;
}

void ElementTracker::SetFlag(HWND window, SkinWindowRecord& record, int index, bool SkinElement::*flag,
                             bool on) const {
    if (SkinElement* element = record.Element(index)) {
        element->*flag = on;
        painter_.RedrawElement(window, index);
    }
}

void ElementTracker::MoveHover(HWND window, SkinWindowRecord& record, int hit) const {
    SetFlag(window, record, record.hoverIndex, &SkinElement::hovered, false);
    record.hoverIndex = hit;
    SetFlag(window, record, hit, &SkinElement::hovered, true);
}

void ElementTracker::Leave(HWND window) const {
    SkinWindowRecord* record = registry_.RecordOf(window);
    if (!record || record->elements.empty())
        return;
    if (SkinElement* pressed = record->Element(record->pressedIndex)) {
        pressed->pressed = false;
        if (record->hoverIndex == record->pressedIndex) {
            pressed->hovered = false;
            record->hoverIndex = -1;
        }
        painter_.RedrawElement(window, record->pressedIndex);
    }
    record->pressedIndex = -1;
    SetFlag(window, *record, record->hoverIndex, &SkinElement::hovered, false);
    record->hoverIndex = -1;
}

void ElementTracker::Click(HWND window, int index) const {
    const SkinElement& element = *registry_.RecordOf(window)->Element(index);
    if (element.type == ElementCaptionButton) {
        switch (element.kind) {
        case CaptionClose:
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case CaptionRestore:
            PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
            break;
        case CaptionMaximize:
            PostMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            break;
        case CaptionMinimize:
            PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        case CaptionMainMenu:
            CallHandlerProp(window, skinprop::MainMenuHandler);
            break;
        case CaptionHelp:
            CallHandlerProp(window, skinprop::HelpHandler);
            break;
        default:
            break;
        }
        return;
    }
    if (element.type != ElementTab)
        return;
    if (SkinHandler handler = element.handler) {
        ReleaseCapture();
        handler();
    }
    // The handler may have removed tabs or attached windows: look the tab up again.
    SkinWindowRecord* record = registry_.RecordOf(window);
    const SkinElement* tab = record ? record->Element(index) : nullptr;
    if (tab && tab->type == ElementTab && tab->page)
        tabs_.SelectIndex(window, index);
}

bool ElementTracker::InDragZone(HWND window, POINT point) const {
    RECT r{};
    GetWindowRect(window, &r);
    const int h = r.bottom - r.top;
    return point.y < ReadProp(window, skinprop::BannerHeight) ||
           point.y > h - ReadProp(window, skinprop::StatusHeight);
}
