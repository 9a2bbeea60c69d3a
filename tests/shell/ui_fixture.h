#pragma once
// The one fixture of the widget tests: settings in memory, a clock set by hand
// and a recording sound player; the main window (never shown unless a test
// shows it); and answers for the modal dialogs the code under test opens.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <deque>
#include <functional>
#include <ostream>

#include "game/game_clock.h"
#include "shell/frame/board_session.h"
#include "shell/frame/command_ids.h"
#include "shell/frame/main_frame.h"
#include "shell/frame/main_toolbar.h"
#include "shell/model/board_model.h"
#include "shell/view/game_over_flow.h"
#include "shell/view/pause_when_inactive.h"
#include "shell/view/replay_flow.h"
#include "shell/view/torvane_view.h"
#include "shell/view/tutorial_flow.h"
#include "test_seams.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

// The title, then the texts of the labels and push buttons ("*": the default).
inline QString Texts(const QWidget* dialog) {
    QStringList texts{dialog->windowTitle()};
    for (const QWidget* child : dialog->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(child);
        const auto* button = qobject_cast<const QPushButton*>(child);
        texts << (label    ? label->text()
                  : button ? button->text() + (button->isDefault() ? "*" : "")
                           : "");
    }
    texts.removeAll(QString());
    return texts.join(" | ");
}

class UiTest : public ::testing::Test {
  protected:
    using Answer = std::function<void(QDialog*)>;

    void SetUp() override {
        QObject::connect(&modalWatch_, &QTimer::timeout, [this] { AnswerModal(); });
        modalWatch_.start(5);
    }
    void TearDown() override {
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A fixture's own sound player goes before the seams put theirs back.
        SetSoundPlayer(&sound);
        EXPECT_TRUE(answers.empty()) << "a dialog the test meant to answer never opened";
    }

    // The main window, its view set up as by the first paint.
    CMainFrame& MakeFrame() {
        frame = std::make_unique<CMainFrame>();
        frame->layout()->activate();
        View().EnsureInitialised();
        return *frame;
    }
    CTorvaneView& View() { return *frame->View(); }
    CBoardSession& Session() { return frame->Session(); }
    CBoardModel& Board() { return Session().Model(); }
    CGame& Game() { return Board().Game(); }
    QAction* Action(int id) { return frame->Action(id); }
    std::uint32_t Stored(const char* name) const { return ReadSettingDword(kSettingsKey, name); }
    // The view's timer as the event loop runs it, every 66 ms.
    void RunFor(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += 66) {
            clock.counter += 66;
            clock.tickCount += 66;
            Board().Tick();
            // What the event loop would run next: the end of a game's questions.
            QCoreApplication::sendPostedEvents(&Board(), QEvent::MetaCall);
        }
    }

    // A mouse event at a board pixel, wherever the view shows it; `held`
    // follows the presses and releases.
    void Mouse(QEvent::Type type, QPoint board, Qt::MouseButton button = Qt::LeftButton,
               CTorvaneView* view = nullptr) {
        view = view ? view : &View();
        held = type == QEvent::MouseButtonRelease ? held & ~button
               : type == QEvent::MouseMove        ? held
                                                  : held | button;
        const QPointF at = view->Mapping().ToWidget(board);
        QMouseEvent event(type, at, view->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, {});
        QApplication::sendEvent(view, &event);
    }
    // The board pixel at this angle round the wheel's centre; by default far
    // enough out for whole pixels to give the angle to a thousandth.
    static QPoint Round(double angle, double radius = 1e4) {
        return kBoardCentre + QPoint(static_cast<int>(std::lround(radius * std::cos(angle))),
                                     static_cast<int>(std::lround(radius * std::sin(angle))));
    }
    // A wheel turn over the view; true when the view kept the event.
    bool Wheel(int delta) {
        const QPointF at(View().width() / 2, View().height() / 2);
        QWheelEvent event(at, at, {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(), &event);
        return event.isAccepted();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {},
             bool repeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text, repeat);
        QApplication::sendEvent(&View(), &press);
    }

    // Queues the answer to the next modal dialog that opens.
    void Then(Answer answer) { answers.push_back(std::move(answer)); }
    // The button or box with this text (its "&" left out).
    static QAbstractButton* Button(const QWidget* dialog, const QString& text) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text().remove('&') == text) {
                return button;
            }
        }
        return nullptr;
    }
    // The text of the message box that `act` leads to, once it has shown.
    QString Told(const std::function<void()>& act) {
        QString told;
        Then([&told](QDialog* box) {
            told = static_cast<QMessageBox*>(box)->text();
            box->accept();
        });
        act();
        EXPECT_TRUE(QTest::qWaitFor([&told] { return !told.isEmpty(); }, 60000));
        return told;
    }
    // Until the answers queued have been given, their dialogs have closed
    // and what follows from them has run.
    void UntilAnswered() {
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return answers.empty() && QApplication::activeModalWidget() == nullptr; },
            60000));
        QCoreApplication::processEvents();
    }
    // Clicks the buttons and boxes with these texts.
    static Answer Press(QStringList texts) {
        return [texts](QDialog* dialog) {
            for (const QString& text : texts) {
                if (QAbstractButton* button = Button(dialog, text)) {
                    button->click();
                }
            }
        };
    }

    CTestSeams seams;
    CMemorySettings& settings = seams.settings;
    CManualClockCounter& clock = seams.clock;
    CRecordingSoundPlayer& sound = seams.sound;
    std::unique_ptr<CMainFrame> frame;
    Qt::MouseButtons held;
    std::deque<Answer> answers;
    QStringList titles;  // of the modal dialogs that opened, in order

  private:
    // A dialog with no answer left is rejected, so that a surprise fails the
    // test instead of hanging it. An answer runs from a timer of its own, so
    // that the dialogs it opens are answered too. A progress dialog asks
    // nothing: it is left to its work.
    void AnswerModal() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog->property("answered").toBool() ||
            dialog->inherits("QProgressDialog")) {
            return;
        }
        dialog->setProperty("answered", true);
        titles << dialog->windowTitle();
        Answer answer = [](QDialog* d) { d->reject(); };
        if (!answers.empty()) {
            answer = std::move(answers.front());
            answers.pop_front();
        }
        QTimer::singleShot(0, dialog, [dialog, answer] { answer(dialog); });
    }

    QTimer modalWatch_;
};
