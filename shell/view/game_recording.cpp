#include "shell/view/game_recording.h"

#include <QApplication>
#include <QMessageBox>

#include "game/game.h"
#include "scores/core/calendar_clock.h"

CGameRecording::CGameRecording() : hasLastGame_(CReplayShelf::Exists(shelf_.LastGamePath())) {
    // Told without holding up the game: the end of a game has its own dialogs.
    shelf_.SetFailureHandler([](const QString& message) {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Torvane"), message,
                                    QMessageBox::Ok, QApplication::activeWindow());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void CGameRecording::Begin(const CGame& game, std::uint32_t seed) {
    replay_.reset();
    recorder_.Begin(game, seed);
}

void CGameRecording::Continue(const CGame& game, RecordingSoFar soFar) {
    replay_.reset();
    recorder_.Continue(game, std::move(soFar));
}

void CGameRecording::Finish(const CGame& game) {
    if (!recorder_.Recording()) {
        return;
    }
    replay_ = recorder_.Finish(game, QCoreApplication::applicationVersion().toStdString(),
                               CalendarClock::Now());
    if (replay_) {
        shelf_.KeepLastGame(*replay_);
        hasLastGame_ = CReplayShelf::Exists(shelf_.LastGamePath());
    }
}
