#include "tools/sim/history_command.h"

#include <QCoreApplication>
#include <QFile>
#include <iostream>
#include <string>

#include "history/history_store.h"
#include "script/json_writer.h"

namespace {

std::string Text(const QString& text) {
    return JsonString(text.toStdString());
}

template <typename T>
std::string Maybe(const std::optional<T>& value) {
    return value ? std::to_string(*value) : std::string("null");
}

std::string Utc(const QDateTime& time) {
    return Text(time.toString(Qt::ISODateWithMs));
}

}  // namespace

int PrintHistory(const char* path) {
    // Qt SQL finds its SQLite driver only with an application object.
    int argc = 1;
    char name[] = "torvane-sim";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    CHistoryStore store(QFile::decodeName(path));
    if (!store.OpenToRead()) {
        std::cerr << "torvane-sim: cannot read " << path << ": " << store.LastError().toStdString()
                  << "\n";
        return 1;
    }
    for (const GameRow& row : store.Rows(true)) {
        const GameFigures& f = row.figures;
        std::cout << "{\"id\":" << row.id << ",\"started\":" << Utc(row.started)
                  << ",\"ended\":" << Utc(row.ended)
                  << ",\"difficulty_start\":" << Maybe(f.difficultyStart)
                  << ",\"difficulty_end\":" << Maybe(f.difficultyEnd) << ",\"score\":" << f.score
                  << ",\"played_ms\":" << f.playedMs << ",\"rings\":" << f.rings
                  << ",\"ring_gems\":" << f.ringGems << ",\"bombs\":" << f.bombs
                  << ",\"snapped\":" << f.snapped << ",\"ending\":" << Text(row.ending)
                  << ",\"version\":" << Text(row.version)
                  << ",\"game_number\":" << Maybe(f.gameNumber)
                  << ",\"top_place\":" << Maybe(row.topPlace)
                  << ",\"personal_best\":" << (row.personalBest ? "true" : "false")
                  << ",\"daily_date\":"
                  << (f.dailyDate.isEmpty() ? std::string("null") : Text(f.dailyDate))
                  << ",\"daily_result\":" << (row.dailyResult ? "true" : "false")
                  << ",\"replay_kept\":" << Text(row.replayKept)
                  << ",\"replay_bytes\":" << row.replay.size()
                  << ",\"digest\":" << (f.digest.isEmpty() ? std::string("null") : Text(f.digest))
                  << "}\n";
    }
    return 0;
}
