// Start-up: the clock question when the high-resolution clock is too coarse,
// the first-start mark that offers the tutorial, and the main window.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "modal.h"
#include "shell/clock_warning_dlg.h"
#include "shell/main_frame.h"
#include "shell/torvane_app.h"
#include "view_fixture.h"

namespace {

class StartupTest : public ServicesFixture {
  protected:
    // Answers the clock question the given way, noting that it was asked.
    void Answer(CClockWarningDlg::Answer answer, bool tick) {
        OnNextModal<CClockWarningDlg>([this, answer, tick](CClockWarningDlg* dialog) {
            asked = true;
            dialog->findChild<QCheckBox*>()->setChecked(tick);
            if (answer == CClockWarningDlg::kYes) {
                dialog->findChild<QPushButton*>(QStringLiteral("yes"))->click();
            } else if (answer == CClockWarningDlg::kNo) {
                dialog->findChild<QPushButton*>(QStringLiteral("no"))->click();
            } else {
                dialog->reject();  // Escape or the close box
            }
        });
    }

    bool Start() {
        GameClock::SetCounter(&clock);
        app = std::make_unique<CTorvaneApp>();
        return app->InitInstance();
    }

    void TearDown() override {
        app.reset();
        ServicesFixture::TearDown();
    }

    std::unique_ptr<CTorvaneApp> app;
    bool asked = false;
};

TEST_F(StartupTest, UsableClockStartsWithoutAQuestion) {
    clock.frequency = 1000000;
    EXPECT_TRUE(Start());
    ASSERT_NE(app->mainFrame, nullptr);
    EXPECT_TRUE(app->mainFrame->isVisible());
    EXPECT_TRUE(app->mainFrame->View()->game->paused);
}

TEST_F(StartupTest, MissingCounterRunsOnTheTickCountWithoutAQuestion) {
    clock.hasCounter = false;
    clock.frequency = 0;
    EXPECT_TRUE(Start());
    EXPECT_FALSE(GameClock::hasPerfCounter);
}

TEST_F(StartupTest, CoarseClockAskedNoEndsTheProgramWithoutAWindow) {
    clock.frequency = 1;
    Answer(CClockWarningDlg::kNo, true);
    EXPECT_FALSE(Start());
    EXPECT_TRUE(asked);
    EXPECT_EQ(app->mainFrame, nullptr);
    EXPECT_EQ(Stored("IgnoreLoResClock"), 0u);
}

TEST_F(StartupTest, CoarseClockAskedYesWithTheTickNeverAsksAgain) {
    clock.frequency = 0;
    Answer(CClockWarningDlg::kYes, true);
    EXPECT_TRUE(Start());
    EXPECT_TRUE(asked);
    EXPECT_EQ(Stored("IgnoreLoResClock"), 1u);

    asked = false;
    app.reset();
    EXPECT_TRUE(Start());
    EXPECT_FALSE(asked);
}

TEST_F(StartupTest, CoarseClockAskedYesWithoutTheTickOrClosedAsksAgainNextTime) {
    clock.frequency = 1;
    Answer(CClockWarningDlg::kYes, false);
    EXPECT_TRUE(Start());
    EXPECT_EQ(Stored("IgnoreLoResClock"), 0u);

    app.reset();
    asked = false;
    Answer(CClockWarningDlg::kClosed, true);
    EXPECT_TRUE(Start());
    EXPECT_TRUE(asked);
    EXPECT_EQ(Stored("IgnoreLoResClock"), 0u);
}

TEST_F(StartupTest, ClockQuestionCarriesItsTextAndAClearBox) {
    CClockWarningDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Warning");
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(
        "Torvane cannot find a high resolution clock on your computer.  Because of this, "
        "Torvane may not run correctly.\n\nDo you want to try to run Torvane anysay?"));
    EXPECT_EQ(dialog.findChild<QCheckBox*>()->text(), "Never ask this question again");
    EXPECT_FALSE(dialog.findChild<QCheckBox*>()->isChecked());
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("yes"))->isDefault());
}

TEST_F(StartupTest, TutorialIsOfferedOnTheFirstStartOnly) {
    clock.frequency = 1000000;
    EXPECT_TRUE(Start());
    EXPECT_TRUE(app->mainFrame->View()->initialised);
    EXPECT_EQ(Stored(kFirstStartDoneSetting), 1u);
    // The first paint took the offer.
    EXPECT_FALSE(offerTutorial);

    app.reset();
    EXPECT_TRUE(Start());
    EXPECT_FALSE(offerTutorial);
}

}  // namespace
