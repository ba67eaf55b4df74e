#pragma once

#include "KaloControl.h"
#include "KaloImageRenderer.h"

#include "SceneObject.h"

#include <vector>

// Actions of KaloStaticImage::ManageZoom and CanDo.
constexpr char KALO_ZOOM_IN = 1;
constexpr char KALO_ZOOM_OUT = 2;
constexpr char KALO_ZOOM_ONE = 3;
constexpr char KALO_ZOOM_BEST_FIT = 4;
constexpr char KALO_ZOOM_APPLY = 5; // apply the zoom already stored (the zoom drag)

// A zoomable, pannable view of an in-memory image, optionally bound to an engine object
// whose current bitmap it re-reads before painting. Two viewers may be linked: one shows the
// colour, the other the alpha channel, and they share zoom and pan while their descriptors
// are equal. Keys: "+", "-", keypad divide (zoom 1) and multiply (best fit); left drag pans,
// right drag up or down zooms. Pan offsets and visible sizes are source pixels in 16.16.
class TRELLIS_API KaloStaticImage : public CWnd, public KaloControl {
public:
    using PostCallback = int (*)(HBITMAP bitmap, void* user);

    KaloStaticImage();
    // Unlinks the partner viewer.
    ~KaloStaticImage() override;
    KaloStaticImage(const KaloStaticImage&) = delete;
    KaloStaticImage& operator=(const KaloStaticImage&) = delete;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Copies the descriptor (pixels stay the caller's); object, when given, is re-read
    // before each paint.
    void SetImage(const CoreImageDesc& desc, SceneObject* object);
    const CoreImageDesc& GetImageDesc() const { return m_desc; }
    // Links both ways; a previous partner of either viewer is unlinked on both sides.
    void SetAlphaControl(KaloStaticImage* other);
    void SetAttachedControl(KaloStaticImage* other);
    KaloStaticImage* GetLinkedControl() const { return m_linked; }
    BOOL IsAlphaView() const { return m_alphaView; }

    void SetZoom(float zoom);
    float GetZoom() const { return m_zoom; }
    void CalculateBestFit();
    BOOL ManageZoom(char action);
    BOOL CanDo(int action) const;

    BOOL IsInImage(int x, int y) const;
    // Image pixels to client coordinates.
    void ToClient(RECT& rect) const;
    // The raw pixel under a client point, or the back colour outside the image.
    DWORD GetPixelColor(int x, int y) const;
    // `loss` is how far the run lies below 8 bits (8 - bits; negative when wider).
    static void GetConvertValuesFromMask(DWORD mask, int& shift, int& bits, int& loss);

    void UpdateBitmapInfo();
    void RecenterBitmapInfo();
    void InitializeBitmap();
    void CheckImageDesc();
    void CopySettingsToAttached();
    void SetPostCallback(PostCallback callback, void* user);

    void SetBorder(int border) { m_border = border; }
    // The view is the client area less the border; set by InitializeBitmap.
    void SetViewSize(int width, int height);
    CSize GetViewSize() const { return CSize(m_viewWidth, m_viewHeight); }
    CPoint GetImageOrigin() const { return CPoint(m_originX, m_originY); }
    CSize GetDisplayedSize() const { return CSize(m_displayWidth, m_displayHeight); }
    CPoint GetPanOffset() const { return CPoint(m_panX, m_panY); }
    void SetPanOffset(int x, int y);
    CSize GetVisibleSize() const { return CSize(m_visibleWidth, m_visibleHeight); }
    const std::vector<float>& GetZoomTable() const { return m_zoomTable; }

    // Renders and draws the viewer (paint and WM_PRINTCLIENT).
    void Draw(CDC* dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool HandleInput(UINT message, WPARAM wParam, CPoint point);
    void StartPan(CPoint point);
    void PanBy(CPoint point);
    void ZoomBy(CPoint point);
    void EndDrag();
    void Link(KaloStaticImage* other, BOOL otherIsAlpha);
    void Unlink();
    void Repaint();
    bool HasImage() const { return m_imageWidth > 0 && m_imageHeight > 0; }
    void ClampPan();
    int VisibleFor(int imageSize, int viewSize) const;
    int StepFixed() const;
    CRect ImageRectInClient() const;
    void RenderView();
    void DrawMessage(HDC dc, const char* text);
    void ReleaseBitmap();

    HBITMAP m_bitmap = nullptr;
    BITMAP m_bitmapInfo{};
    uint32_t* m_bits = nullptr;
    KaloStaticImage* m_linked = nullptr;
    BOOL m_alphaView = 0;
    CoreImageDesc m_desc{};
    int m_border = 1;
    float m_zoom = 0.0f;
    int m_originX = 0, m_originY = 0;
    int m_displayWidth = 0, m_displayHeight = 0;
    int m_viewWidth = 256, m_viewHeight = 256;
    int m_panX = 0, m_panY = 0;
    int m_visibleWidth = 0, m_visibleHeight = 0;
    int m_imageWidth = 0, m_imageHeight = 0, m_imageBits = 0, m_imageLine = 0, m_imageBytes = 0;
    std::vector<float> m_zoomTable;
    PostCallback m_postCallback = nullptr;
    void* m_postUser = nullptr;
    SceneObject* m_object = nullptr;
};
