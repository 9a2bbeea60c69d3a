#include "render/artwork.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "render/gem_art.h"
#include "render/logical_painter.h"

namespace {

constexpr double kPiValue = 3.141592653589793;

// ---- The tile -------------------------------------------------------------

// A hash of a lattice point, wrapped to the period so that the texture repeats
// seamlessly, as a value in [-1, 1].
double LatticeValue(int i, int j, int period, std::uint32_t seed) {
    i = ((i % period) + period) % period;
    j = ((j % period) + period) % period;
    std::uint32_t h = seed ^ (static_cast<std::uint32_t>(i) * 0x8DA6B343u) ^
                      (static_cast<std::uint32_t>(j) * 0xD8163841u);
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h & 0xFFFFFFu) / double(0xFFFFFF) * 2.0 - 1.0;
}

double Smooth(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

// Value noise over a 64-pixel period with `cells` lattice cells per period.
double Noise(double x, double y, int cells, std::uint32_t seed) {
    const double fx = x * cells / kTileSize;
    const double fy = y * cells / kTileSize;
    const int i = static_cast<int>(std::floor(fx));
    const int j = static_cast<int>(std::floor(fy));
    const double u = Smooth(fx - i);
    const double v = Smooth(fy - j);
    const double a = LatticeValue(i, j, cells, seed);
    const double b = LatticeValue(i + 1, j, cells, seed);
    const double c = LatticeValue(i, j + 1, cells, seed);
    const double d = LatticeValue(i + 1, j + 1, cells, seed);
    return (a + (b - a) * u) + ((c + (d - c) * u) - (a + (b - a) * u)) * v;
}

// Brightness of the texture at a logical point: soft mottling with a gentle
// diagonal ripple, like light on water.
double TileTexture(double x, double y) {
    const double warp = Noise(x, y, 4, 0x51u);
    const double ripple =
        std::sin(2.0 * kPiValue * (x + 2.0 * y) / kTileSize + 2.2 * warp) * 0.35 +
        std::sin(2.0 * kPiValue * (3.0 * x - y) / kTileSize + 1.7 * Noise(x, y, 8, 0x77u)) * 0.2;
    const double mottle = Noise(x, y, 8, 0x1234u) * 0.45 + Noise(x, y, 16, 0x9876u) * 0.25 +
                          Noise(x, y, 32, 0xABu) * 0.12;
    return ripple + mottle;
}

// ---- Gems in vector drawings ----------------------------------------------

QPointF Corner(QPointF centre, qreal radius, int k) {
    const double a = kPiValue / 6.0 + k * kPiValue / 3.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// The part of a polygon on the lit side of the line through `centre` facing
// the upper-left light.
QPolygonF LitPart(const QPolygonF& poly, QPointF centre) {
    const double la = 232.0 * kPiValue / 180.0;
    const QPointF n(std::cos(la), std::sin(la));
    auto side = [&](QPointF p) {
        return (p.x() - centre.x()) * n.x() + (p.y() - centre.y()) * n.y();
    };
    QPolygonF out;
    for (int i = 0; i < poly.size(); ++i) {
        const QPointF a = poly[i];
        const QPointF b = poly[(i + 1) % poly.size()];
        const double sa = side(a);
        const double sb = side(b);
        if (sa >= 0) {
            out << a;
        }
        if ((sa >= 0) != (sb >= 0)) {
            out << a + (b - a) * (sa / (sa - sb));
        }
    }
    return out;
}

// A gem as the board shows it: a hexagon with a corner up, lit half in the
// full colour, shaded half in the half shade, white and grey rims, and a
// yellow centre spot when it is large enough to see.
void AddGem(CVectorScene& scene, QPointF c, qreal r, QColor full, QColor half, qreal rim) {
    QPolygonF hex;
    for (int k = 0; k < 6; ++k) {
        hex << Corner(c, r, k);
    }
    scene.AddPolygon(hex, half);
    scene.AddPolygon(LitPart(hex, c), full);
    // Sides 2, 3, 4 (from the lower-left corner round to the upper-right one)
    // face the light.
    scene.AddPolyline(QPolygonF{Corner(c, r, 2), Corner(c, r, 3), Corner(c, r, 4), Corner(c, r, 5)},
                      Qt::white, rim);
    scene.AddPolyline(QPolygonF{Corner(c, r, 5), Corner(c, r, 0), Corner(c, r, 1), Corner(c, r, 2)},
                      QColor(128, 128, 128), rim);
    if (r >= 12) {
        scene.AddCircle(c, r * 0.09, QColor(255, 255, 0));
    }
}

const QColor kWheelGreen(0, 128, 0);
const QColor kGemBlue(64, 64, 255), kGemBlueHalf(32, 32, 128);
const QColor kYellowFull(255, 255, 0), kYellowHalf(128, 128, 0);
const QColor kGemMagenta(255, 0, 255), kGemMagentaHalf(128, 0, 128);
const QColor kGemRed(255, 0, 0), kGemRedHalf(128, 0, 0);
const QColor kGemWhiteFull(255, 255, 255), kGemWhiteHalf(128, 128, 128);

// The About box leaves the logo's pure black pixels out, so the logo draws
// its rim and spokes a hair above black.
const QColor kLogoInk(1, 1, 1);

// The wheel with its rim and spokes in `ink`, centred in a square design of
// side `size`.
void AddWheel(CVectorScene& scene, qreal size, qreal radius, qreal penWidth, int spokes,
              QColor ink) {
    const QPointF c(size / 2, size / 2);
    scene.AddCircle(c, radius, kWheelGreen, ink, penWidth);
    for (int k = 0; k < spokes; ++k) {
        const double a = k * 2.0 * kPiValue / spokes + 0.2;
        const QPointF dir(std::cos(a), std::sin(a));
        scene.AddPolyline(QPolygonF{c + dir * radius, c + dir * (radius * 0.84)}, ink,
                          penWidth * 0.75);
    }
}

// ---- Toolbar --------------------------------------------------------------

CVectorScene ToolbarScene(int index) {
    // A 28 x 27 button drawn in a 28-unit square, the bottom row left empty.
    CVectorScene s(28);
    const QColor ink(24, 40, 72);
    const QColor bar(40, 70, 150);
    switch (index) {
        case 0:  // play
            s.AddPolygon(QPolygonF{{8, 5.5}, {22, 13.5}, {8, 21.5}}, QColor(20, 160, 40), ink, 1.2);
            break;
        case 1:  // pause and hide: pause bars, and the window going down
            s.AddRoundedRect(QRectF(4.5, 5, 4.5, 13), 1, bar, ink, 1);
            s.AddRoundedRect(QRectF(11, 5, 4.5, 13), 1, bar, ink, 1);
            s.AddPolygon(QPolygonF{{17.5, 9}, {24.5, 9}, {21, 14.5}}, QColor(230, 140, 20), ink, 1);
            s.AddPolyline(QPolygonF{{17, 17.5}, {25, 17.5}}, ink, 1.6);
            s.AddPolyline(QPolygonF{{4, 22.5}, {25, 22.5}}, ink, 1.6);
            break;
        case 2:  // drop bomb: the red bomb gem falling
            s.AddPolyline(QPolygonF{{14, 2.5}, {14, 8}}, ink, 1.6);
            s.AddPolygon(QPolygonF{{10.5, 6}, {17.5, 6}, {14, 10}}, ink);
            AddGem(s, QPointF(14, 17.5), 8, kGemRed, kGemRedHalf, 1.1);
            break;
        case 3:  // pause
            s.AddRoundedRect(QRectF(7.5, 5.5, 5, 16), 1, bar, ink, 1);
            s.AddRoundedRect(QRectF(15.5, 5.5, 5, 16), 1, bar, ink, 1);
            break;
        default: {  // new game: a fresh wheel with only the central gem
            const QPointF c(14, 13.5);
            s.AddCircle(c, 11, kWheelGreen, Qt::black, 1.4);
            for (int k = 0; k < 6; ++k) {
                const double a = k * kPiValue / 3.0 + 0.2;
                const QPointF d(std::cos(a), std::sin(a));
                s.AddPolyline(QPolygonF{c + d * 11, c + d * 8.5}, Qt::black, 1.1);
            }
            AddGem(s, c, 5, kGemWhiteFull, kGemWhiteHalf, 0.9);
            break;
        }
    }
    return s;
}

}  // namespace

QImage TileImage(qreal ratio) {
    // Centre the texture on the tile's intended average colour.
    static const double mean = [] {
        double sum = 0.0;
        for (int y = 0; y < kTileSize; ++y) {
            for (int x = 0; x < kTileSize; ++x) {
                sum += TileTexture(x + 0.5, y + 0.5);
            }
        }
        return sum / (kTileSize * kTileSize);
    }();

    const int size = DevicePixels(kTileSize, ratio);
    QImage image(size, size, QImage::Format_RGB32);
    for (int py = 0; py < size; ++py) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double y = (py + 0.5) / ratio;
        for (int px = 0; px < size; ++px) {
            const double x = (px + 0.5) / ratio;
            const double t = TileTexture(x, y) - mean;
            auto channel = [t](double base, double span) {
                return std::clamp(static_cast<int>(std::lround(base + t * span)), 0, 255);
            };
            line[px] = qRgb(channel(3.0, 4.0), channel(123.0, 34.0), channel(221.0, 26.0));
        }
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage ToolbarButtonImage(int index, qreal ratio) {
    return ToolbarScene(index)
        .Render(kToolbarButtonWidth, kToolbarButtonWidth, ratio)
        .copy(0, 0, DevicePixels(kToolbarButtonWidth, ratio),
              DevicePixels(kToolbarButtonHeight, ratio));
}

QImage ToolbarImage(qreal ratio) {
    QImage strip(DevicePixels(kToolbarButtons * kToolbarButtonWidth, ratio),
                 DevicePixels(kToolbarButtonHeight, ratio), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < kToolbarButtons; ++i) {
        QImage button = ToolbarButtonImage(i, ratio);
        button.setDevicePixelRatio(1.0);
        p.drawImage(DevicePixels(i * kToolbarButtonWidth, ratio), 0, button);
    }
    p.end();
    strip.setDevicePixelRatio(ratio);
    return strip;
}

CVectorScene IconScene(int pixelSize, QColor ink) {
    CVectorScene s(256);
    const QPointF c(128, 128);
    if (pixelSize <= 24) {
        // Few, bold shapes survive at 16 pixels.
        s.AddCircle(c, 118, kWheelGreen, ink, 16);
        AddGem(s, c, 44, kGemWhiteFull, kGemWhiteHalf, 12);
        AddGem(s, QPointF(128 + 76, 128), 34, kGemBlue, kGemBlueHalf, 10);
        AddGem(s, QPointF(128 - 38, 128 + 66), 34, kYellowFull, kYellowHalf, 10);
        return s;
    }
    AddWheel(s, 256, 118, pixelSize <= 48 ? 9 : 6, 12, ink);
    // A small cluster on the lattice around the central gem and one gem on
    // its way in from the rim.
    const qreal r = 29;
    const qreal step = r * 26.0 / 15.0;
    auto cell = [&](int a, int b) {
        return QPointF(128 + step * (a + b * 0.5), 128 + step * b * (22.0 / 26.0));
    };
    const qreal rim = pixelSize <= 48 ? 5 : 3;
    AddGem(s, cell(0, 0), r, kGemWhiteFull, kGemWhiteHalf, rim);
    AddGem(s, cell(1, 0), r, kGemBlue, kGemBlueHalf, rim);
    AddGem(s, cell(0, 1), r, kGemBlue, kGemBlueHalf, rim);
    AddGem(s, cell(-1, 1), r, kYellowFull, kYellowHalf, rim);
    AddGem(s, cell(-1, 0), r, kGemMagenta, kGemMagentaHalf, rim);
    AddGem(s, cell(0, -1), r, kYellowFull, kYellowHalf, rim);
    AddGem(s, QPointF(128 + 58, 128 - 72), r, kGemMagenta, kGemMagentaHalf, rim);
    return s;
}

QImage IconImage(int pixelSize) {
    return IconScene(pixelSize).Render(pixelSize, pixelSize);
}

QImage LogoImage(qreal ratio) {
    // The icon's wheel on a rounded azure plate, cut from the tile.
    const int device = DevicePixels(kLogoSize, ratio);
    QImage logo(device, device, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    logo.setDevicePixelRatio(ratio);
    CLogicalPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing, true);
    QBrush tile(TileImage(ratio));
    p.setPen(QPen(QColor(20, 50, 110), 1.0));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, kLogoSize - 1, kLogoSize - 1), 9, 9);
    const QImage wheel = IconScene(kLogoSize, kLogoInk).Render(58, 58, ratio);
    p.drawImage(QPointF(4, 4), wheel);
    p.end();
    return logo;
}
