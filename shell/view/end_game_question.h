#pragma once
// The one question before something ends the game under way (a replay to
// watch, the tutorial): Yes ends it as New game does, its score offered for
// the table; No, the default, leaves it. The question does not wait in the
// handler that asked it: its answer comes later, from the event loop.

#include <functional>

class CBoardModel;
class QObject;
class QString;
class QWidget;

// `answered(true)` once no game under way stands in the way any more: at
// once when none was started or it is over, else after Yes has ended it.
// `answered(false)` after No. Nothing is answered when the board changes
// before the answer is acted on (another game, another mode: the question
// was about a game that has gone), nor once `asker` has gone.
void AskToEndGameUnderWay(CBoardModel& model, QObject* asker, QWidget* parent, const QString& title,
                          const QString& question, std::function<void(bool clear)> answered);
