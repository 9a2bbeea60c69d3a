#include "shell/lock_indicators.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

CLockIndicators::CLockIndicators(QWidget* parent) : QObject(parent) {
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(QString::fromLatin1(name), parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setEnabled(false);
        labels_.append(label);
    }
    QCoreApplication::instance()->installEventFilter(this);
    Refresh();
}

bool CLockIndicators::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ApplicationActivate) {
        Refresh();
    }
    return QObject::eventFilter(watched, event);
}

void CLockIndicators::Refresh() {}
