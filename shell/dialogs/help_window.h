#pragma once
// The help document in a window of the game's own. The desktop's viewer may
// be missing, and whether one really opened cannot be known; this window
// always shows the document. Links within the document move through it,
// links out of it go to the desktop's browser. Escape and Ctrl+W close it.

#include <QWidget>

class QTextBrowser;

class CHelpWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows the document at `path` in the help window of the main window of
    // `owner`, made on first use, and brings that window to the front.
    static CHelpWindow* Show(QWidget* owner, const QString& path);

    QTextBrowser* Browser() const { return browser_; }

  private:
    explicit CHelpWindow(QWidget* mainWindow);

    QTextBrowser* browser_;
};
