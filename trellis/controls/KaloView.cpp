#include "KaloView.h"

namespace {
constexpr UINT kBarId = 1001;
}

BEGIN_MESSAGE_MAP(KaloView, CWnd)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

KaloView::KaloView() = default;

// The children go before the view's own window, in the order left bar, tool bar, managed.
KaloView::~KaloView() {
    m_leftBar.reset();
    m_toolBar.reset();
    m_managed.reset();
}

BOOL KaloView::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(AfxRegisterWndClass(0), "", style | WS_CLIPCHILDREN, rect, parent, id);
}

template <typename Bar> void KaloView::ShowBar(std::unique_ptr<Bar>& bar, const char* name, int show) {
    if (show && !bar) {
        auto created = std::make_unique<Bar>();
        if (created->Create(name, CRect(0, 0, 0, 0), this, kBarId)) {
            bar = std::move(created);
        }
    }
    if (bar) {
        bar->ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

void KaloView::ShowToolBar(int show) {
    ShowBar(m_toolBar, "KaloToolBar", show);
    m_toolBarShown = show && m_toolBar;
    UpdateWindows();
}

void KaloView::ShowLeftBar(int show) {
    ShowBar(m_leftBar, "KaloLeftBar", show);
    m_leftBarShown = show && m_leftBar;
    UpdateWindows();
}

void KaloView::SetToolBarSize(int size) {
    m_toolBarSize = size;
    UpdateWindows();
}

void KaloView::SetLeftBarSize(int size) {
    m_leftBarSize = size;
    UpdateWindows();
}

void KaloView::SetManagedWnd(CWnd* wnd) {
    if (wnd == m_managed.get()) {
        return;
    }
    // The old window is the host's again: released, never deleted here.
    static_cast<void>(m_managed.release());
    m_managed.reset(wnd);
    if (wnd && wnd->GetSafeHwnd() && m_hWnd) {
        wnd->SetParent(this);
    }
    UpdateWindows();
}

void KaloView::UpdateWindows() {
    if (!m_hWnd) {
        return;
    }
    CRect client;
    GetClientRect(client);
    const int w = client.Width();
    const int h = client.Height();
    const int top = m_toolBarShown ? m_toolBarSize : 0;
    const int left = m_leftBarShown ? m_leftBarSize : 0;
    if (m_toolBarShown) {
        m_toolBar->MoveWindow(0, 0, w, top);
    }
    if (m_leftBarShown) {
        m_leftBar->MoveWindow(0, top, left, h - top);
    }
    if (m_managed && m_managed->GetSafeHwnd()) {
        m_managed->MoveWindow(left, top, w - left, h - top);
    }
}

void KaloView::OnSize(UINT, int, int) {
    Default();
    UpdateWindows();
}

BOOL KaloView::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(client);
    dc->FillSolidRect(client, GetBackColor());
    return TRUE;
}
