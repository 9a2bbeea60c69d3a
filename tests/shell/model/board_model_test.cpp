// The board model's modes: every transition from every mode, allowed or
// refused, and what each mode lets through.
#include <QStatusBar>
#include <functional>
#include <string>

#include "shell/ui_fixture.h"

namespace {

class BoardModelTest : public UiTest {
  protected:
    // A fresh window with a running game, then the board put into a mode.
    void Enter(const std::string& setup) {
        MakeFrame();
        Board().OnPausePlay();
        if (setup == "locked page" || setup == "open page") {
            auto page = std::make_unique<CGame>();
            page->Resume();
            Board().ShowTutorialPage(std::move(page), setup == "locked page");
        }
        if (setup != "playing" && setup.find("page") == std::string::npos) {
            Board().BeginCheck();
        }
        if (setup.rfind("watching", 0) == 0) {
            Board().BeginWatching("at 5000\nnew\nresume\ntick\nat 9000\ntick\n");
            Board().SetPlaybackPaused(setup == "watching paused");
        }
    }
    // I: input reaches the game, T: time runs, L: the commands see input
    // locked, U: a tutorial runs, W and P: the watching and paused banners,
    // A: the game's end asks its questions.
    std::string Shown() {
        const CBoardModel& m = Board();
        const BoardState state = m.State();
        std::string shown;
        for (const auto& [on, letter] : {std::pair{m.InputReachesGame(), 'I'},
                                         {m.TimeRuns(), 'T'},
                                         {state.locked, 'L'},
                                         {state.tutorial, 'U'},
                                         {m.ShowsWatchingBanner() && state.watching, 'W'},
                                         {m.ShowsPausedBanner() && state.paused, 'P'},
                                         {m.EndAsks(), 'A'}}) {
            shown += on ? std::string(1, letter) : "";
        }
        return shown;
    }
    static char Letter(BoardMode mode) { return "PTCW"[static_cast<int>(mode)]; }
};

TEST_F(BoardModelTest, EveryModeAllowsItsTransitionsRefusesTheRestAndDerivesWhatTheBoardDoes) {
    using Transition = std::function<bool(CBoardModel&)>;
    const Transition transitions[] = {
        [](CBoardModel& m) { return m.StartGame(); },
        [](CBoardModel& m) { return m.ContinueGame(std::make_unique<CGame>(), {}); },
        [](CBoardModel& m) { return m.ShowTutorialPage(nullptr, false); },
        [](CBoardModel& m) { return m.EndTutorial(); },
        [](CBoardModel& m) { return m.BeginCheck(); },
        [](CBoardModel& m) { return m.EndCheck(); },
        [](CBoardModel& m) { return m.BeginWatching("at 1\nnew\nstate\n"); },
        [](CBoardModel& m) { return m.EndWatching(); },
        [](CBoardModel& m) { return m.SetPlaybackPaused(true); },
    };
    const struct {
        const char* setup;
        const char* shown;
        // The mode after each transition above (Playing, TutorialPage,
        // CheckingReplay, WatchingReplay), "-" where it is refused.
        const char* after;
    } modes[] = {
        {"playing", "ITA", "PPT-C----"},   {"locked page", "TLU", "P-TPC----"},
        {"open page", "ITU", "P-TPC----"}, {"checking", "A", "P----PW--"},
        {"watching", "LW", "P---C--PW"},   {"watching paused", "LWP", "P---C--PW"},
    };
    for (const auto& mode : modes) {
        Enter(mode.setup);
        EXPECT_EQ(Shown(), mode.shown) << mode.setup;
        for (std::size_t t = 0; t < std::size(transitions); ++t) {
            Enter(mode.setup);
            const BoardMode before = Board().Mode();
            const CGame* game = &Game();
            const bool allowed = transitions[t](Board());
            const char expected = mode.after[t];
            EXPECT_EQ(allowed ? Letter(Board().Mode()) : '-', expected)
                << mode.setup << ", transition " << t;
            if (!allowed) {
                EXPECT_TRUE(Board().Mode() == before && &Game() == game)
                    << mode.setup << ", transition " << t << " changed the board";
            }
        }
    }
}

// A watched replay's end stays on the board, frames going by, until the
// player does something there; its speed shows in the status bar meanwhile.
TEST_F(BoardModelTest, AWatchedReplaysEndStaysUntilAKeyAClickOrPausePlay) {
    const std::function<void()> waysOut[] = {
        [this] { Key(Qt::Key_A); },
        [this] { Mouse(QEvent::MouseButtonPress, Round(0, 100)); },
        [this] { Action(kCmdPausePlay)->trigger(); },
    };
    for (const auto& wayOut : waysOut) {
        Enter("watching");
        const auto* speed = frame->statusBar()->findChild<QLabel*>("replaySpeed");
        Key(Qt::Key_4);
        EXPECT_TRUE(speed->isVisibleTo(frame.get()) && speed->text() == "Replay speed: 4x");
        Board().AdvancePlayback(1000000);
        Key(Qt::Key_Control);  // a shortcut's start only
        QTest::qWait(100);
        EXPECT_TRUE(Board().ReplayAtItsEnd() && Board().ShowsWatchingBanner());
        wayOut();
        EXPECT_TRUE(Board().Mode() == BoardMode::Playing && !Game().started);
        EXPECT_FALSE(speed->isVisibleTo(frame.get()));
    }
}

// A game kept when the program ended comes back as it looked when it was
// left: an explosion whose time was over had gone, a running one goes on.
TEST_F(BoardModelTest, ContinuedGameLeavesOutTheExplosionsThatWereOver) {
    Enter("playing");
    auto game = std::make_unique<CGame>();
    for (const std::int64_t age : {kExplosionMs, kExplosionMs - 1}) {
        CGem* gem = new CGem{.colour = 1, .exploding = 1};
        gem->explodedAt = GameClock::Now() - age;
        game->exploding.Append(gem);
    }
    ASSERT_TRUE(Board().ContinueGame(std::move(game), {}));
    EXPECT_EQ(Game().exploding.Count(), 1);
}

}  // namespace
