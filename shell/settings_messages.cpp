#include "shell/settings_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "settings/settings_file.h"

void TellPlayerAboutSettings(CSettingsFile& store) {
    store.SetNoticeHandler([told = false](const CSettingsFile::Notice& notice) mutable {
        if (notice.kind == CSettingsFile::Notice::Kind::kWriteFailed) {
            if (told) {
                return;
            }
            told = true;
        }
        QTimer::singleShot(0, qApp, [text = notice.text] {
            QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Torvane"), text);
        });
    });
}
