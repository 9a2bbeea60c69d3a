#pragma once
// The statistics window as the program runs it: made the first time the
// session asks for it (Game > Statistics, the high-score table's button), a
// window of the main window's own, read again whenever the history has
// written a game, and its Watch handed to the session, which plays the game
// on the board.

#include <QObject>
#include <QPointer>
#include <QString>

class CHistoryWriter;
class CMainFrame;
class CStatisticsWindow;

class CStatisticsRoute : public QObject {
    Q_OBJECT

  public:
    // `writer`, when given, tells when a game has landed.
    CStatisticsRoute(CMainFrame& frame, QString historyPath, CHistoryWriter* writer = nullptr);

    void Open();
    // The window, once opened.
    CStatisticsWindow* Window() const;

  private:
    CMainFrame& frame_;
    QString path_;
    QPointer<CStatisticsWindow> window_;
};
