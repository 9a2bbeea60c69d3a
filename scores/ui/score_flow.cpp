#include "scores/ui/score_flow.h"

#include <algorithm>

#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/high_scores_dlg.h"
#include "scores/ui/new_high_score_dlg.h"

namespace {

bool SameEntry(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.name == b.name && a.score == b.score && a.time == b.time;
}

// The entries of `from` that `in` lacks, counted as a multiset.
std::vector<HighScoreEntry> Missing(const std::vector<HighScoreEntry>& from,
                                    std::vector<HighScoreEntry> in) {
    std::vector<HighScoreEntry> missing;
    for (const HighScoreEntry& e : from) {
        const auto found =
            std::find_if(in.begin(), in.end(), [&e](const auto& o) { return SameEntry(e, o); });
        if (found == in.end()) {
            missing.push_back(e);
        } else {
            in.erase(found);
        }
    }
    return missing;
}

}  // namespace

bool AskPlayAgain(QWidget* parent) {
    CGameOverDlg dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

void OfferHighScoreFor(QWidget* parent, std::uint32_t score, const ScoreReplays& replays) {
    std::vector<HighScoreEntry> before;
    std::vector<HighScoreEntry> after;
    {
        CHighScoreTable table;
        table.LoadHighScores();
        if (!table.QualifiesForHighScore(score)) {
            return;
        }
        CNewHighScoreDlg entry(score, parent);
        if (entry.exec() == QDialog::Accepted) {
            before = table.Entries();
            table.AddHighScore(entry.Name(), score, CalendarClock::Now());
            after = table.Entries();
        }
        // Leaving the scope writes a changed table back before the list reads it.
    }
    const std::vector<HighScoreEntry> made = Missing(after, before);
    if (replays.made && made.size() == 1) {
        replays.made(made.front(), Missing(before, after));
    }
    ShowHighScoreList(parent, replays);
}

void ShowHighScoreList(QWidget* parent, const ScoreReplays& replays) {
    CHighScoresDlg dialog(parent, replays.has);
    const bool watch = dialog.exec() == CHighScoresDlg::kWatch;
    if (watch && replays.watch && dialog.Chosen()) {
        replays.watch(*dialog.Chosen());
    }
}
