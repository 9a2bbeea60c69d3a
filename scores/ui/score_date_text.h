#pragma once
// The high-score list's dates in the reader's language: the month's short
// name and the order of day and month as that language writes them ("Nov 3",
// "3. Nov."), with the year's two digits once a score is older than 180 days.

#include <QLocale>
#include <QString>
#include <cstdint>

// The locale of the language the program speaks: the system's own where it
// speaks that language, English (the sources') where nothing is translated.
QLocale ScoreDateLocale();

// Empty where the time is no local date.
QString ScoreDateText(std::int64_t time, std::int64_t now, const QLocale& locale);
