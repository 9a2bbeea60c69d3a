#include "shell/dialogs/daily_date.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLocale>

#include "scores/core/calendar_clock.h"

QString LocalDateText(const GameDate& date) {
    const QDate day(date.year, static_cast<int>(date.month), static_cast<int>(date.day));
    return QLocale().toString(day, QCoreApplication::translate("DailyDate", "d MMM yyyy"));
}

QString LocalDateText(const std::string& iso) {
    const std::optional<GameDate> date = ParseGameDate(iso);
    return date ? LocalDateText(*date) : QString::fromStdString(iso);
}

GameDate TodaysDate() {
    const QDate today = QDateTime::fromSecsSinceEpoch(CalendarClock::Now()).toLocalTime().date();
    return {today.year(), static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day())};
}
