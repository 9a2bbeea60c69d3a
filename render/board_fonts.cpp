#include "render/board_fonts.h"

#include <QFontMetricsF>
#include <cmath>

QFont FontForCellHeight(const QString& family, int cellHeight) {
    QFont font(family);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Measure the cell at a large size, where rounding does not blur it.
    constexpr int kProbe = 1000;
    font.setPixelSize(kProbe);
    const QFontMetricsF probe(font);
    const qreal cell = probe.ascent() + probe.descent();
    const int pixelSize =
        cell > 0 ? static_cast<int>(std::lround(cellHeight * kProbe / cell)) : cellHeight;
    font.setPixelSize(std::max(pixelSize, 1));
    return font;
}

QFont ScoreFont() {
    return FontForCellHeight(QStringLiteral("Liberation Sans"), kScoreCellHeight);
}

QFont BannerFont() {
    return FontForCellHeight(QStringLiteral("Liberation Serif"), kBannerCellHeight);
}
