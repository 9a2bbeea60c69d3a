// The end of daily games on dates set by the test calendar clock: what the
// panel says of each, from the history the test writes.

#include <QClipboard>
#include <QTemporaryDir>

#include "history/history_writer.h"
#include "scores/core/calendar_clock.h"
#include "shell/history/daily_result_flow.h"
#include "shell/ui_fixture.h"

TEST_F(UiTest, TheFirstDailyGameOfADateIsItsResultLaterOnesPracticeAndTheRunGrows) {
    MakeFrame();
    QTemporaryDir dir;
    CHistoryWriter writer(dir.filePath("history.sqlite"), QStringLiteral("1.0.4"));
    writer.Open();
    QObject::connect(&Board(), &CBoardModel::RecordingFinished,
                     [&writer](std::uint32_t score, const std::string& replay) {
                         writer.Add({replay, score, {}, QDateTime::currentDateTimeUtc(), {}, {}});
                     });
    auto* flow = new CDailyResultFlow(writer, frame.get());
    QObject::connect(&Session().GameOver(), &CGameOverFlow::DailyGameEnded, flow,
                     &CDailyResultFlow::DailyGameEnded);
    const auto play = [&](int day, int ms) {
        CalendarClock::Pin(QDateTime(QDate(2026, 12, day), QTime(12, 0)).toSecsSinceEpoch());
        Action(kCmdDailyGame)->trigger();
        Board().OnPausePlay();
        RunFor(ms);  // games of different lengths: no two are the same game
        const CDailyPanel* before = flow->Panel();
        Board().EndGameUnderWay();
        UntilAnswered();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return flow->Panel() && flow->Panel() != before; }, 60000));
        return flow->Panel() ? Texts(flow->Panel()) : QString();
    };
    const QString score = QStringLiteral("Daily game of %1: 0 points, 0 rings");
    const QString buttons = QStringLiteral("Close | Copy result* | Save replay as ...");
    EXPECT_EQ(play(7, 1000), "Daily game | " + score.arg("7 Dec 2026") +
                                 " | This was your result for 7 Dec 2026. | Your best daily "
                                 "result: 0 points | Days in a row with a result: 1 | " +
                                 buttons);
    EXPECT_EQ(play(7, 2000), "Daily game | " + score.arg("7 Dec 2026") +
                                 " | Practice: your result for 7 Dec 2026 was already made. | "
                                 "Your best daily result: 0 points | Days in a row with a "
                                 "result: 1 | " +
                                 buttons);
    EXPECT_TRUE(play(8, 1000).contains("Days in a row with a result: 2"));
    Button(flow->Panel(), "Copy result")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Torvane daily 2026-12-08: 0 points, 0 rings");
    CalendarClock::Pin(std::nullopt);
}
