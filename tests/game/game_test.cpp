// Rules the runner's events do not show, or show only by chance: the clock's
// counters, drawing angles, the sector arithmetic of snapping, the lattice's
// edge, the bomb box, bomb thresholds near their limits and the sound cues.
// Everything else is checked end to end through the runner (tests/script).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_clock.h"
#include "game/game_random.h"
#include "test_seams.h"
#include "tutorial/core/scenarios.h"

namespace {

// Settings in memory, a hand-set clock and a sound player that records.
class Game : public ::testing::Test {
  protected:
    // A new running game without drops and bombs, holding only its centre.
    CGame& StartBoard() {
        game = std::make_unique<CGame>();
        game->bombs = 0;
        game->spawnInterval = 0;
        game->Resume();
        return *game;
    }
    // Stuck gems of one colour, as if they had snapped in (no ring check).
    void Place(const std::vector<Cell>& cells, std::int32_t colour) {
        for (const Cell c : cells) {
            game->lattice.Append(new CGem{.colour = colour});
            game->PlaceGem(game->lattice.Tail(), c);
        }
    }
    // A falling gem (or bomb) at screen position (x, y).
    CGem* AddFalling(double x, double y, std::int32_t colour) {
        game->falling.Append(new CGem{.x = x, .y = y, .colour = colour});
        return game->falling.Tail();
    }
    // Real time passes in timer steps of 66 ms, ticking the game like the view.
    void RunFor(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += 66) {
            clock.counter += 66;
            game->Tick();
        }
    }

    CTestSeams seams;
    CManualClockCounter& clock = seams.clock;
    CRecordingSoundPlayer& sound = seams.sound;
    std::unique_ptr<CGame> game;
};

TEST_F(Game, ClockReadsEveryKindOfCounterExactlyAndStandsStillWhenFrozen) {
    // Has a counter, its frequency and count, the tick count: milliseconds.
    // (A nanosecond count past 2^63 / 1000 is the soak's first shard.)
    const std::uint64_t cases[][5] = {
        {1, 3579545, 987654321987, 0, 275916163},   // an old ACPI timer truncates
        {1, (1ull << 32) + 1000, 5000, 0, 5000},    // only the low 32 bits count
        {1, 0, 5000, 777, 777},                     // a frequency of 0 falls back to the tick count
        {0, 1000, 5000, 0xFFFFFF00u, 0xFFFFFF00u},  // zero-extended, not negative
    };
    for (const auto& c : cases) {
        clock.hasCounter = c[0] != 0;
        clock.frequency = c[1];
        clock.counter = c[2];
        clock.tickCount = static_cast<std::uint32_t>(c[3]);
        GameClock::SetCounter(&clock);
        EXPECT_EQ(GameClock::Now(), static_cast<std::int64_t>(c[4])) << c[1];
    }
    clock.tickCount = 0x100;  // wrapped after 49.7 days: time goes on
    EXPECT_EQ(GameClock::Now(), (1ll << 32) + 0x100);
    GameClock::Freeze();
    clock.tickCount += 3600000;
    GameClock::Freeze();  // a second freeze keeps the first instant
    GameClock::Thaw();
    GameClock::Thaw();  // thawing a running clock changes nothing
    EXPECT_EQ(GameClock::Now(), (1ll << 32) + 0x100);
}

TEST_F(Game, NewGemsFaceTheCentreAndAnglesReduceTurnByTurn) {
    // Seeds whose first draw points the new gem at 750 and 999 thousandths of a turn.
    for (const auto& [seed, orientation] : {std::pair{250u, kTwoPi}, {57u, 1.5645131414877174}}) {
        GameRandom::Seed(seed);
        EXPECT_EQ(CGame().pending->orientation, orientation) << seed;
    }
    EXPECT_EQ(ReduceAngle(-kPi / 96), -kPi / 96 + kTwoPi);
    EXPECT_EQ(ReduceAngle(kTwoPi), kTwoPi);  // only values above a full turn are reduced
    EXPECT_EQ(ReduceAngle(100 * kPi + 1.5 * kPi / 48), 0.098174770424684255);
    EXPECT_LE(ReduceAngle(1e300), kTwoPi);  // and never stalls
    EXPECT_EQ(ReduceAngle(INFINITY), 0.0);
}

TEST_F(Game, GemTakesTheFreeNeighbourFacingItsApproachInTheWheelFrame) {
    const struct {
        double wheel;
        Point2 from;  // relative to the centre it touches
        std::vector<Cell> taken;
        Cell cell;
    } cases[] = {
        {0, {15, 26}, {}, {0, 1}},
        {0, {15, 26}, {{0, 1}}, {-1, 1}},  // then alternately up and down
        {0, {15, 26}, {{0, 1}, {-1, 1}}, {1, 0}},
        {0, {0, 30}, {}, {-1, 1}},  // a sector bound belongs to the sector above
        {kPi + 6 * kTwoPi, {30, 0}, {}, {-1, 0}},
    };
    for (const auto& c : cases) {
        CGame& g = StartBoard();
        Place(c.taken, 0);
        g.wheelAngle = c.wheel;
        const Cell cell = g.FindFreeCell(AddFalling(c.from.x, c.from.y, 1), g.centre);
        EXPECT_TRUE(cell == c.cell)
            << c.wheel << " " << c.from.y << ": " << cell.a << "," << cell.b;
    }
}

TEST_F(Game, GemsNeverLeaveTheEdgeOfTheLattice) {
    CGame& edge = StartBoard();
    Place({{40, -40}}, 0);
    const Point2 q = edge.ScreenPosition(edge.GemAt({40, -40}));
    CGem* gem = AddFalling(q.x + 30, q.y, 0);
    ASSERT_TRUE(edge.TestContact(gem, q.x + 5, q.y));
    EXPECT_TRUE(CellInRange({gem->cellA, gem->cellB}));
}

TEST_F(Game, RingsFreeTheirCellsAtOnceAndCopeWithAWheelFullOfOneColour) {
    CGame& g = StartBoard();
    Place({{1, 0}, {0, 1}, {-1, 1}, {-1, 0}, {0, -1}}, 1);
    // The sixth comes down on (1, 0) from the upper left and takes (1, -1).
    ASSERT_TRUE(g.TestContact(AddFalling(11, -26, 1), 17, -15.6));
    ASSERT_EQ(g.exploding.Count(), 6);
    g.exploding.ForEach([](const CGem* e) { EXPECT_EQ(e->explodedAt, GameClock::Now()); });

    // Every cell within the rim of one colour: the deepest walk and fill.
    StartBoard();
    std::vector<Cell> all;
    for (int a = -16; a <= 16; ++a) {
        for (int b = -16; b <= 16; ++b) {
            const CellPoint p = CellCentre({a, b});
            if ((a != 0 || b != 0) && p.x * p.x + p.y * p.y < kRimSquared) {
                all.push_back({a, b});
            }
        }
    }
    Place(all, 0);
    game->CheckRing(game->lattice.Tail());
    EXPECT_EQ(game->exploding.Count(), static_cast<int>(all.size()));
}

TEST_F(Game, BombsFromTheBoxAndABombWalledInTakesTheGemItStruckWithItsChain) {
    CGame& g = StartBoard();
    g.bombs = 5;
    const ClientRect client{0, 0, 700, 620};
    for (const auto& [x, y] : {std::pair{182, 49}, {182, 20}, {7, 20}, {100, 4}, {100, 49}}) {
        EXPECT_EQ(g.BombBoxHit(x, y, client), nullptr) << x << "," << y;
    }
    EXPECT_EQ(g.BombBoxHit(8, 5, client)->orientation, 0.0);
    EXPECT_NE(g.BombBoxHit(181, 48, client), nullptr);
    EXPECT_EQ(g.bombs, 3);

    Place({{2, 0}, {3, 0}}, 0);  // (2, 0) entered first and is walled in
    Place({{1, 0}, {2, 1}, {2, -1}}, 1);
    Place({{3, -1}, {1, 1}}, 2);
    ASSERT_TRUE(g.TestContact(AddFalling(52, -30, kBombColour), 52, -5));
    EXPECT_EQ(g.exploding.Count(), 2);
    EXPECT_EQ(g.GemAt({3, 0}), nullptr);
}

TEST_F(Game, EveryFourThousandPointsEarnABombUpToFive) {
    // Score, next threshold and bombs, points added: score, threshold, bombs.
    const std::uint32_t cases[][7] = {
        {8000, 12000, 1, 9000, 17000, 20000, 3},
        {19990, 20000, 5, 10, 20000, 24000, 5},  // passed with five held: lost
        {UINT32_MAX - 5, UINT32_MAX - 3000, 1, 5, UINT32_MAX, UINT32_MAX, 2},
    };
    for (const auto& c : cases) {
        CGame& g = StartBoard();
        g.score = c[0];
        g.nextBombScore = c[1];
        g.bombs = static_cast<std::int32_t>(c[2]);
        g.AddScore(c[3]);
        EXPECT_EQ(g.score, c[4]);
        EXPECT_EQ(g.nextBombScore, c[5]) << c[0];
        EXPECT_EQ(g.bombs, static_cast<std::int32_t>(c[6])) << c[0];
    }
}

TEST_F(Game, CuesOfASnapARingAndABombFollowTheSoundSwitches) {
    const std::pair<const char*, const char*> cases[] = {{"", "300/16 301/0 301/0 "},
                                                         {"QuietSnapin", "301/0 301/0 "},
                                                         {"QuietExplode", "300/16 "},
                                                         {"Quiet", ""}};
    for (const auto& [setting, cues] : cases) {
        WriteSettingDword(kSettingsKey, setting, 1);
        game = std::make_unique<CGame>(&SixAround);
        game->bombs = 1;
        game->Resume();
        sound.requests.clear();
        RunFor(8000);  // the sixth yellow gem sticks and the ring goes off
        game->DropBomb();
        RunFor(12000);
        std::string played;
        for (const auto& r : sound.requests) {
            played += std::to_string(r.cue) + "/" + std::to_string(r.flags) + " ";
        }
        EXPECT_EQ(played, cues) << setting;
        WriteSettingDword(kSettingsKey, setting, 0);
    }
}

}  // namespace
