#include "scores/ui/new_high_score_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include "scores/core/score_name.h"
#include "scores/ui/score_font.h"

namespace {

// Rewrites whatever reaches the field into a name the record can hold, so a
// pasted "a|b" becomes "ab" rather than being refused whole.
class CScoreNameValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        const QString filtered = Filter(input);
        if (filtered != input) {
            // Keep the cursor after what was typed before it.
            pos = static_cast<int>(Filter(input.left(pos)).size());
            input = filtered;
        }
        return Acceptable;
    }

    static QString Filter(const QString& text) {
        return QString::fromStdString(FilterScoreName(text.toStdString()));
    }
};

}  // namespace

CNewHighScoreDlg::CNewHighScoreDlg(std::uint32_t score, QWidget* parent)
    : QDialog(parent), score_(score) {
    setWindowTitle(tr("High Score"));
    setModal(true);

    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("name"));
    nameEdit_->setFont(HighScoreFont());
    nameEdit_->setValidator(new CScoreNameValidator(nameEdit_));
    nameEdit_->setMinimumWidth(DialogUnitsX(146));

    auto* scoreEdit = new QLineEdit(QString::number(score), this);
    scoreEdit->setObjectName(QStringLiteral("score"));
    scoreEdit->setFont(HighScoreFont());
    scoreEdit->setReadOnly(true);
    scoreEdit->setEnabled(false);
    scoreEdit->setFixedWidth(DialogUnitsX(51) + 20);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Enter your name:"), this), 0, 0);
    fields->addWidget(nameEdit_, 0, 1);
    fields->addWidget(new QLabel(tr("Score:"), this), 1, 0);
    fields->addWidget(scoreEdit, 1, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Your score is in the top ten!"), this));
    layout->addSpacing(DialogUnitsY(8));
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumSize(DialogUnitsX(240), DialogUnitsY(127));

    nameEdit_->setFocus();
}

void CNewHighScoreDlg::SuggestName(const QString& name) {
    nameEdit_->setText(name);
    nameEdit_->selectAll();
}

std::string CNewHighScoreDlg::Name() const {
    // The validator has already filtered the field; filtering again costs
    // nothing and keeps the record safe should the text be set some other way.
    return FilterScoreName(nameEdit_->text().toStdString());
}
