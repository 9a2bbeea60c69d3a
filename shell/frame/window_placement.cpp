#include "shell/frame/window_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/settings_store.h"

namespace {

// A window shows at least this much on a screen to count as on it: enough of
// its title bar to take hold of.
constexpr int kGrabWidth = 64;
constexpr int kGrabHeight = 24;
constexpr double kSmallestOpeningScale = 0.5;

// Far beyond any screen, yet a place plus a size stays an int: a damaged or
// hand-edited file cannot make the window's rectangle overflow.
constexpr std::int32_t kFarthest = 1 << 24;

std::int32_t ReadSigned(const char* name) {
    return std::clamp(static_cast<std::int32_t>(ReadSettingDword(kWindowKey, name)), -kFarthest,
                      kFarthest);
}

void WriteSigned(const char* name, int value) {
    WriteSettingDword(kWindowKey, name, static_cast<std::uint32_t>(value));
}

}  // namespace

WindowPlacement ReadWindowPlacement() {
    WindowPlacement placement;
    const std::int32_t width = ReadSigned("Width");
    const std::int32_t height = ReadSigned("Height");
    if (width > 0 && height > 0) {
        placement.geometry = QRect(ReadSigned("Left"), ReadSigned("Top"), width, height);
    }
    placement.maximised = ReadSettingDword(kWindowKey, "Maximized") != 0;
    placement.fullScreen = ReadSettingDword(kWindowKey, "FullScreen") != 0;
    return placement;
}

void WriteWindowPlacement(const WindowPlacement& placement) {
    ISettingsBackend* backend = GetSettingsBackend();
    if (backend == nullptr || !backend->CreateKey(kWindowKey)) {
        return;
    }
    const CSettingsBatch together;
    if (!placement.geometry.isNull()) {
        WriteSigned("Left", placement.geometry.left());
        WriteSigned("Top", placement.geometry.top());
        WriteSigned("Width", placement.geometry.width());
        WriteSigned("Height", placement.geometry.height());
    }
    WriteSettingDword(kWindowKey, "Maximized", placement.maximised ? 1u : 0u);
    WriteSettingDword(kWindowKey, "FullScreen", placement.fullScreen ? 1u : 0u);
}

QSize WindowSizeFor(QSize board, QSize chrome, double scale) {
    // Whole pixels that never exceed the room the scale was found for.
    auto pixels = [scale](int length) {
        return static_cast<int>(std::floor(length * scale + 1e-9));
    };
    return chrome + QSize(pixels(board.width()), pixels(board.height()));
}

QRect FitOnScreen(QSize board, QSize chrome, const QMargins& frame, const QRect& available) {
    const QSize room =
        available.size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const double fits =
        std::min(static_cast<double>(room.width() - chrome.width()) / board.width(),
                 static_cast<double>(room.height() - chrome.height()) / board.height());
    const QSize size = WindowSizeFor(board, chrome, std::clamp(fits, kSmallestOpeningScale, 1.0));
    const QSize outer = size + QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QPoint corner =
        available.topLeft() + QPoint(std::max(0, (available.width() - outer.width()) / 2),
                                     std::max(0, (available.height() - outer.height()) / 2));
    return QRect(corner, size);
}

QRect PlaceOnScreens(QRect placement, const QMargins& frame, const QList<QRect>& screens,
                     const QRect& fallback) {
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QRect outer(placement.topLeft(), placement.size() + frameSize);
    const QRect* best = nullptr;
    std::int64_t bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect seen = outer.intersected(screen);
        const std::int64_t area = std::int64_t{seen.width()} * seen.height();
        if (seen.width() >= kGrabWidth && seen.height() >= kGrabHeight && area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    const QRect& target = best != nullptr ? *best : fallback;
    placement.setSize(placement.size().boundedTo(target.size() - frameSize));
    const QSize outerSize = placement.size() + frameSize;
    if (best == nullptr) {
        // Left on a screen that is gone: the size still holds, the place does not.
        placement.moveTopLeft(target.topLeft() +
                              QPoint((target.width() - outerSize.width()) / 2,
                                     (target.height() - outerSize.height()) / 2));
        return placement;
    }
    placement.moveTopLeft(QPoint(std::clamp(placement.left(), target.left(),
                                            target.left() + target.width() - outerSize.width()),
                                 std::clamp(placement.top(), target.top(),
                                            target.top() + target.height() - outerSize.height())));
    return placement;
}
