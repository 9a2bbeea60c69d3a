#include "shell/app/settings_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "settings/settings_file.h"

namespace {

// Tries come quickly at first and then ever more seldom, so that a copy
// that keeps the lock for long costs this one a short wait now and then.
constexpr int kFirstRetryMs = 1000;
constexpr int kLongestRetryMs = 30000;

}  // namespace

CSettingsMessages::CSettingsMessages(CSettingsFile& store) : store_(store) {
    store_.SetLockWait(kLockWaitMs);
    store_.SetNoticeHandler([](const QString& message) {
        QTimer::singleShot(0, qApp, [message] {
            QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Torvane"), message);
        });
    });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &CSettingsMessages::Retry);
    store_.SetUnsavedHandler([this] {
        if (!retry_.isActive()) {
            retry_.start(kFirstRetryMs);
        }
    });
}

CSettingsMessages::~CSettingsMessages() {
    store_.SetUnsavedHandler({});
    store_.SetNoticeHandler({});
}

void CSettingsMessages::Retry() {
    if (store_.SaveUnsaved()) {
        retry_.start(std::min(retry_.interval() * 2, kLongestRetryMs));
    }
}

std::optional<QString> CSettingsMessages::SaveBeforeQuit() {
    retry_.stop();
    const std::optional<QString> failure = store_.SaveUnsaved();
    if (!failure) {
        return std::nullopt;
    }
    return tr("Torvane could not save all of your changes before closing: %1\n\nNot saved: %2.")
        .arg(*failure, store_.Unsaved().join(QStringLiteral(", ")));
}
