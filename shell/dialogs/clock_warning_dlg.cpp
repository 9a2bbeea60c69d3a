#include "shell/dialogs/clock_warning_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CClockWarningDlg::CClockWarningDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Warning"));

    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(
        tr("Torvane cannot find a high resolution clock on your computer.  Because of this, "
           "Torvane may not run correctly.\n\nDo you want to try to run Torvane anysay?"));
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    neverAsk_ = new QCheckBox(tr("Never ask this question again"));

    auto* yes = new QPushButton(tr("Yes"));
    yes->setObjectName(QStringLiteral("yes"));
    yes->setDefault(true);
    auto* no = new QPushButton(tr("No"));
    no->setObjectName(QStringLiteral("no"));
    connect(yes, &QPushButton::clicked, this, [this] {
        neverAskAgain = neverAsk_->isChecked();
        answer_ = kYes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        answer_ = kNo;
        reject();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(neverAsk_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CClockWarningDlg::Answer CClockWarningDlg::Ask() {
    answer_ = kClosed;
    exec();
    return answer_;
}
