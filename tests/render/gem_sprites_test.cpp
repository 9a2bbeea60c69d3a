#include <gtest/gtest.h>

#include "render/gem_sprites.h"

namespace {

GemPalette TestPalette() {
    return MakeGemPalette({0x00FF4040u, 0x0000FFFFu, 0x00FF00FFu, 0x00FFFFFFu, 0x000000FFu});
}

// What the masked copy of a sprite must give on a background pixel.
QRgb Expected(const QImage& tmpl, const QImage& mask, int x, int y, const GemPalette& p, int slot,
              QRgb background) {
    if (mask.pixelIndex(x, y) == 1) {
        return background;
    }
    return CGemSprites::ColourisePixel(tmpl.pixel(x, y), ColourRefToRgb(p[3 * slot]),
                                       ColourRefToRgb(p[3 * slot + 1]),
                                       ColourRefToRgb(p[3 * slot + 2]));
}

}  // namespace

TEST(GemSprites, ColouringReplacesOnlyTheThreeKeyColours) {
    const QRgb full = qRgb(1, 2, 3), half = qRgb(4, 5, 6), third = qRgb(7, 8, 9);
    EXPECT_EQ(CGemSprites::ColourisePixel(kKeyRed, full, half, third), full);
    EXPECT_EQ(CGemSprites::ColourisePixel(kKeyGreen, full, half, third), half);
    EXPECT_EQ(CGemSprites::ColourisePixel(kKeyBlue, full, half, third), third);
    for (QRgb keep : {kGemWhite, kGemGrey, kGemYellow, kGemOutside, qRgb(255, 0, 1)}) {
        EXPECT_EQ(CGemSprites::ColourisePixel(keep, full, half, third), keep);
    }
}

TEST(GemSprites, MaskedCopyGivesThePixelsOfMaskThenColouredTemplate) {
    const GemPalette palette = TestPalette();
    const CGemSprites sprites(palette, 1.0);
    const QRgb background = qRgb(10, 20, 30);
    for (int slot = 0; slot < kGemSlots; ++slot) {
        for (int f = 0; f < kGemFrames; ++f) {
            QImage target(30, 30, QImage::Format_RGB32);
            target.fill(background);
            sprites.Blit(target, slot, f, QPoint(0, 0));
            const QImage tmpl = GemTemplateImage(f);
            const QImage& mask = sprites.Mask(f);
            const QImage& sprite = sprites.Sprite(slot, f);
            ASSERT_EQ(sprite.format(), QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 30; ++x) {
                    ASSERT_EQ(target.pixel(x, y),
                              Expected(tmpl, mask, x, y, palette, slot, background))
                        << "slot " << slot << " frame " << f << " at " << x << "," << y;
                    // The sprite is opaque exactly on the gem.
                    ASSERT_EQ(qAlpha(sprite.pixel(x, y)), mask.pixelIndex(x, y) == 0 ? 255 : 0);
                }
            }
            EXPECT_EQ(mask, GemMaskImage(f));
        }
    }
}

TEST(GemSprites, RebuildingFromANewPaletteRecoloursInPlace) {
    CGemSprites sprites(TestPalette(), 1.0);
    GemPalette changed = TestPalette();
    changed[0] = 0x00123456;
    changed[1] = 0x00010203;
    sprites.BuildSprites(changed);
    EXPECT_EQ(sprites.GetPalette(), changed);
    const QImage tmpl = GemTemplateImage(0);
    bool sawFull = false;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            if (tmpl.pixel(x, y) == kKeyRed) {
                EXPECT_EQ(sprites.Sprite(0, 0).pixel(x, y), ColourRefToRgb(0x00123456));
                sawFull = true;
            }
            if (tmpl.pixel(x, y) == kKeyGreen) {
                EXPECT_EQ(sprites.Sprite(0, 0).pixel(x, y), ColourRefToRgb(0x00010203));
            }
        }
    }
    EXPECT_TRUE(sawFull);
    // The other slots keep their colours.
    EXPECT_EQ(sprites.Sprite(1, 0).pixel(8, 11), ColourRefToRgb(0x0000FFFF));
}

TEST(GemSprites, CopiesPartlyOutsideTheTargetAreClipped) {
    const CGemSprites sprites(TestPalette(), 1.0);
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::black);
    sprites.Blit(target, 1, 0, QPoint(-15, -16));
    // The gem's lower-right quarter shows in the top-left corner.
    EXPECT_NE(target.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(19, 19), qRgb(0, 0, 0));
    const QImage before = target;
    sprites.Blit(target, 1, 0, QPoint(100, 5));
    sprites.Blit(target, 1, 0, QPoint(5, -40));
    EXPECT_EQ(target, before);
}

TEST(GemSprites, AtRatioTwoSpritesHaveTwiceThePixels) {
    const CGemSprites sprites(TestPalette(), 2.0);
    EXPECT_EQ(sprites.Sprite(2, 7).size(), QSize(60, 60));
    EXPECT_DOUBLE_EQ(sprites.Sprite(2, 7).devicePixelRatio(), 2.0);
    QImage target(60, 60, QImage::Format_RGB32);
    target.fill(Qt::black);
    sprites.Blit(target, 3, 0, QPoint(0, 0));
    // The yellow centre spot is two by two device pixels.
    for (int y : {30, 31}) {
        for (int x : {28, 29}) {
            EXPECT_EQ(target.pixel(x, y), kGemYellow) << x << "," << y;
        }
    }
}
