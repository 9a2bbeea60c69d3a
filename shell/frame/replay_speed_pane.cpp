#include "shell/frame/replay_speed_pane.h"

#include "shell/model/board_model.h"

CReplaySpeedPane::CReplaySpeedPane(const CBoardModel& model, QWidget* parent)
    : QLabel(parent), model_(model) {
    setObjectName(QStringLiteral("replaySpeed"));
    connect(&model_, &CBoardModel::StateChanged, this, &CReplaySpeedPane::Refresh);
    Refresh();
}

void CReplaySpeedPane::Refresh() {
    const BoardState board = model_.State();
    setText(tr("Replay speed: %1x").arg(board.replaySpeed));
    setVisible(board.watching);
}
