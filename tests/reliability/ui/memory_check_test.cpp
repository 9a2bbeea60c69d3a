// One process, the real main window offscreen: a hundred games played to the
// end by the robot through the game view, every dialog opened and closed
// again and again, the tutorial through all its pages and back, then quit.
// Resident memory after game 100 must be within 5 % of that after game 10;
// in the sanitizer build LeakSanitizer checks the whole run at exit.

#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <iostream>

#include "game/game_random.h"
#include "game/memory_settings.h"
#include "modal_answerer.h"
#include "shell/clock_warning_dlg.h"
#include "shell/main_frame.h"
#include "shell/qt_cue_output.h"
#include "shell/settings/settings_file.h"
#include "shell/torvane_app.h"
#include "tutorial/core/tutorial.h"
#include "tutorial/ui/tutorial_wnd.h"
#include "tutorial/ui/welcome_dlg.h"
#include "view_robot.h"

namespace {

long ResidentKiB() {
    // Freed memory that the allocator keeps is not a leak; hand it back first.
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Every dialog of the program once, each answered by the answerer.
void OpenEveryDialog(CMainFrame& frame) {
    CTorvaneView& view = *frame.View();
    view.OnOtherOptions();  // with Customize colors and the colour picker inside
    view.ShowHighScores();
    view.OnHelpContents();
    frame.OnAbout();
    CClockWarningDlg clockQuestion(&frame);
    clockQuestion.Ask();
    CWelcomeDlg welcome(&frame);
    welcome.exec();
    // The menus, opened and closed.
    for (QAction* menu : frame.menuBar()->actions()) {
        if (menu->menu() != nullptr) {
            menu->menu()->popup(QPoint(0, 0));
            QApplication::processEvents();
            menu->menu()->close();
        }
    }
}

// The tutorial from its first page to its last, back to the first, and quit.
// Returns the pages seen, 0 when the view has no tutorial to show.
int WalkTheTutorial(CMainFrame& frame) {
    CTorvaneView& view = *frame.View();
    // From a running game, so that the question before ending it comes too.
    view.OnPausePlay();
    view.StartOrQuitTutorial();
    QApplication::processEvents();
    if (view.tutorialWindow == nullptr) {
        return 0;
    }
    int pages = 1;
    for (int i = 1; i < kTutorialPageCount && view.tutorialWindow != nullptr; ++i) {
        view.tutorialWindow->nextButton()->click();
        QApplication::processEvents();
        ++pages;
    }
    for (int i = 1; i < kTutorialPageCount && view.tutorialWindow != nullptr; ++i) {
        view.tutorialWindow->previousButton()->click();
        QApplication::processEvents();
    }
    if (view.tutorialWindow != nullptr) {
        view.tutorialWindow->quitButton()->click();
    }
    QApplication::processEvents();
    EXPECT_EQ(view.tutorialWindow, nullptr);
    EXPECT_FALSE(view.inputLocked);
    return pages;
}

TEST(MemoryCheck, HundredRobotGamesEveryDialogAndTheTutorialLeaveMemoryFlat) {
    QTemporaryDir folder;
    CSettingsFile settings(folder.filePath(QStringLiteral("Torvane.conf")));
    CScopedSettingsBackend useSettings(&settings);
    WriteSettingDword(kSettingsKey, "Difficulty", 3);  // Hard: the shortest games
    WriteSettingDword(kSettingsKey, kFirstStartDoneSetting, 1);
    CManualClockCounter clock;
    clock.counter = 1000000;
    clock.tickCount = 1000000;
    GameClock::SetCounter(&clock);
    auto sound = std::make_unique<CQtSoundPlayer>();
    SetSoundPlayer(sound.get());
    offerTutorial = false;
    GameRandom::Seed(2024);

    CModalAnswerer answerer;
    long afterGame10 = 0;
    long afterGame100 = 0;
    int tutorialPages = 0;
    {
        auto frame = std::make_unique<CMainFrame>();
        frame->show();
        QApplication::processEvents();
        CTorvaneView& view = *frame->View();
        view.openDocument = [](const QString&) { return true; };
        RobotStyle reckless;
        reckless.reckless = true;
        reckless.bombChance = 0.01;
        CViewRobot robot(view, clock, 2024, reckless);

        for (int g = 1; g <= 100; ++g) {
            answerer.playAgain = g < 100;
            const int endings = answerer.Answered("CGameOverDlg");
            if (view.game->paused) {
                view.OnPausePlay();  // Play
            }
            for (int step = 0; answerer.Answered("CGameOverDlg") == endings; ++step) {
                ASSERT_LT(step, 20000) << "game " << g << " never ended";
                robot.Step();
                if (step % 4 == 0) {
                    QApplication::processEvents();  // the paints the event loop would do
                }
            }
            if (g % 10 == 5) {
                OpenEveryDialog(*frame);
            }
            if (g % 25 == 20) {
                tutorialPages = WalkTheTutorial(*frame);
            }
            if (g == 10) {
                afterGame10 = ResidentKiB();
            }
        }
        afterGame100 = ResidentKiB();
        frame->close();
        QApplication::processEvents();
    }
    SetSoundPlayer(nullptr);
    sound.reset();
    GameClock::SetCounter(nullptr);

    std::cout << "resident memory after game 10: " << afterGame10
              << " KiB, after game 100: " << afterGame100 << " KiB; dialogs answered:";
    for (const auto& [name, count] : answerer.Answered()) {
        std::cout << " " << name << " " << count;
    }
    std::cout << "; tutorial pages walked: " << tutorialPages << "\n";
    EXPECT_EQ(answerer.Answered("CGameOverDlg"), 100);
    EXPECT_GT(answerer.Answered("CHighScoresDlg"), 10);
    EXPECT_EQ(answerer.Answered("COptionsDlg"), 10);
    EXPECT_EQ(answerer.Answered("CCustomizeColorsDlg"), 10);
    EXPECT_EQ(answerer.Answered("CAboutDlg"), 10);
    // A build whose view has no tutorial yet walks none.
    EXPECT_TRUE(tutorialPages == 0 || tutorialPages == kTutorialPageCount);
    if (tutorialPages != 0) {
        EXPECT_EQ(answerer.Answered("QMessageBox"), 4);  // "end this game?" before each walk
    }
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back on purpose; LeakSanitizer
    // judges this build instead.
#else
    EXPECT_LE(afterGame100, afterGame10 + afterGame10 / 20);
#endif
}

}  // namespace
