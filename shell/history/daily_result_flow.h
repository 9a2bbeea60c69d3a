#pragma once
// The end of a daily game as the history tells it: the panel opens once both
// the questions at the game's end are answered and the history's writer has
// reported on the game (they come in either order).

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <optional>
#include <string>

#include "history/daily_standing.h"
#include "shell/history/daily_panel.h"

class CHistoryWriter;

class CDailyResultFlow : public QObject {
    Q_OBJECT

  public:
    // The panels are windows of `window`.
    CDailyResultFlow(CHistoryWriter& writer, QWidget* window);

    // The panel on screen, if any.
    CDailyPanel* Panel() const { return panel_; }

  public slots:
    // The questions at the end of the daily game of `date` are answered.
    void DailyGameEnded(const QString& date, std::uint32_t score, const std::string& replay);

  private:
    void OnReported(const DailyReport& report);
    void Show(DailyEnd ended, const DailyReport& report);

    QWidget* window_;
    // Reported, waiting for its game's end; or the end, waiting for its report.
    std::optional<DailyReport> report_;
    std::optional<DailyEnd> ended_;
    QPointer<CDailyPanel> panel_;
};
