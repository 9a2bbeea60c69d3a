#include "shell/main_toolbar.h"

#include <QAction>

#include "shell/command_ids.h"

namespace {
constexpr int kImageWidth = 28;
constexpr int kImageHeight = 27;
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
    return strip.copy(index * kImageWidth, 0, kImageWidth, kImageHeight);
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
        items.first()->setIcon(QIcon(StripImage(image)));
    }
    playButtonState = state;
}
