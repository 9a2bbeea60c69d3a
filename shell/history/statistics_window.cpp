#include "shell/history/statistics_window.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QVBoxLayout>
#include <algorithm>

#include "game/settings_store.h"
#include "history/daily_standing.h"
#include "history/game_statistics.h"
#include "history/games_csv.h"
#include "history/history_store.h"
#include "settings/file_replacer.h"
#include "shell/dialogs/daily_date.h"
#include "shell/history/daily_chart.h"
#include "shell/history/games_table_model.h"
#include "shell/history/off_the_window.h"
#include "shell/history/statistics_charts.h"

namespace {

constexpr QSize kFirstSize(760, 520);
constexpr QSize kSmallest(320, 240);
constexpr int kSizeSaveDelayMs = 500;

struct Read {
    std::vector<GameRow> rows;
    QString error;
};

// Every row without its replay; an absent history is an empty one.
Read ReadRows(const QString& path) {
    CHistoryStore store(path);
    if (!QFileInfo::exists(path)) {
        return {};
    }
    if (!store.OpenToRead()) {
        return {{}, store.LastError()};
    }
    return {store.Rows(false), store.LastError()};
}

}  // namespace

CStatisticsWindow::CStatisticsWindow(QString historyPath, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(std::move(historyPath)) {
    setWindowTitle(tr("Statistics"));
    setObjectName(QStringLiteral("statistics"));

    auto* filterRow = new QHBoxLayout;
    difficulty_ = new QComboBox;
    difficulty_->addItems({tr("All difficulties"), CGamesTableModel::DifficultyName(0),
                           CGamesTableModel::DifficultyName(1),
                           CGamesTableModel::DifficultyName(2)});
    auto* filterLabel = new QLabel(tr("&Difficulty:"));
    filterLabel->setBuddy(difficulty_);
    difficulty_->setAccessibleName(tr("Difficulty"));
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(difficulty_);
    filterRow->addStretch();

    figures_ = new QTableWidget;
    figures_->setAccessibleName(tr("Figures"));
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    games_ = new CGamesTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(games_);
    sorted_->setSortRole(Qt::UserRole);
    sorted_->setFilterRole(Qt::UserRole);
    sorted_->setFilterKeyColumn(CGamesTableModel::kDifficulty);
    list_ = new QTableView;
    list_->setAccessibleName(tr("Games"));
    list_->setModel(sorted_);
    list_->setSortingEnabled(true);
    list_->sortByColumn(CGamesTableModel::kDate, Qt::DescendingOrder);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->setWordWrap(false);
    list_->horizontalHeader()->setStretchLastSection(true);
    watch_ = new QPushButton(tr("&Watch"));
    save_ = new QPushButton(tr("&Save replay as ..."));
    auto* exportCsv = new QPushButton(tr("&Export as CSV ..."));
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(watch_);
    listButtons->addWidget(save_);
    listButtons->addStretch();
    listButtons->addWidget(exportCsv);
    auto* gamesPage = new QWidget;
    auto* gamesLayout = new QVBoxLayout(gamesPage);
    gamesLayout->addWidget(list_);
    gamesLayout->addLayout(listButtons);

    charts_ = new CStatisticsCharts;

    tabs_ = new QTabWidget;
    tabs_->addTab(figures_, tr("&Figures"));
    tabs_->addTab(gamesPage, tr("&Games"));
    tabs_->addTab(charts_, tr("&Charts"));
    tabs_->addTab(NewDailyPage(), tr("Dai&ly game"));

    auto* forget = new QPushButton(tr("Forget &history ..."));
    auto* close = new QPushButton(tr("Close"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(forget);
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);

    connect(difficulty_, &QComboBox::currentIndexChanged, this,
            &CStatisticsWindow::FilterDifficulty);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CStatisticsWindow::CurrentChanged);
    connect(sorted_, &QAbstractItemModel::modelReset, this, &CStatisticsWindow::CurrentChanged);
    connect(list_, &QAbstractItemView::activated, this, &CStatisticsWindow::OnWatch);
    connect(watch_, &QPushButton::clicked, this, &CStatisticsWindow::OnWatch);
    connect(save_, &QPushButton::clicked, this, &CStatisticsWindow::OnSaveReplay);
    connect(exportCsv, &QPushButton::clicked, this, &CStatisticsWindow::OnExportCsv);
    connect(forget, &QPushButton::clicked, this, &CStatisticsWindow::OnForget);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    sizeSave_.setSingleShot(true);
    sizeSave_.setInterval(kSizeSaveDelayMs);
    connect(&sizeSave_, &QTimer::timeout, this, &CStatisticsWindow::SaveSize);

    FillFigures();
    FillDaily();
    CurrentChanged();
    const QSize stored(int(ReadSettingDword(kSettingsKey, "StatisticsWidth")),
                       int(ReadSettingDword(kSettingsKey, "StatisticsHeight")));
    resize(stored.width() >= kSmallest.width() && stored.height() >= kSmallest.height()
               ? stored.boundedTo(QSize(1 << 14, 1 << 14))
               : kFirstSize);
}

CStatisticsWindow::~CStatisticsWindow() = default;

const std::vector<GameRow>& CStatisticsWindow::Rows() const {
    return games_->Rows();
}

void CStatisticsWindow::showEvent(QShowEvent* event) {
    // Wholly on a screen smaller than the size it had, title bar and all.
    if (const QScreen* on = screen(); on != nullptr && !event->spontaneous()) {
        const QSize frame = frameGeometry().size() - size();
        const QSize room = on->availableGeometry().size() - frame;
        if (width() > room.width() || height() > room.height()) {
            resize(size().boundedTo(room));
        }
    }
    QWidget::showEvent(event);
    Reload();
}

void CStatisticsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A resize by hand is a stream of events, and every write of the
    // settings is a whole file synced: the size is written once it stops.
    if (isVisible() && !isMaximized() && !isFullScreen()) {
        sizeSave_.start();
    }
}

void CStatisticsWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    sizeSave_.stop();
    if (!isMaximized() && !isFullScreen()) {
        SaveSize();
    }
}

void CStatisticsWindow::SaveSize() {
    WriteSettingDword(kSettingsKey, "StatisticsWidth", std::uint32_t(width()));
    WriteSettingDword(kSettingsKey, "StatisticsHeight", std::uint32_t(height()));
}

void CStatisticsWindow::Reload() {
    OffTheWindow(
        this, running_, [path = path_] { return ReadRows(path); },
        [this](Read read) {
            if (!read.error.isEmpty()) {
                Warn(read.error);
            }
            Show(std::move(read.rows));
        });
}

void CStatisticsWindow::Show(std::vector<GameRow> rows) {
    games_->SetRows(std::move(rows));
    // The latest game is the one to watch first.
    list_->setCurrentIndex(sorted_->index(0, 0));
    list_->resizeColumnsToContents();
    FillFigures();
    charts_->SetRows(games_->Rows());
    FillDaily();
    emit Loaded();
}

void CStatisticsWindow::FillFigures() {
    const HistoryStatistics stats = ComputeStatistics(games_->Rows());
    const GameStatistics* columns[] = {&stats.all, &stats.byDifficulty[0], &stats.byDifficulty[1],
                                       &stats.byDifficulty[2]};
    const QLocale locale;
    const auto one = [&locale](double value) { return locale.toString(value, 'f', 1); };
    const struct {
        const char* name;
        std::function<QString(const GameStatistics&)> text;
    } figures[] = {
        {QT_TR_NOOP("Games played"), [&](const auto& s) { return locale.toString(s.games); }},
        {QT_TR_NOOP("Best score"), [&](const auto& s) { return locale.toString(s.best); }},
        {QT_TR_NOOP("Average score"), [&](const auto& s) { return one(s.average); }},
        {QT_TR_NOOP("Median score"), [&](const auto& s) { return one(s.median); }},
        {QT_TR_NOOP("Time played"),
         [](const auto& s) { return CGamesTableModel::Duration(s.totalMs); }},
        {QT_TR_NOOP("Rings exploded"),
         [&](const auto& s) { return locale.toString(qulonglong(s.rings)); }},
        {QT_TR_NOOP("Longest game"),
         [](const auto& s) { return CGamesTableModel::Duration(s.longestMs); }},
        {QT_TR_NOOP("Games above the median now"),
         [&](const auto& s) { return locale.toString(s.currentRun); }},
        {QT_TR_NOOP("Most games above the median in a row"),
         [&](const auto& s) { return locale.toString(s.bestRun); }},
    };
    figures_->setRowCount(int(std::size(figures)));
    figures_->setColumnCount(int(std::size(columns)));
    figures_->setHorizontalHeaderLabels({tr("All"), CGamesTableModel::DifficultyName(0),
                                         CGamesTableModel::DifficultyName(1),
                                         CGamesTableModel::DifficultyName(2)});
    for (int r = 0; r < int(std::size(figures)); ++r) {
        figures_->setVerticalHeaderItem(r, new QTableWidgetItem(tr(figures[r].name)));
        for (int c = 0; c < int(std::size(columns)); ++c) {
            auto* item = new QTableWidgetItem(figures[r].text(*columns[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures_->setItem(r, c, item);
        }
    }
    figures_->resizeColumnsToContents();
}

QWidget* CStatisticsWindow::NewDailyPage() {
    auto* page = new QWidget;
    auto* figures = new QFormLayout;
    const char* const names[kDailyFigures] = {
        QT_TR_NOOP("Days with a result:"),
        QT_TR_NOOP("Days in a row with a result, now:"),
        QT_TR_NOOP("Most days in a row with a result:"),
        QT_TR_NOOP("Best daily result:"),
    };
    for (int f = 0; f < kDailyFigures; ++f) {
        daily_[std::size_t(f)] = new QLabel;
        auto* name = new QLabel(tr(names[f]));
        name->setBuddy(daily_[std::size_t(f)]);
        figures->addRow(name, daily_[std::size_t(f)]);
    }
    dailyChart_ = new CDailyChart;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(figures);
    layout->addWidget(dailyChart_, 1);
    return page;
}

void CStatisticsWindow::FillDaily() {
    const DailyStanding standing = ComputeDailyStanding(games_->Rows());
    const GameDate today = TodaysDate();
    const QLocale locale;
    daily_[kDays]->setText(locale.toString(standing.Days()));
    daily_[kRunNow]->setText(
        locale.toString(standing.RunOn(QDate(today.year, int(today.month), int(today.day)))));
    daily_[kBestRun]->setText(locale.toString(standing.bestRun));
    daily_[kBestResult]->setText(
        standing.results.empty()
            ? tr("none yet")
            : tr("%1 points on %2")
                  .arg(locale.toString(standing.best),
                       LocalDateText(standing.bestDate.toString(Qt::ISODate).toStdString())));
    dailyChart_->SetResults(standing.results);
}

void CStatisticsWindow::FilterDifficulty(int index) {
    // The combo's first entry is all of them; the others are 0 Easy, 1 Medium, 2 Hard.
    sorted_->setFilterRegularExpression(index <= 0 ? QString()
                                                   : QStringLiteral("^%1$").arg(index - 1));
    CurrentChanged();
}

const GameRow* CStatisticsWindow::Chosen() const {
    const QModelIndex current = sorted_->mapToSource(list_->currentIndex());
    if (!current.isValid()) {
        return nullptr;
    }
    return &games_->Rows()[std::size_t(current.row())];
}

void CStatisticsWindow::CurrentChanged() {
    const GameRow* row = Chosen();
    const bool hasReplay = row != nullptr && row->replayKept == QLatin1String(ReplayKept::kKept);
    watch_->setEnabled(hasReplay);
    save_->setEnabled(hasReplay);
}

void CStatisticsWindow::WithReplay(std::function<void(const QByteArray& replay)> use) {
    const GameRow* row = Chosen();
    if (row == nullptr || row->replayKept != QLatin1String(ReplayKept::kKept)) {
        return;
    }
    OffTheWindow(
        this, running_,
        [path = path_, id = row->id] {
            CHistoryStore store(path);
            return store.OpenToRead() ? store.Replay(id) : QByteArray();
        },
        [this, use = std::move(use)](const QByteArray& replay) {
            if (replay.isEmpty()) {
                Warn(tr("The replay of this game is no longer in the history."));
                return;
            }
            use(replay);
        });
}

void CStatisticsWindow::OnWatch() {
    WithReplay([this](const QByteArray& replay) {
        // A file of its own, for the board's replay check to read; it goes
        // with the next game watched from here or with the window.
        auto file = std::make_unique<QTemporaryFile>(
            QDir::temp().filePath(QStringLiteral("torvane-history-XXXXXX.tvr")));
        if (!file->open() || file->write(replay) != replay.size() || !file->flush()) {
            Warn(tr("The replay could not be written to a temporary file: %1")
                     .arg(file->errorString()));
            return;
        }
        file->close();
        watched_ = std::move(file);
        emit WatchRequested(watched_->fileName());
    });
}

void CStatisticsWindow::OnSaveReplay() {
    WithReplay([this](const QByteArray& replay) {
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Save replay as"), QString(), tr("Torvane replays (*.tvr);;All files (*)"));
        if (path.isEmpty()) {
            return;
        }
        if (const auto why = ReplaceFile(path, replay)) {
            Warn(FileFailure(path, *why));
        }
    });
}

void CStatisticsWindow::OnExportCsv() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Export as CSV"), QString(),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto why = ReplaceFile(path, GamesCsv(games_->Rows()))) {
        Warn(FileFailure(path, *why));
    }
}

void CStatisticsWindow::OnForget() {
    if (QMessageBox::question(this, tr("Forget history"),
                              tr("Forget every game of the history? The high scores stay.")) !=
        QMessageBox::Yes) {
        return;
    }
    OffTheWindow(
        this, running_,
        [path = path_] {
            CHistoryStore store(path);
            const CHistoryStore::Opened opened = store.Open();
            if (!opened.ok) {
                return opened.why.isEmpty() ? store.LastError() : opened.why;
            }
            return store.Forget() ? QString() : store.LastError();
        },
        [this](const QString& error) {
            if (!error.isEmpty()) {
                Warn(tr("The history could not be forgotten: %1").arg(error));
            }
            Reload();
        });
}

void CStatisticsWindow::Warn(const QString& message) {
    QMessageBox::warning(this, QStringLiteral("Torvane"), message);
}
