// The program around the game: start-up, the main window's menus, toolbar and
// status bar, the commands' update rules and handlers, the small dialogs, the
// help document and the sound player's one cue at a time.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "scores/core/calendar_clock.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/new_high_score_dlg.h"
#include "shell/app/qt_cue_output.h"
#include "shell/app/sound_player.h"
#include "shell/app/torvane_app.h"
#include "shell/dialogs/about_dlg.h"
#include "shell/dialogs/clock_warning_dlg.h"
#include "shell/dialogs/help_document.h"
#include "shell/dialogs/help_window.h"
#include "shell/dialogs/screen_fit.h"
#include "shell/ui_fixture.h"
#include "tutorial/ui/welcome_dlg.h"

TEST_F(UiTest, StartUpAsksAboutACoarseClockAndOffersTheTutorialOnTheFirstStartOnly) {
    const QString never = "Never ask this question again";
    const struct {
        bool firstStart, starts, tutorial;
        std::int64_t frequency;          // 0 or 1: too coarse; -1: no counter at all
        std::uint32_t ignoreLoResClock;  // 1: never asks again
        QString asked;
        std::vector<Answer> answers;
    } runs[] = {
        {true, false, false, 0, 0, "Warning", {Press({never, "No"})}},
        {true, true, false, 1, 0, "Warning Welcome to Torvane !", {Press({"Yes"}), Press({"No"})}},
        {false, true, false, 1, 0, "Warning", {}},  // closed, as an unanswered dialog is
        {false, true, false, 1000000, 0, "", {}},
        {false, true, false, -1, 0, "", {}},
        {false, true, false, 0, 1, "Warning", {Press({never, "Yes"})}},
        {true, true, true, 0, 1, "Welcome to Torvane !", {Press({"Yes"})}},
    };
    for (const auto& run : runs) {
        if (run.firstStart) {
            settings.DeleteValue(kSettingsKey, kFirstStartDoneSetting);
        }
        clock.hasCounter = run.frequency >= 0;
        clock.frequency = static_cast<std::uint64_t>(std::max<std::int64_t>(run.frequency, 0));
        GameClock::SetCounter(&clock);
        titles.clear();
        answers.assign(run.answers.begin(), run.answers.end());
        CTorvaneApp app;
        EXPECT_EQ(app.InitInstance(), run.starts);
        EXPECT_EQ(titles.join(' '), run.asked);
        EXPECT_EQ(Stored("IgnoreLoResClock"), run.ignoreLoResClock);
        EXPECT_EQ(Stored(kFirstStartDoneSetting), run.starts || !run.firstStart ? 1u : 0u);
        const CBoardSession* session = app.mainFrame ? &app.mainFrame->Session() : nullptr;
        EXPECT_EQ(session && session->Tutorial().Running(), run.tutorial);
        EXPECT_TRUE(!session || session->Model().Game().paused != run.tutorial);
    }
}

TEST_F(UiTest, DialogsCarryTheirTexts) {
    EXPECT_EQ(Texts(std::make_unique<CAboutDlg>().get()),
              "About Torvane | Torvane | Version 1.0.4 | Copyright (C) 2026 Quillfen Software | "
              "GNU General Public License, version 3 or later | This program is free software: "
              "you can redistribute it and/or modify it under the terms of the GNU General Public "
              "License as published by the Free Software Foundation, either version 3 of the "
              "License, or (at your option) any later version.\n\nThis program is distributed in "
              "the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied "
              "warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU "
              "General Public License for more details. | OK | &Licence ...");
    // The licence's whole text, a button away.
    QString licence;
    Then([&licence](QDialog* window) {
        licence = window->findChild<QPlainTextEdit*>()->toPlainText();
        window->reject();
    });
    CAboutDlg().findChild<QPushButton*>("licenceButton")->click();
    EXPECT_TRUE(licence.contains("GNU GENERAL PUBLIC LICENSE") &&
                licence.contains("END OF TERMS AND CONDITIONS"));
    titles.clear();
    EXPECT_EQ(CAboutDlg::Logo().deviceIndependentSize().toSize(), QSize(66, 66));
    EXPECT_TRUE(CAboutDlg::Logo().hasAlpha());  // its black lets the dialog show through
    // The drawing has no black, so its rim and spokes stay whole.
    EXPECT_TRUE(CAboutDlg::Logo().toImage().convertToFormat(QImage::Format_Alpha8) ==
                QImage(":/torvane/logo.png").convertToFormat(QImage::Format_Alpha8));
    EXPECT_FALSE(CAboutDlg().findChild<QLabel*>("logo")->pixmap().isNull());
    EXPECT_EQ(Texts(std::make_unique<CClockWarningDlg>().get()),
              "Warning | Torvane cannot find a high resolution clock on your computer.  Because "
              "of this, Torvane may not run correctly.\n\nDo you want to try to run Torvane "
              "anysay? | Yes* | No");
    EXPECT_EQ(Texts(std::make_unique<CGameOverDlg>().get()),
              "Game Over | Would you like to play another game? | Yes* | No");
    EXPECT_EQ(
        Texts(std::make_unique<CNewHighScoreDlg>(1).get()),
        "High Score | Enter your name: | Score: | OK* | Cancel | Your score is in the top ten!");
    EXPECT_EQ(Texts(std::make_unique<CWelcomeDlg>(nullptr).get()),
              "Welcome to Torvane ! | Would you like to see a short tutorial which shows you how "
              "to play the game? | &Yes* | &No");
}

TEST_F(UiTest, FrameCarriesItsMenusToolbarAndStatusBar) {
    MakeFrame();
    QStringList items;  // each with its accelerators after "="; then the bars
    for (QAction* menu : frame->menuBar()->actions()) {
        items << menu->text() + ":";
        for (QAction* item : menu->menu()->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            for (const QKeySequence& key : item->shortcuts()) {
                items.last() += " =" + key.toString();
            }
        }
    }
    for (QAction* tool : frame->ToolBar()->actions()) {  // as a screen reader names them
        QWidget* button = frame->ToolBar()->widgetForAction(tool);
        items << (tool->isSeparator()
                      ? QStringLiteral("-")
                      : QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name));
    }
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>()) {
        if (label->isHidden()) {
            continue;  // a replay's speed
        }
        items << label->text() + (label->isEnabled() ? "" : "-");
    }
    EXPECT_EQ(items.join(" | "),
              "&Game: | &Play\tCtrl-P =Ctrl+P =Ctrl+R =P =Pause | Drop &bomb\tCtrl+B =Ctrl+B | - | "
              "View hi&gh scores | S&tatistics ...\tCtrl+T =Ctrl+T | &Watch last game | Watch a "
              "&replay ... | - | "
              "&Quit game\tCtrl+Q =Ctrl+Q | &New game\tCtrl+N =Ctrl+N | "
              "&Daily game\tCtrl+D =Ctrl+D | Play game n&umber ... | &Copy game number | - | "
              "E&xit | "
              "&Options: | Easy | Medium | Hard | - | Sound &effects\tCtrl+E =Ctrl+E | - | "
              "Other options ... | &Accessibility ... | - | &Full screen\tF11 =F11 | &Help: | "
              "&Contents =F1 | See &tutorial | - | &About Torvane | Pause/Play | - | "
              "Pause and hide game | - | Drop bomb | Ready | Game 1 | CAP- | NUM- | SCRL-");
    EXPECT_EQ(frame->ToolBar()->actions().first(), Action(kCmdPausePlay));  // one update rule
    EXPECT_EQ(frame->toolBarArea(frame->ToolBar()), Qt::LeftToolBarArea);
    EXPECT_EQ(frame->ToolBar()->orientation(), Qt::Vertical);

    // The last pane stands as clear of the right edge as the first of the left.
    frame->show();
    const QList<QLabel*> panes = frame->statusBar()->findChildren<QLabel*>();
    EXPECT_GE(frame->statusBar()->width() - 1 - panes.last()->geometry().right(),
              panes.first()->x());

    // Exit in a running game closes the window as the close box does: nothing
    // is asked or offered.
    Board().OnPausePlay();
    Action(kCmdExit)->trigger();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(titles.isEmpty());
}

TEST_F(UiTest, CommandsFollowTheGameAndTheOptionCommandsAreStored) {
    WriteSettingDword(kSettingsKey, "Difficulty", 7);  // none of the three: Medium's pace
    MakeFrame();
    const int ids[] = {kCmdPausePlay,   kCmdDropBomb,     kCmdNewGame,      kCmdViewHighScores,
                       kCmdQuitGame,    kCmdSoundEffects, kCmdEasy,         kCmdMedium,
                       kCmdHard,        kCmdOtherOptions, kCmdPauseAndHide, kCmdHelpContents,
                       kCmdSeeTutorial, kCmdAbout};
    const QStringList names =
        QString("play bomb new scores quit sound easy medium hard options hide help tutorial about")
            .split(' ');
    const struct {
        bool locked;
        std::vector<int> triggered;
        QString shown;  // greyed "-" and marked "+" commands, the toolbar's Play button
    } steps[] = {
        {false, {}, "&Play\tCtrl-P -bomb +sound paused Difficulty=7 Quiet=0"},
        {false, {kCmdPausePlay}, "&Pause\tCtrl-P +sound running Difficulty=7 Quiet=0"},
        {true,
         {},
         "&Pause\tCtrl-P -play -bomb -new -scores -quit +sound running Difficulty=7 Quiet=0"},
        {false, {kCmdEasy, kCmdSoundEffects}, "&Pause\tCtrl-P +easy running Difficulty=1 Quiet=1"},
        {false, {kCmdPausePlay, kCmdHard}, "&Play\tCtrl-P -bomb +hard paused Difficulty=3 Quiet=1"},
        {false,
         {kCmdPausePlay, kCmdDropBomb, kCmdSoundEffects},
         "&Pause\tCtrl-P -bomb +sound +hard running Difficulty=3 Quiet=0"},
        {false,
         {kCmdMedium, kCmdQuitGame},
         "&Play\tCtrl-P -bomb -quit +sound +medium over Difficulty=2 Quiet=0"},
        {false, {kCmdPausePlay}, "&Pause\tCtrl-P +sound +medium running Difficulty=2 Quiet=0"},
        {false, {kCmdNewGame}, "&Play\tCtrl-P -bomb +sound +medium paused Difficulty=2 Quiet=0"},
    };
    for (const auto& step : steps) {
        if (step.locked != Board().InputLocked()) {
            Board().ShowTutorialPage(nullptr, step.locked);
        }
        for (int id : step.triggered) {
            Action(id)->trigger();
        }
        frame->UpdateCommands();  // as before a menu opens
        QStringList shown{Action(kCmdPausePlay)->text()};
        for (int i = 0; i < names.size(); ++i) {
            shown << (Action(ids[i])->isEnabled() ? "" : "-" + names[i])
                  << (Action(ids[i])->isChecked() ? "+" + names[i] : "");
        }
        const int button = frame->ToolBar()->playButtonState;
        shown << (button == kPlayButtonOver     ? "over"
                  : button == kPlayButtonPaused ? "paused"
                                                : "running")
              << "Difficulty=" + QString::number(Stored("Difficulty"))
              << "Quiet=" + QString::number(Stored("Quiet"));
        shown.removeAll(QString());
        EXPECT_EQ(shown.join(' '), step.shown);
    }
    EXPECT_EQ(Game().fallSpeed, kMediumSpeed);
    Board().EndTutorial();             // the locking page's, a fresh game
    settings.RemoveKey(kSettingsKey);  // where nothing can be stored, the game still follows
    Action(kCmdSoundEffects)->trigger();
    EXPECT_TRUE(Game().IsQuiet());
    Action(kCmdPausePlay)->trigger();
    Action(kCmdPauseAndHide)->trigger();
    EXPECT_TRUE(Game().paused && frame->isMinimized());
}

TEST_F(UiTest, TheDailyGameAndGamesByNumberAreNamedInTheStatusBar) {
    CalendarClock::Pin(QDateTime(QDate(2026, 12, 7), QTime(23, 59)).toSecsSinceEpoch());
    WriteSettingDword(kSettingsKey, "Difficulty", 3);
    MakeFrame();
    const auto pane = [this] { return frame->statusBar()->findChildren<QLabel*>().at(1)->text(); };
    Action(kCmdDailyGame)->trigger();
    frame->UpdateCommands();
    EXPECT_EQ(pane(), "Daily game, 7 Dec 2026");
    EXPECT_TRUE(Game().difficulty == 1 && !Action(kCmdHard)->isEnabled() &&
                !Board().SetDifficulty(2));
    EXPECT_EQ(Action(kCmdEasy)->toolTip(), "The daily game is played at Medium.");
    Action(kCmdCopyGameNumber)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "46057542");
    Board().OnPausePlay();
    RunFor(3000);

    // Out of range is refused in the dialog, which stays open to say why.
    QString refusal;
    Then([&refusal](QDialog* dialog) {
        auto* number = dialog->findChild<QLineEdit*>();
        number->setText("2147483647");
        dialog->accept();
        refusal = Texts(dialog);
        number->setText("20250301");
        dialog->findChild<QComboBox*>()->setCurrentIndex(0);
        dialog->accept();
    });
    Action(kCmdPlayGameNumber)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&pane] { return pane() == "Game 20250301"; }, 60000));
    EXPECT_TRUE(refusal.contains("A game number is a whole number from 1 to 2147483646."))
        << refusal.toStdString();
    frame->UpdateCommands();
    EXPECT_TRUE(Game().difficulty == 0 && Action(kCmdHard)->isEnabled());
    EXPECT_EQ(Stored("Difficulty"), 3u);  // the player's own, for the next game

    // The day's replay, watched, says whose day it was; an edited date is refused.
    std::string daily = Board().LastReplay();
    QTemporaryDir dir;
    const auto watch = [&](const std::string& replay) {
        QFile file(dir.filePath("daily.tvr"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(replay.c_str()));
        file.close();
        Session().Watching().WatchFile(file.fileName());
    };
    watch(daily);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Board().Watching(); }, 60000));
    frame->UpdateCommands();
    EXPECT_EQ(pane(), QString("Daily game of 7 Dec 2026, %1 points").arg(Board().WatchedScore()));
    daily.replace(daily.find("Daily: 2026-12-07"), 17, "Daily: 2026-12-08");
    EXPECT_EQ(Told([&] { watch(daily); }),
              QDir::toNativeSeparators(dir.filePath("daily.tvr")) +
                  ": This replay is not the daily game of 8 Dec 2026.");
    CalendarClock::Pin(std::nullopt);
}

TEST_F(UiTest, HelpShowsTheDocumentInAWindowOfItsOwnWithItsPicturesAndLinksOrNothing) {
    QTemporaryDir dir;
    QFile file(dir.filePath("share/torvane/doc/help.html"));
    QFile german(dir.filePath("share/torvane/doc/help_de.html"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("share/torvane/doc")) &&
                file.open(QIODevice::WriteOnly) && german.open(QIODevice::WriteOnly));
    EXPECT_FALSE(HelpDocumentPath(QStringLiteral(TORVANE_BINARY_DIR "/shell"), "de").isEmpty());
    // In the translation's language where there is one, else in English.
    for (const QString language : {"", "de_AT", "fr"}) {
        EXPECT_EQ(HelpDocumentPath(dir.filePath("bin"), language),
                  (language == "de_AT" ? german : file).fileName());
    }
    MakeFrame();
    // Nothing where InstallPath has none; one window, shown again, where it has.
    const QString folder = QStringLiteral(TORVANE_SOURCE_DIR "/resources");
    QStringList shown;
    for (const QString& installPath : {dir.filePath("nowhere"), folder, folder}) {
        settings.Write("", "InstallPath", SettingValue::String(installPath.toStdString()));
        Action(kCmdHelpContents)->trigger();
        for (const CHelpWindow* help : frame->findChildren<CHelpWindow*>()) {
            shown << help->Browser()->source().toLocalFile() + (help->isVisible() ? "" : "-");
        }
    }
    EXPECT_EQ(shown, QStringList(2, folder + "/doc/help.html"));
    EXPECT_TRUE(titles.isEmpty());

    QTextBrowser* browser = frame->findChild<CHelpWindow*>()->Browser();
    const QString html = browser->toHtml();
    EXPECT_TRUE(html.contains("<img src="));
    for (const auto& match : QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html)) {
        EXPECT_FALSE(
            browser->loadResource(QTextDocument::ImageResource, QUrl(match.captured(1))).isNull())
            << match.captured(1).toStdString();
    }
    // Clicked from the top, each link moves the page down to its part.
    int links = 0;
    for (const auto& match : QRegularExpression("href=\"(#[^\"]+)\"").globalMatch(html)) {
        browser->verticalScrollBar()->setValue(0);
        browser->setSource(QUrl(match.captured(1)));
        EXPECT_GT(browser->verticalScrollBar()->value(), 0) << match.captured(1).toStdString();
        ++links;
    }
    EXPECT_GT(links, 5);
    // On its screen with its frame, however small the screen.
    CHelpWindow* help = frame->findChild<CHelpWindow*>();
    const QMargins& f = kTypicalFrame;
    EXPECT_TRUE(
        help->screen()->availableGeometry().contains(QRect(help->pos(), help->size().grownBy(f))));
    // F1 opens it from the game; Escape and Ctrl+W close it.
    for (const QKeySequence& close : {QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")}) {
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        help->hide();
        QTest::keyClick(frame->windowHandle(), Qt::Key_F1);
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->windowHandle(), close[0].key(), close[0].keyboardModifiers());
        EXPECT_FALSE(help->isVisible()) << close.toString().toStdString();
    }
}

// Logs "-" for a stop and cue@time for a start.
struct CRecordingOutput : ICueOutput {
    void Start(int cue) override { log << QString("%1@%2").arg(cue).arg(now); }
    void StopAll() override { log << "-"; }
    std::int64_t now = 0;
    QStringList log;
};

TEST(SoundPlayer, ACueCutsOffWhateverPlaysButASnapWaitsForSilence) {
    CRecordingOutput output;
    CSoundPlayer player(output, [&output] { return output.now; });
    // A snap lasts 310 ms, an explosion (at 400 and 500) 1587; the first cue
    // plays whatever the clock reads.
    for (const std::int64_t at : {-1, 308, 309, 400, 500, 2086, 2087}) {
        output.now = at;
        const bool explosion = at == 400 || at == 500;
        player.Play(explosion ? kExplodeCue : kSnapCue, explosion ? 0 : kCueNoStop);
    }
    EXPECT_EQ(output.log.join(' '), "- 300@-1 - 300@309 - 301@400 - 301@500 - 300@2087");
    CQtSoundPlayer qtPlayer;  // without an audio device: no failure
    for (int i = 0; i < 20; ++i) {
        qtPlayer.Play(i % 2 == 0 ? kExplodeCue : kSnapCue, i % 2 == 0 ? 0 : kCueNoStop);
        QCoreApplication::processEvents();
    }
}
