#include "shell/history/daily_panel.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "script/script_text.h"
#include "settings/file_replacer.h"
#include "shell/dialogs/daily_date.h"

CDailyPanel::CDailyPanel(QWidget* parent, DailyEnd ended, const DailyReport& report)
    : QDialog(parent),
      ended_(std::move(ended)),
      rings_(report.rings),
      practice_(report.known && !report.result) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Daily game"));
    const QString day = LocalDateText(ended_.date.toStdString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Daily game of %1: %2 points, %3 rings")
                       .arg(day, QLocale().toString(ended_.score), QLocale().toString(rings_))));
    if (report.known) {
        layout->addWidget(new QLabel(
            report.result ? tr("This was your result for %1.").arg(day)
                          : tr("Practice: your result for %1 was already made.").arg(day)));
        layout->addWidget(new QLabel(
            tr("Your best daily result: %1 points").arg(QLocale().toString(report.standing.best))));
        layout->addWidget(
            new QLabel(tr("Days in a row with a result: %1").arg(report.standing.run)));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* copy = buttons->addButton(tr("Copy result"), QDialogButtonBox::ActionRole);
    QPushButton* save = buttons->addButton(tr("Save replay as ..."), QDialogButtonBox::ActionRole);
    copy->setDefault(true);
    save->setEnabled(!ended_.replay.empty());
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(ResultText()); });
    connect(save, &QPushButton::clicked, this, [this] {
        // Not exec(): the board and this window go on while the player chooses.
        // A name that says whose day it is, in the player's home, not
        // wherever the program happened to be started.
        const QString suggested =
            QDir::home().filePath(QStringLiteral("torvane-daily-%1.tvr").arg(ended_.date));
        auto* dialog = new QFileDialog(this, tr("Save replay as"), suggested,
                                       tr("Torvane replays (*.tvr);;All files (*)"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(QStringLiteral("tvr"));
        connect(dialog, &QFileDialog::fileSelected, this, &CDailyPanel::SaveReplay);
        dialog->open();
    });
}

QString CDailyPanel::ResultText() const {
    return (practice_ ? tr("Torvane daily %1, practice: %2 points, %3 rings")
                      : tr("Torvane daily %1: %2 points, %3 rings"))
        .arg(ended_.date)
        .arg(ended_.score)
        .arg(rings_);
}

void CDailyPanel::SaveReplay(const QString& path) {
    // Stored as the game stores its own replays, which the game and the
    // runner both read.
    const std::string bytes = CompressScriptText(ended_.replay);
    if (const auto why =
            ReplaceFile(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())))) {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Torvane"),
                                    FileFailure(path, *why), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}
