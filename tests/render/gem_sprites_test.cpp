#include <gtest/gtest.h>

#include "render/gem_sprites.h"

namespace {

const GemPalette kPalette = MakeGemPalette(kDefaultGemColours);

}  // namespace

TEST(GemSprites, MaskedCopyShowsTheBackgroundOffTheGemAndRecoloursOnlyKeyPixels) {
    const CGemSprites sprites(kPalette, 1.0);
    const QRgb background = qRgb(10, 20, 30);
    for (int slot = 0; slot < kGemSlots; ++slot) {
        for (int f = 0; f < kGemFrames; ++f) {
            QImage target(30, 30, QImage::Format_RGB32);
            target.fill(background);
            sprites.Blit(target, slot, f, QPoint(0, 0));
            const QImage tmpl = GemTemplateImage(f);
            const QImage mask = GemMaskImage(f);
            const QImage& sprite = sprites.Sprite(slot, f);
            ASSERT_EQ(sprite.format(), QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(sprites.Mask(f), mask);
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 30; ++x) {
                    const bool onGem = mask.pixelIndex(x, y) == 0;
                    const QRgb t = tmpl.pixel(x, y);
                    const int shade = t == kKeyRed     ? 0
                                      : t == kKeyGreen ? 1
                                      : t == kKeyBlue  ? 2
                                                       : -1;
                    const QRgb want = !onGem      ? background
                                      : shade < 0 ? t
                                                  : ColourRefToRgb(kPalette[3 * slot + shade]);
                    ASSERT_EQ(target.pixel(x, y), want)
                        << "slot " << slot << " frame " << f << " at " << x << "," << y;
                    // The sprite is opaque exactly on the gem.
                    ASSERT_EQ(qAlpha(sprite.pixel(x, y)), onGem ? 255 : 0);
                }
            }
        }
    }
}

TEST(GemSprites, RebuildingFromANewPaletteGivesTheSpritesOfThatPalette) {
    CGemSprites sprites(kPalette, 1.0);
    GemPalette changed = kPalette;
    changed[0] = 0x00123456;
    changed[1] = 0x00010203;
    const QImage before = sprites.Sprite(0, 0);
    sprites.BuildSprites(changed);
    EXPECT_EQ(sprites.GetPalette(), changed);
    EXPECT_NE(sprites.Sprite(0, 0), before);
    const CGemSprites fresh(changed, 1.0);
    for (int slot = 0; slot < kGemSlots; ++slot) {
        for (int f = 0; f < kGemFrames; ++f) {
            EXPECT_EQ(sprites.Sprite(slot, f), fresh.Sprite(slot, f)) << slot << " " << f;
        }
    }
}

TEST(GemSprites, CopiesPartlyOutsideTheTargetAreClipped) {
    const CGemSprites sprites(kPalette, 1.0);
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
