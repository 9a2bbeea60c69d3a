#pragma once
// The main window: menus with their accelerators, the toolbar on the left,
// the status bar, and the game view filling the rest. It can be resized,
// maximised and shown full screen; the board scales with it.

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class CBoardSession;
class CGameLabel;
class CMainToolBar;
class CPadBinding;
class CTorvaneView;

class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CBoardSession& Session() const { return *session_; }
    CTorvaneView* View() const { return view_; }
    CMainToolBar* ToolBar() const { return toolBar_; }
    QAction* Action(int id) const;
    CPadBinding& Pad() const { return *pad_; }

    void SetPlayButton(int state);

    // Runs every command's update rule: before a menu opens and after every
    // change of the game or the view.
    void UpdateCommands();

    void OnAbout();
    void OnDailyGame();
    void OnPlayGameNumber();
    void OnHelpContents();
    // Enters full screen, or leaves it for the state it was entered from.
    void OnFullScreen();

    // Shows the window where it was left last time, or at the board's base
    // size (smaller where the screen is smaller).
    void ShowAtStart();
    // Remembers the window's size, place and state for the next start.
    void SavePlacement() const;

  protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // The game's keys work in another window of the game while it is active
    // (the tutorial window, which takes the focus from the main window).
    void ShareShortcutsWith(QWidget* window);

  private:
    QAction* AddCommand(QMenu* menu, int id, const QString& text,
                        const QList<QKeySequence>& keys = {}, const QString& prompt = {});
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    // Follows the window's normal place and size, and saves them soon.
    void NotePlacement();

    std::unique_ptr<CBoardSession> session_;
    CTorvaneView* view_ = nullptr;
    CMainToolBar* toolBar_ = nullptr;
    CGameLabel* gameLabel_ = nullptr;
    CPadBinding* pad_ = nullptr;
    std::map<int, QAction*> actions_;
    // Saves the placement once the window has stopped moving.
    QTimer placementSave_;
    // The frame's corner and the window's size when last neither maximised,
    // full screen nor minimised.
    QRect normalPlacement_;
};
