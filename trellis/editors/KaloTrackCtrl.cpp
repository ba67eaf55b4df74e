#include "KaloTrackCtrl.h"

#include "DBLBufferCDC.h"
#include "GdiScoped.h"
#include "KaloTheme.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The vertical, live-dragging split bar: the panes follow it while it moves.
constexpr DWORD kSplitBarStyle = KALO_SPLIT_VERTICAL | KALO_SPLIT_LIVE;
constexpr int kWheelNotch = 120;

COLORREF Darkened(COLORREF color) {
    return RGB(GetRValue(color) * 9 / 10, GetGValue(color) * 9 / 10, GetBValue(color) * 9 / 10);
}

void HorizontalLine(CDC* dc, int left, int right, int y, COLORREF color) {
    dc->FillSolidRect(left, y, right - left, 1, color);
}

} // namespace

BEGIN_MESSAGE_MAP(KaloTrackCtrl, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_SIZE()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDOWN()
ON_WM_MBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MBUTTONDBLCLK()
ON_WM_RBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_CAPTURECHANGED()
ON_WM_KILLFOCUS()
ON_WM_DESTROY()
ON_WM_CTLCOLOR()
ON_MESSAGE(KaloMsgReturn, OnRenameReturn)
ON_MESSAGE(KaloMsgEscape, OnRenameEscape)
ON_EN_KILLFOCUS(KaloTrackCtrl::RenameEditId, OnRenameKillFocus)
ON_NOTIFY(KALO_SPLIT_MOVED, KaloTrackCtrl::SplitBarId, OnSplitBarMoved)
ON_NOTIFY(KALO_SPLIT_ENDED, KaloTrackCtrl::SplitBarId, OnSplitBarMoved)
END_MESSAGE_MAP()

KaloTrackCtrl::KaloTrackCtrl() : m_splitBar(kSplitBarStyle) {}

KaloTrackCtrl::~KaloTrackCtrl() {
    // Children go while this object is whole: their last messages still reach its handlers.
    if (m_hWnd) {
        DestroyWindow();
    }
}

BOOL KaloTrackCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    LPCSTR className =
        AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW));
    if (!CWnd::Create(className, "", style | WS_BORDER | WS_CLIPCHILDREN, rect, parent, id)) {
        return FALSE;
    }
    m_parent = parent ? parent->GetSafeHwnd() : nullptr;
    CRect client;
    GetClientRect(&client);
    m_lastWidth = client.Width();
    m_splitBar.SetBackColor(GetKaloColor(2));
    const CRect bar(client.Width() / 2, 0, client.Width() / 2 + m_splitBar.GetSize(), client.Height());
    const CRect empty(0, 0, 0, 0);
    if (!m_splitBar.Create(WS_CHILD | WS_VISIBLE, bar, this, SplitBarId) ||
        !m_scrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, empty, this, ScrollBarId) ||
        !m_renameEdit.Create(WS_CHILD | ES_AUTOHSCROLL, empty, this, RenameEditId)) {
        DestroyWindow();
        return FALSE;
    }
    m_renameEdit.SetTextColor(GetTextColor());
    m_renameEdit.SetBackColor(Darkened(GetBackColor()));
    m_renameEdit.SetControlBrush(GetControlBrush());
    m_renameEdit.SetControlFont(GetControlFont());
    CreateToolTip();
    RecalcSB();
    return TRUE;
}

// Tips are on (the mouse moves are relayed to them) but carry no text. The text is set empty
// rather than requested: a request goes to the tip's owner, which is always the top-level
// window, so the host would receive it.
void KaloTrackCtrl::CreateToolTip() {
    m_toolTip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, nullptr, nullptr);
    if (!m_toolTip) {
        return;
    }
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_hWnd;
    tool.uId = 1;
    tool.rect = CRect(0, 0, SHRT_MAX, SHRT_MAX);
    char none[] = "";
    tool.lpszText = none;
    ::SendMessageA(m_toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The panes follow the split bar while it moves and when it is dropped.
void KaloTrackCtrl::OnSplitBarMoved(NMHDR*, LRESULT* result) {
    *result = 0;
    RecalcSB();
    Invalidate(FALSE);
}

// ---- items ----

void KaloTrackCtrl::ContentChanged() {
    if (m_hWnd) {
        RecalcSB();
        PlaceRenameEdit();
        Invalidate(FALSE);
    }
}

int KaloTrackCtrl::AddItem(const char* text, void* data) {
    return InsertItem(GetItemCount(), text, data);
}

int KaloTrackCtrl::InsertItem(int index, const char* text, void* data) {
    const int result = m_model.InsertItem(index, text, data);
    if (result >= 0) {
        ContentChanged();
    }
    return result;
}

void KaloTrackCtrl::RemoveItem(int item) {
    const bool renaming = GetRenameItem() >= 0;
    if (m_model.RemoveItem(item)) {
        FollowRename(renaming);
        ContentChanged();
    }
}

void KaloTrackCtrl::DeleteAllItem() {
    const bool renaming = GetRenameItem() >= 0;
    m_model.DeleteAllItems();
    m_scrollPos = 0;
    FollowRename(renaming);
    ContentChanged();
}

int KaloTrackCtrl::AddSubItem(int item, const char* text, void* data) {
    const int result = m_model.AddSubItem(item, text, data);
    if (result >= 0) {
        ContentChanged();
    }
    return result;
}

void KaloTrackCtrl::RemoveSubItem(int item, int sub) {
    const bool renaming = GetRenameItem() >= 0;
    if (m_model.RemoveSubItem(item, sub)) {
        FollowRename(renaming);
        ContentChanged();
    }
}

void KaloTrackCtrl::SetSubItemDefaultDrawFunction(KaloTrackDrawFunc function, void* drawData) {
    m_defaultDraw = function;
    m_defaultDrawData = drawData;
}

void KaloTrackCtrl::SetItemHeight(int height) {
    m_model.SetItemHeight(height);
    ContentChanged();
}

void KaloTrackCtrl::SetSubItemHeight(int height) {
    m_model.SetSubItemHeight(height);
    ContentChanged();
}

void KaloTrackCtrl::SelectItem(int item, UINT flags) {
    if (m_model.SelectItem(item, flags) && (flags & KALOTRACK_SEL_INVALIDATE) && m_hWnd) {
        Invalidate(FALSE);
    }
}

void KaloTrackCtrl::SelectSubItem(int item, int sub, UINT flags) {
    if (m_model.SelectSubItem(item, sub, flags) && (flags & KALOTRACK_SEL_INVALIDATE) && m_hWnd) {
        Invalidate(FALSE);
    }
}

void KaloTrackCtrl::Expand(int item, UINT flags) {
    if (m_model.Expand(item, flags) && (flags & KALOTRACK_EXPAND_RELAYOUT)) {
        ContentChanged();
    }
}

void KaloTrackCtrl::SwapItems(int first, int second) {
    m_model.SwapItems(first, second);
    PlaceRenameEdit();
}

void KaloTrackCtrl::SwapSubItems(int item, int first, int second) {
    m_model.SwapSubItems(item, first, second);
    PlaceRenameEdit();
}

void KaloTrackCtrl::MoveItem(int from, int to) {
    m_model.MoveItem(from, to);
    PlaceRenameEdit();
}

void KaloTrackCtrl::MoveSubItem(int item, int from, int to) {
    m_model.MoveSubItem(item, from, to);
    PlaceRenameEdit();
}

void KaloTrackCtrl::SetCurrentItem(int item, int sub) {
    if (m_model.SetCurrent(item, sub) && m_hWnd) {
        Invalidate(FALSE);
    }
}

void KaloTrackCtrl::SetFont(CFont* font, BOOL redraw) {
    SetControlFont(font);
    if (!m_hWnd) {
        return;
    }
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->GetSafeHandle() : nullptr), redraw);
    m_renameEdit.SetControlFont(GetControlFont());
    if (redraw) {
        Invalidate(FALSE);
    }
}

// ---- layout and scrolling ----

KaloTrackCtrl::Panes KaloTrackCtrl::GetPanes() const {
    Panes panes;
    GetClientRect(&panes.client);
    panes.nameLeft = m_scrollBarWidth;
    CRect bar(panes.client.Width() / 2, 0, panes.client.Width() / 2, 0);
    if (m_splitBar.GetSafeHwnd()) {
        m_splitBar.GetWindowRect(&bar);
        ScreenToClient(&bar);
    }
    panes.splitLeft = bar.left;
    panes.splitRight = bar.right;
    return panes;
}

void KaloTrackCtrl::SetSplitBarPosition(int x) {
    if (!m_splitBar.GetSafeHwnd()) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    m_splitBar.MoveWindow(x, 0, m_splitBar.GetSize(), client.Height());
    Invalidate(FALSE);
}

int KaloTrackCtrl::GetSplitBarPosition() const {
    return GetPanes().splitLeft;
}

void KaloTrackCtrl::RecalcSB() {
    if (!m_hWnd) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    const int content = m_model.GetContentHeight();
    const int oldWidth = m_scrollBarWidth, oldPos = m_scrollPos;
    if (content <= client.Height()) {
        m_scrollBar.ShowWindow(SW_HIDE);
        m_scrollBarWidth = 0;
        m_scrollPos = 0;
    } else {
        m_scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
        m_scrollPos = std::clamp(m_scrollPos, 0, content - client.Height());
        m_scrollBar.MoveWindow(0, 0, m_scrollBarWidth, client.Height());
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = content - 1;
        info.nPage = static_cast<UINT>(client.Height());
        info.nPos = m_scrollPos;
        m_scrollBar.SetScrollInfo(&info);
        m_scrollBar.ShowWindow(SW_SHOWNA);
    }
    if (oldWidth != m_scrollBarWidth || oldPos != m_scrollPos) {
        PlaceRenameEdit();
        Invalidate(FALSE);
    }
}

void KaloTrackCtrl::ScrollTo(int position) {
    CRect client;
    GetClientRect(&client);
    const int limit = std::max(m_model.GetContentHeight() - client.Height(), 0);
    position = std::clamp(position, 0, limit);
    if (position == m_scrollPos) {
        return;
    }
    const int delta = m_scrollPos - position;
    m_scrollPos = position;
    m_scrollBar.SetScrollPos(position);
    const CRect panes(m_scrollBarWidth, 0, client.right, client.bottom);
    ScrollWindow(0, delta, &panes, &panes);
    RecalcSB();
    PlaceRenameEdit();
}

void KaloTrackCtrl::OnVScroll(UINT code, UINT, CScrollBar*) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    m_scrollBar.GetScrollInfo(&info, SIF_ALL);
    const int page = static_cast<int>(info.nPage);
    int position = m_scrollPos;
    switch (code) {
    case SB_LINEUP:
        position -= GetItemHeight();
        break;
    case SB_LINEDOWN:
        position += GetItemHeight();
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        // The track position has all 32 bits; the message's position only 16.
        position = info.nTrackPos;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    default:
        return;
    }
    ScrollTo(position);
}

BOOL KaloTrackCtrl::OnMouseWheel(UINT, short delta, CPoint) {
    CRect client;
    GetClientRect(&client);
    if (m_model.GetContentHeight() > client.Height()) {
        ScrollTo(m_scrollPos - delta / kWheelNotch * GetItemHeight());
    }
    return TRUE;
}

void KaloTrackCtrl::OnSize(UINT, int cx, int cy) {
    if (!m_splitBar.GetSafeHwnd()) {
        return;
    }
    // A zero width (minimised) keeps the last real one, so the ratio survives and no later
    // size divides by zero.
    int left = GetSplitBarPosition();
    if (cx > 0) {
        left = m_lastWidth > 0 ? static_cast<int>(static_cast<long long>(left) * cx / m_lastWidth) : cx / 2;
        m_lastWidth = cx;
    }
    m_splitBar.MoveWindow(left, 0, m_splitBar.GetSize(), cy);
    RecalcSB();
    PlaceRenameEdit();
}

// ---- painting ----

void KaloTrackCtrl::OnPaint() {
    CPaintDC dc(this);
    Draw(&dc, CRect(dc.m_ps.rcPaint));
}

BOOL KaloTrackCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

LRESULT KaloTrackCtrl::OnPrintClient(WPARAM dc, LPARAM) {
    CRect client;
    GetClientRect(&client);
    Draw(CDC::FromHandle(reinterpret_cast<HDC>(dc)), client);
    return 0;
}

void KaloTrackCtrl::Draw(CDC* dc, const CRect& area) {
    const Panes panes = GetPanes();
    // The split bar paints itself: the copy leaves it alone.
    CRgn clip, bar;
    clip.CreateRectRgnIndirect(&area);
    bar.CreateRectRgn(panes.splitLeft, 0, panes.splitRight, panes.client.bottom);
    clip.CombineRgn(&clip, &bar, RGN_DIFF);
    const int saved = dc->SaveDC();
    dc->SelectClipRgn(&clip);
    {
        CRect client = panes.client;
        DBLBufferCDC buffer;
        if (buffer.Create(dc, client)) {
            ScopedSelection font(buffer.GetSafeHdc(), GetControlFont()->GetSafeHandle());
            buffer.SetBkMode(TRANSPARENT);
            const int count = GetItemCount();
            int item = m_model.ItemFromY(area.top + m_scrollPos);
            for (; item >= 0 && item < count; ++item) {
                const int top = m_model.GetItemTop(item) - m_scrollPos;
                if (top >= area.bottom) {
                    break;
                }
                const int bottom = top + m_model.GetItemExtent(item);
                DrawItem(&buffer, item, CRect(panes.nameLeft, top, panes.splitLeft, bottom),
                         CRect(panes.splitRight, top, panes.client.right, bottom), area);
            }
            const int end = m_model.GetContentHeight() - m_scrollPos;
            if (end < area.bottom) {
                buffer.FillSolidRect(CRect(panes.nameLeft, end, panes.client.right, panes.client.bottom),
                                     GetBackColor());
            }
        } // the buffer reaches dc here, inside the clip
    }
    dc->RestoreDC(saved);
}

void KaloTrackCtrl::DrawMarker(CDC* dc, const CRect& nameRect, bool expanded) const {
    const int ih = GetItemHeight();
    const int centre = nameRect.top + ih / 2;
    const COLORREF color = m_textColor;
    for (int step = 0; step < 4; ++step) {
        const int half = 3 - step;
        if (expanded) {
            // Rows of 7, 5, 3 and 1 pixels: a triangle pointing down.
            const int left = nameRect.left + 2 + step;
            dc->FillSolidRect(left, centre - 2 + step, 2 * half + 1, 1, color);
        } else {
            // Columns of 7, 5, 3 and 1 pixels: a triangle pointing right.
            const int x = nameRect.left + ih / 2 - 3 + step;
            dc->FillSolidRect(x, centre - half, 1, 2 * half + 1, color);
        }
    }
}

void KaloTrackCtrl::DrawItem(CDC* dc, int item, const CRect& nameRect, const CRect& trackRect,
                             const CRect& area) {
    const int ih = GetItemHeight();
    const bool expanded = (GetItemFlags(item) & KALOTRACK_EXPANDED) != 0;
    const bool focused = ::GetFocus() == m_hWnd;
    dc->FillSolidRect(nameRect, m_backColor);
    // Track rows without a painter, and an expanded item taller than its rows, show the background.
    dc->FillSolidRect(trackRect, m_backColor);
    DrawMarker(dc, nameRect, expanded);
    dc->SetTextColor(m_textColor);
    if (const char* text = GetItemText(item)) {
        const int length = static_cast<int>(strlen(text));
        const CSize size = dc->GetTextExtent(text, length);
        const int x = nameRect.left + 3 * ih / 4;
        const int y = nameRect.top + (ih - size.cy) / 2;
        dc->TextOut(x, y, text, length);
        if (GetItemFlags(item) & KALOTRACK_SELECTED) {
            HorizontalLine(dc, x, x + size.cx, y + size.cy, m_textColor);
        }
        if (focused && GetCurrentItem() == item && GetCurrentSubItem() < 0) {
            const CRect focus(x - 1, y - 1, x + size.cx + 1, y + size.cy + 2);
            dc->DrawFocusRect(&focus);
        }
    }
    if (expanded) {
        DrawSubItemRows(dc, item, nameRect, trackRect, area);
    }
    HorizontalLine(dc, nameRect.left, nameRect.right, nameRect.bottom - 1, m_textColor);
}

void KaloTrackCtrl::DrawSubItemRows(CDC* dc, int item, const CRect& nameRect, const CRect& trackRect,
                                    const CRect& area) {
    const int sh = GetSubItemHeight();
    const int count = GetSubItemCount(item);
    if (sh <= 0 || count <= 0) {
        return;
    }
    // Only the rows meeting the painted area.
    const int top = nameRect.top;
    const int first = std::max(0, static_cast<int>(area.top) - top) / sh;
    const int last = std::min(count - 1, static_cast<int>(area.bottom - 1 - top) / sh);
    const bool focused = ::GetFocus() == m_hWnd;
    const int textRight = nameRect.right - GetItemHeight() / 2;
    for (int sub = first; sub <= last; ++sub) {
        const int rowTop = top + sub * sh;
        if (const char* text = GetSubItemText(item, sub)) {
            const int length = static_cast<int>(strlen(text));
            CRect textRect(nameRect.left, rowTop, textRight, rowTop + sh);
            dc->DrawText(text, length, &textRect, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            if (focused && GetCurrentItem() == item && GetCurrentSubItem() == sub) {
                const CSize size = dc->GetTextExtent(text, length);
                const int y = rowTop + (sh - size.cy) / 2;
                const CRect focus(textRight - size.cx - 1, y - 1, textRight + 1, y + size.cy + 2);
                dc->DrawFocusRect(&focus);
            }
        }
        DrawSubItemTrack(dc, item, sub, CRect(trackRect.left, rowTop, trackRect.right, rowTop + sh));
    }
}

void KaloTrackCtrl::DrawSubItemTrack(CDC* dc, int item, int sub, const CRect& row) {
    void* drawData = nullptr;
    KaloTrackDrawFunc draw = m_model.GetSubItemDrawFunction(item, sub, &drawData);
    if (!draw) {
        draw = m_defaultDraw;
        drawData = m_defaultDrawData;
    }
    if (!draw) {
        return;
    }
    // The host paints inside its row and cannot leave changes behind in the buffer.
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(&row);
    draw(this, item, sub, dc, row, drawData);
    dc->RestoreDC(saved);
}

// ---- hit testing ----

int KaloTrackCtrl::TextWidth(const char* text) {
    if (!text || !*text) {
        return 0;
    }
    CClientDC dc(this);
    ScopedSelection font(dc.GetSafeHdc(), GetControlFont()->GetSafeHandle());
    return dc.GetTextExtent(text, static_cast<int>(strlen(text))).cx;
}

int KaloTrackCtrl::HitTest(POINT point, UINT* where, int* subItem, RECT* rowRect) {
    UINT place = KTHT_NOWHERE;
    int sub = -1;
    const int item = m_model.ItemFromY(point.y + m_scrollPos);
    if (item >= 0) {
        const Panes panes = GetPanes();
        const int ih = GetItemHeight(), sh = GetSubItemHeight();
        const int top = m_model.GetItemTop(item) - m_scrollPos;
        const bool firstRow = point.y < top + ih;
        const int textLeft = panes.nameLeft + 3 * ih / 4;
        const int row = sh > 0 ? (point.y - top) / sh : -1;
        const bool inRow =
            (GetItemFlags(item) & KALOTRACK_EXPANDED) && row >= 0 && row < GetSubItemCount(item);
        // The sub-item name as drawn: right-aligned, half an item height before the split bar.
        const int subRight = panes.splitLeft - ih / 2;
        if (firstRow && point.x >= panes.nameLeft && point.x < panes.nameLeft + ih) {
            place = KTHT_MARKER;
        } else if (firstRow && point.x >= textLeft && point.x < textLeft + TextWidth(GetItemText(item))) {
            place = KTHT_NAME;
        } else if (inRow && point.x < subRight &&
                   point.x >= subRight - TextWidth(GetSubItemText(item, row))) {
            place = KTHT_SUBNAME;
            sub = row;
        } else if (inRow && point.x >= panes.splitRight && point.x < panes.client.right) {
            place = KTHT_TRACK;
            sub = row;
        }
        if (rowRect) {
            *rowRect = CRect(0, top, panes.client.right, top + m_model.GetItemExtent(item));
        }
    }
    if (where) {
        *where = place;
    }
    if (subItem) {
        *subItem = sub;
    }
    return item;
}

// ---- mouse ----

void KaloTrackCtrl::OnLButtonDown(UINT, CPoint point) {
    ButtonDown(0, point);
}
void KaloTrackCtrl::OnMButtonDown(UINT, CPoint point) {
    ButtonDown(1, point);
}
void KaloTrackCtrl::OnRButtonDown(UINT, CPoint point) {
    ButtonDown(2, point);
}
void KaloTrackCtrl::OnLButtonUp(UINT keys, CPoint point) {
    ButtonUp(0, point, keys);
}
void KaloTrackCtrl::OnMButtonUp(UINT keys, CPoint point) {
    ButtonUp(1, point, keys);
}
void KaloTrackCtrl::OnRButtonUp(UINT keys, CPoint point) {
    ButtonUp(2, point, keys);
}
void KaloTrackCtrl::OnLButtonDblClk(UINT, CPoint point) {
    DoubleClick(0, point);
}
void KaloTrackCtrl::OnMButtonDblClk(UINT, CPoint point) {
    DoubleClick(1, point);
}
void KaloTrackCtrl::OnRButtonDblClk(UINT, CPoint point) {
    DoubleClick(2, point);
}

void KaloTrackCtrl::ButtonDown(int button, CPoint point) {
    // A second button during a press belongs to that press.
    if (m_mouseButton >= 0) {
        return;
    }
    m_mouseButton = button;
    SetCapture();
    m_pressed = point;
    m_mouseState = 1;
}

void KaloTrackCtrl::OnMouseMove(UINT keys, CPoint point) {
    if (m_toolTip) {
        MSG move{m_hWnd, WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y), 0, {}};
        ::SendMessageA(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    }
    if (m_mouseState == 1) {
        const bool moved = abs(point.x - m_pressed.x) > GetSystemMetrics(SM_CXDRAG) ||
                           abs(point.y - m_pressed.y) > GetSystemMetrics(SM_CYDRAG);
        if (moved && m_parent) {
            // The drag starts where the button went down: that is what is being dragged.
            m_mouseState = NotifyMouse(KTN_BEGINDRAG + 3 * m_mouseButton, m_pressed) >= 1 ? 2 : 0;
        }
    } else if (m_mouseState == 2) {
        NotifyMouse(KTN_DRAG + 3 * m_mouseButton, point);
    }
}

void KaloTrackCtrl::ButtonUp(int button, CPoint point, UINT keys) {
    if (button != m_mouseButton) {
        return;
    }
    const int state = m_mouseState;
    m_mouseState = 0;
    m_mouseButton = -1;
    ReleaseCapture();
    if (state == 2) {
        NotifyMouse(KTN_ENDDRAG + 3 * button, point);
    } else if (state == 1) {
        Click(button, point, keys);
    }
}

// Another window took the mouse: the press is over without a report.
void KaloTrackCtrl::OnCaptureChanged(CWnd*) {
    m_mouseState = 0;
    m_mouseButton = -1;
}

void KaloTrackCtrl::Click(int button, CPoint point, UINT keys) {
    UINT where = KTHT_NOWHERE;
    int sub = -1;
    const int item = HitTest(point, &where, &sub, nullptr);
    SetFocus();
    if (where == KTHT_MARKER) {
        Expand(item, KALOTRACK_TOGGLE | KALOTRACK_EXPAND_RELAYOUT);
    } else if (where == KTHT_NAME) {
        const UINT keep = (keys & MK_CONTROL) ? static_cast<UINT>(KALOTRACK_SEL_KEEPOTHERS) : 0u;
        m_model.SelectItem(item, keep | KALOTRACK_SEL_SELECT);
        m_model.SetCurrent(item, -1);
    } else if (where == KTHT_SUBNAME) {
        m_model.SelectSubItem(item, sub, KALOTRACK_SEL_SELECT);
        m_model.SetCurrent(item, sub);
    }
    Invalidate(FALSE);
    NotifyMouse(KTN_CLICK + button, point);
}

void KaloTrackCtrl::DoubleClick(int button, CPoint point) {
    UINT where = KTHT_NOWHERE;
    int sub = -1;
    const int item = HitTest(point, &where, &sub, nullptr);
    SetFocus();
    if (where == KTHT_MARKER || where == KTHT_NAME) {
        Expand(item, KALOTRACK_TOGGLE | KALOTRACK_EXPAND_RELAYOUT);
    }
    NotifyMouse(KTN_DBLCLK + button, point);
}

void KaloTrackCtrl::OnKillFocus(CWnd*) {
    Invalidate(FALSE);
}

LRESULT KaloTrackCtrl::NotifyMouse(UINT code, CPoint point) {
    KALOTRACKNMHDR record{};
    record.hdr.code = code;
    UINT where = KTHT_NOWHERE;
    CRect row;
    record.item = HitTest(point, &where, &record.subItem, &row);
    record.point = point;
    // Without an item there is no row to measure from: y stays as it is.
    record.trackPoint.x = point.x - GetPanes().splitRight + m_subItemHOffset;
    record.trackPoint.y = record.item >= 0 ? point.y - row.top : point.y;
    return Send(m_parent, record);
}

LRESULT KaloTrackCtrl::Send(HWND target, KALOTRACKNMHDR& record) {
    if (!target || !::IsWindow(target)) {
        return 0;
    }
    record.hdr.hwndFrom = m_hWnd;
    record.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    return ::SendMessageA(target, WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

// ---- renaming ----

void KaloTrackCtrl::EditItemName(int item) {
    BeginRename(item, -1);
}

void KaloTrackCtrl::EditSubItemName(int item, int sub) {
    if (sub >= 0) {
        BeginRename(item, sub);
    }
}

void KaloTrackCtrl::BeginRename(int item, int sub) {
    if (!m_hWnd) {
        return;
    }
    CommitRename(false);
    if (!m_model.SetRename(item, sub)) {
        return;
    }
    // Placed first: text set into an edit without width scrolls out of sight.
    PlaceRenameEdit();
    const char* text = sub < 0 ? GetItemText(item) : GetSubItemText(item, sub);
    m_renameEdit.SetWindowText(text ? text : "");
    m_renameEdit.SetSel(0, -1);
    m_renameEdit.ShowWindow(SW_SHOW);
    m_renameEdit.SetFocus();
}

void KaloTrackCtrl::PlaceRenameEdit() {
    const int item = GetRenameItem(), sub = GetRenameSubItem();
    if (item < 0 || !m_renameEdit.GetSafeHwnd()) {
        return;
    }
    const Panes panes = GetPanes();
    const int ih = GetItemHeight(), sh = GetSubItemHeight();
    const int top = m_model.GetItemTop(item) - m_scrollPos;
    CRect place(panes.nameLeft + 3 * ih / 4, top, panes.splitLeft - 2, top + ih);
    if (sub >= 0) {
        place = CRect(panes.nameLeft + ih, top + sub * sh, panes.splitLeft - ih / 2, top + (sub + 1) * sh);
    }
    m_renameEdit.MoveWindow(&place);
}

void KaloTrackCtrl::CommitRename(bool takeFocus) {
    const int item = GetRenameItem(), sub = GetRenameSubItem();
    if (item < 0) {
        return;
    }
    // Cleared first: hiding the edit moves the focus, which reports here again.
    m_model.ClearRename();
    std::string name(static_cast<size_t>(m_renameEdit.GetWindowTextLength()) + 1, '\0');
    m_renameEdit.GetWindowText(&name[0], static_cast<int>(name.size()));
    name.resize(strlen(name.c_str()));
    if (sub < 0) {
        m_model.SetItemText(item, name.c_str());
    } else {
        m_model.SetSubItemText(item, sub, name.c_str());
    }
    HideRenameEdit(takeFocus);
    Invalidate(FALSE);
    KALOTRACKNMHDR record{};
    record.hdr.code = KTN_RENAMEDONE;
    record.item = item;
    record.subItem = sub;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    Send(owner ? owner : m_parent, record);
}

void KaloTrackCtrl::CancelRename() {
    m_model.ClearRename();
    HideRenameEdit(true);
}

void KaloTrackCtrl::HideRenameEdit(bool takeFocus) {
    if (takeFocus && ::GetFocus() == m_renameEdit.GetSafeHwnd()) {
        SetFocus();
    }
    m_renameEdit.ShowWindow(SW_HIDE);
}

void KaloTrackCtrl::FollowRename(bool wasRenaming) {
    if (!wasRenaming) {
        return;
    }
    if (GetRenameItem() < 0) {
        HideRenameEdit(true);
    } else {
        PlaceRenameEdit();
    }
}

LRESULT KaloTrackCtrl::OnRenameReturn(WPARAM id, LPARAM) {
    if (id == RenameEditId) {
        CommitRename(true);
    }
    return 0;
}

LRESULT KaloTrackCtrl::OnRenameEscape(WPARAM id, LPARAM) {
    if (id == RenameEditId) {
        CancelRename();
    }
    return 0;
}

void KaloTrackCtrl::OnRenameKillFocus() {
    CommitRename(false);
}

HBRUSH KaloTrackCtrl::OnCtlColor(CDC* dc, CWnd* wnd, UINT kind) {
    if (wnd && wnd->GetSafeHwnd() == m_renameEdit.GetSafeHwnd()) {
        dc->SetTextColor(m_textColor);
        dc->SetBkColor(Darkened(m_backColor));
        return m_controlBrush ? static_cast<HBRUSH>(m_controlBrush->GetSafeHandle()) : nullptr;
    }
    return CWnd::OnCtlColor(dc, wnd, kind);
}

void KaloTrackCtrl::OnDestroy() {
    // A rename still open when the control goes ends without a report.
    m_model.ClearRename();
    // The tip belongs to the top-level window, not to this one: it goes by hand.
    if (m_toolTip) {
        ::DestroyWindow(m_toolTip);
        m_toolTip = nullptr;
    }
    m_mouseState = 0;
    m_mouseButton = -1;
    Default();
}
