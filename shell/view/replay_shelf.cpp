#include "shell/view/replay_shelf.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include "game/settings_store.h"
#include "scores/core/score_commit.h"
#include "scores/core/score_record.h"
#include "script/replay_file.h"
#include "script/script_text.h"

CReplayShelf::CReplayShelf(const QString& folder) : folder_(folder) {}

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
    return QFileInfo(path).isFile();
}

bool CReplayShelf::Write(const QString& path, const std::string& replay) const {
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    // Written whole or not at all: a game closed halfway through a write
    // leaves the previous file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(QByteArray::fromStdString(CompressScriptText(replay)));
    return file.commit();
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
            QFile::remove(EntryPath(commit.before, row));
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
