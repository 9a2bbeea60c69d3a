#pragma once
// The main window: fixed size, menus with their accelerators, the toolbar on
// the left, the status bar, and the game view filling the rest.

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <map>

class QAction;
class QLabel;
class QMenu;
class CMainToolBar;
class CTorvaneView;

inline constexpr int kFrameWidth = 768;
inline constexpr int kFrameHeight = 738;

class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    explicit CMainFrame(QWidget* parent = nullptr);

    CTorvaneView* View() const { return view_; }
    CMainToolBar* ToolBar() const { return toolBar_; }
    QAction* Action(int id) const;

    void SetPlayButton(int state);

    // Runs every command's update rule: before a menu opens and after every
    // change of the game or the view.
    void UpdateCommands();

    void OnAbout();

    // The game's keys work in another window of the game while it is active
    // (the tutorial window, which takes the focus from the main window).
    void ShareShortcutsWith(QWidget* window);

  private:
    QAction* AddCommand(QMenu* menu, int id, const QString& text,
                        const QList<QKeySequence>& keys = {}, const QString& prompt = {});
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();

    CTorvaneView* view_ = nullptr;
    CMainToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
};
