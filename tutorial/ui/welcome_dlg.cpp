#include "tutorial/ui/welcome_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CWelcomeDlg::CWelcomeDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Welcome to Torvane !"));

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(QApplication::windowIcon().pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(
        tr("Would you like to see a short tutorial which shows you how to play the game?"), this);
    text->setWordWrap(true);
    text->setMinimumWidth(260);

    auto* buttons = new QDialogButtonBox(this);
    yes_ = buttons->addButton(QDialogButtonBox::Yes);
    no_ = buttons->addButton(QDialogButtonBox::No);
    yes_->setDefault(true);
    connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}
