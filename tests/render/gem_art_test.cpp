#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "render/gem_art.h"

namespace {

bool OnGem(const QImage& mask, int x, int y) {
    return mask.pixelIndex(x, y) == 0;
}

// The outermost row of the gem from the top (or the bottom), and the first
// and last gem columns in it.
struct EdgeRow {
    int y = -1, first = -1, last = -1;
};
EdgeRow OuterRow(const QImage& mask, bool fromBottom) {
    for (int i = 0; i < mask.height(); ++i) {
        EdgeRow e;
        e.y = fromBottom ? mask.height() - 1 - i : i;
        for (int x = 0; x < mask.width(); ++x) {
            if (OnGem(mask, x, e.y)) {
                e.first = e.first < 0 ? x : e.first;
                e.last = x;
            }
        }
        if (e.first >= 0) {
            return e;
        }
    }
    return {};
}

}  // namespace

TEST(GemArt, EveryFrameFollowsTheColourShadingAndShapeConventions) {
    const std::set<QRgb> allowed{kKeyRed,  kKeyGreen,  kKeyBlue,   kGemWhite,
                                 kGemGrey, kGemYellow, kGemOutside};
    for (int f = 0; f < kGemFrames; ++f) {
        const QImage tmpl = GemTemplateImage(f);
        const QImage mask = GemMaskImage(f);
        ASSERT_EQ(tmpl.size(), QSize(30, 30));
        ASSERT_EQ(mask.size(), QSize(30, 30));
        std::set<QRgb> seen;
        int yellow = 0, area = 0;
        // Key red and key green in the upper-left and lower-right halves.
        int red[2] = {0, 0}, green[2] = {0, 0};
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                const QRgb c = tmpl.pixel(x, y);
                ASSERT_TRUE(allowed.count(c)) << "frame " << f << " at " << x << "," << y;
                // Pure black exactly where the mask is white.
                ASSERT_EQ(c == kGemOutside, !OnGem(mask, x, y))
                    << "frame " << f << " at " << x << "," << y;
                seen.insert(c);
                yellow += c == kGemYellow;
                area += OnGem(mask, x, y);
                red[x + y >= 29] += c == kKeyRed;
                green[x + y >= 29] += c == kKeyGreen;
            }
        }
        EXPECT_EQ(seen, allowed) << "frame " << f;
        EXPECT_EQ(yellow, 1) << "frame " << f;
        EXPECT_EQ(tmpl.pixel(14, 15), kGemYellow) << "frame " << f;
        EXPECT_GT(red[0], 150) << "frame " << f;
        EXPECT_LT(green[0], 10) << "frame " << f;
        EXPECT_GT(green[1], 100) << "frame " << f;
        EXPECT_LT(red[1], 40) << "frame " << f;
        // A regular hexagon of circumradius 14.5 at every rotation.
        EXPECT_NEAR(area, 546, 12) << "frame " << f;
    }
}

TEST(GemArt, FrameZeroHasACornerStraightUpAndDownAndLaterFramesTurnClockwise) {
    const EdgeRow top = OuterRow(GemMaskImage(0), false);
    const EdgeRow bottom = OuterRow(GemMaskImage(0), true);
    EXPECT_EQ(top.y, 1);
    EXPECT_EQ(bottom.y, 29);
    for (const EdgeRow& corner : {top, bottom}) {
        EXPECT_EQ(corner.first, 14);
        EXPECT_EQ(corner.last, 14);
    }
    // Turned clockwise, the top corner moves right of the centre column; half
    // way, at 30 degrees, the hexagon has a flat top.
    EXPECT_GT(OuterRow(GemMaskImage(2), false).first, 14);
    const EdgeRow flat = OuterRow(GemMaskImage(8), false);
    EXPECT_GE(flat.last - flat.first, 10);
}

TEST(GemArt, PicturesAtRatioTwoHaveTheSameShapeWithTwiceThePixels) {
    for (int f : {0, 5, 11}) {
        const QImage big = GemMaskImage(f, 2.0);
        const QImage small = GemMaskImage(f, 1.0);
        ASSERT_EQ(big.size(), QSize(60, 60));
        EXPECT_DOUBLE_EQ(big.devicePixelRatio(), 2.0);
        int disagree = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                disagree += OnGem(big, x, y) != OnGem(small, x / 2, y / 2);
            }
        }
        // Only along the outline.
        EXPECT_LT(disagree, 120) << "frame " << f;
        EXPECT_EQ(GemTemplateImage(f, 2.0).pixel(29, 31), kGemYellow);
    }
    // Fractional ratios round up, so a picture covers its whole cell.
    EXPECT_EQ(GemMaskImage(0, 1.25).width(), 38);
}
