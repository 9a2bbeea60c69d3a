#include "shell/view/replay_keeper.h"

#include <QApplication>
#include <QMessageBox>

CReplayKeeper::CReplayKeeper() {
    // Told without holding up the game: the end of a game has its own dialogs.
    shelf_.SetFailureHandler([](const QString& message) {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Torvane"), message,
                                    QMessageBox::Ok, QApplication::activeWindow());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void CReplayKeeper::KeepLastGame(const std::string& replay) {
    shelf_.KeepLastGame(replay);
}
