#include "scores/ui/score_flow.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "game/settings_store.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/core/score_commit.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/high_scores_dlg.h"
#include "scores/ui/new_high_score_dlg.h"

namespace {

// Offered again to a player who has no keyboard at hand; a name too long for
// the settings' reader is not kept.
void RememberName(const std::string& name) {
    ISettingsBackend* settings = GetSettingsBackend();
    if (settings != nullptr && settings->KeyExists(kSettingsKey) &&
        name.size() + 1 <= kSettingStringLimit) {
        settings->Write(kSettingsKey, kLastScoreNameSetting, SettingValue::String(name));
    }
}

}  // namespace

bool AskPlayAgain(QWidget* parent) {
    CGameOverDlg dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

bool EnterHighScore(QWidget* parent, std::uint32_t score, const ScoreReplays& replays) {
    {
        CHighScoreTable table;
        table.LoadHighScores();
        if (!table.QualifiesForHighScore(score)) {
            return false;
        }
    }
    // No lock is held while the player types: another copy of the game may
    // store scores meanwhile, and the commit places this one among them.
    CNewHighScoreDlg entry(score, parent);
    if (entry.exec() == QDialog::Accepted) {
        const ScoreCommit commit = CommitHighScore(entry.Name(), score, CalendarClock::Now());
        RememberName(entry.Name());
        static bool told = false;
        if (commit.failure && !told) {
            told = true;
            QMessageBox::warning(
                parent, QStringLiteral("Torvane"),
                QCoreApplication::translate("ScoreFlow", "Your score could not be saved: %1")
                    .arg(QString::fromStdString(*commit.failure)));
        }
        if (!commit.place) {
            // Another copy entered better scores while the name was typed.
            QMessageBox::information(
                parent, QStringLiteral("Torvane"),
                QCoreApplication::translate("ScoreFlow",
                                            "Your score of %1 no longer has a place in the table: "
                                            "another copy of Torvane entered better scores while "
                                            "you typed your name.")
                    .arg(score));
        } else if (replays.made) {
            replays.made(commit);
        }
    }
    return true;
}

void ShowHighScoreList(QWidget* parent, const ScoreReplays& replays) {
    CHighScoresDlg dialog(parent, replays.has, bool(replays.statistics));
    const int result = dialog.exec();
    if (result == CHighScoresDlg::kWatch && replays.watch && dialog.Chosen()) {
        replays.watch(dialog.Entries(), *dialog.Chosen());
    } else if (result == CHighScoresDlg::kStatistics && replays.statistics) {
        replays.statistics();
    }
}
