#pragma once
// Game > Statistics: the player's figures per difficulty, the charts of the
// scores, the daily game's figures and chart, and the list of every game in
// the history, whose replays can be watched on the board (through the board
// session: this window only asks), saved, and the list exported. Modeless; it
// remembers its size. The history is read off the window's thread and read
// again when a game lands in it.

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "history/game_row.h"
#include "shell/history/off_the_window.h"

class CDailyChart;
class CGamesTableModel;
class CStatisticsCharts;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;
class QTabWidget;
class QTemporaryFile;

class CStatisticsWindow : public QWidget {
    Q_OBJECT

  public:
    CStatisticsWindow(QString historyPath, QWidget* parent = nullptr);
    ~CStatisticsWindow() override;

    // Reads the history again; Loaded follows.
    void Reload();

    QTabWidget& Tabs() const { return *tabs_; }
    QTableWidget& FiguresTable() const { return *figures_; }
    QTableView& GamesView() const { return *list_; }
    QSortFilterProxyModel& GamesList() const { return *sorted_; }
    CStatisticsCharts& Charts() const { return *charts_; }
    // The daily game's figures, in the order the tab shows them.
    enum DailyFigure { kDays, kRunNow, kBestRun, kBestResult, kDailyFigures };
    const QLabel& Daily(DailyFigure figure) const { return *daily_[figure]; }
    CDailyChart& DailyChart() const { return *dailyChart_; }
    const std::vector<GameRow>& Rows() const;

    // The commands of the list, on its current game.
    void OnWatch();
    void OnSaveReplay();
    void OnExportCsv();
    void OnForget();

  signals:
    // The game's replay, written to a file of its own, is to be watched.
    void WatchRequested(const QString& path);
    void Loaded();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Show(std::vector<GameRow> rows);
    void FillFigures();
    void FillDaily();
    QWidget* NewDailyPage();
    void FilterDifficulty(int index);
    void CurrentChanged();
    // The chosen game's row, when one is chosen.
    const GameRow* Chosen() const;
    // Reads the chosen game's replay off the window's thread, then `use`s it.
    void WithReplay(std::function<void(const QByteArray& replay)> use);
    void Warn(const QString& message);
    void SaveSize();

    QString path_;
    CGamesTableModel* games_;
    QSortFilterProxyModel* sorted_;
    QTabWidget* tabs_;
    QTableWidget* figures_;
    QTableView* list_;
    CStatisticsCharts* charts_;
    std::array<QLabel*, kDailyFigures> daily_;
    CDailyChart* dailyChart_;
    QComboBox* difficulty_;
    QPushButton* watch_;
    QPushButton* save_;
    std::unique_ptr<QTemporaryFile> watched_;
    QTimer sizeSave_;
    // Last, so that it goes first: the work under way ends before the rest.
    CRunningWork running_;
};
