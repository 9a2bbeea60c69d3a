// A prepared position played through the view's own timer: the falling gem
// closes a ring, the cues sound in order, the score shows, and the board
// keeps painting through the explosion.
#include "tutorial/core/scenarios.h"
#include "view_fixture.h"

namespace {

class ViewPlayTest : public ViewFixture {
  protected:
    // Runs the timer as the event loop would, every 66 ms of real time.
    void RunFor(std::int64_t ms) {
        QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        for (std::int64_t t = 0; t < ms; t += 66) {
            Advance(66);
            view->OnTimer();
            view->render(&image);
        }
    }
};

TEST_F(ViewPlayTest, RingClosesUnderTheTimerWithItsCuesAndScore) {
    MakeView();
    PrepareScenarioOrientations();
    view->game = std::make_unique<CGame>(&SixAround);
    view->OnPausePlay();
    ASSERT_FALSE(view->game->paused);

    RunFor(10000);
    EXPECT_EQ(view->game->score, 460u);
    ASSERT_EQ(sound.requests.size(), 2u);
    EXPECT_EQ(sound.requests[0].cue, kSnapCue);
    EXPECT_EQ(sound.requests[0].flags, kCueNoStop);
    EXPECT_EQ(sound.requests[1].cue, kExplodeCue);
    // The six gems of the ring left the cluster and, their explosion drawn
    // to its end, the game; the centre and six others stay.
    EXPECT_EQ(view->game->lattice.Count(), 7);
    EXPECT_EQ(view->game->exploding.Count(), 0);
}

}  // namespace
