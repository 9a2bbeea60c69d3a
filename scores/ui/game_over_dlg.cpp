#include "scores/ui/game_over_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "scores/ui/score_font.h"

CGameOverDlg::CGameOverDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Game Over"));
    setModal(true);

    auto* question = new QLabel(tr("Would you like to play another game?"), this);
    question->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    QPushButton* yes = buttons->addButton(tr("Yes"), QDialogButtonBox::AcceptRole);
    QPushButton* no = buttons->addButton(tr("No"), QDialogButtonBox::RejectRole);
    yes->setObjectName(QStringLiteral("yes"));
    no->setObjectName(QStringLiteral("no"));
    yes->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question, 1);
    layout->addWidget(buttons);
    setMinimumSize(DialogUnitsX(186), DialogUnitsY(66));
    yes->setFocus();
}
