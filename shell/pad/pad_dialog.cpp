#include "shell/pad/pad_dialog.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

void SendKey(QWidget* to, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(to, &release);
}

// What has the focus in the dialog, or would have it once the dialog is
// active (a window that is not yet, or a test's offscreen one).
QWidget* Focused(QWidget* dialog) {
    QWidget* focused = dialog->focusWidget();
    return focused != nullptr && dialog->isAncestorOf(focused) ? focused : nullptr;
}

bool TakesTabFocus(const QWidget* widget, const QWidget* dialog) {
    return widget != dialog && dialog->isAncestorOf(widget) && widget->isVisible() &&
           widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

namespace PadDialog {

void MoveFocus(QWidget* dialog, bool forward, bool sideways) {
    QWidget* from = Focused(dialog);
    if (sideways && from != nullptr &&
        (qobject_cast<QAbstractSlider*>(from) != nullptr ||
         qobject_cast<QAbstractSpinBox*>(from) != nullptr)) {
        SendKey(from, forward ? Qt::Key_Right : Qt::Key_Left);
        return;
    }
    QWidget* start = from != nullptr ? from : dialog;
    QWidget* next = start;
    // The focus chain is a ring; one turn round it finds the next stop or none.
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    } while (next != start && !TakesTabFocus(next, dialog));
    if (next != start) {
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
}

void Press(QWidget* dialog) {
    QWidget* focused = Focused(dialog);
    if (auto* button = qobject_cast<QAbstractButton*>(focused);
        button != nullptr && button->isEnabled()) {
        button->click();
        return;
    }
    // Return in a field presses the dialog's default button.
    SendKey(focused != nullptr ? focused : dialog, Qt::Key_Return);
}

void Cancel(QWidget* dialog) {
    SendKey(dialog, Qt::Key_Escape);
}

}  // namespace PadDialog
