#include "KaloInterfaceData.h"

namespace {

COLORREF BrushColor(const CBrush& brush) {
    LOGBRUSH logBrush{};
    return brush.GetSafeHandle() && brush.GetLogBrush(&logBrush) ? logBrush.lbColor : 0;
}

} // namespace

KaloInterfaceData::KaloInterfaceData() {
    Colors.reserve(15);
    Colors = {RGB(0, 0, 0),       RGB(51, 51, 51),    RGB(65, 65, 65),    RGB(100, 100, 100),
              RGB(128, 128, 128), RGB(152, 152, 152), RGB(176, 176, 176), RGB(200, 200, 200),
              RGB(230, 230, 230), RGB(255, 255, 255), RGB(255, 0, 0),     RGB(128, 0, 0),
              RGB(207, 169, 169), RGB(212, 190, 190), RGB(173, 109, 109)};
}

KaloInterfaceData::~KaloInterfaceData() = default;

bool KaloInterfaceData::HasColor(int index) const {
    return index >= 0 && index < static_cast<int>(Colors.size());
}

bool KaloInterfaceData::HasBrush(int index) const {
    return index >= 0 && index < static_cast<int>(Brushes.size());
}

COLORREF KaloInterfaceData::ColorAt(int index) const {
    if (HasColor(index)) {
        return Colors[index];
    }
    return Colors.empty() ? 0 : Colors[0];
}

COLORREF KaloInterfaceData::ReplaceColor(int index, COLORREF color) {
    if (!HasColor(index)) {
        return 0;
    }
    const COLORREF previous = Colors[index];
    Colors[index] = color;
    return previous;
}

int KaloInterfaceData::AddColor(COLORREF color) {
    Colors.push_back(color);
    return static_cast<int>(Colors.size()) - 1;
}

CBrush* KaloInterfaceData::BrushAt(int index) const {
    // Controls built before start-up find no brushes: null, never a read past the table.
    if (Brushes.empty()) {
        return nullptr;
    }
    return HasBrush(index) ? Brushes[index].get() : Brushes[0].get();
}

CBrush* KaloInterfaceData::FindBrush(COLORREF color) const {
    for (const auto& brush : Brushes) {
        if (brush && brush->GetSafeHandle() && BrushColor(*brush) == color) {
            return brush.get();
        }
    }
    return nullptr;
}

COLORREF KaloInterfaceData::RecolorBrush(int index, COLORREF color) {
    if (!HasBrush(index) || !Brushes[index]) {
        return 0;
    }
    CBrush& brush = *Brushes[index];
    const COLORREF previous = BrushColor(brush);
    brush.DeleteObject();
    brush.CreateSolidBrush(color);
    return previous;
}

int KaloInterfaceData::AddBrush(COLORREF color) {
    auto brush = std::make_unique<CBrush>();
    if (!brush->CreateSolidBrush(color)) {
        return -1;
    }
    Brushes.push_back(std::move(brush));
    return static_cast<int>(Brushes.size()) - 1;
}

CFont* KaloInterfaceData::FontAt(int index) const {
    return index >= 0 && index < static_cast<int>(Fonts.size()) ? Fonts[index].get() : nullptr;
}

int KaloInterfaceData::AddFont(const LOGFONTA& logFont) {
    auto font = std::make_unique<CFont>();
    if (!font->CreateFontIndirect(&logFont)) {
        return -1;
    }
    Fonts.push_back(std::move(font));
    return static_cast<int>(Fonts.size()) - 1;
}
