#include "scores/ui/high_scores_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/ui/score_date_text.h"
#include "scores/ui/score_font.h"
#include "tutorial/ui/dialog_units.h"

namespace {

enum Column { kRankColumn, kNameColumn, kScoreColumn, kDateColumn, kColumnCount };

// The list's tab stops, in dialog units.
constexpr int kNameStop = 14;
constexpr int kScoreStop = 96;
constexpr int kDateStop = 140;

}  // namespace

CHighScoresDlg::CHighScoresDlg(QWidget* parent, HasReplay hasReplay, bool statistics)
    : QDialog(parent), hasReplay_(std::move(hasReplay)) {
    setWindowTitle(tr("Torvane -- High Scores"));
    setModal(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("scores"));
    list_->setFont(HighScoreFont());
    list_->setColumnCount(kColumnCount);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    // A name too long for its column is cut off where the score begins.
    list_->setTextElideMode(Qt::ElideNone);

    auto* buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (hasReplay_) {
        // An entry to watch must be chosen, so the list takes a selection.
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->setFocusPolicy(Qt::StrongFocus);
        watch_ = buttons->addButton(tr("Watch"), QDialogButtonBox::ActionRole);
        connect(watch_, &QPushButton::clicked, this, [this] {
            const int row = list_->indexOfTopLevelItem(list_->currentItem());
            if (row >= 0 && row < static_cast<int>(entries_.size())) {
                chosen_ = static_cast<std::size_t>(row);
                done(kWatch);
            }
        });
        connect(list_, &QTreeWidget::currentItemChanged, this, &CHighScoresDlg::SelectionChanged);
    }
    if (statistics) {
        connect(buttons->addButton(tr("Statistics"), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, [this] { done(kStatistics); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    FillList();
    PlaceColumns();
    if (watch_ != nullptr) {
        list_->setCurrentItem(list_->topLevelItem(0));
        SelectionChanged();
    }
}

void CHighScoresDlg::SelectionChanged() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    watch_->setEnabled(row >= 0 && row < static_cast<int>(entries_.size()) &&
                       hasReplay_(entries_, static_cast<std::size_t>(row)));
}

void CHighScoresDlg::FillList() {
    CHighScoreTable table;
    table.LoadHighScores();
    const std::int64_t now = CalendarClock::Now();
    const QLocale locale = ScoreDateLocale();
    int rank = 0;
    entries_ = table.Entries();
    for (const HighScoreEntry& entry : entries_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kRankColumn, QStringLiteral(" %1.").arg(++rank));
        item->setText(kNameColumn, QString::fromStdString(entry.name));
        item->setText(kScoreColumn, QString::number(entry.score));
        item->setText(kDateColumn, ScoreDateText(entry.time, now, locale));
    }
}

void CHighScoresDlg::PlaceColumns() {
    // The columns start at the list's tab stops, 14, 96 and 140 dialog units.
    // A list box measures its stops in quarters of its own font's average
    // character width, so the large face keeps rank 10 clear of its name.
    const CDialogUnits units(list_->font());
    QHeaderView* header = list_->header();
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(kRankColumn, units.X(kNameStop));
    header->resizeSection(kNameColumn, units.X(kScoreStop) - units.X(kNameStop));
    header->resizeSection(kScoreColumn, units.X(kDateStop) - units.X(kScoreStop));
    // Wide enough for every date, whatever face stood in for the planned one.
    list_->resizeColumnToContents(kDateColumn);
    const int dates = units.X(kDateStop) + header->sectionSize(kDateColumn);
    list_->setMinimumSize(std::max(DialogUnitsX(341), dates + 2 * list_->frameWidth()),
                          DialogUnitsY(177));
    header->setStretchLastSection(true);
}
