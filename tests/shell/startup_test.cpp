// Start-up: the clock question when the high-resolution clock is too coarse,
// the first-start mark that offers the tutorial, and the main window.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "modal.h"
#include "shell/clock_warning_dlg.h"
#include "shell/main_frame.h"
#include "shell/torvane_app.h"
#include "tutorial/ui/welcome_dlg.h"
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
        // The first start asks whether to see the tutorial; these tests say No.
        QTimer welcomeAnswer;
        QObject::connect(&welcomeAnswer, &QTimer::timeout, [] {
            if (auto* welcome = qobject_cast<CWelcomeDlg*>(QApplication::activeModalWidget())) {
                welcome->reject();
            }
        });
        welcomeAnswer.start(10);
        return app->InitInstance();
    }

    void TearDown() override {
        app.reset();
        ServicesFixture::TearDown();
    }

    std::unique_ptr<CTorvaneApp> app;
    bool asked = false;
};

TEST_F(StartupTest, UsableOrMissingCounterStartsWithoutAQuestionAndTheTutorialIsOfferedOnce) {
    clock.frequency = 1000000;
    EXPECT_TRUE(Start());
    EXPECT_TRUE(app->mainFrame->isVisible());
    EXPECT_TRUE(app->mainFrame->View()->game->paused);
    EXPECT_EQ(Stored(kFirstStartDoneSetting), 1u);
    EXPECT_FALSE(offerTutorial);  // the first paint took the offer

    app.reset();
    clock.hasCounter = false;  // runs on the tick count
    clock.frequency = 0;
    EXPECT_TRUE(Start());
    EXPECT_FALSE(GameClock::hasPerfCounter);
    EXPECT_FALSE(offerTutorial);
}

TEST_F(StartupTest, CoarseClockQuestionEndsTheProgramOrIsRememberedAfterYesWithTheTick) {
    const struct {
        std::uint64_t frequency;
        CClockWarningDlg::Answer answer;
        bool tick;
        bool starts;
        std::uint32_t stored;  // IgnoreLoResClock: 1 never asks again
    } cases[] = {{0, CClockWarningDlg::kNo, true, false, 0},
                 {1, CClockWarningDlg::kYes, false, true, 0},
                 {1, CClockWarningDlg::kClosed, true, true, 0},
                 {0, CClockWarningDlg::kYes, true, true, 1}};
    for (const auto& c : cases) {
        clock.frequency = c.frequency;
        asked = false;
        Answer(c.answer, c.tick);
        EXPECT_EQ(Start(), c.starts);
        EXPECT_TRUE(asked);
        EXPECT_EQ(app->mainFrame != nullptr, c.starts);
        EXPECT_EQ(Stored("IgnoreLoResClock"), c.stored);
        app.reset();
    }
    EXPECT_TRUE(Start());  // no question this time: none is answered
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

}  // namespace
