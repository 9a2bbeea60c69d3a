#include "history/games_csv.h"

#include <QStringList>

namespace {

QString Optional(const auto& value) {
    return value ? QString::number(*value) : QString();
}

// Texts of our own never hold a comma or a quote, but a version string comes
// from whatever program wrote the row.
QString Field(QString text) {
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

}  // namespace

QByteArray GamesCsv(const std::vector<GameRow>& rows) {
    QByteArray csv =
        "started,ended,difficulty_start,difficulty_end,score,played_ms,rings,ring_gems,bombs,"
        "snapped,ending,version,game_number,top_place,personal_best,replay_kept\r\n";
    for (const GameRow& row : rows) {
        const GameFigures& f = row.figures;
        const QStringList fields = {row.started.toUTC().toString(Qt::ISODateWithMs),
                                    row.ended.toUTC().toString(Qt::ISODateWithMs),
                                    Optional(f.difficultyStart),
                                    Optional(f.difficultyEnd),
                                    QString::number(f.score),
                                    QString::number(f.playedMs),
                                    QString::number(f.rings),
                                    QString::number(f.ringGems),
                                    QString::number(f.bombs),
                                    QString::number(f.snapped),
                                    Field(row.ending),
                                    Field(row.version),
                                    Optional(f.gameNumber),
                                    Optional(row.topPlace),
                                    QString::number(row.personalBest ? 1 : 0),
                                    Field(row.replayKept)};
        csv += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return csv;
}
