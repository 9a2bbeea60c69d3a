#include "render/gem_symbols.h"

#include <cmath>

#include "game/settings_store.h"
#include "render/gem_art.h"

namespace {

constexpr double kPiValue = 3.141592653589793;
constexpr QRgb kSymbolWhite = 0xFFFFFFFFu;
constexpr QRgb kSymbolBlack = 0xFF000000u;

// Sizes in logical pixels. Each white shape has a black outline about one
// pixel wide, so the symbol shows on light and dark gems alike.
constexpr double kDotRadius = 2.5;
constexpr double kDotOutline = 3.6;
constexpr double kRingInnerOutline = 2.6;
constexpr double kRingInner = 3.6;
constexpr double kRingOuter = 5.0;
constexpr double kRingOuterOutline = 6.1;
constexpr double kBarHalfLength = 5.5;
constexpr double kBarHalfWidth = 1.0;
constexpr double kBarOutline = 1.0;

// (u, v): the point in the gem's own frame, turned back with the gem.
QRgb SymbolAt(int slot, double u, double v) {
    const double r = std::sqrt(u * u + v * v);
    switch (slot) {
        case 0:  // a dot
            return r <= kDotRadius ? kSymbolWhite : r <= kDotOutline ? kSymbolBlack : 0;
        case 1:  // a ring
            if (r <= kRingInnerOutline || r > kRingOuterOutline) {
                return 0;
            }
            return r > kRingInner && r <= kRingOuter ? kSymbolWhite : kSymbolBlack;
        case 2: {  // a bar
            const double along = std::fabs(u);
            const double across = std::fabs(v);
            if (along <= kBarHalfLength && across <= kBarHalfWidth) {
                return kSymbolWhite;
            }
            return along <= kBarHalfLength + kBarOutline && across <= kBarHalfWidth + kBarOutline
                       ? kSymbolBlack
                       : 0;
        }
        default:
            return 0;
    }
}

}  // namespace

QRgb GemSymbolPixel(int slot, int frame, double x, double y) {
    // Frame f shows the gem turned clockwise on screen by f pi/48.
    const double turn = frame * kPiValue / 48.0;
    const double dx = x - kGemCentreX;
    const double dy = y - kGemCentreY;
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    return SymbolAt(slot, dx * c + dy * s, dy * c - dx * s);
}

void DrawGemSymbol(QImage& sprite, int slot, int frame, qreal ratio) {
    if (slot < 0 || slot >= kSymbolSlots || sprite.depth() != 32) {
        return;
    }
    for (int py = 0; py < sprite.height(); ++py) {
        QRgb* line = reinterpret_cast<QRgb*>(sprite.scanLine(py));
        for (int px = 0; px < sprite.width(); ++px) {
            // Only on the gem: its outline stays where the mask says.
            if (qAlpha(line[px]) == 0) {
                continue;
            }
            const QRgb symbol = GemSymbolPixel(slot, frame, (px + 0.5) / ratio, (py + 0.5) / ratio);
            if (symbol != 0) {
                line[px] = symbol;
            }
        }
    }
}

bool StoredGemSymbols() {
    return ReadSettingDword(kSettingsKey, "GemSymbols") != 0;
}
