#include "shell/frame/lock_indicators.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>

#ifdef TORVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace {

// The keyboard's lamps as the window system reports them: bit 0 Caps Lock,
// bit 1 Num Lock, bit 2 Scroll Lock. False when it reports nothing.
bool QueryLockLamps(std::uint32_t& lamps) {
#ifdef TORVANE_HAVE_XCB
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return false;
    }
    xcb_connection_t* connection = x11->connection();
    xcb_get_keyboard_control_reply_t* reply =
        xcb_get_keyboard_control_reply(connection, xcb_get_keyboard_control(connection), nullptr);
    if (reply == nullptr) {
        return false;
    }
    lamps = reply->led_mask;
    std::free(reply);
    return true;
#else
    (void)lamps;
    return false;
#endif
}

}  // namespace

CLockIndicators::CLockIndicators(QWidget* parent) : QObject(parent) {
    // Caps Lock, Num Lock and Scroll Lock, named as status bars name them.
    for (const char* name : {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")}) {
        auto* label = new QLabel(tr(name), parent);
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
    // A key event passes this filter once for every widget it travels
    // through; the window's own delivery is enough.
    const bool keyReleased = event->type() == QEvent::KeyRelease && watched->isWindowType();
    if (keyReleased || event->type() == QEvent::ApplicationActivate) {
        Refresh();
    }
    return QObject::eventFilter(watched, event);
}

void CLockIndicators::Refresh() {
    std::uint32_t lamps = 0;
    const bool known = QueryLockLamps(lamps);
    for (int i = 0; i < labels_.size(); ++i) {
        labels_[i]->setEnabled(known && (lamps & (1u << i)) != 0);
    }
}
