#include "settings/settings_lock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

namespace {

// A lock older than this was left by a copy that hung or died on another
// machine sharing the folder; a lock of a copy that died here is taken over
// at once.
constexpr int kStaleLockMs = 10000;
// A lock file that does not name its owner was left by a copy that died
// between making it and writing it; one that lives writes it at once.
constexpr int kUnnamedLockMs = 200;

}  // namespace

CSettingsLock::CSettingsLock(const QString& settingsPath)
    : path_(settingsPath + QStringLiteral(".lock")) {}

CSettingsLock::~CSettingsLock() = default;

std::optional<QString> CSettingsLock::Take(int waitMs) {
    // When the folder cannot be made, the lock file cannot either, and says why.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(kStaleLockMs);
    // QLockFile's own wait starts at 100 ms; a lock is held for far less.
    const QDeadlineTimer deadline(waitMs);
    for (int pauseMs = 1;; pauseMs = std::min(pauseMs * 2, 5)) {
        errno = 0;
        if (lock_->tryLock(0)) {
            return std::nullopt;
        }
        const int error = errno;
        if (lock_->error() != QLockFile::LockFailedError) {
            lock_.reset();
            return error != 0 ? QString::fromStdString(std::generic_category().message(error))
                              : QCoreApplication::translate("CSettingsFile",
                                                            "the lock file cannot be made");
        }
        const QFileInfo file(lock_->fileName());
        if (!lock_->getLockInfo(nullptr, nullptr, nullptr) && file.exists() &&
            file.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnnamedLockMs) {
            lock_->removeStaleLockFile();  // never one a living copy holds
        }
        if (deadline.hasExpired()) {
            lock_.reset();
            return QCoreApplication::translate(
                "CSettingsFile", "another copy of Torvane keeps the settings file locked");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    }
}

void CSettingsLock::Release() {
    lock_.reset();  // unlocks
}

bool CSettingsLock::Held() const {
    return lock_ != nullptr && lock_->isLocked();
}
