#include "scores/ui/score_date_text.h"

#include <QCoreApplication>
#include <QDate>
#include <limits>

#include "resources/translations.h"
#include "scores/core/score_date.h"

QLocale ScoreDateLocale() {
    const QString language = TranslationLanguage();
    if (language.isEmpty()) {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    const QLocale spoken(language);
    const QLocale system = QLocale::system();
    return system.language() == spoken.language() ? system : spoken;
}

QString ScoreDateText(std::int64_t time, std::int64_t now, const QLocale& locale) {
    const std::optional<ScoreDay> day = ScoreDateParts(time, now);
    if (!day || day->year < std::numeric_limits<int>::min() ||
        day->year > std::numeric_limits<int>::max()) {
        return {};
    }
    const QDate date(static_cast<int>(day->year), day->month, day->day);
    // The translation orders day and month.
    //: A recent date in the high-score list, in QLocale's date pattern
    //: letters: MMM the month's short name, d the day.
    const QString recent = QCoreApplication::translate("ScoreDate", "MMM d");
    //: An older date in the high-score list, in QLocale's date pattern
    //: letters: MMM the month's short name, d the day, yy the year's last two
    //: digits.
    const QString older = QCoreApplication::translate("ScoreDate", "MMM d yy");
    const QString pattern = day->showYear ? older : recent;
    return locale.toString(date, pattern);
}
