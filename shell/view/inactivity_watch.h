#pragma once
// Notices when the player leaves the game: another application becomes the
// active one, the main window is minimised, or a modal dialog of the game's
// own takes the keyboard and mouse from the board (the player could not steer
// behind it). The tutorial window and the menus are not leaving.

#include <QObject>
#include <functional>

class QWidget;

class CInactivityWatch : public QObject {
    Q_OBJECT

  public:
    // Watches the application, its modal dialogs and the top-level window of
    // `widget`, and calls `left` on each departure.
    CInactivityWatch(QWidget* widget, std::function<void()> left);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> onLeft_;
};
