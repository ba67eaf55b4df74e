#include "KaloComboBox.h"

#include "DBLBufferCDC.h"
#include "GdiScoped.h"
#include "KaloRedrawGuard.h"
#include "KaloTheme.h"

namespace {

// Messages after which the system would repaint the combo (or its edit) by itself.
bool RepaintsByItself(UINT message) {
    switch (message) {
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETFONT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case CB_SETCURSEL:
    case CB_SELECTSTRING:
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
    case CB_DELETESTRING:
    case CB_RESETCONTENT:
    case CB_SHOWDROPDOWN:
    case CB_SETEDITSEL:
    case CB_SETITEMHEIGHT:
        return true;
    default:
        return false;
    }
}

} // namespace

void KaloDrawDropArrow(CDC* dc, const CRect& client, COLORREF color, int inset) {
    const int top = client.Height() / 2 - 2;
    for (int row = 0; row < 4; ++row) {
        const CRect line(client.right - 9 - inset + row, top + row, client.right - 2 - inset - row,
                         top + row + 1);
        dc->FillSolidRect(&line, color);
    }
}

BEGIN_MESSAGE_MAP(KaloComboBox, CComboBox)
END_MESSAGE_MAP()

KaloComboBox::KaloComboBox() {
    CBrush* back = GetKaloBrush(ZC_CONTROLBACK);
    SetColors(GetKaloColor(ZC_CONTROLTEXT), GetKaloColor(ZC_CONTROLBACK), GetKaloColor(ZC_CONTROLBACK),
              GetKaloColor(ZC_CONTROLBORDER), back, back);
}

void KaloComboBox::PreSubclassWindow() {
    CComboBox::PreSubclassWindow();
    SubclassEditChild();
}

void KaloComboBox::SubclassEditChild() {
    if (m_edit.m_hWnd || !m_hWnd) {
        return;
    }
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(m_hWnd, &info) && info.hwndItem && info.hwndItem != m_hWnd &&
        !CWnd::FromHandlePermanent(info.hwndItem)) {
        m_edit.SubclassWindow(info.hwndItem);
        m_edit.SetControlFont(GetControlFont());
        m_edit.SetColors(GetTextColor(), GetBackColor(), GetEditColor(), GetBorderColor(), GetEditBrush(),
                         GetControlBrush());
    }
}

CWnd* KaloComboBox::GetListBox() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(m_hWnd, &info) && info.hwndList ? CWnd::FromHandle(info.hwndList) : nullptr;
}

void KaloComboBox::SetControlBrush(CBrush* brush) {
    KaloControl::SetControlBrush(brush);
    if (m_edit.m_hWnd) {
        m_edit.SetControlBrush(brush);
    }
}

void KaloComboBox::SetControlFont(CFont* font) {
    KaloControl::SetControlFont(font);
    if (m_hWnd) {
        CFont* used = GetControlFont();
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(used ? used->GetSafeHandle() : nullptr), TRUE);
    }
    if (m_edit.m_hWnd) {
        m_edit.SetControlFont(font);
    }
}

int KaloComboBox::AddStringAndData(const char* text, DWORD_PTR data) {
    const int index = AddString(text);
    if (index >= 0) {
        SetItemData(index, data);
    }
    return index;
}

void KaloComboBox::SetRedraw(int on) {
    ModifyFlags(on ? 0 : KaloComboRedrawOff, on ? KaloComboRedrawOff : 0);
    if (m_edit.m_hWnd) {
        m_edit.SetRedraw(on);
    }
    m_redraw.Set(m_hWnd, on != 0);
}

void KaloComboBox::SetOwnerDrawHeight(int height) {
    m_itemHeight = height;
    if (m_hWnd) {
        SetItemHeight(0, static_cast<UINT>(height));
    }
}

void KaloComboBox::DrawDisabledFace(CDC* dc, const CRect& client) {
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetKaloColor(ZC_D_BUTTONBORDER)));
    ScopedGdiObject<HBRUSH> fill(CreateSolidBrush(GetKaloColor(ZC_D_BUTTONBACK)));
    ScopedSelection withPen(dc->GetSafeHdc(), pen.Get());
    ScopedSelection withFill(dc->GetSafeHdc(), fill.Get());
    dc->RoundRect(&client, CPoint(9, 9));
}

void KaloComboBox::DrawEdgeLines(CDC* dc, const CRect& client) {
    if ((GetFlags() & KaloComboNoUnderline) == 0) {
        dc->FillSolidRect(client.left, client.bottom - 1, client.Width(), 1, GetTextColor());
    }
    const COLORREF border = GetBorderColor();
    const struct {
        DWORD flag;
        CRect line;
    } edges[] = {
        {KaloComboLeftLine, CRect(client.left, client.top, client.left + 1, client.bottom)},
        {KaloComboRightLine, CRect(client.right - 1, client.top, client.right, client.bottom)},
        {KaloComboTopLine, CRect(client.left, client.top, client.right, client.top + 1)},
        {KaloComboBottomLine, CRect(client.left, client.bottom - 1, client.right, client.bottom)},
    };
    for (const auto& edge : edges) {
        if (GetFlags() & edge.flag) {
            dc->FillSolidRect(&edge.line, border);
        }
    }
}

void KaloComboBox::PaintFace(CDC* dc, const CRect& client) {
    dc->FillSolidRect(&client, GetBackColor());
    const bool dropDownList = IsDropDownList();
    if (dropDownList && !IsWindowEnabled()) {
        DrawDisabledFace(dc, client);
    }
    KaloDrawDropArrow(dc, client, GetTextColor(), 0);
    if (dropDownList) {
        char text[256] = "";
        GetWindowText(text, sizeof text);
        CFont* font = GetControlFont();
        ScopedSelection withFont(dc->GetSafeHdc(), font ? font->GetSafeHandle() : nullptr);
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetTextColor());
        CRect textRect(client.left, client.top + 2, client.right - 12, client.bottom + 2);
        dc->DrawText(text, -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    DrawEdgeLines(dc, client);
}

void KaloComboBox::DoOnPaint(CDC* dc, int invalidate) {
    if (!IsWindowVisible() || (GetFlags() & KaloComboRedrawOff)) {
        return;
    }
    if (invalidate) {
        Invalidate(FALSE);
    }
    CDC* target = dc ? dc : GetDC();
    if (!target) {
        return;
    }
    // The edit child paints itself: keep the face off its area.
    if (m_edit.m_hWnd && m_edit.IsWindowVisible()) {
        CRect editRect;
        m_edit.GetWindowRect(&editRect);
        ScreenToClient(&editRect);
        target->ExcludeClipRect(&editRect);
    }
    CRect client;
    GetClientRect(&client);
    {
        DBLBufferCDC buffer;
        if (buffer.Create(target, client)) {
            PaintFace(&buffer, client);
        }
    }
    target->SelectClipRgn(nullptr);
    if (!dc) {
        ReleaseDC(target);
    }
}

BOOL KaloComboBox::DoOnEraseBkgnd(CDC* dc) {
    if (GetFlags() & KaloComboRedrawOff) {
        return TRUE;
    }
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetBackColor());
    if (IsDropDownList() && !IsWindowEnabled()) {
        DrawDisabledFace(dc, client);
    }
    return TRUE;
}

void KaloComboBox::DrawItem(LPDRAWITEMSTRUCT item) {
    ModifyFlags(KaloComboItemDrawn, 0);
    CDC* dc = CDC::FromHandle(item->hDC);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const COLORREF back = selected ? GetTextColor() : GetBackColor();
    const COLORREF text = selected ? GetBackColor() : GetTextColor();
    CRect rect(item->rcItem);
    dc->FillSolidRect(&rect, back);
    if (item->itemState & ODS_FOCUS) {
        dc->DrawFocusRect(&rect);
    }
    if (static_cast<int>(item->itemID) < 0) {
        return;
    }
    char label[256] = "";
    if (GetLBTextLen(static_cast<int>(item->itemID)) < static_cast<int>(sizeof label)) {
        GetLBText(static_cast<int>(item->itemID), label);
    }
    CFont* font = GetControlFont();
    ScopedSelection withFont(item->hDC, font ? font->GetSafeHandle() : nullptr);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(text);
    dc->DrawText(label, -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void KaloComboBox::MeasureItem(LPMEASUREITEMSTRUCT item) {
    item->itemHeight = static_cast<UINT>(m_itemHeight);
}

int KaloComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    return 0; // items keep the order they were added in
}

BOOL KaloComboBox::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_F2)) {
        const HWND parent = ::GetParent(m_hWnd);
        if (parent) {
            ::SendMessageA(parent, msg->wParam == VK_RETURN ? KaloMsgReturn : KaloMsgF2,
                           static_cast<WPARAM>(GetDlgCtrlID()), 0);
        }
    }
    return CComboBox::PreTranslateMessage(msg);
}

LRESULT KaloComboBox::ChildColor(WPARAM dc) {
    const bool focused = ::GetFocus() == m_hWnd || (m_edit.m_hWnd && ::GetFocus() == m_edit.m_hWnd);
    const HDC hdc = reinterpret_cast<HDC>(dc);
    ::SetTextColor(hdc, GetTextColor());
    ::SetBkColor(hdc, focused ? GetEditColor() : GetBackColor());
    CBrush* brush = focused ? GetEditBrush() : GetControlBrush();
    return reinterpret_cast<LRESULT>(brush ? brush->GetSafeHandle() : GetStockObject(WHITE_BRUSH));
}

LRESULT KaloComboBox::QuietlyProcess(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    {
        KaloRedrawGuard quietCombo(m_hWnd, false);
        KaloRedrawGuard quietEdit(m_edit.m_hWnd, false);
        result = CComboBox::WindowProc(message, wParam, lParam);
    }
    if (::IsWindow(m_hWnd)) {
        DoOnPaint(nullptr, FALSE);
    }
    return result;
}

LRESULT KaloComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    SubclassEditChild();
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(this);
        DoOnPaint(&dc, FALSE);
        return 0;
    }
    case WM_ERASEBKGND:
        return DoOnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case WM_CREATE: {
        const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
        CFont* font = GetControlFont();
        if (result == 0 && font) {
            SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), FALSE);
        }
        return result;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return ChildColor(wParam);
    default:
        break;
    }
    if (RepaintsByItself(message)) {
        return QuietlyProcess(message, wParam, lParam);
    }
    return CComboBox::WindowProc(message, wParam, lParam);
}
