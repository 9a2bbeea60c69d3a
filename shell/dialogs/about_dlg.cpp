#include "shell/dialogs/about_dlg.h"

#include <QApplication>
#include <QBitmap>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Torvane"));

    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    // The game's name, in every language.
    auto* name = new QLabel(QStringLiteral("Torvane"));
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral("1.0.4")));
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addStretch();

    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(Logo());
    logo->setAlignment(Qt::AlignTop);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    top->addWidget(logo);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPixmap CAboutDlg::Logo() {
    QPixmap logo(QStringLiteral(":/torvane/logo.png"));
    if (!logo.isNull()) {
        logo.setMask(logo.createMaskFromColor(Qt::black));
    }
    return logo;
}
