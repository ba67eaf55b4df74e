#include "KaloDialog.h"

#include "GdiScoped.h"
#include "KaloTheme.h"

#include <algorithm>
#include <vector>

namespace {

enum { kOk, kApply, kCancel, kButtonCount };
const DWORD kButtonStyle = 0x4001008B; // child, tab stop, owner-drawn push button

struct ButtonPlacement {
    int index;
    bool left;
};

CFont* DialogFont() {
    // Font 1 exists once the theme has started; before that there is none to give.
    return GetKaloInterfaceData()->Fonts.size() > 1 ? GetKaloFont(1) : nullptr;
}

HBRUSH HandleOf(CBrush* brush) {
    return brush ? static_cast<HBRUSH>(brush->GetSafeHandle()) : nullptr;
}

void FillWith(HDC dc, const RECT& rect, COLORREF color) {
    ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

RECT Inset(const RECT& rect, int left, int top, int right, int bottom) {
    return RECT{rect.left + left, rect.top + top, rect.right - right, rect.bottom - bottom};
}

// A rounded rectangle drawn with a one-pixel pen; a null fill brush leaves the inside.
void RoundedOutline(HDC dc, const RECT& rect, POINT ellipse, COLORREF pen, HBRUSH fill) {
    ScopedGdiObject<HPEN> line(CreatePen(PS_SOLID, 1, pen));
    ScopedSelection penSelected(dc, line.Get());
    ScopedSelection brushSelected(dc, fill ? static_cast<HGDIOBJ>(fill) : GetStockObject(NULL_BRUSH));
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, ellipse.x, ellipse.y);
}

std::vector<HWND> DirectChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

} // namespace

struct KaloDialog::ButtonSlot {
    KaloDialogButton* button;
    CoreString* caption;
    DWORD shownBit;
    UINT id;
    SIZE configured;
};

BEGIN_MESSAGE_MAP(KaloDialog, CDialog)
END_MESSAGE_MAP()

KaloDialog::KaloDialog() {
    Init();
}

KaloDialog::KaloDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
    Init();
}

KaloDialog::KaloDialog(const char* templateName, CWnd* parent) : CDialog(templateName, parent) {
    Init();
}

KaloDialog::~KaloDialog() {
    if (m_hWnd) {
        DestroyWindow();
    }
}

void KaloDialog::Init() {
    m_theme = GetKaloInterfaceData();
    m_dlgFlags = KALODLG_DEFAULT_FLAGS;
    m_okCaption = "Ok";
    m_applyCaption = "Apply";
    m_cancelCaption = "Cancel";
    std::fill(std::begin(m_positions), std::end(m_positions), 72);
    m_back = GetKaloColor(4);
    m_insideBack = GetKaloColor(7);
    m_border = GetKaloColor(0);
    m_title = GetKaloColor(9);
    m_titleBack = GetKaloColor(2);
    m_ellipse = POINT{9, 9};
}

KaloDialog::ButtonSlot KaloDialog::Slot(int index) {
    switch (index) {
    case kOk:
        return {&m_ok, &m_okCaption, KALODLG_SHOW_OK, IDOK, m_theme->ButtonOkSize};
    case kApply:
        return {&m_apply, &m_applyCaption, KALODLG_SHOW_APPLY, kApplyId, m_theme->ButtonApplySize};
    default:
        return {&m_cancel, &m_cancelCaption, KALODLG_SHOW_CANCEL, IDCANCEL, m_theme->ButtonCancelSize};
    }
}

int KaloDialog::PanelInset() const {
    return (m_dlgFlags & KALODLG_INSET_PANEL) ? m_theme->MarginInside : 1;
}

bool KaloDialog::IsDialogButton(HWND window) const {
    return window && (window == m_ok.m_hWnd || window == m_apply.m_hWnd || window == m_cancel.m_hWnd);
}

// ---- flags, colours, captions ----

int KaloDialog::SetKaloDlgFlags(int flags) {
    const int previous = static_cast<int>(m_dlgFlags);
    m_dlgFlags = static_cast<DWORD>(flags);
    return previous;
}

int KaloDialog::ModifyKaloDlgFlags(int add, int remove) {
    const DWORD removed = static_cast<DWORD>(remove);
    m_dlgFlags = (m_dlgFlags & ~removed) | (static_cast<DWORD>(add) & ~removed);
    return static_cast<int>(m_dlgFlags);
}

int KaloDialog::SetKaloDlgFlagsValue(int mask, int on) {
    return on ? ModifyKaloDlgFlags(mask, 0) : ModifyKaloDlgFlags(0, mask);
}

void KaloDialog::SetRoundRect(int width, int height) {
    m_ellipse = POINT{width, height};
}

void KaloDialog::SetRoundRect(POINT ellipse) {
    m_ellipse = ellipse;
}

void KaloDialog::SetCustomButtons(const char* ok, const char* apply, const char* cancel) {
    const char* texts[kButtonCount] = {ok, apply, cancel};
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonSlot slot = Slot(i);
        const bool shown = texts[i] && *texts[i];
        *slot.caption = shown ? texts[i] : "";
        SetKaloDlgFlagsValue(static_cast<int>(slot.shownBit), shown);
        if (slot.button->m_hWnd) {
            slot.button->SetWindowText(slot.caption->CStr());
        }
    }
}

void KaloDialog::ShowCustomButtons(int ok, int apply, int cancel) {
    SetKaloDlgFlagsValue(KALODLG_SHOW_OK, ok);
    SetKaloDlgFlagsValue(KALODLG_SHOW_APPLY, apply);
    SetKaloDlgFlagsValue(KALODLG_SHOW_CANCEL, cancel);
}

void KaloDialog::SetClosingButtons(int ok, int apply, int cancel) {
    SetKaloDlgFlagsValue(KALODLG_CLOSE_OK, ok);
    SetKaloDlgFlagsValue(KALODLG_CLOSE_APPLY, apply);
    SetKaloDlgFlagsValue(KALODLG_CLOSE_CANCEL, cancel);
}

void KaloDialog::SetCustomButtonPositions(int ok, int apply, int cancel) {
    m_positions[kOk] = ok;
    m_positions[kApply] = apply;
    m_positions[kCancel] = cancel;
}

void KaloDialog::TestCustomButtonPositions() {
    if ((m_positions[kOk] | m_positions[kApply] | m_positions[kCancel]) != 7) {
        SetCustomButtonPositions(1, 2, 4);
    }
    if (std::find(std::begin(m_positions), std::end(m_positions), 8) != std::end(m_positions)) {
        SetCustomButtonPositions(8, 8, 8);
    }
}

void KaloDialog::UpdateButtonNames() {
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonSlot slot = Slot(i);
        if (slot.button->m_hWnd) {
            slot.button->SetWindowText(slot.caption->CStr());
        }
    }
}

// ---- layout ----

void KaloDialog::GetButtonSizes(CSize& ok, CSize& apply, CSize& cancel) {
    HWND window = m_hWnd ? m_hWnd : GetDesktopWindow();
    HDC dc = ::GetDC(window);
    CFont* font = DialogFont();
    {
        ScopedSelection fontSelected(dc, font ? font->GetSafeHandle() : nullptr);
        CSize* sizes[kButtonCount] = {&ok, &apply, &cancel};
        for (int i = 0; i < kButtonCount; ++i) {
            const ButtonSlot slot = Slot(i);
            SIZE extent{};
            GetTextExtentPoint32A(dc, slot.caption->CStr(), static_cast<int>(slot.caption->Length()),
                                  &extent);
            *sizes[i] = CSize(std::max<int>(slot.configured.cx, extent.cx + 2 * m_theme->ButtonXFreeSpace),
                              slot.configured.cy);
        }
    }
    ::ReleaseDC(window, dc);
}

int KaloDialog::GetMinClientWidth() {
    CSize sizes[kButtonCount];
    GetButtonSizes(sizes[kOk], sizes[kApply], sizes[kCancel]);
    int width = 0, shown = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        if (m_dlgFlags & Slot(i).shownBit) {
            width += sizes[i].cx;
            ++shown;
        }
    }
    return shown ? width + 2 * m_theme->LineJump * (shown - 1) : 0;
}

void KaloDialog::UpdateButtonPositions(int redraw) {
    if (!(m_dlgFlags & KALODLG_BUTTONS_CREATED)) {
        return;
    }
    bool shown[kButtonCount], added[kButtonCount] = {};
    for (int i = 0; i < kButtonCount; ++i) {
        shown[i] = (m_dlgFlags & Slot(i).shownBit) != 0;
        if (!shown[i] && Slot(i).button->m_hWnd) {
            Slot(i).button->ShowWindow(SW_HIDE);
        }
    }
    std::vector<int> right, left;
    auto add = [&](int index) {
        added[index] = true;
        (m_positions[index] & 0x10 ? left : right).push_back(index);
    };
    // Pass 1 and 2: the first shown button whose code has the pass's bit, else a fallback.
    const int passOrder[] = {kApply, kCancel, kOk};
    const int passBits[] = {4, 2};
    const int fallbacks[] = {kApply, kCancel};
    for (int pass = 0; pass < 2; ++pass) {
        int chosen = -1;
        for (int index : passOrder) {
            if (shown[index] && !added[index] && (m_positions[index] & passBits[pass])) {
                chosen = index;
                break;
            }
        }
        if (chosen < 0 && shown[fallbacks[pass]] && !added[fallbacks[pass]]) {
            chosen = fallbacks[pass];
        }
        if (chosen >= 0) {
            add(chosen);
        }
    }
    for (int index : passOrder) {
        if (shown[index] && !added[index]) {
            add(index);
        }
    }

    CSize sizes[kButtonCount];
    GetButtonSizes(sizes[kOk], sizes[kApply], sizes[kCancel]);
    CRect client;
    GetClientRect(&client);
    const int y = client.bottom - m_theme->MarginBottom / 2 - sizes[kOk].cy / 2 + 1;
    const UINT flags = SWP_NOZORDER | SWP_SHOWWINDOW | (redraw ? 0 : SWP_NOREDRAW);
    auto place = [&](int index, int x) {
        KaloDialogButton* button = Slot(index).button;
        button->SetWindowPos(nullptr, x, y, sizes[index].cx, sizes[index].cy, flags);
        if (redraw) {
            button->Invalidate();
        }
    };
    int x = client.right - m_theme->MarginRight;
    for (int index : right) {
        x -= sizes[index].cx;
        place(index, x);
        x -= m_theme->ButtonSeparation;
    }
    x = m_theme->MarginLeft;
    for (auto it = left.rbegin(); it != left.rend(); ++it) {
        place(*it, x);
        x += sizes[*it].cx + m_theme->ButtonSeparation;
    }
}

int KaloDialog::AdjustWindows(RECT* rect, int redraw, int moveChildren) {
    if (!rect || rect->left != 0 || rect->top != 0 || !m_hWnd) {
        return 0;
    }
    const int m = PanelInset();
    std::vector<HWND> children = DirectChildren(m_hWnd);
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [this](HWND child) { return IsDialogButton(child); }),
                   children.end());
    const int width = std::max<int>(rect->right, GetMinClientWidth());
    RECT frame{0, 0, width + m_theme->MarginLeft + m_theme->MarginRight + 2 * m,
               rect->bottom + m_theme->MarginTop + m_theme->MarginBottom + 2 * m};
    AdjustWindowRectEx(&frame, GetStyle() | WS_CAPTION, FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    if (moveChildren) {
        for (HWND child : children) {
            RECT own;
            ::GetClientRect(child, &own);
            if (own.right > rect->right || own.bottom > rect->bottom) {
                continue;
            }
            RECT placed;
            ::GetWindowRect(child, &placed);
            ScreenToClient(&placed);
            ::MoveWindow(child, placed.left + m + m_theme->MarginLeft, placed.top + m + m_theme->MarginTop,
                         placed.right - placed.left, placed.bottom - placed.top, redraw);
        }
    }
    UpdateButtonPositions(redraw);
    GetWindowRect(rect);
    return 1;
}

void KaloDialog::GetKaloDialogClientRect(RECT* rect) {
    const int m = PanelInset();
    GetClientRect(rect);
    *rect = Inset(*rect, m + m_theme->MarginLeft, m + m_theme->MarginTop, m + m_theme->MarginRight,
                  m + m_theme->MarginBottom);
}

void KaloDialog::PlaceInWorkArea(int redraw) {
    RECT window;
    GetWindowRect(&window);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = window.left, y = window.top;
    if (window.right > screenWidth) {
        x -= window.right - screenWidth;
    }
    if (x < 0) {
        x = 0;
    }
    if (window.bottom > screenHeight) {
        y -= window.bottom - screenHeight;
    }
    if (y < 0) {
        y = 0;
    }
    if (x != window.left || y != window.top) {
        SetWindowPos(nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | (redraw ? 0 : SWP_NOREDRAW));
    }
}

int KaloDialog::GetCaptionHeight() {
    return (GetStyle() & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
}

POINT KaloDialog::GetBorderSize() {
    const DWORD style = GetStyle(), exStyle = GetExStyle();
    const bool caption = GetCaptionHeight() != 0;
    const bool clientEdge = (exStyle & WS_EX_CLIENTEDGE) != 0;
    auto axis = [&](int edge, int dialogFrame, int frame, int border) {
        if (exStyle & WS_EX_DLGMODALFRAME) {
            return clientEdge ? dialogFrame + edge : dialogFrame;
        }
        if (style & WS_THICKFRAME) {
            if (clientEdge) {
                return caption ? frame + edge : frame + border;
            }
            return caption ? frame : frame - border;
        }
        if (style & WS_BORDER) {
            if (clientEdge) {
                return caption ? dialogFrame + edge : edge + border;
            }
            return caption ? dialogFrame : border;
        }
        return clientEdge ? edge : 0;
    };
    return POINT{axis(GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CXFIXEDFRAME),
                      GetSystemMetrics(SM_CXSIZEFRAME), GetSystemMetrics(SM_CXBORDER)),
                 axis(GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CYFIXEDFRAME),
                      GetSystemMetrics(SM_CYSIZEFRAME), GetSystemMetrics(SM_CYBORDER))};
}

// ---- painting ----

BOOL KaloDialog::DoEraseBackground(HDC given) {
    if (m_dlgFlags & KALODLG_NO_PAINT) {
        return 0;
    }
    HDC dc = given ? given : ::GetDC(m_hWnd);
    RECT client;
    GetClientRect(&client);
    if ((GetStyle() & WS_CAPTION) != WS_CAPTION) {
        client = Inset(client, 1, 1, 1, 1);
    }
    const RECT panel =
        Inset(client, m_theme->MarginLeft, m_theme->MarginTop, m_theme->MarginRight, m_theme->MarginBottom);
    const int saved = SaveDC(dc);
    if (m_dlgFlags & KALODLG_ROUNDED_PANEL) {
        ScopedGdiObject<HRGN> outside(CreateRoundRectRgn(client.left, client.top, client.right, client.bottom,
                                                         m_ellipse.x, m_ellipse.y));
        ScopedGdiObject<HRGN> inside(
            CreateRoundRectRgn(panel.left, panel.top, panel.right, panel.bottom, m_ellipse.x, m_ellipse.y));
        CombineRgn(outside.Get(), outside.Get(), inside.Get(), RGN_DIFF);
        ExtSelectClipRgn(dc, outside.Get(), RGN_AND);
        FillWith(dc, client, GetBackColor());
        RestoreDC(dc, saved);
        RoundedOutline(dc, panel, m_ellipse, GetBorderColor(), HandleOf(GetKaloBrush(m_insideBack)));
    } else {
        ExcludeClipRect(dc, panel.left, panel.top, panel.right, panel.bottom);
        FillWith(dc, client, GetBackColor());
        RestoreDC(dc, saved);
        if (HBRUSH frame = HandleOf(GetKaloBrush(GetBorderColor()))) {
            FrameRect(dc, &panel, frame);
        }
        FillWith(dc, Inset(panel, 1, 1, 1, 1), m_insideBack);
    }
    if (!given) {
        ::ReleaseDC(m_hWnd, dc);
    }
    return 1;
}

void KaloDialog::PaintCaption(HDC dc, const RECT& band) {
    const bool active = (m_dlgFlags & KALODLG_ACTIVE) != 0;
    const COLORREF fill = active ? m_titleBack : GetBackColor();
    if (m_dlgFlags & KALODLG_ROUNDED) {
        RECT window;
        GetWindowRect(&window);
        const RECT outline{0, 0, window.right - window.left - 1, window.bottom - window.top - 1};
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, 0, band.bottom, outline.right + 1, outline.bottom + 1);
        RoundedOutline(dc, outline, m_ellipse, m_title, HandleOf(GetKaloBrush(fill)));
        if (HBRUSH line = HandleOf(GetKaloBrush(m_insideBack))) {
            const RECT row{band.left + 1, band.bottom - 1, band.right - 1, band.bottom};
            FrameRect(dc, &row, line);
        }
        RestoreDC(dc, saved);
        SetPixelV(dc, band.right - 2, band.bottom - 1, GetBorderColor());
        SetPixelV(dc, 0, band.bottom - 1, GetBorderColor());
    } else {
        if (HBRUSH frame = HandleOf(GetKaloBrush(m_title))) {
            FrameRect(dc, &band, frame);
        }
        FillWith(dc, Inset(band, 1, 1, 1, 1), fill);
    }
    char text[256] = " ";
    GetWindowText(text + 1, sizeof text - 1);
    CFont* font = DialogFont();
    ScopedSelection fontSelected(dc, font ? font->GetSafeHandle() : nullptr);
    ::SetTextColor(dc, m_title);
    SetBkMode(dc, TRANSPARENT);
    RECT area{band.left + 6, band.top + 2, band.right - 1, band.bottom - 1};
    DrawTextA(dc, text, -1, &area, DT_LEFT | DT_TOP | DT_EXPANDTABS);
}

void KaloDialog::PaintFrame(HDC dc) {
    if (m_dlgFlags & KALODLG_NO_PAINT) {
        return;
    }
    RECT window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    ClientToScreen(&client);
    OffsetRect(&client, -window.left, -window.top);
    OffsetRect(&window, -window.left, -window.top);
    const int captionHeight = GetCaptionHeight();
    const POINT border = GetBorderSize();
    if (EqualRect(&client, &window)) {
        const int x = std::max<int>(border.x, 1), y = std::max<int>(border.y, 1);
        client = Inset(window, x, y, x, y);
    }
    const RECT band{0, 0, window.right, border.y + captionHeight};
    if (captionHeight) {
        PaintCaption(dc, band);
    }
    const int saved = SaveDC(dc);
    if (m_dlgFlags & KALODLG_ROUNDED) {
        ScopedGdiObject<HRGN> area(CreateRectRgn(0, 0, window.right, window.bottom));
        ScopedGdiObject<HRGN> inner(CreateRoundRectRgn(client.left, client.top, client.right - 1,
                                                       client.bottom - 1, m_ellipse.x, m_ellipse.y));
        CombineRgn(area.Get(), area.Get(), inner.Get(), RGN_DIFF);
        if (captionHeight) {
            ScopedGdiObject<HRGN> caption(CreateRectRgnIndirect(&band));
            CombineRgn(area.Get(), area.Get(), caption.Get(), RGN_DIFF);
        }
        ExtSelectClipRgn(dc, area.Get(), RGN_AND);
        const RECT outline{0, 0, window.right - 1, window.bottom - 1};
        RoundedOutline(dc, outline, m_ellipse, GetBorderColor(), HandleOf(GetKaloBrush(GetBackColor())));
    } else {
        if (captionHeight) {
            ExcludeClipRect(dc, band.left, band.top, band.right, band.bottom);
        }
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        if (HBRUSH frame = HandleOf(GetKaloBrush(GetBorderColor()))) {
            FrameRect(dc, &window, frame);
        }
        FillWith(dc, Inset(window, 1, 1, 1, 1), GetBackColor());
    }
    RestoreDC(dc, saved);
}

void KaloDialog::DoNcPaint() {
    if (m_dlgFlags & KALODLG_NO_PAINT) {
        return;
    }
    HDC dc = ::GetWindowDC(m_hWnd);
    if (dc) {
        PaintFrame(dc);
        ::ReleaseDC(m_hWnd, dc);
    }
}

HBRUSH KaloDialog::DoCtlColor(HDC dc, int) {
    // Font 1 only when it exists and differs: a set-font on every colour request would make
    // the children repaint, ask again, and so on.
    CFont* font = DialogFont();
    if (font && m_currentFont != font->GetSafeHandle()) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
    }
    if (!dc) {
        return nullptr;
    }
    ::SetTextColor(dc, GetBorderColor());
    ::SetBkColor(dc, m_insideBack);
    return HandleOf(GetKaloBrush(m_insideBack));
}

// ---- messages ----

BOOL KaloDialog::DoInitDialog() {
    CFont* font = DialogFont();
    const WPARAM fontHandle = font ? reinterpret_cast<WPARAM>(font->GetSafeHandle()) : 0;
    if (font) {
        SendMessage(WM_SETFONT, fontHandle, TRUE);
        for (HWND child : DirectChildren(m_hWnd)) {
            if (!IsDialogButton(child)) {
                ::SendMessageA(child, WM_SETFONT, fontHandle, TRUE);
            }
        }
    }
    if (m_dlgFlags & (KALODLG_SHOW_OK | KALODLG_SHOW_APPLY | KALODLG_SHOW_CANCEL)) {
        for (int i = 0; i < kButtonCount; ++i) {
            const ButtonSlot slot = Slot(i);
            const DWORD style = kButtonStyle | ((m_dlgFlags & slot.shownBit) ? WS_VISIBLE : 0);
            if (!slot.button->m_hWnd) {
                slot.button->Create(slot.caption->CStr(), style,
                                    CRect(0, 0, slot.configured.cx, slot.configured.cy), this, slot.id);
            }
            slot.button->SetControlFont(font);
            slot.button->SetWindowText(slot.caption->CStr());
        }
        m_dlgFlags |= KALODLG_BUTTONS_CREATED;
    }
    for (KaloDialogButton* button : {&m_ok, &m_cancel, &m_apply}) {
        if (button->m_hWnd) {
            button->SetFocus();
            break;
        }
    }
    return TRUE;
}

LRESULT KaloDialog::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        return (m_dlgFlags & KALODLG_CLOSE_OK) ? CDialog::WindowProc(WM_COMMAND, wParam, lParam) : 0;
    case kApplyId:
        if (m_dlgFlags & KALODLG_CLOSE_APPLY) {
            EndDialog(kApplyId);
            return 0;
        }
        break;
    case IDCANCEL:
        return (m_dlgFlags & KALODLG_CLOSE_CANCEL) ? CDialog::WindowProc(WM_COMMAND, wParam, lParam) : 0;
    default:
        break;
    }
    return CDialog::WindowProc(WM_COMMAND, wParam, lParam);
}

LRESULT KaloDialog::OnSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CDialog::WindowProc(WM_SIZE, wParam, lParam);
    if (wParam != SIZE_MINIMIZED && (m_dlgFlags & KALODLG_ROUNDED)) {
        RECT window;
        GetWindowRect(&window);
        // The system owns the region once it is set.
        SetWindowRgn(CreateRoundRectRgn(0, 0, window.right - window.left, window.bottom - window.top,
                                        m_ellipse.x, m_ellipse.y),
                     TRUE);
    }
    return result;
}

LRESULT KaloDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool custom = IsWindowVisible() && !(m_dlgFlags & KALODLG_PLAIN);
    switch (message) {
    case WM_SETFONT:
        // Dialogs do not all answer WM_GETFONT with what they were given: keep it here.
        m_currentFont = reinterpret_cast<HFONT>(wParam);
        break;
    case WM_COMMAND:
        return OnCommandMessage(wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        // A themed child that answers for itself keeps its own colours.
        LRESULT reflected = 0;
        if (message != WM_CTLCOLORDLG && ReflectLastMsg(reinterpret_cast<HWND>(lParam), &reflected) &&
            reflected) {
            return reflected;
        }
        return reinterpret_cast<LRESULT>(
            DoCtlColor(reinterpret_cast<HDC>(wParam), static_cast<int>(message - WM_CTLCOLORMSGBOX)));
    }
    case WM_INITDIALOG:
        DoInitDialog();
        break;
    case WM_SIZE:
        return OnSize(wParam, lParam);
    case WM_ACTIVATE:
        if (custom) {
            SetKaloDlgFlagsValue(KALODLG_ACTIVE, LOWORD(wParam) != WA_INACTIVE);
            DoNcPaint();
        }
        break;
    case WM_ERASEBKGND:
        if (custom) {
            return DoEraseBackground(reinterpret_cast<HDC>(wParam));
        }
        break;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 10;
        return 1;
    case WM_NCACTIVATE:
        if (custom) {
            SetKaloDlgFlagsValue(KALODLG_ACTIVE, wParam != 0);
            DoNcPaint();
            return 1;
        }
        break;
    case WM_NCPAINT:
        if (custom) {
            DoNcPaint();
            return 1;
        }
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL KaloDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        HWND focus = ::GetFocus();
        if (focus && focus == m_cancel.m_hWnd) {
            PostMessage(WM_COMMAND, IDCANCEL);
            return TRUE;
        }
        if (focus && focus == m_apply.m_hWnd) {
            PostMessage(WM_COMMAND, kApplyId);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}
