#include "shell/settings/settings_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

#include "shell/settings/damaged_file.h"

namespace {

// A copy holds the lock for one read and one write of a small file. A lock
// older than this was left by a copy that hung or died on another machine
// sharing the folder; a lock of a copy that died here is taken over at once.
constexpr int kStaleLockMs = 10000;
// A lock file that does not name its owner was left by a copy that died
// between making it and writing it; one that lives writes it at once.
constexpr int kUnnamedLockMs = 200;
// Long enough to outwait a stale lock, so that one never stops a save.
constexpr int kLongestLockWaitMs = 12000;

QString KeyPath(const std::string& key, const std::string& name) {
    const QString value = QString::fromStdString(name);
    return key.empty() ? value : QString::fromStdString(key) + QLatin1Char('/') + value;
}

QString Reason(int error, const QString& otherwise) {
    return error != 0 ? QString::fromStdString(std::generic_category().message(error)) : otherwise;
}

QString SetAsideMessage(const QString& aside, qsizetype scoresKept) {
    QString text = QStringLiteral(
                       "Your Torvane settings were damaged and could not be read. The damaged "
                       "file was kept as:\n%1\n\nThe default settings are in use from now on.")
                       .arg(QDir::toNativeSeparators(aside));
    if (scoresKept == 1) {
        text += QStringLiteral(" The one high score that could still be read from it was kept.");
    } else if (scoresKept > 1) {
        text += QStringLiteral(" The %1 high scores that could still be read from it were kept.")
                    .arg(scoresKept);
    }
    return text;
}

}  // namespace

CSettingsFile::CSettingsFile()
    : CSettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Quillfen Software/Torvane.conf")) {}

CSettingsFile::CSettingsFile(const QString& path) : path_(path) {}

CSettingsFile::~CSettingsFile() {
    Unlock();
}

void CSettingsFile::Open() {
    Load();
}

CSettingsFile::Loaded CSettingsFile::Load() const {
    Loaded loaded;
    QFile file(path_);
    if (file.exists()) {
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            std::optional<CSettingsText> parsed = CSettingsText::Parse(bytes);
            loaded = parsed ? Loaded{std::move(*parsed), std::nullopt} : SetAside(bytes);
        } else {
            loaded.untouchable = file.errorString();
        }
    }
    for (const PendingChange& change : unsaved_) {
        change.raw ? loaded.text.SetRawValue(change.key, *change.raw)
                   : loaded.text.Remove(change.key);
    }
    return loaded;
}

CSettingsFile::Loaded CSettingsFile::SetAside(const QByteArray& damaged) const {
    // Inside an exclusive section the lock is held already.
    const bool ownLock = !Holding();
    const std::optional<QString> lockFailure = ownLock ? Lock() : std::nullopt;
    Loaded loaded = lockFailure ? Loaded{SalvagedScores(damaged), lockFailure} : SetAsideLocked();
    if (ownLock) {
        Unlock();
    }
    if (loaded.untouchable && damaged != reportedDamage_) {
        reportedDamage_ = damaged;
        Notify(QStringLiteral("Your Torvane settings were damaged and could not be read, and the "
                              "damaged file could not be set aside: %1\n\nThe default settings "
                              "are in use, and nothing can be saved until the file is repaired "
                              "or removed:\n%2")
                   .arg(*loaded.untouchable, QDir::toNativeSeparators(path_)));
    }
    return loaded;
}

CSettingsFile::Loaded CSettingsFile::SetAsideLocked() const {
    QFile file(path_);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    // Another copy may have set it aside and started a fresh one meanwhile.
    if (std::optional<CSettingsText> parsed = CSettingsText::Parse(bytes)) {
        return {std::move(*parsed), std::nullopt};
    }
    Loaded fresh{SalvagedScores(bytes), std::nullopt};
    const QString aside = DamagedFileName(path_);
    if (!file.rename(aside)) {
        fresh.untouchable = file.errorString();
        return fresh;
    }
    const QStringList scores = fresh.text.ChildKeys(QLatin1String(kScoresKey));
    if (WriteWhole(fresh.text)) {
        // Kept for the next save that succeeds; the damaged file holds them too.
        for (const QString& name : scores) {
            const QString key = QLatin1String(kScoresKey) + QLatin1Char('/') + name;
            unsaved_.push_back({key, fresh.text.RawValue(key)});
        }
    }
    Notify(SetAsideMessage(aside, scores.size()));
    return fresh;
}

const CSettingsText& CSettingsFile::Current() const {
    if (depth_ > 0) {
        return section_.text;
    }
    lastRead_ = Load().text;
    return lastRead_;
}

bool CSettingsFile::KeyExists(const std::string& key) const {
    // The application key and its two subkeys are made by the first write.
    if (key.empty() || key == kSettingsKey || key == kScoresKey || createdKeys_.count(key) != 0) {
        return true;
    }
    return Current().HasGroup(QString::fromStdString(key));
}

bool CSettingsFile::CreateKey(const std::string& key) {
    createdKeys_.insert(key);
    return true;
}

std::optional<SettingValue> CSettingsFile::Read(const std::string& key,
                                                const std::string& name) const {
    if (!KeyExists(key)) {
        return std::nullopt;
    }
    return Current().Value(KeyPath(key, name));
}

std::vector<std::string> CSettingsFile::ValueNames(const std::string& key) const {
    std::vector<std::string> names;
    if (KeyExists(key)) {
        for (const QString& name : Current().ChildKeys(QString::fromStdString(key))) {
            names.push_back(name.toStdString());
        }
    }
    return names;
}

bool CSettingsFile::Write(const std::string& key, const std::string& name,
                          const SettingValue& value) {
    if (!KeyExists(key) || value.type == SettingValue::Type::Other) {
        return false;
    }
    return Record(KeyPath(key, name), CSettingsText::EncodeValue(value));
}

void CSettingsFile::DeleteValue(const std::string& key, const std::string& name) {
    if (KeyExists(key)) {
        Record(KeyPath(key, name), std::nullopt);
    }
}

bool CSettingsFile::Record(const QString& key, std::optional<QString> raw) {
    if (depth_ == 0 && Current().RawValue(key) == raw) {
        return true;  // stored already: no lock, no write
    }
    BeginExclusive();
    if (section_.text.RawValue(key) != raw) {
        raw ? section_.text.SetRawValue(key, *raw) : section_.text.Remove(key);
        changes_.push_back({key, std::move(raw)});
    }
    // Only the outermost section stores, so only it can fail.
    return !EndExclusive();
}

void CSettingsFile::BeginExclusive() {
    if (depth_++ > 0) {
        return;
    }
    lockFailure_ = Lock();
    section_ = Load();
    changes_.clear();
}

std::optional<std::string> CSettingsFile::EndExclusive() {
    if (depth_ == 0 || --depth_ > 0) {
        return std::nullopt;
    }
    std::optional<QString> failure;
    if (!changes_.empty()) {
        failure = lockFailure_ ? lockFailure_ : section_.untouchable;
        if (!failure) {
            failure = WriteWhole(section_.text);
        }
        // A high score that was not saved is told by the one who offered it.
        const bool scores = std::any_of(changes_.begin(), changes_.end(), [](const auto& c) {
            return c.key.startsWith(QLatin1String(kScoresKey) + QLatin1Char('/'));
        });
        if (failure && !scores && !toldWriteFailure_) {
            toldWriteFailure_ = true;
            Notify(QStringLiteral("Your settings could not be saved: %1").arg(*failure));
        }
        if (failure) {
            unsaved_.insert(unsaved_.end(), changes_.begin(), changes_.end());
        } else {
            unsaved_.clear();  // they were in what was just written
        }
        changes_.clear();
    }
    Unlock();
    if (!failure) {
        return std::nullopt;
    }
    return failure->toStdString();
}

std::optional<QString> CSettingsFile::Lock() const {
    // When the folder cannot be made, the lock file cannot either, and says why.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_ + QStringLiteral(".lock"));
    lock_->setStaleLockTime(kStaleLockMs);
    // QLockFile's own wait starts at 100 ms; a lock is held for far less.
    const QDeadlineTimer deadline(kLongestLockWaitMs);
    for (int pauseMs = 1;; pauseMs = std::min(pauseMs * 2, 5)) {
        errno = 0;
        if (lock_->tryLock(0)) {
            return std::nullopt;
        }
        const int error = errno;
        if (lock_->error() != QLockFile::LockFailedError) {
            lock_.reset();
            return Reason(error, QStringLiteral("the lock file cannot be made"));
        }
        const QFileInfo file(lock_->fileName());
        if (!lock_->getLockInfo(nullptr, nullptr, nullptr) && file.exists() &&
            file.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnnamedLockMs) {
            lock_->removeStaleLockFile();  // never one a living copy holds
        }
        if (deadline.hasExpired()) {
            lock_.reset();
            return QStringLiteral("another copy of Torvane keeps the settings file locked");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    }
}

void CSettingsFile::Unlock() const {
    lock_.reset();  // unlocks
}

bool CSettingsFile::Holding() const {
    return lock_ != nullptr && lock_->isLocked();
}

std::optional<QString> CSettingsFile::WriteWhole(const CSettingsText& text) const {
    // Written beside the file and renamed over it once complete and flushed
    // to the disk.
    QSaveFile file(path_);
    const QByteArray bytes = text.ToBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

void CSettingsFile::Notify(const QString& message) const {
    if (notify_) {
        notify_(message);
    }
}
