#include "shell/view/inactivity_watch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

CInactivityWatch::CInactivityWatch(QWidget* widget, std::function<void()> left)
    : QObject(widget), onLeft_(std::move(left)) {
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    onLeft_();
                }
            });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (window != nullptr && window->modality() != Qt::NonModal) {
            onLeft_();
        }
    });
    widget->window()->installEventFilter(this);
}

bool CInactivityWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const auto* window = qobject_cast<QWidget*>(watched);
        if (window != nullptr && window->isMinimized()) {
            onLeft_();
        }
    }
    return QObject::eventFilter(watched, event);
}
