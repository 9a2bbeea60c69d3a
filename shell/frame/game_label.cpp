#include "shell/frame/game_label.h"

#include "shell/dialogs/daily_date.h"
#include "shell/model/board_model.h"

CGameLabel::CGameLabel(QWidget* parent) : QLabel(parent) {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void CGameLabel::Show(const CBoardModel& model) {
    QString text;
    if (model.GameNumber() != 0) {
        text = model.DailyDate().empty()
                   ? tr("Game %1").arg(model.GameNumber())
                   : tr("Daily game, %1").arg(LocalDateText(model.DailyDate()));
    }
    if (text != this->text()) {
        setText(text);
    }
}
