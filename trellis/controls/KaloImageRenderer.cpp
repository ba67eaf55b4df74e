#include "KaloImageRenderer.h"

#include <algorithm>
#include <cstring>
#include <vector>

CoreImageDesc KaloDescribeArgb32(int width, int height, uint32_t* pixels) {
    CoreImageDesc desc;
    desc.Width = width;
    desc.Height = height;
    desc.BitsPerPixel = 32;
    desc.BytesPerLine = width * 4;
    desc.RedMask = 0xFF0000;
    desc.GreenMask = 0xFF00;
    desc.BlueMask = 0xFF;
    desc.AlphaMask = 0xFF000000;
    desc.Pixels = reinterpret_cast<uint8_t*>(pixels);
    return desc;
}

bool KaloImageDescReadable(const CoreImageDesc& desc) {
    const int bits = desc.BitsPerPixel;
    // Positions are 16.16 fixed point: larger sides would overflow them.
    if (!desc.Pixels || desc.Width <= 0 || desc.Height <= 0 || desc.Width > 0x7FFF || desc.Height > 0x7FFF) {
        return false;
    }
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return false;
    }
    return static_cast<int64_t>(desc.BytesPerLine) >= static_cast<int64_t>(desc.Width) * (bits / 8);
}

void KaloMaskRun(uint32_t mask, int& shift, int& bits) {
    shift = 0;
    bits = 0;
    if (!mask) {
        return;
    }
    while (!(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    while (mask & 1u) {
        mask >>= 1;
        ++bits;
    }
}

namespace {

struct Clip {
    int left, top, right, bottom;
};

// A little-endian pixel of Bytes bytes (rows need not be aligned).
template <int Bytes> uint32_t ReadAt(const uint8_t* at) {
    uint32_t value = 0;
    std::memcpy(&value, at, Bytes);
    return value;
}

uint32_t ReadAt(const uint8_t* at, int bytes) {
    switch (bytes) {
    case 1:
        return ReadAt<1>(at);
    case 2:
        return ReadAt<2>(at);
    case 3:
        return ReadAt<3>(at);
    default:
        return ReadAt<4>(at);
    }
}

// One channel's extraction: the run of the mask, scaled to 0..255 through a table when it is
// narrower than 8 bits (5-bit 31 becomes 255, not 248).
class Channel {
public:
    explicit Channel(uint32_t mask) : m_mask(mask) {
        KaloMaskRun(mask, m_shift, m_bits);
        if (m_bits > 0 && m_bits < 8) {
            const int top = (1 << m_bits) - 1;
            m_scale.resize(static_cast<size_t>(top) + 1);
            for (int v = 0; v <= top; ++v) {
                m_scale[static_cast<size_t>(v)] = static_cast<uint8_t>((v * 255 + top / 2) / top);
            }
        }
    }
    uint32_t operator()(uint32_t value) const {
        const uint32_t run = (value & m_mask) >> m_shift;
        if (m_bits >= 8) {
            return run >> (m_bits - 8);
        }
        return m_bits ? m_scale[run] : 0;
    }

private:
    uint32_t m_mask;
    int m_shift = 0;
    int m_bits = 0;
    std::vector<uint8_t> m_scale;
};

// Source byte offsets of the displayed columns, computed once per render.
std::vector<int32_t> ColumnOffsets(const CoreImageDesc& desc, const KaloRenderArea& area, int first,
                                   int count) {
    const int bytes = desc.BitsPerPixel / 8;
    std::vector<int32_t> offsets(static_cast<size_t>(count));
    int64_t x = static_cast<int64_t>(area.panX) + static_cast<int64_t>(area.stepX) * first;
    for (int i = 0; i < count; ++i, x += area.stepX) {
        const int column = static_cast<int>(std::clamp<int64_t>(x >> 16, 0, desc.Width - 1));
        offsets[static_cast<size_t>(i)] = column * bytes;
    }
    return offsets;
}

// Rows of the clip: at one source pixel per output pixel a row is a straight run of the
// source (a loop the compiler vectorises); otherwise columns go through their offsets.
template <int Bytes, typename Convert>
void RenderRows(const CoreImageDesc& desc, const KaloRenderArea& area, const KaloRenderTarget& target,
                const Clip& clip, Convert convert) {
    const int count = clip.right - clip.left;
    const int64_t firstX = area.panX + static_cast<int64_t>(area.stepX) * (clip.left - area.left);
    const bool straight = area.stepX == 0x10000 && firstX >= 0 && (firstX >> 16) + count <= desc.Width;
    const std::vector<int32_t> offsets =
        straight ? std::vector<int32_t>() : ColumnOffsets(desc, area, clip.left - area.left, count);
    const size_t straightStart = straight ? static_cast<size_t>(firstX >> 16) * Bytes : 0;
    int64_t y = static_cast<int64_t>(area.panY) + static_cast<int64_t>(area.stepY) * (clip.top - area.top);
    for (int row = clip.top; row < clip.bottom; ++row, y += area.stepY) {
        const int sourceRow = static_cast<int>(std::clamp<int64_t>(y >> 16, 0, desc.Height - 1));
        const uint8_t* line = desc.Pixels + static_cast<size_t>(sourceRow) * desc.BytesPerLine;
        uint32_t* out = target.pixels + static_cast<size_t>(row) * target.width + clip.left;
        if (straight) {
            const uint8_t* run = line + straightStart;
            for (int i = 0; i < count; ++i) {
                out[i] = convert(ReadAt<Bytes>(run + static_cast<size_t>(i) * Bytes));
            }
        } else {
            for (int i = 0; i < count; ++i) {
                out[i] = convert(ReadAt<Bytes>(line + offsets[static_cast<size_t>(i)]));
            }
        }
    }
}

template <typename Convert>
void RenderRows(const CoreImageDesc& desc, const KaloRenderArea& area, const KaloRenderTarget& target,
                const Clip& clip, Convert convert) {
    switch (desc.BitsPerPixel) {
    case 8:
        return RenderRows<1>(desc, area, target, clip, convert);
    case 16:
        return RenderRows<2>(desc, area, target, clip, convert);
    case 24:
        return RenderRows<3>(desc, area, target, clip, convert);
    default:
        return RenderRows<4>(desc, area, target, clip, convert);
    }
}

} // namespace

uint32_t KaloReadSourcePixel(const CoreImageDesc& desc, int x, int y) {
    const uint8_t* line = desc.Pixels + static_cast<size_t>(y) * desc.BytesPerLine;
    return ReadAt(line + static_cast<size_t>(x) * (desc.BitsPerPixel / 8), desc.BitsPerPixel / 8);
}

KaloRenderResult KaloRenderImage(const CoreImageDesc& desc, const KaloRenderArea& area, bool alphaView,
                                 const KaloRenderTarget& target) {
    if (!KaloImageDescReadable(desc) || area.stepX <= 0 || area.stepY <= 0) {
        return KaloRenderResult::NoImage;
    }
    if (alphaView && !desc.AlphaMask) {
        return KaloRenderResult::NoAlphaMask;
    }
    const Clip clip{std::max(area.left, 0), std::max(area.top, 0),
                    std::min(area.left + area.width, target.width),
                    std::min(area.top + area.height, target.height)};
    if (!target.pixels || clip.left >= clip.right || clip.top >= clip.bottom) {
        return KaloRenderResult::Rendered;
    }
    if (alphaView && desc.AlphaMask == 0xFF000000u) {
        RenderRows(desc, area, target, clip, [](uint32_t v) { return (v >> 24) * 0x010101u; });
    } else if (alphaView) {
        const Channel alpha(desc.AlphaMask);
        RenderRows(desc, area, target, clip, [&alpha](uint32_t v) { return alpha(v) * 0x010101u; });
    } else if (desc.BitsPerPixel == 32 && desc.RedMask == 0xFF0000u && desc.GreenMask == 0xFF00u &&
               desc.BlueMask == 0xFFu) {
        // The common layout is already the output's: no extraction per channel.
        RenderRows(desc, area, target, clip, [](uint32_t v) { return v & 0xFFFFFFu; });
    } else {
        const Channel red(desc.RedMask), green(desc.GreenMask), blue(desc.BlueMask);
        RenderRows(desc, area, target, clip,
                   [&](uint32_t v) { return (red(v) << 16) | (green(v) << 8) | blue(v); });
    }
    return KaloRenderResult::Rendered;
}
