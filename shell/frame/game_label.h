#pragma once
// The status bar's pane that names the game on the board: "Game 1740837960",
// or the daily game's day.

#include <QLabel>

class CBoardModel;

class CGameLabel : public QLabel {
    Q_OBJECT

  public:
    explicit CGameLabel(QWidget* parent = nullptr);
    void Show(const CBoardModel& model);
};
