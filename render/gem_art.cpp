#include "render/gem_art.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPiValue = 3.141592653589793;

// The gem is a regular hexagon around the centre of pixel (14, 15), with a
// circumradius that lets every rotation fit the 30 x 30 cell.
constexpr double kCentreX = kGemCentreX;
constexpr double kCentreY = kGemCentreY;
constexpr double kRadius = 14.5;
// Rim width and the half-width of facet lines, in logical pixels.
constexpr double kRimWidth = 1.0;
constexpr double kLineHalfWidth = 0.5;

// The light falls from the upper left and stays fixed on screen while the gem
// turns: the lit half and the shaded half are split by a line through the
// centre, so shading never jumps as the wheel passes from one frame to the
// next. The angle is off the pixel diagonals so that no pixel centre lies on
// the split.
constexpr double kLightAngle = 232.0 * kPiValue / 180.0;

// Sparkles: logical pixels, fixed on screen, in the part that is lit at every
// rotation.
constexpr std::array<std::array<int, 2>, 3> kSparkles{{{9, 9}, {12, 7}, {7, 13}}};

struct Geometry {
    std::array<double, 6> nx;
    std::array<double, 6> ny;
    std::array<double, 6> axial;  // 1 / the larger of |nx|, |ny|
    std::array<double, 2> lineCos;
    std::array<double, 2> lineSin;
    double lightX;
    double lightY;
    double apothem;
};

Geometry MakeGeometry(int frame) {
    Geometry g{};
    const double turn = frame * kPiValue / 48.0;
    // Frame 0 has a corner straight up and straight down, so its flat sides
    // face 0, 60, ... 300 degrees.
    for (int k = 0; k < 6; ++k) {
        const double n = k * kPiValue / 3.0 + turn;
        g.nx[k] = std::cos(n);
        g.ny[k] = std::sin(n);
        g.axial[k] = 1.0 / std::max(std::fabs(g.nx[k]), std::fabs(g.ny[k]));
    }
    // Facet lines run to the lower-right and the bottom corner of frame 0.
    const double lines[2] = {kPiValue / 6.0 + turn, kPiValue / 2.0 + turn};
    for (int i = 0; i < 2; ++i) {
        g.lineCos[i] = std::cos(lines[i]);
        g.lineSin[i] = std::sin(lines[i]);
    }
    g.lightX = std::cos(kLightAngle);
    g.lightY = std::sin(kLightAngle);
    g.apothem = kRadius * std::sqrt(3.0) / 2.0;
    return g;
}

// Whether (ux, uy), relative to the centre, lies on the facet line at angle
// a: one pixel per column or row along the line's main axis, so the line is
// as thin and unbroken as a hand-drawn one. Gives the position along the line.
bool OnFacetLine(double ux, double uy, double c, double s, double& along) {
    if (std::fabs(c) >= std::fabs(s)) {
        const double t = ux / c;
        if (t <= 0.0) {
            return false;
        }
        const double off = uy - t * s;
        along = std::fabs(ux);
        return off >= -kLineHalfWidth && off < kLineHalfWidth;
    }
    const double t = uy / s;
    if (t <= 0.0) {
        return false;
    }
    const double off = ux - t * c;
    along = std::fabs(uy);
    return off >= -kLineHalfWidth && off < kLineHalfWidth;
}

QRgb Classify(const Geometry& g, double x, double y) {
    const double ux = x - kCentreX;
    const double uy = y - kCentreY;
    const bool lit = ux * g.lightX + uy * g.lightY > 0.0;

    // Distance to the nearest side, measured along the pixel axis that
    // crosses that side most steeply: a rim of width 1 then has exactly one
    // pixel per row or column at ratio 1.
    double nearestRim = 1.0e9;
    double deepest = 1.0e9;
    for (int k = 0; k < 6; ++k) {
        const double d = g.apothem - (ux * g.nx[k] + uy * g.ny[k]);
        deepest = std::min(deepest, d);
        nearestRim = std::min(nearestRim, d * g.axial[k]);
    }
    if (deepest <= 0.0) {
        return kGemOutside;
    }
    if (nearestRim <= kRimWidth) {
        return lit ? kGemWhite : kGemGrey;
    }
    if (std::fabs(ux) < 0.5 && std::fabs(uy) < 0.5) {
        return kGemYellow;
    }
    for (int i = 0; i < 2; ++i) {
        double along = 0.0;
        if (OnFacetLine(ux, uy, g.lineCos[i], g.lineSin[i], along)) {
            const long step = std::lround(std::floor(along + 0.5));
            return (step % 2 == 1) ? kKeyBlue : kKeyRed;
        }
    }
    if (lit) {
        for (const auto& sp : kSparkles) {
            if (x >= sp[0] && x < sp[0] + 1 && y >= sp[1] && y < sp[1] + 1) {
                return kGemWhite;
            }
        }
        return kKeyRed;
    }
    return kKeyGreen;
}

// Calls visit(px, py, colour) for every device pixel of the frame's picture.
template <typename F>
void ForEachPixel(int frame, qreal ratio, F&& visit) {
    const Geometry g = MakeGeometry(((frame % kGemFrames) + kGemFrames) % kGemFrames);
    const int size = DevicePixels(kGemCellSize, ratio);
    for (int py = 0; py < size; ++py) {
        const double y = (py + 0.5) / ratio;
        for (int px = 0; px < size; ++px) {
            const double x = (px + 0.5) / ratio;
            visit(px, py, Classify(g, x, y));
        }
    }
}

}  // namespace

int DevicePixels(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1.0e-9));
}

QImage GemTemplateImage(int frame, qreal ratio) {
    const int size = DevicePixels(kGemCellSize, ratio);
    QImage image(size, size, QImage::Format_RGB32);
    ForEachPixel(frame, ratio, [&image](int px, int py, QRgb c) {
        reinterpret_cast<QRgb*>(image.scanLine(py))[px] = c;
    });
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage GemMaskImage(int frame, qreal ratio) {
    const int size = DevicePixels(kGemCellSize, ratio);
    QImage image(size, size, QImage::Format_Mono);
    image.setColorCount(2);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 255, 255));
    // Also clears the padding bits at the end of each row, which a PNG
    // written from the image would otherwise carry as noise.
    image.fill(0);
    ForEachPixel(frame, ratio, [&image](int px, int py, QRgb c) {
        image.setPixel(px, py, c == kGemOutside ? 1 : 0);
    });
    image.setDevicePixelRatio(ratio);
    return image;
}
