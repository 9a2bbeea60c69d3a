#pragma once
// Answers modal dialogs for a test: each dialog that opens is handed to the
// next action in line, and its title is remembered. A dialog that opens when
// no action is left is rejected, so a surprise fails the test instead of
// hanging it.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class ModalDriver : public QObject {
  public:
    using Action = std::function<void(QDialog*)>;

    ModalDriver() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }

    ModalDriver& Then(Action action) {
        actions_.push_back(std::move(action));
        return *this;
    }

    QStringList titles;
    bool ActionsLeft() const { return !actions_.empty(); }

    static void Accept(QDialog* d) { d->accept(); }
    static void Reject(QDialog* d) { d->reject(); }
    static Action Click(const char* button) {
        return [button](QDialog* d) { d->findChild<QPushButton*>(button)->click(); };
    }

  private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == handled_) {
            return;
        }
        handled_ = dialog;
        titles << dialog->windowTitle();
        if (actions_.empty()) {
            dialog->reject();
            return;
        }
        Action next = std::move(actions_.front());
        actions_.pop_front();
        next(dialog);
    }

    QTimer timer_;
    std::deque<Action> actions_;
    QPointer<QDialog> handled_;
};
