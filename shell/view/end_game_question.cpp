#include "shell/view/end_game_question.h"

#include <QMessageBox>

#include "shell/model/board_model.h"

bool EndGameUnderWayFirst(CBoardModel& model, QWidget* parent, const QString& title,
                          const QString& question) {
    const CGame& game = model.Game();
    if (model.Watching() || !game.started || game.over) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, title, question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) {
        return false;
    }
    return model.EndGameUnderWay();
}
