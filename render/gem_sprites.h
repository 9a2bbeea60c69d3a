#pragma once
// The pre-built pictures of every gem: for each of the five colour slots, the
// 16 rotation frames coloured from the shading templates, made at the
// display's pixel ratio. Drawing a gem is then a masked copy of one sprite.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

#include "render/gem_art.h"
#include "render/gem_palette.h"

class CGemSprites {
  public:
    // The whole set in the given colours, with or without the symbols.
    CGemSprites(const GemPalette& palette, qreal ratio, bool symbols = false);

    // Recolours every sprite from a new palette, in place.
    void BuildSprites(const GemPalette& palette);
    GemPalette GetPalette() const { return palette_; }
    // Puts the player colours' symbols on or off, rebuilding the sprites.
    void SetSymbols(bool on);
    bool Symbols() const { return symbols_; }
    qreal Ratio() const { return ratio_; }

    // The coloured picture of a frame in a slot: premultiplied ARGB, opaque
    // exactly on the gem and transparent around it, device pixel ratio set.
    const QImage& Sprite(int slot, int frame) const { return sprites_[Index(slot, frame)]; }
    // The shape of a frame, the same for every slot: white outside, black on
    // the gem.
    const QImage& Mask(int frame) const { return masks_[frame]; }

    // The masked copy: the sprite's gem pixels replace the target's, the rest
    // of the target stays. `topLeft` is in the target's device pixels and may
    // lie partly outside it; nothing outside `clip` (device pixels) changes.
    // The target must be a 32-bit RGB or premultiplied ARGB image.
    void Blit(QImage& target, int slot, int frame, QPoint topLeft, const QRect& clip) const;

    // The colour of a key-coloured template pixel in a slot; other pixels keep
    // their own colour.
    static QRgb ColourisePixel(QRgb templatePixel, QRgb full, QRgb half, QRgb third);

  private:
    // Per device row of a frame: the columns where the gem lies, as runs.
    struct Run {
        int row;
        int start;
        int length;
    };

    static int Index(int slot, int frame) { return slot * kGemFrames + frame; }
    void BuildShapes();

    qreal ratio_;
    GemPalette palette_{};
    bool symbols_ = false;
    std::array<QImage, kGemFrames> templates_;
    std::array<QImage, kGemFrames> masks_;
    std::array<std::vector<Run>, kGemFrames> runs_;
    std::array<QImage, kGemSlots * kGemFrames> sprites_;
};
