#include "shell/dialogs/game_number_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "game/game_number.h"

CGameNumberDlg::CGameNumberDlg(std::uint32_t difficulty, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Play game number"));
    number_ = new QLineEdit(this);
    number_->setMaxLength(20);
    difficulty_ = new QComboBox(this);
    difficulty_->addItems({tr("Easy"), tr("Medium"), tr("Hard")});
    difficulty_->setCurrentIndex(difficulty < 3 ? static_cast<int>(difficulty) : 1);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->hide();

    auto* form = new QFormLayout;
    form->addRow(tr("Game &number:"), number_);
    form->addRow(tr("&Difficulty:"), difficulty_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGameNumberDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGameNumberDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

void CGameNumberDlg::accept() {
    const std::optional<std::uint32_t> number = ParseGameNumber(number_->text().toStdString());
    if (!number) {
        problem_->setText(tr("A game number is a whole number from %1 to %2.")
                              .arg(kFirstGameNumber)
                              .arg(kLastGameNumber));
        problem_->show();
        number_->setFocus();
        number_->selectAll();
        return;
    }
    QDialog::accept();
    emit Chosen(*number, static_cast<std::uint32_t>(difficulty_->currentIndex()));
}
