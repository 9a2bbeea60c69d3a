#pragma once
// The one question before something ends the game under way (a replay to
// watch, the tutorial): Yes ends it as New game does, its score offered for
// the table; No, the default, leaves it.

class CBoardModel;
class QString;
class QWidget;

// True when no game under way stands in the way any more: none was started,
// it is over, or the player answered Yes and it has ended.
bool EndGameUnderWayFirst(CBoardModel& model, QWidget* parent, const QString& title,
                          const QString& question);
