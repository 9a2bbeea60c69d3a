#include "shell/replay_shelf.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "scores/core/score_record.h"
#include "tools/sim/replay_file.h"
#include "tools/sim/script_text.h"

CReplayShelf::CReplayShelf(const QString& folder) : folder_(folder) {}

QString CReplayShelf::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/replays");
}

QString CReplayShelf::LastGamePath() const {
    return folder_ + QStringLiteral("/last-game.tvr");
}

QString CReplayShelf::EntryPath(const HighScoreEntry& entry) const {
    const std::string record = FormatScoreRecord({entry.name, entry.score, entry.time});
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(record), QCryptographicHash::Sha1);
    return folder_ +
           QStringLiteral("/top-%1.tvr").arg(QString::fromLatin1(digest.toHex().left(16)));
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

void CReplayShelf::EntryMade(const HighScoreEntry& entry, const std::string& replay,
                             const std::vector<HighScoreEntry>& left) {
    for (const HighScoreEntry& gone : left) {
        QFile::remove(EntryPath(gone));
    }
    if (!replay.empty()) {
        Write(EntryPath(entry), WithPlayer(replay, entry.name));
    }
}
