#include "KaloCompletionPopup.h"

#include "GdiScoped.h"
#include "KaloDefaults.h"
#include "KaloRedrawGuard.h"

#include <algorithm>

namespace {

const UINT kListId = 2;
const UINT kTipId = 0;
const int kListOffset = 14; // below the anchor: the list starts under the word's line
const int kTipHeight = 16;
const int kPageStep = 8;

int TextWidth(HDC dc, const CoreString& text) {
    SIZE extent{0, 0};
    GetTextExtentPoint32A(dc, text.CStr(), static_cast<int>(text.Length()), &extent);
    return extent.cx;
}

} // namespace

KaloCompletionPopup::KaloCompletionPopup(KaloCompletion& completion, const int& enabled)
    : m_completion(completion), m_enabled(enabled), m_list(*this) {
    m_tipBrush.CreateSolidBrush(m_tipColor);
}

void KaloCompletionPopup::Create(CRichEditCtrl& editor, CFont* font) {
    m_editor = &editor;
    m_list.Create(WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_SORT |
                      LBS_WANTKEYBOARDINPUT,
                  CRect(0, 0, 100, 200), &editor, kListId);
    m_list.SetBackColor(m_tipColor);
    m_list.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    SetListFont(font);
    m_tip.Create("ToolTip", WS_CHILD | WS_BORDER | SS_CENTER, CRect(0, 0, 200, 20), &editor, kTipId);
}

void KaloCompletionPopup::Destroy() {
    // Once detached the list is no child of the editor: it would outlive it.
    m_list.DestroyWindow();
    m_tip.DestroyWindow();
    m_detached = false;
}

// ---- the list ----

bool KaloCompletionPopup::IsVisible() const {
    return m_list.m_hWnd && m_list.IsWindowVisible();
}

void KaloCompletionPopup::Fill() {
    const std::vector<CoreString>& suggestions = m_completion.Suggestions();
    KaloRedrawGuard quiet(m_list.m_hWnd);
    m_list.ResetContent();
    m_list.SendMessage(LB_INITSTORAGE, suggestions.size(), 0);
    for (size_t i = 0; i < suggestions.size(); ++i) {
        const int item = m_list.AddString(suggestions[i].CStr());
        m_list.SetItemData(item, static_cast<DWORD_PTR>(i));
    }
}

int KaloCompletionPopup::ListWidth() const {
    HDC dc = ::GetDC(m_list.m_hWnd);
    int widest = 0;
    {
        ScopedSelection font(dc, reinterpret_cast<HGDIOBJ>(m_list.SendMessage(WM_GETFONT)));
        for (const CoreString& suggestion : m_completion.Suggestions())
            widest = std::max(widest, TextWidth(dc, suggestion));
    }
    ::ReleaseDC(m_list.m_hWnd, dc);
    // Room for the border and the scroll bar, so the widest text is not cut off.
    return widest + 2 * GetSystemMetrics(SM_CXBORDER) + GetSystemMetrics(SM_CXVSCROLL) + 4;
}

void KaloCompletionPopup::Detach() {
    if (m_detached)
        return;
    // A pop-up owned by the editor's window: above it, never clipped by it. Becoming a
    // top-level window activates it on this platform: the focus is given back.
    const HWND focus = ::GetFocus();
    m_list.ModifyStyle(WS_CHILD, WS_POPUP);
    m_list.ModifyStyleEx(0, WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
    ::SetParent(m_list.m_hWnd, nullptr);
    if (focus && ::GetFocus() != focus)
        ::SetFocus(focus);
    SetWindowLongPtrA(m_list.m_hWnd, GWLP_HWNDPARENT,
                      reinterpret_cast<LONG_PTR>(::GetAncestor(m_editor->m_hWnd, GA_ROOT)));
    m_detached = true;
}

RECT KaloCompletionPopup::PlaceOnScreen(POINT anchor, SIZE size) const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromPoint(anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    RECT place{anchor.x, anchor.y + kListOffset, anchor.x + size.cx, anchor.y + kListOffset + size.cy};
    // No room below: above the word instead. Never past the left or right edge.
    if (place.bottom > area.bottom)
        OffsetRect(&place, 0, anchor.y - size.cy - place.top);
    OffsetRect(&place, std::min(0L, area.right - place.right), std::max(0L, area.top - place.top));
    OffsetRect(&place, std::max(0L, area.left - place.left), 0);
    return place;
}

bool KaloCompletionPopup::Show() {
    const std::vector<CoreString>& suggestions = m_completion.Suggestions();
    if (suggestions.empty() || !m_list.m_hWnd)
        return false;
    const CPoint word = m_editor->PosFromChar(static_cast<UINT>(m_completion.WordStart()));
    Fill();
    const int rows = static_cast<int>(suggestions.size()) + 1;
    const SIZE size{ListWidth(), std::min(m_list.GetItemHeight(0) * rows, kMaxListHeight)};
    if (suggestions.size() > 1)
        m_list.SetCurSel(m_list.FindString(-1, suggestions.front().CStr()));
    POINT anchor{word.x, word.y};
    ::ClientToScreen(m_editor->m_hWnd, &anchor);
    Detach();
    const RECT place = PlaceOnScreen(anchor, size);
    m_list.SetWindowPos(nullptr, place.left, place.top, size.cx, size.cy,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetWindowLongPtrA(m_list.m_hWnd, GWLP_USERDATA, kShownMark);
    m_completion.requested = false;
    return true;
}

void KaloCompletionPopup::Hide(bool focusEditor) {
    m_completion.requested = false;
    if (!m_list.m_hWnd)
        return;
    m_list.ShowWindow(SW_HIDE);
    SetWindowLongPtrA(m_list.m_hWnd, GWLP_USERDATA, 0);
    if (focusEditor)
        FocusEditor();
}

void KaloCompletionPopup::FocusEditor() const {
    if (::GetFocus() != m_editor->m_hWnd)
        ::SetFocus(m_editor->m_hWnd);
}

bool KaloCompletionPopup::Insert(int index) {
    return m_completion.Accept(index);
}

bool KaloCompletionPopup::Validate() {
    const int item = m_list.GetCurSel();
    // A single suggestion is shown without a selection: it is the one meant.
    const int index = item >= 0 ? static_cast<int>(m_list.GetItemData(item))
                                : (m_completion.Suggestions().size() == 1 ? 0 : -1);
    const bool accepted = Insert(index);
    Hide();
    return accepted;
}

int KaloCompletionPopup::Propose() {
    if (!m_enabled)
        return 0;
    m_completion.Refresh();
    const size_t count = m_completion.Suggestions().size();
    if (count == 0)
        return 0;
    if (count > 1)
        return Show() ? 1 : 0;
    Insert(0);
    Hide();
    return 1;
}

int KaloCompletionPopup::GetSel() const {
    return m_list.GetCurSel();
}

void KaloCompletionPopup::SetSel(int index) {
    m_list.SetCurSel(index);
}

int KaloCompletionPopup::ItemCount() const {
    return m_list.m_hWnd ? m_list.GetCount() : 0;
}

void KaloCompletionPopup::Scroll(int delta) {
    const int count = ItemCount();
    if (count > 0)
        m_list.SetCurSel(std::clamp(m_list.GetCurSel() + delta, 0, count - 1));
}

// ---- the tip and colours ----

void KaloCompletionPopup::ShowDescription() {
    if (!m_tip.m_hWnd)
        return;
    const char* description = m_completion.Description();
    if (!description) {
        m_tip.ShowWindow(SW_HIDE);
        return;
    }
    m_tip.SetWindowText(description);
    HDC dc = ::GetDC(m_tip.m_hWnd);
    int width = 0;
    {
        CFont* bold = KaloCtlGetDefaultBoldFont();
        ScopedSelection font(dc, bold ? bold->GetSafeHandle() : nullptr);
        width = TextWidth(dc, CoreString(description)) + 4;
    }
    ::ReleaseDC(m_tip.m_hWnd, dc);
    long start = 0;
    long end = 0;
    m_editor->GetSel(start, end);
    const CPoint caret = m_editor->PosFromChar(static_cast<UINT>(std::min(start, end)));
    // On the first visible line there is no room above: the tip goes below the line.
    const int y = caret.y >= kTipHeight ? caret.y - kTipHeight : caret.y + kTipHeight;
    m_tip.SetWindowPos(nullptr, caret.x, y, width, kTipHeight,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void KaloCompletionPopup::SetTipColor(COLORREF color) {
    m_tipColor = color;
    m_tipBrush.DeleteObject();
    m_tipBrush.CreateSolidBrush(color);
    if (m_list.m_hWnd)
        m_list.SetBackColor(color);
}

void KaloCompletionPopup::SetListFont(CFont* font) {
    if (m_list.m_hWnd && font)
        m_list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
}

HBRUSH KaloCompletionPopup::CtlColor(HDC dc, HWND control) const {
    if (!control || control != m_tip.m_hWnd)
        return nullptr;
    SetBkColor(dc, m_tipColor);
    // The tip colour is a pale background by default: the system's tip text reads on it.
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    CFont* bold = KaloCtlGetDefaultBoldFont();
    if (bold)
        SelectObject(dc, bold->GetSafeHandle());
    return static_cast<HBRUSH>(m_tipBrush.GetSafeHandle());
}

// ---- events ----

bool KaloCompletionPopup::OnKeyDown(WPARAM key) {
    if (!IsVisible())
        return false;
    switch (key) {
    case VK_TAB:
        // A single suggestion is accepted by the Tab character that follows.
        if (m_completion.Suggestions().size() != 1)
            Hide();
        return true;
    case VK_ESCAPE:
        Hide();
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        Scroll(key == VK_PRIOR ? -kPageStep : kPageStep);
        return true;
    case VK_UP:
    case VK_DOWN:
        if (ItemCount() <= 1) {
            Hide();
            return false;
        }
        Scroll(key == VK_UP ? -1 : 1);
        return true;
    default:
        return false;
    }
}

bool KaloCompletionPopup::OnChar(WPARAM key, bool ctrl) {
    switch (key) {
    case VK_RETURN:
        return IsVisible() && (Validate(), true);
    case VK_ESCAPE:
        if (IsVisible())
            Hide();
        return true;
    case ' ':
        if (!ctrl)
            return false;
        IsVisible() ? Validate() : Propose();
        return true;
    case VK_TAB:
        if (IsVisible())
            return Validate(), true;
        return Propose() != 0;
    default:
        return false;
    }
}

void KaloCompletionPopup::OnKeyRelease(WPARAM key) {
    const bool visible = IsVisible();
    if (!m_enabled || key == 255 || (visible && (key == VK_UP || key == VK_DOWN)))
        return;
    const bool single = m_completion.Suggestions().size() == 1;
    m_completion.Refresh();
    ShowDescription();
    const size_t count = m_completion.Suggestions().size();
    if (count == 0) {
        Hide();
        return;
    }
    if (visible) {
        // The one candidate the user was heading for is gone: a longer list would surprise.
        if (single && count > 1)
            Hide();
        else
            Show();
        return;
    }
    if (count == 1 || (m_completion.requested && !m_completion.OwnerType().IsEmpty()))
        Show();
}

void KaloCompletionPopup::OnButtonDown() {
    if (IsVisible())
        Hide();
}

void KaloCompletionPopup::OnButtonUp() {
    if (!m_enabled)
        return;
    m_completion.Refresh();
    ShowDescription();
}

void KaloCompletionPopup::OnKillFocus(HWND gaining) {
    // Hidden without taking the focus back: it is going where the user sent it.
    if (IsVisible() && gaining != m_list.m_hWnd)
        Hide(false);
}

void KaloCompletionPopup::OnListFocusLost(HWND gaining) {
    if (IsVisible() && gaining != m_editor->m_hWnd)
        Hide(false);
}

void KaloCompletionPopup::OnListKey(WPARAM key) {
    if (key == VK_ESCAPE)
        Hide();
    else
        Validate();
}

int KaloCompletionPopup::Translate(MSG* message) {
    if (!message || message->message != WM_KEYDOWN || !IsVisible())
        return 0;
    switch (message->wParam) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return 0;
    case VK_RETURN:
        Validate();
        return 1;
    case VK_ESCAPE:
        Hide();
        return 1;
    default:
        Hide();
        message->hwnd = m_editor->m_hWnd;
        m_completion.requested = true;
        return 0;
    }
}
