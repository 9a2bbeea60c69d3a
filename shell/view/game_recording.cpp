#include "shell/view/game_recording.h"

#include <QCoreApplication>

#include "game/game.h"
#include "scores/core/calendar_clock.h"

CGameRecording::CGameRecording() : hasLastGame_(CReplayShelf::Exists(shelf_.LastGamePath())) {}

void CGameRecording::Begin(const CGame& game, std::uint32_t seed) {
    replay_.reset();
    recorder_.Begin(game, seed);
}

void CGameRecording::Continue(const CGame& game, RecordingSoFar soFar) {
    replay_.reset();
    recorder_.Continue(game, std::move(soFar));
}

bool CGameRecording::Finish(const CGame& game) {
    if (!recorder_.Recording()) {
        return false;
    }
    replay_ = recorder_.Finish(game, QCoreApplication::applicationVersion().toStdString(),
                               CalendarClock::Now());
    if (replay_) {
        shelf_.KeepLastGame(*replay_);
        hasLastGame_ = CReplayShelf::Exists(shelf_.LastGamePath());
    }
    return replay_.has_value();
}
