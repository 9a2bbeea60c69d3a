#pragma once
// Keeps the game's keys with the game while no menu is open. After Alt alone,
// or a menu left with Escape, the menu bar holds the keyboard focus and would
// take Left, Right and Space for its own navigation, in this game and the
// next; they go to the view instead, and the menu bar lets go of the keyboard.

#include <QObject>

class QMenuBar;
class QWidget;

class CMenuBarKeys : public QObject {
    Q_OBJECT

  public:
    CMenuBarKeys(QMenuBar* menuBar, QWidget* view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* view_;
};
