#pragma once

#include "KaloColorDialog.h"
#include "KaloColorPalette.h"

// The colour dialog with 39 custom colour swatches kept in "scriptColors.txt" beside the host
// program. A click (left, double or right) on a swatch makes its colour current and selects
// it; hue, saturation and lightness changes then go into the selected swatch. OK saves the
// palette when it differs from the one loaded.
class TRELLIS_API KaloColorDialog2 : public KaloColorDialog {
public:
    explicit KaloColorDialog2(CWnd* parent = nullptr);
    KaloColorDialog2(UINT templateId, CWnd* parent);
    ~KaloColorDialog2() override;

    // 1 when the file was read; 0 leaves the defaults, which then count as loaded.
    int LoadColors();
    // 1 when the file holds the palette (nothing is written when it is the loaded one).
    int SaveColors();
    const KaloColorPalette& GetPalette() const { return m_palette; }
    // -1 for none.
    int GetSelectedSwatch() const { return m_selected; }

    void SetCurrentColorHLS(float hue, float lightness, float saturation) override;
    void DrawPart(UINT id, HDC dc, const RECT& rect) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnOtherPress(CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    int SwatchAt(CPoint point) const;
    void Select(int index);

    KaloColorPalette m_palette;
    KaloColorPalette m_loaded;
    int m_selected = -1;
};
