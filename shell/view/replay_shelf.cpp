#include "shell/view/replay_shelf.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include "game/settings_store.h"
#include "scores/core/score_commit.h"
#include "scores/core/score_record.h"
#include "script/replay_file.h"
#include "script/script_text.h"
#include "settings/file_replacer.h"

CReplayShelf::CReplayShelf(const QString& folder)
    : folder_(folder), writer_([this] {
          if (const std::optional<QString> failure = writer_.TakeFailure()) {
              Tell(*failure);
          }
      }) {}

QString CReplayShelf::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/replays");
}

QString CReplayShelf::LastGamePath() const {
    return folder_ + QStringLiteral("/last-game.tvr");
}

QString CReplayShelf::EntryPath(const std::vector<HighScoreEntry>& table, std::size_t row) const {
    return EntryPath(table.at(row), IdenticalBefore(table, row));
}

QString CReplayShelf::EntryPath(const HighScoreEntry& entry, std::size_t identicalBefore) const {
    const std::string record = FormatScoreRecord({entry.name, entry.score, entry.time});
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(record), QCryptographicHash::Sha1);
    const QString twin =
        identicalBefore == 0 ? QString() : QStringLiteral("-%1").arg(identicalBefore + 1);
    return folder_ +
           QStringLiteral("/top-%1%2.tvr").arg(QString::fromLatin1(digest.toHex().left(16)), twin);
}

bool CReplayShelf::Exists(const QString& path) {
    // A link is no replay of ours: it goes aside when the file is written.
    const QFileInfo file(path);
    return file.isFile() && !file.isSymLink();
}

bool CReplayShelf::Has(const QString& path) const {
    return writer_.Pending(path) || Exists(path);
}

bool CReplayShelf::AwaitWrites(std::chrono::milliseconds limit) const {
    return writer_.Wait(limit);
}

std::optional<QString> CReplayShelf::WriteBeforeQuit() {
    const bool written = writer_.Wait(std::chrono::seconds(3));
    const std::optional<QString> failure = writer_.TakeFailure();
    if (toldFailure_) {
        return std::nullopt;
    }
    if (failure) {
        return FailureMessage(*failure);
    }
    if (!written) {
        return QCoreApplication::translate(
            "CReplayShelf",
            "Torvane could not finish writing the replay of your game before closing.");
    }
    return std::nullopt;
}

void CReplayShelf::Write(const QString& path, std::string replay) {
    // Written whole or not at all: a full disk or a game closed halfway
    // through a write leaves the previous file.
    if (!QDir().mkpath(folder_)) {
        Tell(FileFailure(path,
                         QCoreApplication::translate("CReplayShelf", "the folder cannot be made")));
        return;
    }
    writer_.Write(path, std::move(replay));
}

QString CReplayShelf::FailureMessage(const QString& failure) const {
    return QCoreApplication::translate(
               "CReplayShelf",
               "Torvane could not write the replay of your game: %1\n\nUntil Torvane starts "
               "again, replays that cannot be written are not told of again.")
        .arg(failure);
}

void CReplayShelf::Tell(const QString& failure) {
    if (!toldFailure_ && failed_) {
        toldFailure_ = true;
        failed_(FailureMessage(failure));
    }
}

void CReplayShelf::KeepLastGame(const std::string& replay) {
    Write(LastGamePath(), replay);
}

void CReplayShelf::EntryMade(const ScoreCommit& commit, const std::string& replay) {
    if (!replay.empty() && commit.place) {
        Write(EntryPath(commit.table, *commit.place), WithPlayer(replay, commit.entry.name));
    }
    if (commit.failure) {
        return;  // the table on disk still names every entry it named
    }
    QSet<QString> kept;
    for (std::size_t row = 0; row < commit.table.size(); ++row) {
        kept.insert(EntryPath(commit.table, row));
    }
    for (std::size_t row = 0; row < commit.before.size(); ++row) {
        if (!kept.contains(EntryPath(commit.before, row))) {
            writer_.Remove(EntryPath(commit.before, row));
        }
    }
    SweepOrphans();
}

void CReplayShelf::SweepOrphans() const {
    ISettingsBackend* store = GetSettingsBackend();
    if (store == nullptr) {
        return;
    }
    store->BeginExclusive();
    if (store->HoldsExclusive()) {
        CHighScoreTable table;
        table.LoadHighScores();
        QSet<QString> named;
        for (std::size_t row = 0; row < table.Count(); ++row) {
            named.insert(QFileInfo(EntryPath(table.Entries(), row)).fileName());
        }
        const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
        for (const QFileInfo& file :
             QDir(folder_).entryInfoList({QStringLiteral("top-*.tvr")}, QDir::Files)) {
            if (!named.contains(file.fileName()) && file.lastModified() < dayAgo) {
                QFile::remove(file.filePath());
            }
        }
    }
    store->EndExclusive();
}
