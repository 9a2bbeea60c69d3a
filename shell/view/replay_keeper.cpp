#include "shell/view/replay_keeper.h"

CReplayKeeper::CReplayKeeper() : hasLastGame_(CReplayShelf::Exists(shelf_.LastGamePath())) {}

void CReplayKeeper::KeepLastGame(const std::string& replay) {
    shelf_.KeepLastGame(replay);
    hasLastGame_ = CReplayShelf::Exists(shelf_.LastGamePath());
}
