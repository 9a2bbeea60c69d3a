// The tutorial as the player meets it: through the main window's commands,
// the tutorial window's buttons and keys, and the game clock.
#include <QCloseEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "shell/ui_fixture.h"
#include "tutorial/core/tutorial.h"
#include "tutorial/ui/tutorial_placement.h"
#include "tutorial/ui/tutorial_wnd.h"

namespace {

class TutorialTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        MakeFrame().show();
    }
    CTutorialWnd* Window() { return Session().Tutorial().Window(); }
    // Ctrl+key typed while the tutorial window is the active window.
    void CtrlInTutorial(Qt::Key key) {
        QApplication::setActiveWindow(Window());
        QTest::keyClick(Window(), key, Qt::ControlModifier);
    }
    void ExpectFreshGameWithoutTutorial() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(!Session().Tutorial().Running() && !Window() && !Game().started);
        EXPECT_EQ(Action(kCmdSeeTutorial)->text(), "See &tutorial");
    }
};

TEST_F(TutorialTest, PagesBuildTheirGamesAndLockInputWhereTheyDemonstrate) {
    Action(kCmdSeeTutorial)->trigger();  // a game never started: no question
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->pageText()->toPlainText().startsWith("Welcome to Torvane!\nTorvane is"));
    EXPECT_TRUE(Window()->pageText()->isReadOnly());
    EXPECT_TRUE(Window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Window()->focusWidget(), Window()->nextButton());
    EXPECT_EQ(Action(kCmdSeeTutorial)->text(), "Quit &tutorial");
    // The page's own game (what it plays out to is the runner's business),
    // or on page 6 the game of page 5 going on.
    const struct {
        bool locked;
        int lattice;
        int bombs;
        std::uint32_t scoreAfter20s;
    } pages[] = {{true, 1, 0, 0},     {true, 1, 0, 30},     {true, 17, 0, 0}, {true, 12, 0, 460},
                 {true, 35, 0, 1135}, {false, 21, 0, 1135}, {true, 22, 0, 0}, {false, 22, 4, 0},
                 {true, 1, 0, 0},     {true, 1, 0, 0}};
    for (int n = 1; n <= 10; ++n) {
        const auto& page = pages[n - 1];
        const CGame* before = &Game();
        if (n > 1) {
            Window()->move(300, 20);
            Window()->nextButton()->click();
        }
        ASSERT_NE(Window(), nullptr);
        EXPECT_EQ(Texts(Window()), QString("Tutorial - page %1 of 10 | <--- Previous page | Quit "
                                           "tutorial | %2*")
                                       .arg(n)
                                       .arg(n == 10 ? "Done" : "Next page --->"));
        EXPECT_EQ(Window()->previousButton()->isEnabled(), n > 1) << n;
        // Dragged away or not, the window leaves the page's subject in sight.
        for (const ClientRect& r : TutorialPageTable[n - 1].subject) {
            const auto at = [this](int x, int y) {
                return View().mapToGlobal(View().Mapping().ToWidget(QPoint(x, y))).toPoint();
            };
            EXPECT_FALSE(Window()->frameGeometry().intersects(
                QRect(at(r.left, r.top), at(r.right, r.bottom))))
                << n;
        }
        EXPECT_EQ(Board().InputLocked(), page.locked) << n;
        EXPECT_EQ(Action(kCmdPausePlay)->isEnabled(), !page.locked) << n;
        EXPECT_EQ(Action(kCmdDropBomb)->isEnabled(), page.bombs > 0) << n;
        EXPECT_TRUE(Game().started && !Game().paused) << n;
        // Page 6 goes on with the game of page 5.
        EXPECT_EQ(&Game() == before, n == 1 || n == 6) << n;
        EXPECT_EQ(Game().lattice.Count(), page.lattice) << n;
        EXPECT_EQ(Game().bombs, page.bombs) << n;
        // The game's keys work from the tutorial window too, under the page's lock.
        CtrlInTutorial(Qt::Key_P);
        EXPECT_EQ(Game().paused, !page.locked) << n;
        CtrlInTutorial(Qt::Key_R);
        CtrlInTutorial(Qt::Key_B);  // as page 8 asks
        EXPECT_EQ(Game().bombs, std::max(page.bombs - 1, 0)) << n;
        RunFor(20000);
        EXPECT_EQ(Game().score, page.scoreAfter20s) << n;
        if (n == 6) {  // back on page 5, its demonstration starts again
            Window()->previousButton()->click();
            ASSERT_EQ(Window()->windowTitle(), "Tutorial - page 5 of 10");
            EXPECT_EQ(Game().score, 0u);
            Window()->nextButton()->click();
        }
    }
    QPointer<CTutorialWnd> window = Window();
    window->nextButton()->click();  // Done
    ExpectFreshGameWithoutTutorial();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(titles.isEmpty());
}

TEST_F(TutorialTest, EnterTurnsThePageOnlyOnTheButtonAndEveryWayOutEndsTheTutorialOnce) {
    const std::function<void(CTutorialWnd*)> waysOut[] = {
        [](CTutorialWnd* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](CTutorialWnd* w) {
            QCloseEvent closeBox;
            QApplication::sendEvent(w, &closeBox);
        },
        [](CTutorialWnd* w) { w->quitButton()->click(); },
        [this](CTutorialWnd*) { Action(kCmdSeeTutorial)->trigger(); },
    };
    for (const auto& wayOut : waysOut) {
        Action(kCmdSeeTutorial)->trigger();
        ASSERT_NE(Window(), nullptr);
        QTest::keyClick(Window()->nextButton(), Qt::Key_Return);
        Window()->pageText()->setFocus();
        QTest::keyClick(Window()->pageText(), Qt::Key_Return);
        QTest::keyClick(Window()->pageText(), Qt::Key_Enter);
        QTest::keyClick(Window()->pageText(), Qt::Key_Enter, Qt::KeypadModifier);
        Window()->accept();  // the OK command, which this window ignores
        EXPECT_EQ(Window()->windowTitle(), "Tutorial - page 2 of 10");
        EXPECT_TRUE(Window()->isVisible());
        QPointer<CTutorialWnd> window = Window();
        wayOut(window);
        Game().score = 1;                         // marks the fresh game
        QTest::keyClick(window, Qt::Key_Escape);  // the window is going: nothing more happens
        window->quitButton()->click();
        EXPECT_EQ(Game().score, 1u);
        ExpectFreshGameWithoutTutorial();
        EXPECT_TRUE(window.isNull());
    }
    Action(kCmdSeeTutorial)->trigger();
    QPointer<CTutorialWnd> window = Window();
    frame->close();
    frame.reset();
    EXPECT_TRUE(window.isNull());
}

TEST_F(TutorialTest, StartedGameAsksFirstNoLeavesItRunningAndYesOffersItsScoreAsNewGameDoes) {
    Board().OnPausePlay();
    RunFor(1000);
    const CGame* running = &Game();
    Then([](QDialog* box) {
        EXPECT_EQ(Texts(box),
                  "Warning | Viewing the tutorial will end the current game.\r\nDo you want to "
                  "end this game and view the tutorial? | &Yes | &No*");
        box->reject();
    });
    Action(kCmdSeeTutorial)->trigger();
    UntilAnswered();
    EXPECT_EQ(&Game(), running);
    EXPECT_FALSE(Game().paused);
    EXPECT_FALSE(Session().Tutorial().Running());
    // Asked twice before an answer (a second command while the first
    // question is open): the first Yes starts the tutorial, and the other
    // question, about a game that has gone, closes with no answer.
    Game().score = 700;
    titles.clear();
    Action(kCmdSeeTutorial)->trigger();
    Action(kCmdSeeTutorial)->trigger();
    Then(Press({"Yes"}));
    UntilAnswered();
    EXPECT_EQ(titles.filter("High Score"), QStringList({"High Score", "Torvane -- High Scores"}));
    ASSERT_NE(Window(), nullptr);
    EXPECT_NE(&Game(), running);
    EXPECT_FALSE(Game().over);
    Action(kCmdPauseAndHide)->trigger();  // minimises, but the demonstration goes on
    EXPECT_TRUE(frame->isMinimized());
    EXPECT_FALSE(Game().paused);
    // A question whose game is replaced before the answer goes with it.
    Action(kCmdSeeTutorial)->trigger();  // quits the tutorial
    Board().OnPausePlay();
    RunFor(1000);
    Action(kCmdSeeTutorial)->trigger();
    Board().StartGame();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    UntilAnswered();
    EXPECT_FALSE(Session().Tutorial().Running());
}

}  // namespace

TEST(TutorialPlacement, BesideTheMainWindowWhereThereIsRoomElseHidingTheLeastOfTheSubject) {
    // A window of 560 x 200 with its frame; the main window's frame, the
    // board and the view's lower left corner as on a screen of 1920 x 1080,
    // or filling one of 1024 x 600.
    const QSize outer(560, 200);
    const QRect large(0, 0, 1920, 1080), small(0, 0, 1024, 600);
    const QRect window(100, 100, 776, 760), board(140, 130, 724, 698);
    const QRect filled(0, 0, 1024, 600), shrunk(200, 60, 560, 510);
    const struct {
        QRect available, mainWindow, board;
        QList<QRect> subject;
        QPoint lowerLeft, placed;
    } rows[] = {
        // Room below the main window: there, at the view's left edge.
        {large, window, board, {{400, 400, 100, 100}}, {136, 860}, {136, 860}},
        // Room beside it only: to its right, level with the view's bottom.
        {QRect(0, 0, 1920, 900), window, board, {{400, 400, 100, 100}}, {136, 860}, {876, 660}},
        // No room: the board is covered, the subject not, and as little of
        // the board as can be.
        {small, filled, shrunk, {{210, 60, 130, 40}, {400, 300, 150, 160}}, {36, 580}, {464, 0}},
        {small, filled, shrunk, {{600, 80, 150, 100}}, {36, 580}, {464, 400}},
        // A subject that no place leaves whole: hidden the least.
        {small, filled, shrunk, {{200, 60, 560, 420}}, {36, 580}, {464, 400}},
        // A screen smaller than the window: its top-left corner on it.
        {QRect(0, 0, 500, 150), QRect(0, 0, 500, 150), QRect(0, 0, 500, 150), {}, {0, 150}, {0, 0}},
    };
    for (const auto& row : rows) {
        const QPoint placed = PlaceTutorial(
            outer, {row.available, row.mainWindow, row.board, row.subject, row.lowerLeft});
        EXPECT_EQ(placed, row.placed) << placed.x() << "," << placed.y();
    }
}
