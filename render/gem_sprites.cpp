#include "render/gem_sprites.h"

#include <algorithm>
#include <cstring>

#include "render/gem_symbols.h"

namespace {

// Rows of a sprite are short: copies of fixed sizes, which the compiler turns
// into a few vector moves, beat a call to memcpy for each row.
inline void CopyPixels(QRgb* to, const QRgb* from, int n) {
    while (n >= 8) {
        std::memcpy(to, from, 8 * sizeof(QRgb));
        to += 8;
        from += 8;
        n -= 8;
    }
    if (n & 4) {
        std::memcpy(to, from, 4 * sizeof(QRgb));
        to += 4;
        from += 4;
    }
    if (n & 2) {
        std::memcpy(to, from, 2 * sizeof(QRgb));
        to += 2;
        from += 2;
    }
    if (n & 1) {
        *to = *from;
    }
}

}  // namespace

CGemSprites::CGemSprites(const GemPalette& palette, qreal ratio, bool symbols)
    : ratio_(ratio > 0 ? ratio : 1.0), symbols_(symbols) {
    BuildShapes();
    BuildSprites(palette);
}

void CGemSprites::BuildShapes() {
    for (int f = 0; f < kGemFrames; ++f) {
        templates_[f] = GemTemplateImage(f, ratio_);
        const QImage& t = templates_[f];
        // The template is black exactly off the gem, so it carries the mask.
        QImage mask(t.size(), QImage::Format_Mono);
        mask.setColorCount(2);
        mask.setColor(0, qRgb(0, 0, 0));
        mask.setColor(1, qRgb(255, 255, 255));
        mask.fill(1);
        mask.setDevicePixelRatio(ratio_);
        runs_[f].clear();
        for (int y = 0; y < t.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(t.constScanLine(y));
            int x = 0;
            while (x < t.width()) {
                if ((line[x] & 0xFFFFFFu) == 0) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < t.width() && (line[x] & 0xFFFFFFu) != 0) {
                    mask.setPixel(x, y, 0);
                    ++x;
                }
                runs_[f].push_back({y, start, x - start});
            }
        }
        masks_[f] = mask;
    }
}

QRgb CGemSprites::ColourisePixel(QRgb p, QRgb full, QRgb half, QRgb third) {
    switch (p | 0xFF000000u) {
        case kKeyRed:
            return full;
        case kKeyGreen:
            return half;
        case kKeyBlue:
            return third;
        default:
            return p;
    }
}

void CGemSprites::BuildSprites(const GemPalette& palette) {
    palette_ = palette;
    for (int s = 0; s < kGemSlots; ++s) {
        const QRgb full = ColourRefToRgb(palette[3 * s]);
        const QRgb half = ColourRefToRgb(palette[3 * s + 1]);
        const QRgb third = ColourRefToRgb(palette[3 * s + 2]);
        for (int f = 0; f < kGemFrames; ++f) {
            const QImage& t = templates_[f];
            QImage sprite(t.size(), QImage::Format_ARGB32_Premultiplied);
            sprite.fill(Qt::transparent);
            for (const Run& run : runs_[f]) {
                const QRgb* from = reinterpret_cast<const QRgb*>(t.constScanLine(run.row));
                QRgb* to = reinterpret_cast<QRgb*>(sprite.scanLine(run.row));
                for (int x = run.start; x < run.start + run.length; ++x) {
                    to[x] = 0xFF000000u | ColourisePixel(from[x], full, half, third);
                }
            }
            if (symbols_) {
                DrawGemSymbol(sprite, s, f, ratio_);
            }
            sprite.setDevicePixelRatio(ratio_);
            sprites_[Index(s, f)] = sprite;
        }
    }
}

void CGemSprites::SetSymbols(bool on) {
    if (on != symbols_) {
        symbols_ = on;
        BuildSprites(palette_);
    }
}

void CGemSprites::Blit(QImage& target, int slot, int frame, QPoint topLeft,
                       const QRect& clip) const {
    if (target.depth() != 32 || slot < 0 || slot >= kGemSlots || frame < 0 || frame >= kGemFrames) {
        return;
    }
    const QImage& sprite = sprites_[Index(slot, frame)];
    const QRect area = clip & target.rect();
    const int left = area.left();
    const int top = area.top();
    const int width = area.right() + 1;
    const int height = area.bottom() + 1;
    const qsizetype stride = target.bytesPerLine();
    uchar* bits = target.bits();
    const uchar* spriteBits = sprite.constBits();
    const qsizetype spriteStride = sprite.bytesPerLine();
    for (const Run& run : runs_[frame]) {
        const int y = topLeft.y() + run.row;
        if (y < top || y >= height) {
            continue;
        }
        const int x0 = std::max(topLeft.x() + run.start, left);
        const int x1 = std::min(topLeft.x() + run.start + run.length, width);
        if (x0 >= x1) {
            continue;
        }
        const QRgb* from =
            reinterpret_cast<const QRgb*>(spriteBits + run.row * spriteStride) + (x0 - topLeft.x());
        QRgb* to = reinterpret_cast<QRgb*>(bits + y * stride) + x0;
        CopyPixels(to, from, x1 - x0);
    }
}
