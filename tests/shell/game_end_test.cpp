// A game that ends under the timer: the commands already show the finished
// game while the end-of-game questions are open.
#include <QAction>

#include "modal.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/high_scores_dlg.h"
#include "scores/ui/new_high_score_dlg.h"
#include "shell/command_ids.h"
#include "shell/main_toolbar.h"
#include "view_fixture.h"

namespace {

// A spoke of stuck gems from the centre out to cell (11, 0), 286 pixels out,
// and one gem falling along it: it sticks in cell (12, 0), 312 pixels out.
const CSnapshotGem kSpoke[] = {{0, 0, 0, 1, 0, 0},  {0, 0, 1, 2, 0, 0}, {0, 0, 2, 3, 0, 0},
                               {0, 0, 0, 4, 0, 0},  {0, 0, 1, 5, 0, 0}, {0, 0, 2, 6, 0, 0},
                               {0, 0, 0, 7, 0, 0},  {0, 0, 1, 8, 0, 0}, {0, 0, 2, 9, 0, 0},
                               {0, 0, 0, 10, 0, 0}, {0, 0, 1, 11, 0, 0}};
CSnapshotGem spokeFalling[] = {{309, 0, 2, 40, 40, 0}};
const CGameSnapshot kSpokeGame{spokeFalling, 1, kSpoke, 11, 1, 0};

class GameEndTest : public FrameFixture {};

TEST_F(GameEndTest, CommandsShowTheFinishedGameBehindTheEndOfGameQuestions) {
    MakeFrame();
    View().game = std::make_unique<CGame>(&kSpokeGame);
    View().OnPausePlay();

    bool asked = false;
    OnNextModal<CGameOverDlg>([this, &asked](CGameOverDlg* question) {
        asked = true;
        EXPECT_TRUE(Game().over);
        EXPECT_EQ(frame->ToolBar()->playButtonState, kPlayButtonOver);
        EXPECT_FALSE(Action(kCmdQuitGame)->isEnabled());
        EXPECT_FALSE(Action(kCmdDropBomb)->isEnabled());
        OnNextModal<CNewHighScoreDlg>([](CNewHighScoreDlg* entry) {
            OnNextModal<CHighScoresDlg>([](CHighScoresDlg* list) { list->accept(); });
            entry->reject();
        });
        question->reject();
    });
    for (int tick = 0; tick < 100 && !Game().over; ++tick) {
        Advance(66);
        View().OnTimer();
    }
    EXPECT_TRUE(asked);
    EXPECT_TRUE(View().gameOverHandled);
}

}  // namespace
