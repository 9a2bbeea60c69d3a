#pragma once
// Acting on modal dialogs from a test: arm the action before the code under
// test opens the dialog; it runs inside the dialog's own event loop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs act on the next modal dialog of type D as soon as it is shown. If none
// appears within a few seconds, the test fails and whatever modal window is
// up is closed so that the test cannot hang.
template <class D>
void OnNextModal(std::function<void(D*)> act, int attemptsLeft = 300) {
    QTimer::singleShot(attemptsLeft == 300 ? 0 : 10, [act, attemptsLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<D*>(modal); dialog != nullptr && dialog->isVisible()) {
            act(dialog);
            return;
        }
        if (attemptsLeft > 0) {
            OnNextModal<D>(act, attemptsLeft - 1);
            return;
        }
        ADD_FAILURE() << "no modal " << D::staticMetaObject.className() << " appeared";
        if (modal != nullptr) {
            modal->close();
        }
    });
}
