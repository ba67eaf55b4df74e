#include "ChildSkinner.h"

#include "MemoryCanvas.h"

#include "SkinEngine.h"
#include "WindowProps.h"

namespace {

constexpr COLORREF kSheetKey = RGB(255, 0, 255);
constexpr UINT kButtonTextFlags = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
constexpr UINT kToggleTextFlags = DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS;
constexpr DWORD kHoverTime = 5;

struct Cell {
    int x, y, width, height;
};

SIZE OuterSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The sheet cell for a button's type, check state, enabled state and draw state.
Cell CellFor(HWND button) {
    INT_PTR type = ReadProp(button, skinprop::WindowType);
    Cell cell = type == ButtonPush ? Cell{0, 0, 40, 23} : Cell{0, type == ButtonCheck ? 25 : 40, 15, 15};
    if (type != ButtonPush && ReadProp(button, skinprop::Check) == 1)
        cell.x += 4 * cell.width;
    INT_PTR state = ReadProp(button, skinprop::DrawState);
    if (!IsWindowEnabled(button))
        cell.x += 3 * cell.width;
    else if (state == DrawPressed)
        cell.x += 2 * cell.width;
    else if (state == DrawHover)
        cell.x += cell.width;
    return cell;
}

// The push-button cell stretched to w x h with its 5-pixel corners kept and edges stretched
// along their length only.
void DrawNineSlice(HDC target, HDC sheet, Cell cell, int w, int h) {
    constexpr int m = 5;
    const int innerW = w - 2 * m, innerH = h - 2 * m;
    const int sourceInnerW = cell.width - 2 * m, sourceInnerH = cell.height - 2 * m;
    const int sx = cell.x, sy = cell.y, right = sx + cell.width - m, bottom = sy + cell.height - m;
    auto stretch = [&](int x, int y, int width, int height, int fromX, int fromY, int fromW, int fromH) {
        if (width > 0 && height > 0)
            StretchBlt(target, x, y, width, height, sheet, fromX, fromY, fromW, fromH, SRCCOPY);
    };
    BitBlt(target, 0, 0, m, m, sheet, sx, sy, SRCCOPY);
    stretch(m, 0, innerW, m, sx + m, sy, sourceInnerW, m);
    BitBlt(target, w - m, 0, m, m, sheet, right, sy, SRCCOPY);
    stretch(0, m, m, innerH, sx, sy + m, m, sourceInnerH);
    stretch(m, m, innerW, innerH, sx + m, sy + m, sourceInnerW, sourceInnerH);
    stretch(w - m, m, m, innerH, right, sy + m, m, sourceInnerH);
    BitBlt(target, 0, h - m, m, m, sheet, sx, bottom, SRCCOPY);
    stretch(m, h - m, innerW, m, sx + m, bottom, sourceInnerW, m);
    BitBlt(target, w - m, h - m, m, m, sheet, right, bottom, SRCCOPY);
}

void SetDrawState(HWND button, SkinDrawState state) {
    if (ReadProp(button, skinprop::DrawState) == state)
        return;
    WriteProp(button, skinprop::DrawState, state);
    InvalidateRect(button, nullptr, FALSE);
}

void RequestHoverAndLeave(HWND button) {
    if (ReadProp(button, skinprop::TrackMouse))
        return;
    TRACKMOUSEEVENT request{sizeof request, TME_HOVER | TME_LEAVE, button, kHoverTime};
    TrackMouseEvent(&request);
    WriteProp(button, skinprop::TrackMouse, 1);
}

// A destroyed child takes nothing of the engine's with it: procedure back, properties gone.
LRESULT ReleaseChild(HWND window, WNDPROC ours, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = PreviousProcedure(window);
    Unsubclass(window, ours);
    RemoveChildProps(window);
    return CallPrevious(previous, window, message, wParam, lParam);
}

} // namespace

SkinButtonType ChildSkinner::Classify(LONG_PTR style) {
    const bool pushLike = (style & BS_PUSHLIKE) != 0;
    switch (style & 0x1F) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return ButtonPush;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return pushLike ? ButtonPush : ButtonCheck;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return pushLike ? ButtonPush : ButtonRadio;
    default:
        return ButtonNotSkinned;
    }
}

void ChildSkinner::SkinChildren(HWND window) const {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[256] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0 &&
            Classify(GetWindowLongPtrA(child, GWL_STYLE)) == ButtonPush)
            SkinButton(child);
        SkinChildren(child);
    }
    SubclassOnce(window, &SkinContainerProcedure);
}

void ChildSkinner::SkinButton(HWND button) const {
    WriteProp(button, skinprop::Check, SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    // Replacing the type bits: OR-ing the owner-draw value into them would turn some push-like
    // types into a type that is not owner-draw.
    ChangeStyle(button, BS_TYPEMASK, BS_OWNERDRAW);
    WriteProp(button, skinprop::WindowType, ButtonPush);
    SubclassOnce(button, &SkinButtonProcedure);
}

bool ChildSkinner::HandleDrawItem(LPARAM lParam) const {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!item || item->CtlType != ODT_BUTTON || !ReadProp(item->hwndItem, skinprop::WindowType))
        return false;
    DrawSkinnedButton(item->hwndItem, item->hDC);
    return true;
}

void ChildSkinner::DrawSkinnedButton(HWND button, HDC dc) const {
    const auto [w, h] = OuterSize(button);
    HDC sheet = resources_.controls.DC();
    MemoryCanvas canvas(sheet, w, h);
    HDC memory = canvas.DC();
    std::string text = WindowText(button);
    SetBkMode(memory, TRANSPARENT);
    auto font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(memory, font ? font : resources_.buttonFallbackFont);
    RECT all{0, 0, w, h};
    FillRect(memory, &all, resources_.clientBrush.get());
    const Cell cell = CellFor(button);
    if (ReadProp(button, skinprop::WindowType) == ButtonPush) {
        DrawNineSlice(memory, sheet, cell, w, h);
        if (!text.empty())
            DrawTextA(memory, text.c_str(), -1, &all, kButtonTextFlags);
    } else {
        Gdip().TransparentBlt(memory, 0, 0, cell.width, cell.height, sheet, cell.x, cell.y, cell.width,
                              cell.height, kSheetKey);
        RECT label{16, 0, w, h};
        if (!text.empty())
            DrawTextA(memory, text.c_str(), -1, &label, kToggleTextFlags);
    }
    BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldFont);
}

LRESULT CALLBACK SkinButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = PreviousProcedure(button);
    switch (message) {
    case BM_GETCHECK:
        return ReadProp(button, skinprop::Check);
    case BM_SETCHECK:
        WriteProp(button, skinprop::Check, INT_PTR(wParam));
        break;
    case WM_MOUSEMOVE:
        RequestHoverAndLeave(button);
        break;
    case WM_LBUTTONDOWN:
        SetDrawState(button, DrawPressed);
        break;
    case WM_LBUTTONUP:
        SendMessageA(button, BM_SETCHECK, ReadProp(button, skinprop::Check) ? 0 : 1, 0);
        SetDrawState(button, DrawHover);
        break;
    case WM_MOUSEHOVER:
        SetDrawState(button, DrawHover);
        break;
    case WM_MOUSELEAVE:
        SetDrawState(button, DrawNormal);
        WriteProp(button, skinprop::TrackMouse, 0);
        break;
    case WM_NCDESTROY:
        return ReleaseChild(button, &SkinButtonProcedure, message, wParam, lParam);
    default:
        break;
    }
    return CallPrevious(previous, button, message, wParam, lParam);
}

LRESULT CALLBACK SkinContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SkinEngine* engine = SkinEngine::Instance();
    switch (message) {
    case WM_ERASEBKGND:
        if (!engine)
            break;
        {
            const auto [w, h] = OuterSize(window);
            RECT all{0, 0, w, h};
            FillRect(reinterpret_cast<HDC>(wParam), &all, engine->Resources().clientBrush.get());
        }
        return 1;
    case WM_DRAWITEM:
        if (engine && engine->Children().HandleDrawItem(lParam))
            return TRUE;
        break;
    case WM_NCDESTROY:
        return ReleaseChild(window, &SkinContainerProcedure, message, wParam, lParam);
    default:
        break;
    }
    return CallPrevious(PreviousProcedure(window), window, message, wParam, lParam);
}
