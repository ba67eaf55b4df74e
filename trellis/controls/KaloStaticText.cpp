#include "KaloStaticText.h"

#include "GdiScoped.h"
#include "KaloRedrawGuard.h"
#include "KaloPanelPaint.h"

#include <vector>

BEGIN_MESSAGE_MAP(KaloStaticText, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR_REFLECT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

UINT KaloStaticText::TextFormat(DWORD style) {
    const DWORD kind = style & SS_TYPEMASK;
    UINT format = DT_END_ELLIPSIS;
    if (kind == SS_CENTER) {
        format |= DT_CENTER;
    } else if (kind == SS_RIGHT) {
        format |= DT_RIGHT;
    }
    if (kind != SS_LEFT) {
        format |= DT_SINGLELINE;
    }
    return format;
}

void KaloStaticText::Draw(CDC* dc) {
    CRect client;
    GetClientRect(client);
    std::vector<char> text(static_cast<size_t>(GetWindowTextLength()) + 1);
    GetWindowText(text.data(), static_cast<int>(text.size()));
    CFont* font = GetControlFont();
    ScopedSelection selected(dc->GetSafeHdc(), font ? font->GetSafeHandle() : nullptr);
    dc->SetBkColor(GetBackColor());
    dc->SetTextColor(GetTextColor());
    dc->DrawText(text.data(), -1, client, TextFormat(GetStyle()));
}

void KaloStaticText::OnPaint() {
    CPaintDC dc(this);
    Draw(&dc);
}

BOOL KaloStaticText::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(client);
    dc->FillSolidRect(client, GetBackColor());
    return TRUE;
}

LRESULT KaloStaticText::OnPrintClient(WPARAM dc, LPARAM) {
    return KaloPrintClient(dc, [this](CDC* target) {
        OnEraseBkgnd(target);
        Draw(target);
    });
}

LRESULT KaloStaticText::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETTEXT) {
        return CStatic::WindowProc(message, wParam, lParam);
    }
    {
        KaloRedrawGuard quiet(m_hWnd, false);
        CStatic::WindowProc(message, wParam, lParam);
    }
    Invalidate();
    return 1;
}
