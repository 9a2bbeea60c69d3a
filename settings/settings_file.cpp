#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>

#include "scores/core/calendar_clock.h"
#include "settings/damaged_file.h"
#include "settings/file_replacer.h"
#include "settings/regular_file.h"
#include "settings/settings_lock.h"
#include "settings/settings_value.h"
#include "settings/stored_scores.h"

namespace {

QString KeyPath(const std::string& key, const std::string& name) {
    const QString value = QString::fromStdString(name);
    return key.empty() ? value : QString::fromStdString(key) + QLatin1Char('/') + value;
}

bool IsScoreKey(const QString& key) {
    return key.startsWith(QLatin1String(kScoresKey) + QLatin1Char('/'));
}

QString SetAsideMessage(const QString& aside, qsizetype scoresKept) {
    const QString file = QDir::toNativeSeparators(aside);
    if (scoresKept == 1) {
        return QCoreApplication::translate(
                   "CSettingsFile",
                   "Your Torvane settings were damaged and could not be read. The damaged file was "
                   "kept as:\n%1\n\nThe default settings are in use from now on. The one high "
                   "score that could still be read from it was kept.")
            .arg(file);
    }
    if (scoresKept > 1) {
        return QCoreApplication::translate(
                   "CSettingsFile",
                   "Your Torvane settings were damaged and could not be read. The damaged file was "
                   "kept as:\n%1\n\nThe default settings are in use from now on. The %2 high "
                   "scores that could still be read from it were kept.")
            .arg(file)
            .arg(scoresKept);
    }
    return QCoreApplication::translate("CSettingsFile",
                                       "Your Torvane settings were damaged and could not be read. "
                                       "The damaged file was kept "
                                       "as:\n%1\n\nThe default settings are in use from now on.")
        .arg(file);
}

}  // namespace

CSettingsFile::CSettingsFile()
    : CSettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Quillfen Software/Torvane.conf")) {}

CSettingsFile::CSettingsFile(const QString& path)
    : path_(path), lock_(std::make_unique<CSettingsLock>(path)) {}

CSettingsFile::~CSettingsFile() = default;

void CSettingsFile::Open() {
    Load();
}

CSettingsFile::Loaded CSettingsFile::Load() const {
    Loaded loaded;
    const FileContents file = ReadRegularFile(path_, CSettingsText::kLargestFile);
    if (file.kind == FileContents::Kind::kRead) {
        std::optional<CSettingsText> parsed = CSettingsText::Parse(file.bytes);
        loaded = parsed ? Loaded{std::move(*parsed), std::nullopt} : SetAside(file.bytes);
        bool unreadable = false;
        ScoresIn(loaded.text, 0, &unreadable);
        if (parsed && unreadable && !scoresReported_) {
            loaded.text = SetScoresAside(file.bytes, std::move(loaded.text));
        }
    } else if (file.kind == FileContents::Kind::kNotAFile) {
        loaded = SetAside(std::nullopt);
    } else if (file.kind == FileContents::Kind::kUnreadable) {
        loaded.untouchable = file.why;
    }
    for (const PendingChange& change : unsaved_) {
        change.raw ? loaded.text.SetRawValue(change.key, *change.raw)
                   : loaded.text.Remove(change.key);
    }
    MergeScores(loaded.text, unsavedScores_);
    return loaded;
}

CSettingsFile::Loaded CSettingsFile::SetAside(const std::optional<QByteArray>& damaged) const {
    // Inside an exclusive section the lock was taken (or missed) already:
    // never a second wait for it.
    const bool ownLock = depth_ == 0;
    const std::optional<QString> lockFailure = ownLock ? lock_->Take(lockWaitMs_) : lockFailure_;
    Loaded loaded = lockFailure
                        ? Loaded{SalvagedScores(damaged.value_or(QByteArray())), lockFailure}
                        : SetAsideLocked();
    if (ownLock) {
        lock_->Release();
    }
    if (loaded.untouchable && (!damageReported_ || reportedDamage_ != damaged)) {
        damageReported_ = true;
        reportedDamage_ = damaged;
        Notify(QCoreApplication::translate(
                   "CSettingsFile",
                   "Your Torvane settings were damaged and could not be read, and the damaged "
                   "file could not be set aside: %1\n\nThe default settings are in use, and "
                   "nothing can be saved until the file is repaired or removed:\n%2")
                   .arg(*loaded.untouchable, QDir::toNativeSeparators(path_)));
    }
    return loaded;
}

CSettingsFile::Loaded CSettingsFile::SetAsideLocked() const {
    // Scores are looked for further into a damaged file than a settings
    // file may reach, though never without a bound.
    constexpr qsizetype kLongestSalvage = 16 * CSettingsText::kLargestFile;
    const FileContents file = ReadRegularFile(path_, kLongestSalvage);
    if (file.kind == FileContents::Kind::kUnreadable) {
        return {{}, file.why};
    }
    // Another copy may have set it aside and started a fresh one meanwhile.
    if (file.kind != FileContents::Kind::kNotAFile) {
        if (std::optional<CSettingsText> parsed = CSettingsText::Parse(file.bytes)) {
            return {std::move(*parsed), std::nullopt};
        }
    }
    Loaded fresh{SalvagedScores(file.bytes), std::nullopt};
    // A link stays where the player put it; what it points to goes aside.
    QFile damaged(FileBehind(path_));
    const QString aside = DamagedFileName(damaged.fileName());
    if (!damaged.rename(aside)) {
        fresh.untouchable = damaged.errorString();
        return fresh;
    }
    const std::vector<HighScoreEntry> scores = ScoresIn(fresh.text, CalendarClock::Now());
    if (WriteWhole(fresh.text)) {
        // Kept for the next save that succeeds; the damaged file holds them too.
        unsavedScores_.insert(unsavedScores_.end(), scores.begin(), scores.end());
        if (unsavedHandler_) {
            unsavedHandler_();
        }
    }
    Notify(SetAsideMessage(aside, static_cast<qsizetype>(scores.size())));
    return fresh;
}

CSettingsText CSettingsFile::SetScoresAside(const QByteArray& bytes, CSettingsText text) const {
    // Told once a run; the copy keeps what could not be read, and the file
    // stays in use with the scores that could, settings and all.
    scoresReported_ = true;
    const QString file = FileBehind(path_);
    const QString aside = DamagedFileName(file);
    const std::optional<QString> kept = ReplaceFile(aside, bytes);
    std::vector<HighScoreEntry> readable = ScoresIn(text, CalendarClock::Now());
    readable.resize(std::min(readable.size(), kHighScoreTableSize));
    PutScores(text, readable);
    // Rewritten at once under the lock, so that the next start tells nothing
    // again; inside a section, with the lock that section holds.
    const bool ownLock = depth_ == 0;
    const bool locked = !(ownLock ? lock_->Take(lockWaitMs_) : lockFailure_);
    // Unless another copy wrote meanwhile (its own load deals with it).
    const FileContents now = ReadRegularFile(path_, CSettingsText::kLargestFile);
    if (locked && !kept && now.kind == FileContents::Kind::kRead && now.bytes == bytes) {
        WriteWhole(text);
    }
    if (ownLock) {
        lock_->Release();
    }
    Notify(kept ? QCoreApplication::translate(
                      "CSettingsFile",
                      "Some of the high scores in your Torvane settings could not be read, and a "
                      "copy of the file could not be kept: %1\n\nThe scores that could be read "
                      "are in use, and so are your settings.")
                      .arg(FileFailure(aside, *kept))
                : QCoreApplication::translate(
                      "CSettingsFile",
                      "Some of the high scores in your Torvane settings could not be read. A copy "
                      "of the file was kept as:\n%1\n\nThe scores that could be read are in "
                      "use, and so are your settings.")
                      .arg(QDir::toNativeSeparators(aside)));
    return text;
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
    return Record(KeyPath(key, name), EncodeSettingValue(value));
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
    lockFailure_ = lock_->Take(lockWaitMs_);
    section_ = Load();
    sectionScores_ = ScoresIn(section_.text, 0);
    changes_.clear();
    storeAnyway_ = false;
}

std::optional<std::string> CSettingsFile::EndExclusive() {
    if (depth_ == 0 || --depth_ > 0) {
        return std::nullopt;
    }
    std::optional<QString> failure;
    if (!changes_.empty() || storeAnyway_) {
        failure = lockFailure_ ? lockFailure_ : section_.untouchable;
        if (!failure) {
            failure = WriteWhole(section_.text);
        }
        // A high score that was not saved is told by the one who offered
        // it, and a retry tells nothing new.
        const bool scores = std::any_of(changes_.begin(), changes_.end(),
                                        [](const PendingChange& c) { return IsScoreKey(c.key); });
        if (failure && !scores && !storeAnyway_ && !toldWriteFailure_) {
            toldWriteFailure_ = true;
            Notify(
                QCoreApplication::translate("CSettingsFile", "Your settings could not be saved: %1")
                    .arg(*failure));
        }
        if (failure) {
            KeepUnsaved();
        } else {
            // They were in what was just written.
            unsaved_.clear();
            unsavedScores_.clear();
        }
        changes_.clear();
    }
    lock_->Release();
    if (!failure) {
        return std::nullopt;
    }
    return failure->toStdString();
}

void CSettingsFile::KeepUnsaved() {
    bool scores = false;
    for (PendingChange& change : changes_) {
        if (IsScoreKey(change.key)) {
            scores = true;
        } else {
            unsaved_.push_back(std::move(change));
        }
    }
    if (scores) {
        const std::vector<HighScoreEntry> added =
            NewScores(sectionScores_, ScoresIn(section_.text, 0));
        unsavedScores_.insert(unsavedScores_.end(), added.begin(), added.end());
    }
    if (unsavedHandler_ && !storeAnyway_) {
        unsavedHandler_();
    }
}

bool CSettingsFile::HoldsExclusive() const {
    return depth_ > 0 && !lockFailure_;
}

QStringList CSettingsFile::Unsaved() const {
    QStringList names;
    for (const HighScoreEntry& e : unsavedScores_) {
        names.append(QCoreApplication::translate("CSettingsFile", "the high score %1 of %2")
                         .arg(QString::number(e.score), QString::fromStdString(e.name)));
    }
    for (const PendingChange& change : unsaved_) {
        if (!names.contains(change.key)) {
            names.append(change.key);
        }
    }
    return names;
}

std::optional<QString> CSettingsFile::SaveUnsaved() {
    if (unsaved_.empty() && unsavedScores_.empty()) {
        return std::nullopt;
    }
    BeginExclusive();
    storeAnyway_ = true;
    const std::optional<std::string> failure = EndExclusive();
    return failure ? std::optional(QString::fromStdString(*failure)) : std::nullopt;
}

std::optional<QString> CSettingsFile::WriteWhole(const CSettingsText& text) const {
    // Written beside the file and renamed over it once complete and flushed
    // to the disk; through a symbolic link, beside what it points to.
    // The file is named with why: the player may have several.
    const QString file = FileBehind(path_);
    const std::optional<QString> failure = ReplaceFile(file, text.ToBytes());
    return failure ? std::optional(FileFailure(file, *failure)) : std::nullopt;
}

void CSettingsFile::Notify(const QString& message) const {
    if (notify_) {
        notify_(message);
    }
}
