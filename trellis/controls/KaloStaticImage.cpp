#include "KaloStaticImage.h"

#include "GdiScoped.h"
#include "KaloBitmapHelpers.h"
#include "KaloPanelPaint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kFixedOne = 0x10000;

enum DragMode { kNoDrag, kPanning, kZoomPending, kZooming };

// One drag at a time across all viewers: only one window can hold the mouse.
struct DragState {
    DragMode mode = kNoDrag;
    CPoint last;
    CPoint start;
    const KaloStaticImage* owner = nullptr;
};
DragState g_drag;

} // namespace

KaloStaticImage::KaloStaticImage()
    : m_zoomTable{0.07f, 0.10f, 0.15f, 0.20f, 0.30f, 0.50f, 0.70f, 1.00f, 1.50f,
                  2.00f, 3.00f, 5.00f, 7.00f, 10.0f, 20.0f, 30.0f, 50.0f} {}

KaloStaticImage::~KaloStaticImage() {
    Unlink();
    DestroyWindow();
    ReleaseBitmap();
}

BOOL KaloStaticImage::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    LPCSTR className =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    return CWnd::Create(className, "", style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, parent, id);
}

void KaloStaticImage::SetImage(const CoreImageDesc& desc, SceneObject* object) {
    m_desc = desc;
    m_object = object;
    UpdateBitmapInfo();
    Repaint();
}

void KaloStaticImage::SetAlphaControl(KaloStaticImage* other) {
    Link(other, TRUE);
}

void KaloStaticImage::SetAttachedControl(KaloStaticImage* other) {
    Link(other, FALSE);
}

void KaloStaticImage::Link(KaloStaticImage* other, BOOL otherIsAlpha) {
    if (other == this) {
        return;
    }
    if (m_linked != other) {
        Unlink();
    }
    if (other) {
        if (other->m_linked != this) {
            other->Unlink();
        }
        other->m_linked = this;
        other->m_alphaView = otherIsAlpha;
    }
    m_linked = other;
    CopySettingsToAttached();
}

void KaloStaticImage::Unlink() {
    if (m_linked) {
        m_linked->m_linked = nullptr;
        m_linked = nullptr;
    }
}

void KaloStaticImage::Repaint() {
    if (m_hWnd) {
        InvalidateRect(nullptr, FALSE);
    }
}

void KaloStaticImage::SetZoom(float zoom) {
    m_zoom = zoom;
    UpdateBitmapInfo();
    Repaint();
}

void KaloStaticImage::CalculateBestFit() {
    if (!HasImage()) {
        return;
    }
    m_zoom = std::min(static_cast<float>(m_viewWidth) / static_cast<float>(m_imageWidth),
                      static_cast<float>(m_viewHeight) / static_cast<float>(m_imageHeight));
    m_panX = m_panY = 0;
    UpdateBitmapInfo();
}

BOOL KaloStaticImage::ManageZoom(char action) {
    const float old = m_zoom;
    float zoom = old;
    switch (action) {
    case KALO_ZOOM_IN: {
        auto next = std::find_if(m_zoomTable.begin(), m_zoomTable.end(), [old](float z) { return z > old; });
        zoom = next != m_zoomTable.end() ? *next : old;
        break;
    }
    case KALO_ZOOM_OUT: {
        auto next =
            std::find_if(m_zoomTable.rbegin(), m_zoomTable.rend(), [old](float z) { return z < old; });
        zoom = next != m_zoomTable.rend() ? *next : old;
        break;
    }
    case KALO_ZOOM_ONE:
        zoom = 1.0f;
        break;
    case KALO_ZOOM_BEST_FIT:
        if (!HasImage()) {
            return FALSE;
        }
        zoom = std::min(static_cast<float>(m_viewWidth) / static_cast<float>(m_imageWidth),
                        static_cast<float>(m_viewHeight) / static_cast<float>(m_imageHeight));
        break;
    case KALO_ZOOM_APPLY:
        break;
    default:
        return FALSE;
    }
    if (action != KALO_ZOOM_APPLY && zoom == old) {
        return FALSE;
    }
    m_zoom = zoom;
    if (action == KALO_ZOOM_BEST_FIT) {
        m_panX = m_panY = 0;
    } else {
        RecenterBitmapInfo();
    }
    UpdateBitmapInfo();
    Repaint();
    return TRUE;
}

BOOL KaloStaticImage::CanDo(int action) const {
    if (action == KALO_ZOOM_IN) {
        return m_zoom < m_zoomTable.back();
    }
    if (action == KALO_ZOOM_OUT) {
        return m_zoom > m_zoomTable.front();
    }
    return FALSE;
}

int KaloStaticImage::VisibleFor(int imageSize, int viewSize) const {
    if (m_zoom <= 0.0f || imageSize <= 0) {
        return 0;
    }
    const int whole = imageSize * kFixedOne;
    if (std::lround(imageSize * m_zoom) <= viewSize) {
        return whole;
    }
    const double visible = viewSize / static_cast<double>(m_zoom) * kFixedOne;
    return static_cast<int>(std::min<double>(visible, whole));
}

int KaloStaticImage::StepFixed() const {
    return m_zoom > 0.0f ? static_cast<int>(kFixedOne / static_cast<double>(m_zoom)) : 0;
}

void KaloStaticImage::ClampPan() {
    m_panX = std::clamp(m_panX, 0, std::max(0, m_imageWidth * kFixedOne - m_visibleWidth));
    m_panY = std::clamp(m_panY, 0, std::max(0, m_imageHeight * kFixedOne - m_visibleHeight));
}

void KaloStaticImage::SetPanOffset(int x, int y) {
    m_panX = x;
    m_panY = y;
    ClampPan();
    Repaint();
}

void KaloStaticImage::SetViewSize(int width, int height) {
    m_viewWidth = std::max(width, 0);
    m_viewHeight = std::max(height, 0);
    UpdateBitmapInfo();
}

void KaloStaticImage::UpdateBitmapInfo() {
    CheckImageDesc();
    // Sizes outside the 16.16 range count as no image.
    const bool usable =
        m_desc.Width > 0 && m_desc.Height > 0 && m_desc.Width < 0x8000 && m_desc.Height < 0x8000;
    m_imageWidth = usable ? m_desc.Width : 0;
    m_imageHeight = usable ? m_desc.Height : 0;
    m_imageBits = m_desc.BitsPerPixel;
    m_imageLine = m_desc.BytesPerLine;
    m_imageBytes = m_desc.BitsPerPixel / 8;
    m_visibleWidth = VisibleFor(m_imageWidth, m_viewWidth);
    m_visibleHeight = VisibleFor(m_imageHeight, m_viewHeight);
    const bool whole = m_visibleWidth == m_imageWidth * kFixedOne;
    m_displayWidth = whole ? static_cast<int>(std::lround(m_imageWidth * m_zoom)) : m_viewWidth;
    const bool wholeHeight = m_visibleHeight == m_imageHeight * kFixedOne;
    m_displayHeight = wholeHeight ? static_cast<int>(std::lround(m_imageHeight * m_zoom)) : m_viewHeight;
    if (m_zoom <= 0.0f) {
        m_displayWidth = m_displayHeight = 0;
    }
    m_originX = static_cast<int>((m_viewWidth - m_displayWidth) * 0.5);
    m_originY = static_cast<int>((m_viewHeight - m_displayHeight) * 0.5);
    ClampPan();
    CopySettingsToAttached();
}

void KaloStaticImage::RecenterBitmapInfo() {
    const int centreX = m_panX + m_visibleWidth / 2;
    const int centreY = m_panY + m_visibleHeight / 2;
    m_visibleWidth = VisibleFor(m_imageWidth, m_viewWidth);
    m_visibleHeight = VisibleFor(m_imageHeight, m_viewHeight);
    m_panX = centreX - m_visibleWidth / 2;
    m_panY = centreY - m_visibleHeight / 2;
    ClampPan();
}

void KaloStaticImage::CopySettingsToAttached() {
    KaloStaticImage* other = m_linked;
    if (!other || other->m_desc != m_desc) {
        return;
    }
    other->m_zoom = m_zoom;
    other->m_originX = m_originX;
    other->m_originY = m_originY;
    other->m_displayWidth = m_displayWidth;
    other->m_displayHeight = m_displayHeight;
    other->m_viewWidth = m_viewWidth;
    other->m_viewHeight = m_viewHeight;
    other->m_panX = m_panX;
    other->m_panY = m_panY;
    other->m_visibleWidth = m_visibleWidth;
    other->m_visibleHeight = m_visibleHeight;
    other->m_imageWidth = m_imageWidth;
    other->m_imageHeight = m_imageHeight;
    other->m_imageBits = m_imageBits;
    other->m_imageLine = m_imageLine;
    other->m_imageBytes = m_imageBytes;
    other->Repaint();
}

void KaloStaticImage::CheckImageDesc() {
    if (!m_object) {
        return;
    }
    const int kind = m_object->GetClassID();
    if (kind != SCENE_CLASS_TEXTURE && kind != SCENE_CLASS_SPRITE) {
        return;
    }
    CoreImageDesc current;
    SceneBitmapData* data = m_object->GetBitmapData();
    if (!data || !m_object->GetImageDesc(current)) {
        return;
    }
    current.Pixels = data->LockSurfacePtr(data->GetCurrentSlot());
    if (current != m_desc) {
        m_desc = current;
        UpdateBitmapInfo();
    }
}

void KaloStaticImage::SetPostCallback(PostCallback callback, void* user) {
    m_postCallback = callback;
    m_postUser = user;
}

void KaloStaticImage::GetConvertValuesFromMask(DWORD mask, int& shift, int& bits, int& loss) {
    KaloMaskRun(mask, shift, bits);
    loss = mask ? 8 - bits : 0;
}

CRect KaloStaticImage::ImageRectInClient() const {
    const int left = m_originX + m_border;
    const int top = m_originY + m_border;
    return CRect(left, top, left + m_displayWidth, top + m_displayHeight);
}

BOOL KaloStaticImage::IsInImage(int x, int y) const {
    return ImageRectInClient().PtInRect(CPoint(x, y));
}

void KaloStaticImage::ToClient(RECT& rect) const {
    const CRect image = ImageRectInClient();
    auto map = [this](LONG value, int pan, int origin) {
        return static_cast<LONG>(std::lround((value - pan / double(kFixedOne)) * m_zoom)) + origin;
    };
    rect.left = map(rect.left, m_panX, image.left);
    rect.right = map(rect.right, m_panX, image.left);
    rect.top = map(rect.top, m_panY, image.top);
    rect.bottom = map(rect.bottom, m_panY, image.top);
}

DWORD KaloStaticImage::GetPixelColor(int x, int y) const {
    if (!IsInImage(x, y) || !KaloImageDescReadable(m_desc) || !HasImage()) {
        return const_cast<KaloStaticImage*>(this)->GetBackColor();
    }
    const CRect image = ImageRectInClient();
    const int64_t step = StepFixed();
    const int64_t sx = (m_panX + (x - image.left) * step) >> 16;
    const int64_t sy = (m_panY + (y - image.top) * step) >> 16;
    return KaloReadSourcePixel(m_desc, static_cast<int>(std::min<int64_t>(sx, m_imageWidth - 1)),
                               static_cast<int>(std::min<int64_t>(sy, m_imageHeight - 1)));
}

void KaloStaticImage::ReleaseBitmap() {
    if (m_bitmap) {
        ::DeleteObject(m_bitmap);
    }
    m_bitmap = nullptr;
    m_bits = nullptr;
    m_bitmapInfo = BITMAP{};
}

void KaloStaticImage::InitializeBitmap() {
    CRect client;
    GetClientRect(client);
    const int width = client.Width() - 2 * m_border;
    const int height = client.Height() - 2 * m_border;
    if (m_bitmap && m_bitmapInfo.bmWidth == width && m_bitmapInfo.bmHeight == height) {
        return;
    }
    ReleaseBitmap();
    if (width > 0 && height > 0) {
        m_bitmap = KaloCtlCreateDib32(width, height, &m_bits);
        if (m_bitmap) {
            ::GetObjectA(m_bitmap, sizeof m_bitmapInfo, &m_bitmapInfo);
        }
    }
    SetViewSize(width, height);
}

void KaloStaticImage::DrawMessage(HDC dc, const char* text) {
    ScopedSelection bitmap(dc, m_bitmap);
    CFont* font = GetControlFont();
    ScopedSelection selectedFont(dc, font ? font->GetSafeHandle() : nullptr);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, GetTextColor());
    RECT area{0, 0, m_bitmapInfo.bmWidth, m_bitmapInfo.bmHeight};
    ::DrawTextA(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void KaloStaticImage::RenderView() {
    ::GdiFlush();
    const COLORREF back = GetBackColor();
    const uint32_t fill = (GetRValue(back) << 16) | (GetGValue(back) << 8) | GetBValue(back);
    const KaloRenderTarget target{m_bits, m_bitmapInfo.bmWidth, m_bitmapInfo.bmHeight};
    std::fill(m_bits, m_bits + static_cast<size_t>(target.width) * target.height, fill);
    KaloRenderResult result = KaloRenderResult::NoImage;
    if (m_zoom > 0.0f && HasImage()) {
        KaloRenderArea area;
        area.left = m_originX;
        area.top = m_originY;
        area.width = m_displayWidth;
        area.height = m_displayHeight;
        area.panX = m_panX;
        area.panY = m_panY;
        area.stepX = area.stepY = StepFixed();
        result = KaloRenderImage(m_desc, area, m_alphaView != 0, target);
    }
    if (result != KaloRenderResult::Rendered) {
        ScopedMemoryDC dc(nullptr);
        DrawMessage(dc.Get(), result == KaloRenderResult::NoAlphaMask ? "No Alpha Mask" : "No Image");
    }
}

void KaloStaticImage::Draw(CDC* dc) {
    CheckImageDesc();
    InitializeBitmap();
    CRect client;
    GetClientRect(client);
    if (m_border) {
        CBrush frame;
        if (frame.CreateSolidBrush(GetBorderColor())) {
            dc->FrameRect(client, &frame);
        }
        client.DeflateRect(1, 1);
    }
    if (!m_bitmap) {
        return;
    }
    RenderView();
    if (m_postCallback) {
        m_postCallback(m_bitmap, m_postUser);
    }
    dc->DrawState(client.TopLeft(), client.Size(), m_bitmap, DST_BITMAP | DSS_NORMAL);
}

void KaloStaticImage::StartPan(CPoint point) {
    g_drag.last = g_drag.start = point;
    if (m_visibleWidth >= m_imageWidth * kFixedOne && m_visibleHeight >= m_imageHeight * kFixedOne) {
        return;
    }
    g_drag.mode = kPanning;
    g_drag.owner = this;
    SetCapture();
}

void KaloStaticImage::PanBy(CPoint point) {
    const double scale = kFixedOne / static_cast<double>(m_zoom);
    const int oldX = m_panX, oldY = m_panY;
    m_panX -= static_cast<int>((point.x - g_drag.last.x) * scale);
    m_panY -= static_cast<int>((point.y - g_drag.last.y) * scale);
    ClampPan();
    g_drag.last = point;
    if (m_panX != oldX || m_panY != oldY) {
        Repaint();
        CopySettingsToAttached();
    }
}

void KaloStaticImage::ZoomBy(CPoint point) {
    const float zoom = m_zoom * (1.0f + static_cast<float>(point.y - g_drag.last.y) * 0.01f);
    g_drag.last = point;
    m_zoom = std::clamp(zoom, m_zoomTable.front(), m_zoomTable.back());
    ManageZoom(KALO_ZOOM_APPLY);
}

void KaloStaticImage::EndDrag() {
    if (g_drag.owner != this) {
        return;
    }
    g_drag = DragState{};
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
}

bool KaloStaticImage::HandleInput(UINT message, WPARAM wParam, CPoint point) {
    switch (message) {
    case WM_CHAR:
        if (wParam == '+' || wParam == '-') {
            ManageZoom(wParam == '+' ? KALO_ZOOM_IN : KALO_ZOOM_OUT);
        }
        return true;
    case WM_KEYUP:
        if (wParam == VK_DIVIDE || wParam == VK_MULTIPLY) {
            ManageZoom(wParam == VK_DIVIDE ? KALO_ZOOM_ONE : KALO_ZOOM_BEST_FIT);
        }
        return true;
    case WM_LBUTTONDOWN:
        SetFocus();
        StartPan(point);
        return true;
    case WM_RBUTTONDOWN:
        SetFocus();
        g_drag.last = g_drag.start = point;
        g_drag.mode = kZoomPending;
        g_drag.owner = this;
        SetCapture();
        return true;
    case WM_MOUSEMOVE:
        if (g_drag.owner != this) {
            return true;
        }
        if (g_drag.mode == kPanning) {
            PanBy(point);
        } else if (g_drag.mode == kZoomPending &&
                   (std::abs(point.x - g_drag.start.x) > GetSystemMetrics(SM_CXDRAG) ||
                    std::abs(point.y - g_drag.start.y) > GetSystemMetrics(SM_CYDRAG))) {
            g_drag.mode = kZooming;
        } else if (g_drag.mode == kZooming) {
            ZoomBy(point);
        }
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        EndDrag();
        return true;
    default:
        return false;
    }
}

LRESULT KaloStaticImage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(this);
        Draw(&dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PRINTCLIENT:
        return KaloPrintClient(wParam, [this](CDC* dc) { Draw(dc); });
    case WM_SIZE: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        InitializeBitmap();
        return result;
    }
    case WM_CAPTURECHANGED:
        // A drag whose capture went elsewhere is over.
        if (g_drag.owner == this && reinterpret_cast<HWND>(lParam) != m_hWnd) {
            g_drag = DragState{};
        }
        break;
    case WM_DESTROY:
        EndDrag();
        break;
    default:
        break;
    }
    const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    if (!HandleInput(message, wParam, point)) {
        return CWnd::WindowProc(message, wParam, lParam);
    }
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if (HWND parent = ::GetParent(m_hWnd)) {
        ::SendMessageA(parent, message, wParam, lParam);
    }
    return result;
}
