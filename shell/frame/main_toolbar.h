#pragma once
// The vertical toolbar at the left of the main window. Its first button keeps
// its command; only its picture follows the game (play, pause, new game).

#include <QIcon>
#include <QPixmap>
#include <QToolBar>

class CMainToolBar : public QToolBar {
    Q_OBJECT

  public:
    explicit CMainToolBar(QWidget* parent = nullptr);

    // Images of the toolbar strip, in the strip's order.
    enum Image { kPlayImage = 0, kPauseAndHideImage, kDropBombImage, kPauseImage, kNewGameImage };
    static QPixmap StripImage(int index);

    // Shows the picture for a game state number (1001 running, 1003 paused,
    // 1004 over) on the first button; other numbers change nothing.
    void SetPlayButton(int state);

    int playButtonState = -1;

  private:
    QIcon playIcons_[kNewGameImage + 1];
};
