#include "settings/damaged_file.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#include "scores/core/high_score_table.h"
#include "scores/core/score_name.h"
#include "scores/core/score_record.h"
#include "settings/settings_value.h"
#include "settings/stored_scores.h"

QString DamagedFileName(const QString& path) {
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = base + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

CSettingsText SalvagedScores(const QByteArray& damaged) {
    std::vector<HighScoreEntry> found;
    for (const QByteArray& bytes : damaged.split('\n')) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = QString(utf8.decode(bytes)).trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(std::max<qsizetype>(equals, 0)).trimmed();
        if (utf8.hasError() || key.size() != 3 ||
            !std::all_of(key.begin(), key.end(), [](QChar c) { return c.isDigit(); })) {
            continue;
        }
        const SettingValue value = DecodeSettingValue(line.mid(equals + 1).trimmed());
        ParsedRecord parsed = ParseScoreRecord(value.text);
        if (value.type == SettingValue::Type::String && parsed.verdict == RecordVerdict::kEntry) {
            found.push_back(
                {FilterScoreName(parsed.record.name), parsed.record.score, parsed.record.time});
        }
    }
    // Stable: among equal scores the one read first stays in front, as in
    // the table.
    std::stable_sort(
        found.begin(), found.end(),
        [](const HighScoreEntry& a, const HighScoreEntry& b) { return a.score > b.score; });
    found.resize(std::min(found.size(), kHighScoreTableSize));

    CSettingsText fresh;
    PutScores(fresh, found);
    return fresh;
}
