// The tutorial as the player meets it: through the main window's commands,
// the tutorial window's buttons and the game clock.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include "shell/command_ids.h"
#include "shell/modal.h"
#include "shell/torvane_app.h"
#include "shell/view_fixture.h"
#include "tutorial/core/tutorial.h"
#include "tutorial/ui/tutorial_wnd.h"
#include "tutorial/ui/welcome_dlg.h"

namespace {

class TutorialViewTest : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        MakeFrame();
    }

    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FrameFixture::TearDown();
    }

    CTutorialWnd* Window() { return View().tutorialWindow; }

    bool Enabled(int id) {
        frame->UpdateCommands();
        return Action(id)->isEnabled();
    }
    QString Text(int id) {
        frame->UpdateCommands();
        return Action(id)->text();
    }

    // Ctrl+key typed while the tutorial window is the active window.
    void CtrlInTutorial(Qt::Key key) {
        QApplication::setActiveWindow(Window());
        QTest::keyClick(Window(), key, Qt::ControlModifier);
    }

    // Starts the tutorial on a game that was never started: no question.
    void Start() {
        ASSERT_FALSE(Game().started);
        Action(kCmdSeeTutorial)->trigger();
        ASSERT_NE(Window(), nullptr);
    }

    // Shows page n (from 1) by pressing the next button.
    void GoToPage(int n) {
        Start();
        for (int i = 1; i < n; ++i) {
            Window()->nextButton()->click();
        }
        ASSERT_EQ(View().tutorial->currentPage, n - 1);
    }

    // The view's timer, with the clock moving 66 ms between ticks.
    void RunFor(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += 66) {
            Advance(66);
            View().OnTimer();
        }
    }

    void Wheel(int delta) {
        const QPointF at(Centre());
        QWheelEvent event(at, at, QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(), &event);
    }

    QPoint Centre() { return {View().width() / 2, View().height() / 2}; }

    void ExpectFreshGameWithoutTutorial() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(View().tutorial, nullptr);
        EXPECT_EQ(View().tutorialWindow, nullptr);
        EXPECT_FALSE(View().inputLocked);
        EXPECT_FALSE(Game().started);
        EXPECT_TRUE(Game().paused);
        EXPECT_EQ(Game().score, 0u);
        EXPECT_EQ(Game().bombs, 1);
        EXPECT_EQ(Text(kCmdSeeTutorial), "See &tutorial");
        EXPECT_TRUE(Enabled(kCmdPausePlay));
    }
};

std::int32_t ColourAt(const CGame& game, Cell c) {
    const CGem* gem = game.GemAt(c);
    return gem != nullptr ? gem->colour : -1;
}

}  // namespace

TEST_F(TutorialViewTest, FirstPageRunsLockedWithPreviousDisabled) {
    Start();
    EXPECT_EQ(Window()->windowTitle(), "Tutorial - page 1 of 10");
    EXPECT_FALSE(Window()->previousButton()->isEnabled());
    EXPECT_EQ(Window()->nextButton()->text(), "Next page --->");
    EXPECT_TRUE(Window()->pageText()->toPlainText().startsWith("Welcome to Torvane!\n"));
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Text(kCmdSeeTutorial), "Quit &tutorial");

    EXPECT_TRUE(Game().started);
    EXPECT_FALSE(Game().paused);
    EXPECT_EQ(Game().lattice.Count(), 1);
    EXPECT_TRUE(View().inputLocked);
    for (int id : {kCmdPausePlay, kCmdDropBomb, kCmdNewGame, kCmdQuitGame, kCmdViewHighScores}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_TRUE(Enabled(kCmdSeeTutorial));

    // The lock ignores the commands and the wheel, from the tutorial window's
    // keys too, where the commands that are not greyed work.
    View().OnPausePlay();
    View().OnQuitGame();
    const CGame* page = &Game();
    for (Qt::Key key : {Qt::Key_P, Qt::Key_R, Qt::Key_Q, Qt::Key_N, Qt::Key_E}) {
        CtrlInTutorial(key);
    }
    EXPECT_EQ(&Game(), page);
    EXPECT_TRUE(Game().IsQuiet());
    EXPECT_FALSE(Game().paused);
    EXPECT_FALSE(Game().over);
    Wheel(120);
    EXPECT_EQ(Game().wheelAngle, 0.0);
}

TEST_F(TutorialViewTest, OkCommandLeavesTheWindowOnItsPage) {
    GoToPage(3);
    Window()->accept();
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->windowTitle(), "Tutorial - page 3 of 10");
}

TEST_F(TutorialViewTest, DemonstrationPagesReachTheirOutcomesWhileLocked) {
    GoToPage(2);
    RunFor(20000);
    EXPECT_EQ(Game().score, 30u);
    EXPECT_EQ(ColourAt(Game(), {2, -2}), 2);

    Window()->nextButton()->click();
    Window()->nextButton()->click();
    ASSERT_EQ(Window()->windowTitle(), "Tutorial - page 4 of 10");
    EXPECT_EQ(Game().score, 0u);
    RunFor(20000);
    EXPECT_EQ(Game().score, 460u);

    Window()->nextButton()->click();
    RunFor(20000);
    EXPECT_EQ(Game().score, 1135u);
    for (Cell c : {Cell{1, 2}, Cell{2, 2}, Cell{2, 3}, Cell{1, 4}, Cell{0, 4}, Cell{0, 3}}) {
        EXPECT_EQ(ColourAt(Game(), c), 1) << c.a << "," << c.b;
    }
    EXPECT_TRUE(View().inputLocked);
}

TEST_F(TutorialViewTest, PageSixKeepsTheChainGameAndGoingBackReplaysIt) {
    GoToPage(5);
    RunFor(2000);
    const CGame* chainGame = &Game();
    const std::uint32_t scoreSoFar = Game().score;

    Window()->nextButton()->click();
    EXPECT_EQ(&Game(), chainGame);
    EXPECT_EQ(Game().score, scoreSoFar);
    EXPECT_FALSE(View().inputLocked);
    EXPECT_TRUE(Enabled(kCmdPausePlay));
    Wheel(120);
    EXPECT_NE(Game().wheelAngle, 0.0);
    RunFor(20000);
    EXPECT_FALSE(Game().over);

    Window()->previousButton()->click();
    EXPECT_EQ(Window()->windowTitle(), "Tutorial - page 5 of 10");
    EXPECT_TRUE(View().inputLocked);
    EXPECT_EQ(Game().score, 0u);
    EXPECT_EQ(Game().falling.Count(), 1);
    EXPECT_EQ(Game().wheelAngle, 0.0);
    RunFor(20000);
    EXPECT_EQ(Game().score, 1135u);
}

TEST_F(TutorialViewTest, BombPracticeUnlocksBombsAndClosingLeavesAFreshGame) {
    GoToPage(8);
    EXPECT_EQ(Game().bombs, 4);
    EXPECT_EQ(Game().lattice.Count(), 22);
    EXPECT_FALSE(View().inputLocked);
    EXPECT_TRUE(Enabled(kCmdDropBomb));

    // The page asks for Ctrl+B, typed where the focus is after "Next page".
    CtrlInTutorial(Qt::Key_B);
    View().OnDropBomb();
    EXPECT_EQ(Game().bombs, 2);
    RunFor(10000);

    QCloseEvent closeBox;
    QApplication::sendEvent(Window(), &closeBox);
    ExpectFreshGameWithoutTutorial();
}

TEST_F(TutorialViewTest, LastPageReadsDoneAndEndsTheTutorial) {
    GoToPage(10);
    EXPECT_EQ(Window()->windowTitle(), "Tutorial - page 10 of 10");
    EXPECT_EQ(Window()->nextButton()->text(), "Done");
    QPointer<CTutorialWnd> window = Window();
    window->nextButton()->click();
    ExpectFreshGameWithoutTutorial();
    EXPECT_TRUE(window.isNull());
}

TEST_F(TutorialViewTest, QuitTutorialCommandClosesTheWindow) {
    GoToPage(4);
    QPointer<CTutorialWnd> window = Window();
    Action(kCmdSeeTutorial)->trigger();
    ExpectFreshGameWithoutTutorial();
    EXPECT_TRUE(window.isNull());
}

TEST_F(TutorialViewTest, ClosingTheMainWindowTakesTheTutorialWindowAlong) {
    frame->show();
    GoToPage(8);
    QPointer<CTutorialWnd> window = Window();
    frame->close();
    frame.reset();
    EXPECT_TRUE(window.isNull());
}

TEST_F(TutorialViewTest, WindowReturnsToTheLowerLeftOfTheViewOnEveryPage) {
    frame->show();
    GoToPage(2);
    Window()->move(300, 20);
    Window()->nextButton()->click();
    const QPoint viewBottomLeft = View().mapToGlobal(QPoint(0, View().height()));
    const QRect outer = Window()->frameGeometry();
    EXPECT_EQ(outer.left(), viewBottomLeft.x());
    EXPECT_EQ(outer.top() + outer.height(), viewBottomLeft.y());
}

TEST_F(TutorialViewTest, StartedGameAsksFirstAndNoLeavesItRunning) {
    View().OnPausePlay();
    RunFor(1000);
    const CGame* running = &Game();
    QString question;
    bool noIsDefault = false;
    OnNextModal<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::No)->click();
    });
    Action(kCmdSeeTutorial)->trigger();
    EXPECT_EQ(question,
              "Viewing the tutorial will end the current game.\r\n"
              "Do you want to end this game and view the tutorial?");
    EXPECT_TRUE(noIsDefault);
    EXPECT_EQ(&Game(), running);
    EXPECT_FALSE(Game().paused);
    EXPECT_EQ(View().tutorial, nullptr);

    OnNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    Action(kCmdSeeTutorial)->trigger();
    ASSERT_NE(Window(), nullptr);
    EXPECT_NE(&Game(), running);
    EXPECT_EQ(Window()->windowTitle(), "Tutorial - page 1 of 10");
}

TEST_F(TutorialViewTest, UnstartedGameOpensTheTutorialWithoutAQuestion) {
    bool asked = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr) {
            asked = true;
            modal->close();
        }
    });
    Action(kCmdSeeTutorial)->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(asked);
    EXPECT_NE(View().tutorial, nullptr);
}

TEST_F(TutorialViewTest, PauseAndHideMinimisesWithoutPausing) {
    frame->show();
    GoToPage(2);
    View().OnPauseAndHide();
    EXPECT_TRUE(frame->isMinimized());
    EXPECT_FALSE(Game().paused);
    RunFor(20000);
    EXPECT_EQ(Game().score, 30u);
}

TEST_F(TutorialViewTest, WelcomeOnTheFirstPaintStartsTheTutorialOnYes) {
    offerTutorial = true;
    bool welcomed = false;
    OnNextModal<CWelcomeDlg>([&](CWelcomeDlg* dialog) {
        welcomed = dialog->windowTitle() == "Welcome to Torvane !";
        EXPECT_TRUE(dialog->yesButton()->isDefault());
        dialog->yesButton()->click();
    });
    QImage image(View().size(), QImage::Format_ARGB32_Premultiplied);
    View().render(&image);
    for (int i = 0; i < 100 && !welcomed; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_TRUE(welcomed);
    EXPECT_FALSE(offerTutorial);
    ASSERT_NE(View().tutorial, nullptr);
    EXPECT_EQ(Window()->windowTitle(), "Tutorial - page 1 of 10");
}

namespace {

class WelcomeStartTest : public ServicesFixture {};

// Runs start-up and the event loop until the welcome has had its chance.
bool StartAndSeeWhetherWelcomed(bool answerYes, bool* tutorialRuns) {
    bool welcomed = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<CWelcomeDlg*>(QApplication::activeModalWidget())) {
            welcomed = true;
            (answerYes ? dialog->yesButton() : dialog->noButton())->click();
        }
    });
    watcher.start(10);
    CTorvaneApp app;
    EXPECT_TRUE(app.InitInstance());
    QElapsedTimer waited;
    waited.start();
    while (!welcomed && waited.elapsed() < 500) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    *tutorialRuns = app.mainFrame->View()->tutorial != nullptr;
    return welcomed;
}

}  // namespace

TEST_F(WelcomeStartTest, WelcomeComesOnTheFirstStartOnly) {
    bool tutorialRuns = false;
    EXPECT_TRUE(StartAndSeeWhetherWelcomed(false, &tutorialRuns));
    EXPECT_FALSE(tutorialRuns);
    EXPECT_FALSE(StartAndSeeWhetherWelcomed(true, &tutorialRuns));
    EXPECT_FALSE(tutorialRuns);
}
