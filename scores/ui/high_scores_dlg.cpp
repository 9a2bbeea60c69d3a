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

CHighScoresDlg::CHighScoresDlg(QWidget* parent) : QDialog(parent) {
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    FillList();
}

void CHighScoresDlg::FillList() {
    CHighScoreTable table;
    table.LoadHighScores();
    const std::int64_t now = CalendarClock::Now();
    int rank = 0;
    for (const HighScoreEntry& entry : table.Entries()) {
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
