#include "shell/frame/menu_bar_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace {

// The keys the view acts on: turning, the bomb, a replay's speeds.
bool IsGameKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Space:
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_4:
            return true;
        default:
            return false;
    }
}

}  // namespace

CMenuBarKeys::CMenuBarKeys(QMenuBar* menuBar, QWidget* view) : QObject(menuBar), view_(view) {
    menuBar->installEventFilter(this);
}

bool CMenuBarKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && QApplication::activePopupWidget() == nullptr &&
        IsGameKey(static_cast<QKeyEvent*>(event)->key())) {
        // Losing the focus ends the menu bar's keyboard navigation.
        view_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendEvent(view_, event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
