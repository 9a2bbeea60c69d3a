#pragma once
// Notices when the player leaves the game: another application becomes the
// active one, or the main window is minimised. The game's own windows (the
// tutorial window, dialogs, menus) keep the application active, so moving
// between them is not leaving.

#include <QObject>
#include <functional>

class QWidget;

class CInactivityWatch : public QObject {
    Q_OBJECT

  public:
    // Watches the application and the top-level window of `widget`, and calls
    // `left` on each departure.
    CInactivityWatch(QWidget* widget, std::function<void()> left);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> left_;
};
