// The end of a game as the view runs it: which dialogs open, in what order,
// what they show, what is stored, and what the game looks like after.
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTreeWidget>
#include <clocale>
#include <cstdlib>

#include "scores/core/calendar_clock.h"
#include "shell/ui_fixture.h"
#include "tutorial/ui/dialog_units.h"

namespace {

constexpr std::int64_t kNov3_2002 = 1036281600;  // 00:00 UTC
constexpr std::int64_t kDay = 86400;
const char* const kGameOver = "Game Over";

class ScoresTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        setenv("TZ", "UTC0", 1);
        tzset();
        CalendarClock::Pin(kNov3_2002 + kDay + 12 * 3600);
        MakeFrame();
    }
    void TearDown() override {
        CalendarClock::Pin(std::nullopt);
        unsetenv("TZ");
        tzset();
        UiTest::TearDown();
    }
    // The board looks at the game, and the event loop runs what that asks.
    void Look() {
        Board().Changed();
        QCoreApplication::sendPostedEvents(&Board(), QEvent::MetaCall);
    }
    // A game that has just ended in play with this score.
    CGame* EndWith(std::uint32_t score) {
        Board().OnPausePlay();
        Game().score = score;
        Game().EndGame();
        return &Game();
    }
    static QStringList Rows(QDialog* list) {
        QStringList rows;
        auto* tree = list->findChild<QTreeWidget*>("scores");
        for (int r = 0; tree != nullptr && r < tree->topLevelItemCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < tree->columnCount(); ++c) {
                cells << tree->topLevelItem(r)->text(c);
            }
            rows << cells.join('/');
        }
        return rows;
    }
};

}  // namespace

TEST_F(ScoresTest, GameEndingUnderTheTimerShowsTheFinishedGameBehindTheQuestion) {
    // A spoke of stuck gems out to cell (11, 0) and one gem falling along it,
    // to stick in cell (12, 0), past the edge of the board.
    std::vector<CSnapshotGem> spoke;
    for (std::int32_t a = 1; a <= 11; ++a) {
        spoke.push_back({0, 0, (a - 1) % 3, a, 0, 0});
    }
    CSnapshotGem falling[] = {{309, 0, 2, 40, 40, 0}};
    const CGameSnapshot game{falling, 1, spoke.data(), 11, 1, 0};
    Board().ContinueGame(std::make_unique<CGame>(&game), {});
    Board().OnPausePlay();
    Then([this](QDialog* question) {
        EXPECT_TRUE(Game().over);
        EXPECT_EQ(frame->ToolBar()->playButtonState, kPlayButtonOver);
        EXPECT_FALSE(Action(kCmdQuitGame)->isEnabled() || Action(kCmdDropBomb)->isEnabled());
        Press({"No"})(question);
    });
    // The timer's handler returns first: the questions come from the event
    // loop. The name and the list that follow are rejected.
    for (int tick = 0; tick < 100 && !Game().over; ++tick) {
        clock.counter += 66;
        clock.tickCount += 66;
        Board().Tick();
    }
    EXPECT_TRUE(Game().over && titles.isEmpty());
    QCoreApplication::sendPostedEvents(&Board(), QEvent::MetaCall);
    EXPECT_EQ(titles, QStringList({kGameOver, "High Score", "Torvane -- High Scores"}));
}

TEST_F(ScoresTest, YesStartsTheNewGameOnlyAfterTheNameAndTheListAreClosed) {
    CGame* finished = EndWith(10);
    Then(Press({"Yes"}));
    Then([](QDialog* entry) {
        auto* name = entry->findChild<QLineEdit*>("name");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(entry->focusWidget(), name);
        EXPECT_EQ(name->text(), "");
        QTest::keyClicks(name, "Al|ph|a" + QString(40, 'x'));  // no separator, 32 at most
        EXPECT_EQ(name->text(), "Alpha" + QString(27, 'x'));
        EXPECT_EQ(entry->findChild<QLineEdit*>("score")->text(), "10");
        EXPECT_FALSE(entry->findChild<QLineEdit*>("score")->isEnabled());
        entry->accept();
    });
    Then([&](QDialog* list) {
        EXPECT_EQ(&Game(), finished);
        EXPECT_EQ(Rows(list), QStringList({" 1./Alpha" + QString(27, 'x') + "/10/Nov 4"}));
        list->accept();
    });
    Look();
    EXPECT_EQ(titles, QStringList({kGameOver, "High Score", "Torvane -- High Scores"}));
    EXPECT_NE(&Game(), finished);
    EXPECT_TRUE(Game().paused && !Game().over);
    EXPECT_EQ(settings.Read(kScoresKey, "000").value_or(SettingValue()).text,
              "a|Alpha" + std::string(27, 'x') + "|10|" + std::to_string(CalendarClock::Now()));
    Game().EndGame();
    Look();  // the new game's end asks again
    EXPECT_EQ(titles.count(kGameOver), 2);
}

TEST_F(ScoresTest, EscapeKeepsTheFinishedGameAndOnlyAQualifyingScoreIsOfferedNeverAfterQuit) {
    for (const std::uint32_t score : {9u, 250u}) {  // below and in the top ten
        CGame* finished = EndWith(score);
        Then([](QDialog* question) { QTest::keyClick(question, Qt::Key_Escape); });
        Look();
        Look();  // once per game
        EXPECT_EQ(&Game(), finished);
    }
    // The name is cancelled, yet the list follows.
    EXPECT_EQ(titles, QStringList({kGameOver, kGameOver, "High Score", "Torvane -- High Scores"}));
    EXPECT_TRUE(settings.ValueNames(kScoresKey).empty());
    titles.clear();
    Board().OnPausePlay();
    Game().score = 300;
    Action(kCmdQuitGame)->trigger();
    RunFor(66);
    EXPECT_TRUE(titles.isEmpty());
    Board().OnPausePlay();
    Game().score = 300;
    Then([](QDialog* entry) { entry->accept(); });
    Action(kCmdNewGame)->trigger();
    EXPECT_EQ(titles, QStringList({"High Score", "Torvane -- High Scores"}));
    EXPECT_EQ(settings.ValueNames(kScoresKey).size(), 1u);
    EXPECT_TRUE(Game().paused && !Game().over);

    // Another copy stores ten better scores while the name is typed: told so.
    Board().OnPausePlay();
    Game().score = 300;
    Then([this](QDialog* entry) {
        for (int i = 0; i < 10; ++i) {
            settings.Write(kScoresKey, "00" + std::to_string(i),
                           SettingValue::String("a|Bo|900|0"));
        }
        entry->accept();
    });
    QString told;
    Then([&told](QDialog* box) {
        told = static_cast<QMessageBox*>(box)->text();
        box->accept();
    });
    Action(kCmdNewGame)->trigger();
    EXPECT_TRUE(told.startsWith("Your score of 300 no longer has a place in the table"))
        << told.toStdString();
}

TEST_F(ScoresTest, ListShowsRankNameScoreAndEnglishDatesInAnyLocaleUnlessInputIsLocked) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // takes effect where the locale is installed
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const CPutBack english([] {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    });
    const auto put = [this](const char* name, const std::string& record) {
        settings.Write(kScoresKey, name, SettingValue::String(record));
    };
    put("000", "a|Alpha|12345|" + std::to_string(kNov3_2002 + 3600));
    put("001", "a|Zoë|500|" + std::to_string(kNov3_2002 - 181 * kDay));
    put("002", "a|Old|20|99999999999999999");
    put("003", "a|WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW|7|1");
    Board().ShowTutorialPage(nullptr, true);
    Action(kCmdViewHighScores)->trigger();
    Board().ShowTutorialPage(nullptr, false);
    Then([](QDialog* list) {
        EXPECT_EQ(Rows(list),
                  QStringList({" 1./Alpha/12345/Nov 3", QString::fromUtf8(" 2./Zoë/500/May 6 02"),
                               " 3./Old/20/", " 4./" + QString(32, 'W') + "/7/Jan 1 70"}));
        auto* tree = list->findChild<QTreeWidget*>();
        EXPECT_EQ(tree->font().family() + QString::number(tree->font().pointSize()),
                  "Liberation Sans14");
        // Name, score and date start at the tab stops 14, 96 and 140 dialog
        // units of the list's face; a long name is cut at the score, not elided.
        const CDialogUnits units(tree->font());
        for (const auto& [column, stop] : {std::pair{1, 14}, {2, 96}, {3, 140}}) {
            EXPECT_EQ(tree->visualRect(tree->model()->index(0, column)).left(), units.X(stop));
        }
        const QImage shown = tree->viewport()->grab().toImage();
        const QRect name = tree->visualRect(tree->model()->index(3, 1));
        const auto inked = [&](int left) {  // a dark pixel in the two columns from left
            bool dark = false;
            for (int y = name.top(); y <= name.bottom(); ++y) {
                dark |= qGray(shown.pixel(left, y)) < 128 || qGray(shown.pixel(left + 1, y)) < 128;
            }
            return dark;
        };
        EXPECT_TRUE(inked(name.right() - 1));
        EXPECT_FALSE(inked(name.right() + 1));
        list->accept();
    });
    Action(kCmdViewHighScores)->trigger();
    EXPECT_EQ(titles, QStringList({"Torvane -- High Scores"}));
}
