// The end of daily games on dates set by the test calendar clock: what the
// panel says of each, from the history the test writes; and a daily game left
// unfinished, back on a later date as the game of its own.

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>

#include "history/history_writer.h"
#include "scores/core/calendar_clock.h"
#include "script/replay_reader.h"
#include "shell/history/daily_result_flow.h"
#include "shell/ui_fixture.h"
#include "shell/view/kept_game.h"

TEST_F(UiTest, TheFirstDailyGameOfADateIsItsResultLaterOnesPracticeAndTheRunGrows) {
    QTemporaryDir dir;
    CHistoryWriter writer(dir.filePath("history.sqlite"), QStringLiteral("1.0.4"));
    writer.Open();
    CDailyResultFlow* flow = nullptr;
    // The history and the daily panel on the window as main() sets them up.
    const auto window = [&] {
        MakeFrame();
        QObject::connect(
            &Board(), &CBoardModel::RecordingFinished,
            [&writer](std::uint32_t score, const std::string& replay, bool) {
                writer.Add({replay, score, {}, QDateTime::currentDateTimeUtc(), {}, {}});
            });
        flow = new CDailyResultFlow(writer, frame.get());
        QObject::connect(&Session().GameOver(), &CGameOverFlow::DailyGameEnded, flow,
                         &CDailyResultFlow::DailyGameEnded);
        Session().Kept().Start(true, dir.path());
        EXPECT_TRUE(QTest::qWaitFor([this] { return !Session().Kept().Restoring(); }, 60000));
    };
    const auto pin = [](int day) {
        CalendarClock::Pin(QDateTime(QDate(2026, 12, day), QTime(12, 0)).toSecsSinceEpoch());
    };
    // A daily game of `day`, ended under way, quit (which asks nothing), or
    // left unfinished and ended once it is back on the 11th.
    enum { kEnd, kQuit, kKeep };
    const auto play = [&](int day, int ms, int how = kEnd) {
        pin(day);
        Action(kCmdDailyGame)->trigger();
        Board().OnPausePlay();
        RunFor(ms);  // games of different lengths: no two are the same game
        if (how == kKeep) {
            Session().Kept().Keep(true);
            GameClock::Reset();  // as in a program started afresh
            pin(11);
            window();
            frame->UpdateCommands();
            EXPECT_EQ(frame->statusBar()->findChildren<QLabel*>().at(1)->text(),
                      QString("Daily game, %1 Dec 2026").arg(day));
            EXPECT_TRUE(Game().difficulty == 1 && !Action(kCmdEasy)->isEnabled());
            Board().OnPausePlay();
            RunFor(500);
        }
        const CDailyPanel* before = flow->Panel();
        how == kQuit ? Action(kCmdQuitGame)->trigger() : (void)Board().EndGameUnderWay();
        UntilAnswered();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return flow->Panel() && flow->Panel() != before; }, 60000));
        // Clear of the middle fifth of the board, where "Game Over" shows.
        const QRect middle(View().mapToGlobal(QPoint(0, View().height() * 2 / 5)),
                           QSize(View().width(), View().height() / 5));
        EXPECT_TRUE(flow->Panel() && !flow->Panel()->frameGeometry().intersects(middle));
        return flow->Panel() ? Texts(flow->Panel()) : QString();
    };
    window();
    const QString score = QStringLiteral("Daily game of %1: 0 points, 0 rings");
    const QString buttons = QStringLiteral("Close | Copy result* | Save replay as ...");
    EXPECT_EQ(play(7, 1000), "Daily game | " + score.arg("7 Dec 2026") +
                                 " | This was your result for 7 Dec 2026. | Your best daily "
                                 "result: 0 points | Days in a row with a result: 1 | " +
                                 buttons);
    EXPECT_EQ(play(7, 2000, kQuit),
              "Daily game | " + score.arg("7 Dec 2026") +
                  " | Practice: your result for 7 Dec 2026 was already made. | "
                  "Your best daily result: 0 points | Days in a row with a "
                  "result: 1 | " +
                  buttons);
    Button(flow->Panel(), "Copy result")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Torvane daily 2026-12-07, practice: 0 points, 0 rings");
    EXPECT_TRUE(play(8, 1000).contains("Days in a row with a result: 2"));
    Button(flow->Panel(), "Copy result")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Torvane daily 2026-12-08: 0 points, 0 rings");
    // Saved as a friend would get it, first offered under a name with its
    // date: the runner proves it the date's game.
    Button(flow->Panel(), "Save replay as ...")->click();
    auto* save = flow->Panel()->findChild<QFileDialog*>();
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->selectedFiles().value(0),
              QDir::home().filePath("torvane-daily-2026-12-08.tvr"));
    save->findChild<QLineEdit*>("fileNameEdit")->setText(dir.filePath("friend.tvr"));
    QMetaObject::invokeMethod(save, "accept");
    const ReplayCheck saved = ReadReplayFile(dir.filePath("friend.tvr").toStdString(),
                                             QCoreApplication::applicationVersion().toStdString());
    EXPECT_EQ(saved.verdict, ReplayVerdict::Watchable) << saved.problem.English();
    EXPECT_EQ(saved.daily, "2026-12-08");

    // Left unfinished and back on a later date: still the game of its own
    // date, and its date's result unless that was made already.
    EXPECT_TRUE(play(9, 1500, kKeep)
                    .contains(score.arg("9 Dec 2026") + " | This was your result for 9 Dec 2026."));
    EXPECT_TRUE(play(8, 1500, kKeep)
                    .contains(score.arg("8 Dec 2026") +
                              " | Practice: your result for 8 Dec 2026 was already made. | Your "
                              "best daily result: 0 "
                              "points | Days in a row with a result: 3"));
    EXPECT_TRUE(QString::fromStdString(Board().LastReplay()).contains("\n# Daily: 2026-12-08\n"));
    CalendarClock::Pin(std::nullopt);
    frame.reset();  // and the kept game's lock with it, before the folder goes
}
