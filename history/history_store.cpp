#include "history/history_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <functional>

#include "history/history_files.h"

namespace {

// SQLite's own result codes, as Qt SQL hands them on.
const QString kCorrupt = QStringLiteral("11");
const QString kNotADatabase = QStringLiteral("26");

// What each version adds to the one before; the schema of version N is the
// first N steps. A step is never changed once released: a new version is a
// new step.
const QStringList kMigrations = {
    // 1: the games.
    QStringLiteral("CREATE TABLE games ("
                   " id INTEGER PRIMARY KEY,"
                   " started TEXT NOT NULL,"
                   " ended TEXT NOT NULL,"
                   " difficulty_start INTEGER,"
                   " difficulty_end INTEGER,"
                   " score INTEGER NOT NULL,"
                   " played_ms INTEGER NOT NULL,"
                   " rings INTEGER NOT NULL,"
                   " ring_gems INTEGER NOT NULL,"
                   " bombs INTEGER NOT NULL,"
                   " snapped INTEGER NOT NULL,"
                   " ending TEXT NOT NULL,"
                   " version TEXT NOT NULL,"
                   " game_number INTEGER,"
                   " top_place INTEGER,"
                   " personal_best INTEGER NOT NULL DEFAULT 0,"
                   " replay_kept TEXT NOT NULL,"
                   " replay BLOB,"
                   " digest TEXT);"
                   "CREATE INDEX games_digest ON games(digest);"
                   "CREATE INDEX games_ended ON games(ended);"),
    // 2: the daily game's date, and whether the game was its result.
    QStringLiteral("ALTER TABLE games ADD COLUMN daily_date TEXT;"
                   "ALTER TABLE games ADD COLUMN daily_result INTEGER NOT NULL DEFAULT 0;"
                   "CREATE INDEX games_daily ON games(daily_date);"),
};

QString UtcText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime FromUtcText(const QString& text) {
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

QVariant Optional(const auto& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}

// Never NULL, which a NOT NULL column refuses: a row refused once would be
// refused at every try.
QVariant Text(const QString& text) {
    return QVariant(text.isNull() ? QStringLiteral("") : text);
}

QString Told(const char* text) {
    return QCoreApplication::translate("History", text);
}

}  // namespace

CHistoryStore::CHistoryStore(QString path)
    : path_(std::move(path)), connection_(QUuid::createUuid().toString()) {}

CHistoryStore::~CHistoryStore() {
    Disconnect();
}

bool CHistoryStore::IsOpen() const {
    return QSqlDatabase::contains(connection_) &&
           QSqlDatabase::database(connection_, false).isOpen();
}

bool CHistoryStore::Connect(const QString& options) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs) + options);
    if (!db.open()) {
        error_ = db.lastError().text();
        return false;
    }
    return true;
}

void CHistoryStore::Disconnect() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

bool CHistoryStore::Exec(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(sql)) {
        error_ = query.lastError().text();
        return false;
    }
    return true;
}

CHistoryStore::Health CHistoryStore::Check() {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    const auto verdict = [&] {
        const QString code = query.lastError().nativeErrorCode();
        error_ = query.lastError().text();
        return code == kCorrupt || code == kNotADatabase ? Health::kDamaged : Health::kUnreadable;
    };
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return verdict();
    }
    if (query.value(0).toInt() > kSchemaVersion) {
        return Health::kNewer;
    }
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        return verdict();
    }
    return query.value(0).toString() == QStringLiteral("ok") ? Health::kGood : Health::kDamaged;
}

CHistoryStore::Opened CHistoryStore::Open() {
    Opened opened;
    Disconnect();
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const QString notFile = SetAsideNonFiles(path_, true);
    if (!notFile.isEmpty()) {
        opened.setAside = notFile;
        opened.why = Told(QT_TRANSLATE_NOOP("History", "The game history was not a plain file."));
    }
    if (!Connect()) {
        opened.why = error_;
        return opened;
    }
    const Health health = Check();
    if (health == Health::kUnreadable) {
        opened.why = error_;
        return opened;
    }
    if (health != Health::kGood) {
        Disconnect();
        const bool newer = health == Health::kNewer;
        const QString aside = SetAsideDatabase(
            path_, newer ? QStringLiteral("newer-version") : QStringLiteral("damaged"));
        if (aside.isEmpty() || !Connect()) {
            opened.why = Told(QT_TRANSLATE_NOOP(
                "History", "The game history is damaged and could not be set aside."));
            return opened;
        }
        opened.setAside = aside;
        opened.why =
            newer ? Told(QT_TRANSLATE_NOOP(
                        "History", "The game history was written by a newer version of Torvane."))
                  : Told(QT_TRANSLATE_NOOP("History", "The game history was damaged."));
    }
    // A second copy of the game reads while this one writes; every row is on
    // the disk before the write returns.
    Exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    Exec(QStringLiteral("PRAGMA synchronous=FULL"));
    if (!Migrate(opened.fresh)) {
        opened.why = error_;
        return opened;
    }
    opened.ok = true;
    return opened;
}

bool CHistoryStore::OpenToRead() {
    Disconnect();
    if (!SetAsideNonFiles(path_, false).isEmpty()) {
        error_ = Told(QT_TRANSLATE_NOOP("History", "The game history was not a plain file."));
        return false;
    }
    if (!QFileInfo::exists(path_)) {
        error_ = Told(QT_TRANSLATE_NOOP("History", "There is no game history there."));
        return false;
    }
    if (!Connect(QStringLiteral(";QSQLITE_OPEN_READONLY"))) {
        return false;
    }
    const Health health = Check();
    if (health == Health::kNewer) {
        error_ = Told(QT_TRANSLATE_NOOP(
            "History", "The game history was written by a newer version of Torvane."));
    } else if (health == Health::kDamaged) {
        error_ = Told(QT_TRANSLATE_NOOP("History", "The game history was damaged."));
    }
    if (health != Health::kGood) {
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next() ||
        query.value(0).toInt() != kSchemaVersion) {
        error_ = Told(QT_TRANSLATE_NOOP("History", "This is not a game history of this version."));
        return false;
    }
    return true;
}

bool CHistoryStore::Migrate(bool& fresh) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        error_ = query.lastError().text();
        return false;
    }
    const int version = query.value(0).toInt();
    // A statement left open holds its read lock, and two copies each holding
    // one while waiting for the other's write would wait in vain.
    query.finish();
    fresh = fresh || version == 0;
    if (version == kSchemaVersion) {
        return true;
    }
    // Another copy may be migrating at the same moment: the write lock is
    // taken first, and the version read again under it.
    if (!Exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return false;
    }
    bool ok = query.exec(QStringLiteral("PRAGMA user_version")) && query.next();
    const int from = ok ? query.value(0).toInt() : kSchemaVersion;
    query.finish();
    for (int step = from; ok && step < kSchemaVersion; ++step) {
        for (const QString& statement :
             kMigrations[step].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            ok = ok && Exec(statement);
        }
    }
    ok = ok && Exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    if (!ok || !Exec(QStringLiteral("COMMIT"))) {
        Exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

bool CHistoryStore::Add(GameRow& row) {
    if (!IsOpen()) {
        error_ = Told(QT_TRANSLATE_NOOP("History", "The game history is not open."));
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!Exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return false;
    }
    const auto fail = [&](const QSqlQuery& query) {
        error_ = query.lastError().text();
        Exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    const GameFigures& f = row.figures;
    QSqlQuery query(db);
    if (!f.digest.isEmpty()) {
        query.prepare(QStringLiteral("SELECT id FROM games WHERE digest = ? LIMIT 1"));
        query.addBindValue(f.digest);
        if (!query.exec()) {
            return fail(query);
        }
        if (query.next()) {
            row.id = query.value(0).toLongLong();
            return Exec(QStringLiteral("COMMIT"));
        }
    }
    query.prepare(QStringLiteral("SELECT MAX(score) FROM games WHERE difficulty_start IS ?"));
    query.addBindValue(Optional(f.difficultyStart));
    if (!query.exec() || !query.next()) {
        return fail(query);
    }
    row.personalBest = f.difficultyStart && f.score > 0 &&
                       (query.value(0).isNull() || f.score > query.value(0).toUInt());
    // Decided under the write lock: of two copies ending the day's game at
    // once, one is first.
    row.dailyResult = false;
    if (!f.dailyDate.isEmpty()) {
        query.prepare(
            QStringLiteral("SELECT COUNT(*) FROM games WHERE daily_date = ? AND daily_result = 1"));
        query.addBindValue(f.dailyDate);
        if (!query.exec() || !query.next()) {
            return fail(query);
        }
        row.dailyResult = query.value(0).toInt() == 0;
    }
    query.prepare(QStringLiteral(
        "INSERT INTO games (started, ended, difficulty_start, difficulty_end, score, played_ms,"
        " rings, ring_gems, bombs, snapped, ending, version, game_number, top_place,"
        " personal_best, replay_kept, replay, digest, daily_date, daily_result)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {Text(UtcText(row.started)), Text(UtcText(row.ended)), Optional(f.difficultyStart),
          Optional(f.difficultyEnd), QVariant(f.score), QVariant(qint64(f.playedMs)),
          QVariant(f.rings), QVariant(f.ringGems), QVariant(f.bombs), QVariant(f.snapped),
          Text(row.ending), Text(row.version), Optional(f.gameNumber), Optional(row.topPlace),
          QVariant(row.personalBest ? 1 : 0), Text(row.replayKept),
          row.replay.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(row.replay),
          f.digest.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(f.digest)}) {
        query.addBindValue(value);
    }
    query.addBindValue(f.dailyDate.isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                             : QVariant(f.dailyDate));
    query.addBindValue(row.dailyResult ? 1 : 0);
    if (!query.exec()) {
        return fail(query);
    }
    row.id = query.lastInsertId().toLongLong();
    if (!Prune()) {
        Exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return Exec(QStringLiteral("COMMIT"));
}

bool CHistoryStore::Prune() {
    // Kept for good: the games that were ever in the top ten or the best of
    // their difficulty. Kept for a while: the latest games, by when they ended.
    return Exec(QStringLiteral(
                    "UPDATE games SET replay = NULL, replay_kept = 'pruned'"
                    " WHERE replay IS NOT NULL AND top_place IS NULL AND personal_best = 0"
                    " AND id NOT IN (SELECT id FROM games ORDER BY ended DESC, id DESC LIMIT %1)")
                    .arg(kRecentReplays));
}

std::vector<GameRow> CHistoryStore::Rows(bool withReplays) {
    std::vector<GameRow> rows;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, started, ended, difficulty_start, difficulty_end, "
                                   "score, played_ms, rings,"
                                   " ring_gems, bombs, snapped, ending, version, game_number, "
                                   "top_place, personal_best,"
                                   " replay_kept, digest, %1, daily_date, daily_result"
                                   " FROM games ORDER BY ended, id")
                        .arg(withReplays ? QStringLiteral("replay") : QStringLiteral("NULL")))) {
        error_ = query.lastError().text();
        return rows;
    }
    while (query.next()) {
        GameRow row;
        GameFigures& f = row.figures;
        row.id = query.value(0).toLongLong();
        row.started = FromUtcText(query.value(1).toString());
        row.ended = FromUtcText(query.value(2).toString());
        if (!query.value(3).isNull()) {
            f.difficultyStart = query.value(3).toUInt();
        }
        if (!query.value(4).isNull()) {
            f.difficultyEnd = query.value(4).toUInt();
        }
        f.score = query.value(5).toUInt();
        f.playedMs = query.value(6).toLongLong();
        f.rings = query.value(7).toUInt();
        f.ringGems = query.value(8).toUInt();
        f.bombs = query.value(9).toUInt();
        f.snapped = query.value(10).toUInt();
        row.ending = query.value(11).toString();
        row.version = query.value(12).toString();
        if (!query.value(13).isNull()) {
            f.gameNumber = query.value(13).toUInt();
        }
        if (!query.value(14).isNull()) {
            row.topPlace = query.value(14).toInt();
        }
        row.personalBest = query.value(15).toBool();
        row.replayKept = query.value(16).toString();
        f.digest = query.value(17).toString();
        row.replay = query.value(18).toByteArray();
        f.dailyDate = query.value(19).toString();
        row.dailyResult = query.value(20).toBool();
        rows.push_back(std::move(row));
    }
    return rows;
}

QByteArray CHistoryStore::Replay(std::int64_t id) {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT replay FROM games WHERE id = ?"));
    query.addBindValue(qint64(id));
    if (!query.exec() || !query.next()) {
        error_ = query.lastError().text();
        return {};
    }
    return query.value(0).toByteArray();
}

bool CHistoryStore::Forget() {
    return Exec(QStringLiteral("DELETE FROM games"));
}
