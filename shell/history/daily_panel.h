#pragma once
// What the end of a daily game tells the player, after the high-score table:
// the score, whether it was the date's result or practice, the best result
// and the run of days; the result to copy and the replay to save. A window
// beside the board, which goes on meanwhile.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>

#include "history/daily_standing.h"

// A daily game that has just ended, as the board had it.
struct DailyEnd {
    QString date;  // YYYY-MM-DD
    std::uint32_t score = 0;
    std::string replay;
};

class CDailyPanel : public QDialog {
    Q_OBJECT

  public:
    // `report` is the history's word on the game; when it is not known, only
    // the score is told.
    CDailyPanel(QWidget* parent, DailyEnd ended, const DailyReport& report);

    // What Copy result puts on the clipboard.
    QString ResultText() const;

  private:
    void SaveReplay(const QString& path);

    DailyEnd ended_;
    std::uint32_t rings_;
    // A later try of a date whose result was made: never to pass for it.
    bool practice_;
};
