#include "shell/settings_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "shell/settings/settings_file.h"

void TellPlayerAboutSettings(CSettingsFile& store) {
    store.SetNoticeHandler([](const QString& message) {
        QTimer::singleShot(0, qApp, [message] {
            QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Torvane"), message);
        });
    });
}
