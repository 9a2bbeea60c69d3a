#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>

#include "render/gem_art.h"

namespace {

bool OnGem(const QImage& mask, int x, int y) {
    return mask.pixelIndex(x, y) == 0;
}

QString SourcePath(const char* relative) {
    return QString(TORVANE_SOURCE_DIR) + "/" + relative;
}

}  // namespace

TEST(GemArt, TemplateIsBlackExactlyWhereTheMaskIsWhite) {
    for (int f = 0; f < kGemFrames; ++f) {
        const QImage tmpl = GemTemplateImage(f);
        const QImage mask = GemMaskImage(f);
        ASSERT_EQ(tmpl.size(), QSize(30, 30));
        ASSERT_EQ(mask.size(), QSize(30, 30));
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                const bool black = (tmpl.pixel(x, y) & 0xFFFFFF) == 0;
                EXPECT_EQ(black, !OnGem(mask, x, y)) << "frame " << f << " at " << x << "," << y;
            }
        }
    }
}

TEST(GemArt, TemplatesUseOnlyKeyColoursRimsSparklesAndACentreSpot) {
    const std::set<QRgb> allowed{kKeyRed,  kKeyGreen,  kKeyBlue,   kGemWhite,
                                 kGemGrey, kGemYellow, kGemOutside};
    for (int f = 0; f < kGemFrames; ++f) {
        const QImage tmpl = GemTemplateImage(f);
        std::set<QRgb> seen;
        int yellow = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                const QRgb c = tmpl.pixel(x, y);
                EXPECT_TRUE(allowed.count(c)) << "frame " << f << " at " << x << "," << y;
                seen.insert(c);
                yellow += c == kGemYellow;
            }
        }
        EXPECT_EQ(seen, allowed) << "frame " << f;
        EXPECT_EQ(yellow, 1) << "frame " << f;
        EXPECT_EQ(tmpl.pixel(14, 15), kGemYellow) << "frame " << f;
        // The lit part is upper left, the shaded part lower right.
        int redUpperLeft = 0, greenUpperLeft = 0, redLowerRight = 0, greenLowerRight = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                const QRgb c = tmpl.pixel(x, y);
                const bool upperLeft = x + y < 29;
                (upperLeft ? redUpperLeft : redLowerRight) += c == kKeyRed;
                (upperLeft ? greenUpperLeft : greenLowerRight) += c == kKeyGreen;
            }
        }
        EXPECT_GT(redUpperLeft, 150) << "frame " << f;
        EXPECT_LT(greenUpperLeft, 10) << "frame " << f;
        EXPECT_GT(greenLowerRight, 100) << "frame " << f;
        EXPECT_LT(redLowerRight, 40) << "frame " << f;
    }
}

TEST(GemArt, FrameZeroHasACornerStraightUpAndDownAndLaterFramesTurnClockwise) {
    auto rowSpan = [](const QImage& mask, int y, int& first, int& last) {
        first = -1;
        last = -1;
        for (int x = 0; x < 30; ++x) {
            if (OnGem(mask, x, y)) {
                if (first < 0) {
                    first = x;
                }
                last = x;
            }
        }
    };
    const QImage frame0 = GemMaskImage(0);
    int top = 0;
    while (top < 30) {
        int a, b;
        rowSpan(frame0, top, a, b);
        if (a >= 0) {
            EXPECT_EQ(a, 14);
            EXPECT_EQ(b, 14);
            break;
        }
        ++top;
    }
    int bottom = 29;
    for (;; --bottom) {
        int a, b;
        rowSpan(frame0, bottom, a, b);
        if (a >= 0) {
            EXPECT_EQ(a, 14);
            EXPECT_EQ(b, 14);
            break;
        }
    }
    EXPECT_EQ(top, 1);
    EXPECT_EQ(bottom, 29);

    // Turned clockwise, the top corner moves right of the centre column.
    const QImage frame2 = GemMaskImage(2);
    for (int y = 0; y < 30; ++y) {
        int a, b;
        rowSpan(frame2, y, a, b);
        if (a >= 0) {
            EXPECT_GT(a, 14);
            break;
        }
    }
    // Half way, 30 degrees, the hexagon has a flat top.
    const QImage frame8 = GemMaskImage(8);
    for (int y = 0; y < 30; ++y) {
        int a, b;
        rowSpan(frame8, y, a, b);
        if (a >= 0) {
            EXPECT_GE(b - a, 10);
            break;
        }
    }
}

TEST(GemArt, EveryFrameCoversAboutTheSameArea) {
    int area0 = 0;
    for (int f = 0; f < kGemFrames; ++f) {
        const QImage mask = GemMaskImage(f);
        int area = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                area += OnGem(mask, x, y);
            }
        }
        if (f == 0) {
            area0 = area;
        }
        EXPECT_NEAR(area, area0, 12) << "frame " << f;
    }
    // A regular hexagon of circumradius 14.5.
    EXPECT_NEAR(area0, 546, 12);
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
    EXPECT_EQ(GemMaskImage(0, 1.5).width(), 45);
    EXPECT_EQ(GemMaskImage(0, 1.25).width(), 38);
}

TEST(GemArt, DrawingAtRatioOneMatchesTheShippedPictures) {
    for (int f = 0; f < kGemFrames; ++f) {
        const QString n = QString::asprintf("%02d", f);
        const QImage shippedTemplate(SourcePath("resources/art/gems/template-") + n + ".png");
        const QImage shippedMask(SourcePath("resources/art/gems/mask-") + n + ".png");
        ASSERT_FALSE(shippedTemplate.isNull());
        ASSERT_FALSE(shippedMask.isNull());
        EXPECT_EQ(GemTemplateImage(f).convertToFormat(QImage::Format_RGB32),
                  shippedTemplate.convertToFormat(QImage::Format_RGB32))
            << "frame " << f;
        EXPECT_EQ(GemMaskImage(f).convertToFormat(QImage::Format_RGB32),
                  shippedMask.convertToFormat(QImage::Format_RGB32))
            << "frame " << f;
    }
}
