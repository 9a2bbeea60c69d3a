#include "modal_answerer.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "scores/ui/game_over_dlg.h"
#include "scores/ui/new_high_score_dlg.h"
#include "shell/clock_warning_dlg.h"
#include "shell/customize_colors_dlg.h"
#include "shell/options_dlg.h"
#include "tutorial/ui/welcome_dlg.h"

CModalAnswerer::CModalAnswerer() {
    // Runs inside each dialog's own event loop as well.
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &CModalAnswerer::Poll);
    timer_.start();
}

int CModalAnswerer::Answered(const std::string& className) const {
    const auto found = answered_.find(className);
    return found == answered_.end() ? 0 : found->second;
}

void CModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr) {
        return;
    }
    if (dialog != busy_) {
        ++answered_[modal->metaObject()->className()];
    }
    if (qobject_cast<CGameOverDlg*>(dialog) != nullptr) {
        playAgain ? dialog->accept() : dialog->reject();
    } else if (qobject_cast<CNewHighScoreDlg*>(dialog) != nullptr) {
        if (auto* name = dialog->findChild<QLineEdit*>()) {
            name->setText(QStringLiteral("Robot %1").arg(++names_));
        }
        dialog->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        yes != nullptr ? yes->click() : box->accept();
    } else if (auto* options = qobject_cast<COptionsDlg*>(dialog)) {
        // Open the nested dialogs as a player would, then OK. This poll must
        // return first: the nested dialog's answer comes from a later poll.
        if (options != busy_) {
            busy_ = options;
            QTimer::singleShot(0, options, [options] {
                options->CustomizeButton()->click();
                options->accept();
            });
        }
    } else if (auto* colours = qobject_cast<CCustomizeColorsDlg*>(dialog)) {
        if (colours != busy_) {
            busy_ = colours;
            QTimer::singleShot(0, colours, [colours] {
                colours->ChangeButton(0)->click();  // the colour picker, answered too
                colours->OnRestoreDefaults();
                colours->accept();
            });
        }
    } else if (auto* welcome = dynamic_cast<CWelcomeDlg*>(dialog)) {
        welcome->noButton()->click();
    } else {
        dialog->accept();
    }
}
