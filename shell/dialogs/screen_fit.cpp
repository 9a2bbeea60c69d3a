#include "shell/dialogs/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

QRect FitWithin(QSize wanted, const QMargins& frame, QPoint centre, const QRect& available) {
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    const QSize size = wanted.boundedTo(room).expandedTo(QSize(1, 1));
    const QSize outer(size.width() + frame.left() + frame.right(),
                      size.height() + frame.top() + frame.bottom());
    // Past the right or bottom edge first, so that the left and top edges win
    // where nothing fits.
    const int x = std::max(std::min(centre.x() - outer.width() / 2,
                                    available.left() + available.width() - outer.width()),
                           available.left());
    const int y = std::max(std::min(centre.y() - outer.height() / 2,
                                    available.top() + available.height() - outer.height()),
                           available.top());
    return QRect(QPoint(x, y), size);
}

void PlaceOnOwnersScreen(QWidget* window, QSize wanted, const QWidget* owner, double down) {
    const QWidget* over = owner->window();
    const QRect below = over->frameGeometry();
    const QPoint centre(below.center().x(),
                        below.top() + static_cast<int>((below.height() - 1) * down));
    const QScreen* screen = QGuiApplication::screenAt(centre);
    if (screen == nullptr) {
        screen = over->screen();
    }
    QMargins frame =
        window->windowHandle() != nullptr ? window->windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        frame = kTypicalFrame;
    }
    const QRect placed = FitWithin(wanted, frame, centre, screen->availableGeometry());
    window->resize(placed.size());
    window->move(placed.topLeft());
}
