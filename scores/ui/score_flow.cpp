#include "scores/ui/score_flow.h"

#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/high_scores_dlg.h"
#include "scores/ui/new_high_score_dlg.h"

bool AskPlayAgain(QWidget* parent) {
    CGameOverDlg dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

void OfferHighScoreFor(QWidget* parent, std::uint32_t score) {
    {
        CHighScoreTable table;
        table.LoadHighScores();
        if (!table.QualifiesForHighScore(score)) {
            return;
        }
        CNewHighScoreDlg entry(score, parent);
        if (entry.exec() == QDialog::Accepted) {
            table.AddHighScore(entry.Name(), score, CalendarClock::Now());
        }
        // Leaving the scope writes a changed table back before the list reads it.
    }
    ShowHighScoreList(parent);
}

void ShowHighScoreList(QWidget* parent) {
    CHighScoresDlg dialog(parent);
    dialog.exec();
}
