#include "GalleryWindow.h"

#include "GalleryPainter.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 736;
constexpr UINT kFirstPageButtonId = 100;
constexpr int kPageButtonWidth = 88;

CRect ClientArea() {
    return CRect(0, 0, kClientWidth, kClientHeight);
}

} // namespace

BEGIN_MESSAGE_MAP(GalleryWindow, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
END_MESSAGE_MAP()

GalleryWindow::GalleryWindow(bool settingsFound, UINT closeAfterMs, std::string firstPage)
    : m_settingsFound(settingsFound), m_closeAfterMs(closeAfterMs), m_firstPage(std::move(firstPage)) {}

GalleryWindow::~GalleryWindow() {
    // The page and the buttons are children: the window goes first, while they still exist.
    if (m_hWnd) {
        DestroyWindow();
    }
}

BOOL GalleryWindow::CreateGallery() {
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame = ClientArea();
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const LPCSTR windowClass =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CreateEx(0, windowClass, "Trellis gallery", style, 4, 4, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr);
}

int GalleryWindow::OnCreate(LPCREATESTRUCT) {
    if (m_closeAfterMs) {
        SetTimer(kCloseTimer, m_closeAfterMs);
    }
    CreatePageButtons();
    const auto& pages = GalleryPages();
    size_t first = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (m_firstPage == pages[i].name) {
            first = i;
        }
    }
    ShowPage(first);
    return 0;
}

void GalleryWindow::CreatePageButtons() {
    const CRect row = GalleryPainter::TabRowArea(ClientArea());
    const auto& pages = GalleryPages();
    // As wide as the row allows for every page, at most the usual width.
    const int count = static_cast<int>(pages.size());
    const int width = std::min(kPageButtonWidth, (row.Width() - 12) / std::max(count, 1) - 4);
    for (size_t i = 0; i < pages.size(); ++i) {
        auto button = std::make_unique<CButton>();
        const int left = row.left + 6 + static_cast<int>(i) * (width + 4);
        const CRect place(left, row.top + 3, left + width, row.bottom - 3);
        if (button->Create(pages[i].name, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, place, this,
                           kFirstPageButtonId + static_cast<UINT>(i))) {
            button->SetFont(KaloCtlGetDefaultFont());
            m_pageButtons.push_back(std::move(button));
        }
    }
}

void GalleryWindow::ShowPage(size_t index) {
    const auto& pages = GalleryPages();
    if (index >= pages.size()) {
        return;
    }
    if (m_page && m_page->m_hWnd) {
        m_page->DestroyWindow();
    }
    m_page = pages[index].make();
    if (!m_page->CreatePage(this, GalleryPainter::PageArea(ClientArea()))) {
        m_page.reset();
    }
    char title[96];
    std::snprintf(title, sizeof title, "Trellis gallery - %s", pages[index].name);
    SetWindowText(title);
}

BOOL GalleryWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id >= kFirstPageButtonId &&
        id < kFirstPageButtonId + GalleryPages().size()) {
        ShowPage(id - kFirstPageButtonId);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void GalleryWindow::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    DBLBufferCDC buffer;
    if (!buffer.Create(&paint, client)) {
        GalleryPainter(paint).PaintFrame(client, m_settingsFound);
        return;
    }
    GalleryPainter(buffer).PaintFrame(client, m_settingsFound);
}

BOOL GalleryWindow::OnEraseBkgnd(CDC*) {
    // Every pixel is painted through the buffer: erasing first would only flicker.
    return TRUE;
}

void GalleryWindow::OnTimer(UINT_PTR id) {
    if (id == kCloseTimer) {
        KillTimer(kCloseTimer);
        PostMessage(WM_CLOSE);
    }
}
