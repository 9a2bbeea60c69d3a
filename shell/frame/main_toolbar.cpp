#include "shell/frame/main_toolbar.h"

#include <QAction>

#include "shell/frame/command_ids.h"

namespace {
constexpr int kImageWidth = 28;
constexpr int kImageHeight = 27;
constexpr int kStripImages = 5;
}  // namespace

CMainToolBar::CMainToolBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("MainToolBar"));
    setOrientation(Qt::Vertical);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kImageWidth, kImageHeight));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    // No menu to hide the bar: it is part of the fixed window.
    setContextMenuPolicy(Qt::PreventContextMenu);
    toggleViewAction()->setEnabled(false);
}

QPixmap CMainToolBar::StripImage(int index) {
    static const QPixmap strip(QStringLiteral(":/torvane/toolbar.png"));
    if (strip.isNull()) {
        return {};
    }
    // A HiDPI strip has the same five images at a larger scale.
    const int width = strip.width() / kStripImages;
    QPixmap image = strip.copy(index * width, 0, width, strip.height());
    image.setDevicePixelRatio(strip.devicePixelRatio());
    return image;
}

void CMainToolBar::SetPlayButton(int state) {
    if (state == playButtonState) {
        return;
    }
    int image = -1;
    switch (state) {
        case kPlayButtonRunning:
            image = kPauseImage;
            break;
        case kPlayButtonPaused:
            image = kPlayImage;
            break;
        case kPlayButtonOver:
            image = kNewGameImage;
            break;
        default:
            break;
    }
    const QList<QAction*> items = actions();
    if (image >= 0 && !items.isEmpty()) {
        // One icon per picture for the bar's life: a fresh icon on every
        // change left its renderings in the pixmap cache, game after game.
        QIcon& icon = playIcons_[image];
        if (icon.isNull()) {
            icon = QIcon(StripImage(image));
        }
        items.first()->setIcon(icon);
    }
    playButtonState = state;
}
