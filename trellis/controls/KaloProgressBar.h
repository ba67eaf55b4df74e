#pragma once

#include "KaloControl.h"
#include "KaloImageList.h"

#include <afxwin.h>

// Window style bits of KaloProgressBar and KaloSpinButton.
constexpr DWORD KaloProgressBlended = 0x1; // bar colour moves from back towards text
constexpr DWORD KaloProgressFrame = 0x2;   // one-pixel border-colour frame
constexpr DWORD KaloProgressVertical = 0x4;
constexpr DWORD KaloProgressImages = 0x8; // show an image of the image list instead

// A bar in a window class of its own: solid or blended fill along or up the client area, or
// the image of its image list that stands for the position. The colour message reaches it only
// when its parent is a layer window.
class TRELLIS_API KaloProgressBar : public CWnd, public KaloControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Ignored unless max > min.
    virtual void SetRange(int min, int max);
    virtual void GetRange(int& min, int& max);
    virtual int GetPos();
    // Clamped to the range.
    virtual void SetPos(int pos);
    // The list stays the host's.
    void SetImageList(KaloImageList* images) { m_images = images; }

    // Paints the whole face onto dc through an off-screen buffer.
    void DrawProgress(CDC* dc);

    HBRUSH CtlColor(CDC* dc, UINT ctlColor);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnKillFocus(CWnd* newFocus);
    void OnLButtonDown(UINT flags, CPoint point);
    // Takes the focus, repainting when it was elsewhere.
    void TakeFocus();
    // The image showing the position in image mode; -1 when there is none to show, NoImageMode
    // outside image mode.
    static constexpr int NoImageMode = -2;
    int ImageIndex() const;
    void DrawImage(CDC* dc, const CRect& client, int index, DWORD mode);
    void DrawBar(CDC* dc, const CRect& client);
    // Draws the frame and the focus rectangle the style and state ask for.
    void DrawDecorations(CDC* dc, const CRect& client);

    int m_min = 0;
    int m_max = 100;
    int m_pos = 0;
    int m_reserved = 0;
    KaloImageList* m_images = nullptr;

    DECLARE_MESSAGE_MAP()
};
