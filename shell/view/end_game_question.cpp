#include "shell/view/end_game_question.h"

#include <QMessageBox>

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
    box->setDefaultButton(QMessageBox::No);
    // A board that changes before the answer is acted on (another game,
    // another mode) takes the question with it: it was about a game that has
    // gone. So does the asker.
    const auto drop = [box] { delete box; };
    QObject::connect(&model, &CBoardModel::GameReplaced, box, drop);
    QObject::connect(&model, &CBoardModel::ModeChanged, box, drop);
    QObject::connect(asker, &QObject::destroyed, box, drop);
    QObject::connect(
        box, &QMessageBox::finished, box,
        [&model, box, answered = std::move(answered)] {
            const bool yes = box->standardButton(box->clickedButton()) == QMessageBox::Yes;
            // Not inside the button's click: ending the game offers its
            // score, in dialogs of its own.
            QMetaObject::invokeMethod(
                box,
                [&model, box, yes, answered] {
                    QObject::disconnect(&model, nullptr, box, nullptr);
                    box->deleteLater();
                    answered(yes && model.EndGameUnderWay());
                },
                Qt::QueuedConnection);
        },
        Qt::SingleShotConnection);
    box->open();
}
