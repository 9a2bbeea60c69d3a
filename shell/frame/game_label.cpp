#include "shell/frame/game_label.h"

#include "shell/dialogs/daily_date.h"
#include "shell/model/board_model.h"

CGameLabel::CGameLabel(QWidget* parent) : QLabel(parent) {}

void CGameLabel::Show(const CBoardModel& model) {
    QString text;
    if (model.Watching() && !model.WatchedDaily().empty()) {
        // Whose day it was and what it reached, proven before it plays.
        text = tr("Daily game of %1, %2 points")
                   .arg(LocalDateText(model.WatchedDaily()))
                   .arg(model.WatchedScore());
    } else if (model.GameNumber() != 0) {
        text = model.DailyDate().empty()
                   ? tr("Game %1").arg(model.GameNumber())
                   : tr("Daily game, %1").arg(LocalDateText(model.DailyDate()));
    }
    if (text != this->text()) {
        setText(text);
    }
}
