#include "shell/dialogs/about_dlg.h"

#include <QApplication>
#include <QBitmap>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialogs/screen_fit.h"

namespace {
// The licence's text is read at this size, shrunk to fit the screen.
constexpr int kLicenceWidth = 640;
constexpr int kLicenceHeight = 520;
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Torvane"));

    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    // The game's name, in every language.
    auto* name = new QLabel(QStringLiteral("Torvane"));
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral("1.0.4")));
    auto* copyright = new QLabel(tr("Copyright (C) 2026 Quillfen Software"));
    auto* licence = new QLabel(tr("GNU General Public License, version 3 or later"));
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(copyright);
    text->addWidget(licence);
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

    // The notice the licence asks an interactive program to show.
    auto* notice = new QLabel(
        tr("This program is free software: you can redistribute it and/or modify it under the "
           "terms of the GNU General Public License as published by the Free Software "
           "Foundation, either version 3 of the License, or (at your option) any later "
           "version.\n\nThis program is distributed in the hope that it will be useful, but "
           "WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or "
           "FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more "
           "details."));
    notice->setObjectName(QStringLiteral("notice"));
    notice->setWordWrap(true);
    notice->setFixedWidth(notice->fontMetrics().averageCharWidth() * 60);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* read = buttons->addButton(tr("&Licence ..."), QDialogButtonBox::ActionRole);
    read->setObjectName(QStringLiteral("licenceButton"));
    connect(read, &QPushButton::clicked, this, &CAboutDlg::ShowLicence);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(notice);
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

void CAboutDlg::ShowLicence() {
    QDialog window(this);
    window.setObjectName(QStringLiteral("licence"));
    window.setWindowTitle(tr("GNU General Public License"));
    auto* text = new QPlainTextEdit(&window);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFile file(QStringLiteral(":/torvane/LICENSE"));
    if (file.open(QIODevice::ReadOnly)) {
        text->setPlainText(QString::fromUtf8(file.readAll()));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    PlaceOnOwnersScreen(&window, QSize(kLicenceWidth, kLicenceHeight), this);
    window.exec();
}
