// The end-of-game flow as the view runs it: which dialogs open, in what
// order, and what the game looks like after each answer.
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "modal_driver.h"
#include "scores/core/calendar_clock.h"
#include "shell/view_fixture.h"

namespace {

const QString kGameOver = "Game Over";
const QString kEntry = "High Score";
const QString kList = "Torvane -- High Scores";

class ViewScoresTest : public ViewFixture {
  protected:
    void SetUp() override {
        ViewFixture::SetUp();
        CalendarClock::Pin(1036411200);
        MakeView();
    }
    void TearDown() override {
        CalendarClock::Pin(std::nullopt);
        ViewFixture::TearDown();
    }

    // A game that has just ended in play with this score.
    CGame* EndWith(std::uint32_t score) {
        view->game->Resume();
        view->game->score = score;
        view->game->EndGame();
        return view->game.get();
    }

    std::size_t StoredRecords() const { return settings.ValueNames(kScoresKey).size(); }
};

}  // namespace

TEST_F(ViewScoresTest, ScoreOfNineOnlyAsksTheQuestionAndNoKeepsTheFinishedGame) {
    CGame* finished = EndWith(9);
    ModalDriver driver;
    driver.Then(ModalDriver::Click("no"));
    view->CheckGameOver();
    EXPECT_EQ(driver.titles, QStringList({kGameOver}));
    EXPECT_EQ(view->game.get(), finished);
    EXPECT_TRUE(view->game->over);

    view->CheckGameOver();  // once per game
    view->OnTimer();
    EXPECT_EQ(driver.titles, QStringList({kGameOver}));
}

TEST_F(ViewScoresTest, YesStartsTheNewGameOnlyAfterEntryAndListAreClosed) {
    CGame* finished = EndWith(10);
    bool overWhileListed = false;
    QString listedFirst;
    ModalDriver driver;
    driver.Then(ModalDriver::Click("yes"))
        .Then([](QDialog* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("name"), "Alpha");
            d->accept();
        })
        .Then([&](QDialog* d) {
            overWhileListed = view->game.get() == finished;
            listedFirst = d->findChild<QTreeWidget*>("scores")->topLevelItem(0)->text(1);
            d->accept();
        });
    view->CheckGameOver();
    EXPECT_EQ(driver.titles, QStringList({kGameOver, kEntry, kList}));
    EXPECT_TRUE(overWhileListed);
    EXPECT_EQ(listedFirst, "Alpha");
    EXPECT_NE(view->game.get(), finished);
    EXPECT_FALSE(view->game->over);
    EXPECT_TRUE(view->game->paused);
    EXPECT_FALSE(view->gameOverHandled);
    EXPECT_EQ(settings.Read(kScoresKey, "000")->text, "a|Alpha|10|1036411200");
}

TEST_F(ViewScoresTest, EscapeCountsAsNoAndCancelStillShowsTheList) {
    CGame* finished = EndWith(250);
    ModalDriver driver;
    driver.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); })
        .Then(ModalDriver::Reject)
        .Then(ModalDriver::Accept);
    view->CheckGameOver();
    EXPECT_EQ(driver.titles, QStringList({kGameOver, kEntry, kList}));
    EXPECT_EQ(view->game.get(), finished);
    EXPECT_EQ(StoredRecords(), 0u);
}

TEST_F(ViewScoresTest, NewGameDuringAGameOffersTheEntryWithoutTheQuestion) {
    view->game->Resume();
    view->game->score = 300;
    ModalDriver driver;
    driver.Then(ModalDriver::Accept).Then(ModalDriver::Accept);
    view->OnNewGame();
    EXPECT_EQ(driver.titles, QStringList({kEntry, kList}));
    EXPECT_EQ(StoredRecords(), 1u);
    EXPECT_FALSE(view->game->over);
    EXPECT_TRUE(view->game->paused);
}

TEST_F(ViewScoresTest, QuitGameOffersNothing) {
    view->game->Resume();
    view->game->score = 300;
    ModalDriver driver;
    view->OnQuitGame();
    view->OnTimer();
    QTest::qWait(20);
    EXPECT_TRUE(driver.titles.isEmpty());
    EXPECT_TRUE(view->game->over);
}

TEST_F(ViewScoresTest, HighScoresAreShownUnlessTheTutorialLocksInput) {
    ModalDriver driver;
    view->inputLocked = true;
    view->ShowHighScores();
    EXPECT_TRUE(driver.titles.isEmpty());
    view->inputLocked = false;
    driver.Then(ModalDriver::Accept);
    view->ShowHighScores();
    EXPECT_EQ(driver.titles, QStringList({kList}));
}
