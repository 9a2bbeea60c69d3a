#include "shell/view/end_game_question.h"

#include <QMessageBox>
#include <QTimer>

#include "shell/model/board_model.h"

void AskToEndGameUnderWay(CBoardModel& model, QObject* asker, QWidget* parent, const QString& title,
                          const QString& question, std::function<void(bool clear)> answered) {
    const CGame& game = model.Game();
    if (model.Watching() || !game.started || game.over) {
        answered(true);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, title, question,
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::No);
    QObject::connect(&model, &CBoardModel::GameReplaced, box, &QMessageBox::reject);
    QObject::connect(&model, &CBoardModel::ModeChanged, box, &QMessageBox::reject);
    // One answer only, whatever else reaches the box while it goes.
    QObject::connect(
        box, &QMessageBox::finished, asker,
        [&model, box, asker, answered = std::move(answered)] {
            const bool yes = box->standardButton(box->clickedButton()) == QMessageBox::Yes;
            // Not inside the button's click: ending the game offers its
            // score, in dialogs of its own.
            QTimer::singleShot(
                0, asker, [&model, yes, answered] { answered(yes && model.EndGameUnderWay()); });
        },
        Qt::SingleShotConnection);
    box->open();
}
