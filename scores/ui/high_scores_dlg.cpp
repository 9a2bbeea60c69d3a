#include "scores/ui/high_scores_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/core/score_date.h"
#include "scores/ui/score_font.h"

namespace {

enum Column { kRankColumn, kNameColumn, kScoreColumn, kDateColumn, kColumnCount };

}  // namespace

CHighScoresDlg::CHighScoresDlg(QWidget* parent,
                               std::function<bool(const HighScoreEntry&)> hasReplay)
    : QDialog(parent), hasReplay_(std::move(hasReplay)) {
    setWindowTitle(QStringLiteral("Torvane -- High Scores"));
    setModal(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("scores"));
    list_->setFont(HighScoreFont());
    list_->setColumnCount(kColumnCount);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setMinimumSize(DialogUnitsX(341), DialogUnitsY(177));

    auto* buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (hasReplay_) {
        // An entry to watch must be chosen, so the list takes a selection.
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->setFocusPolicy(Qt::StrongFocus);
        watch_ = buttons->addButton(QStringLiteral("Watch"), QDialogButtonBox::ActionRole);
        connect(watch_, &QPushButton::clicked, this, [this] {
            const int row = list_->indexOfTopLevelItem(list_->currentItem());
            if (row >= 0 && row < static_cast<int>(entries_.size())) {
                chosen_ = entries_[static_cast<std::size_t>(row)];
                done(kWatch);
            }
        });
        connect(list_, &QTreeWidget::currentItemChanged, this, &CHighScoresDlg::SelectionChanged);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    FillList();
    if (watch_ != nullptr) {
        list_->setCurrentItem(list_->topLevelItem(0));
        SelectionChanged();
    }
}

void CHighScoresDlg::SelectionChanged() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    watch_->setEnabled(row >= 0 && row < static_cast<int>(entries_.size()) &&
                       hasReplay_(entries_[static_cast<std::size_t>(row)]));
}

void CHighScoresDlg::FillList() {
    CHighScoreTable table;
    table.LoadHighScores();
    const std::int64_t now = CalendarClock::Now();
    int rank = 0;
    entries_ = table.Entries();
    for (const HighScoreEntry& entry : entries_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kRankColumn, QStringLiteral(" %1.").arg(++rank));
        item->setText(kNameColumn, QString::fromStdString(entry.name));
        item->setText(kScoreColumn, QString::number(entry.score));
        item->setText(kDateColumn, QString::fromStdString(FormatScoreDate(entry.time, now)));
    }
    // Rank, score and date take what they need and a little air; the name gets
    // the rest, and a long one is cut short with an ellipsis.
    const int gap = list_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 2;
    QHeaderView* header = list_->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    for (int column : {kRankColumn, kScoreColumn, kDateColumn}) {
        list_->resizeColumnToContents(column);
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, header->sectionSize(column) + gap);
    }
    header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
}
