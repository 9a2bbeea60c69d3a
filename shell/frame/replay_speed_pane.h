#pragma once
// The status bar's pane with a watched replay's speed (once, twice or four
// times its own); hidden while no replay plays.

#include <QLabel>

class CBoardModel;

class CReplaySpeedPane : public QLabel {
    Q_OBJECT

  public:
    explicit CReplaySpeedPane(const CBoardModel& model, QWidget* parent = nullptr);

  private:
    void Refresh();

    const CBoardModel& model_;
};
