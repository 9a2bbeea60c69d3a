#include "shell/view/kept_game_slot.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>

#include "settings/damaged_file.h"

namespace {

// More copies than anyone runs at once.
constexpr int kMostSlots = 64;
// A lock file that does not name its owner was left by a copy that died
// between making it and writing it; one that lives writes it at once.
constexpr int kUnnamedLockMs = 200;

QString GameFile(const QString& folder, int number) {
    return folder + QStringLiteral("/game-%1.tvr").arg(number);
}

}  // namespace

CKeptGameSlot::CKeptGameSlot(const QString& folder) : folder_(folder) {}

CKeptGameSlot::~CKeptGameSlot() = default;

QString CKeptGameSlot::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/games");
}

bool CKeptGameSlot::Take(int number) {
    auto lock = std::make_unique<QLockFile>(GameFile(folder_, number) + QStringLiteral(".lock"));
    // Held for as long as the copy runs: only a copy that has died lets it go.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        const QFileInfo file(lock->fileName());
        if (lock->error() != QLockFile::LockFailedError ||
            lock->getLockInfo(nullptr, nullptr, nullptr) ||
            file.lastModified().msecsTo(QDateTime::currentDateTime()) <= kUnnamedLockMs ||
            !lock->removeStaleLockFile() || !lock->tryLock(0)) {
            return false;
        }
    }
    Release();
    lock_ = std::move(lock);
    path_ = GameFile(folder_, number);
    return true;
}

std::optional<QString> CKeptGameSlot::TakeWaiting() {
    for (int number = 1; number <= kMostSlots; ++number) {
        if (QFileInfo::exists(GameFile(folder_, number)) && Take(number)) {
            return path_;
        }
    }
    return std::nullopt;
}

bool CKeptGameSlot::TakeFree() {
    QDir().mkpath(folder_);
    for (int number = 1; number <= kMostSlots; ++number) {
        // Taken first, then looked at: a copy starting meanwhile may have
        // put a game there since.
        if (!QFileInfo::exists(GameFile(folder_, number)) && Take(number)) {
            if (!QFileInfo::exists(path_)) {
                return true;
            }
            Release();
        }
    }
    return false;
}

void CKeptGameSlot::Release() {
    lock_.reset();
    path_.clear();
}

std::optional<QString> CKeptGameSlot::SetAside() const {
    const QString aside = DamagedFileName(path_);
    if (!QFile::rename(path_, aside)) {
        return std::nullopt;
    }
    return aside;
}
