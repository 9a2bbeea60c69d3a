#include "soak_driver.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>

#include "game/game_random.h"
#include "tools/robot/game_invariants.h"

namespace {

constexpr std::int64_t kTimerMs = 66;
constexpr std::int64_t kExplosionMs = 1200;
constexpr std::int64_t kWeekMs = 7LL * 24 * 60 * 60 * 1000;

}  // namespace

int SoakGames(int games) {
    const char* scale = std::getenv("TORVANE_SOAK_SCALE");
    const int divisor = scale != nullptr ? std::atoi(scale) : 1;
    return divisor > 1 ? std::max(1, games / divisor) : games;
}

CSoakWorld::CSoakWorld(std::uint64_t frequency) : frequency_(frequency) {
    counter_.frequency = frequency;
    AdvanceRealTime(0);
    GameClock::SetCounter(&counter_);
    SetSettingsBackend(&settings_);
    SetSoundPlayer(&sound_);
}

CSoakWorld::~CSoakWorld() {
    SetSoundPlayer(nullptr);
    SetSettingsBackend(nullptr);
    GameClock::SetCounter(nullptr);
}

void CSoakWorld::AdvanceRealTime(std::int64_t ms) {
    realMs_ += ms;
    const auto real = static_cast<std::uint64_t>(realMs_);
    counter_.counter = real / 1000 * frequency_ + real % 1000 * frequency_ / 1000;
    counter_.tickCount = static_cast<std::uint32_t>(real);
}

std::string CSoakWorld::PlayGame(std::uint32_t seed, std::uint32_t difficulty,
                                 const RobotStyle& style, SoakTotals& totals) {
    if (difficulty != kStoredDifficulty) {
        WriteSettingDword(kSettingsKey, "Difficulty", difficulty + 1);
    }
    GameRandom::Seed(seed);
    auto game = std::make_unique<CGame>();
    CGameInvariants rules(*game);
    CRobotPlayer robot(seed, style);
    std::mt19937 hand(seed ^ 0x9e3779b9u);
    std::int64_t operations = 0;
    std::string broken;

    const std::int64_t startedAt = GameClock::Now();
    auto check = [&](const char* after) {
        if (!broken.empty()) {
            return;
        }
        ++operations;
        const std::int64_t now = GameClock::Now();
        broken = rules.Check(now);
        if (broken.empty() && now < lastNow_) {
            broken = "game time ran backwards across games";
        }
        lastNow_ = now;
        if (!broken.empty()) {
            broken = "seed " + std::to_string(seed) + ", difficulty " + std::to_string(difficulty) +
                     ", operation " + std::to_string(operations) + " (" + after + "), game time " +
                     std::to_string(now) + ": " + broken;
        }
    };

    check("new game");
    game->Resume();
    check("resume");
    std::uniform_int_distribution<int> oneIn(0, 2999);
    while (broken.empty() && !game->over) {
        AdvanceRealTime(kTimerMs);
        if (GameClock::Now() - startedAt > kGameLimitMs) {
            game->EndGame();
            ++totals.quitGames;
            check("quit");
            break;
        }
        if (oneIn(hand) == 0) {
            game->Pause();
            check("pause");
            // Mostly a short break, sometimes a night, now and then a week.
            const int kind = oneIn(hand) % 10;
            AdvanceRealTime(kind == 0 ? kWeekMs : kind < 3 ? 8LL * 3600 * 1000 : 30000);
            game->Tick();  // a timer message that slipped through does nothing
            check("pause, then real time passes");
            game->Resume();
            ++totals.pauses;
            check("resume after a pause");
        }

        const RobotMove move = robot.Decide(*game);
        if (move.wheelAngle != game->wheelAngle) {
            game->wheelAngle = move.wheelAngle;
            game->RetestContacts();
            game->Tick();
            check("wheel turn");
        }
        if (move.dropBomb && !game->over) {
            if (game->DropBomb() != nullptr) {
                rules.BombDropped();
            }
            check("bomb drop");
        }
        if (!game->paused) {
            // A tick inside the 100 ms gate reads the clock and nothing else.
            const std::int64_t gate = game->nextStepTime;
            game->Tick();
            if (game->nextStepTime != gate) {
                check("timer tick");
            }
        }

        // The painter lets each explosion run for 1200 ms of game time.
        const std::int64_t now = GameClock::Now();
        bool discarded = false;
        game->exploding.ForEach([&](CGem* gem) {
            if (now - gem->explodedAt >= kExplosionMs) {
                CGemList::Unlink(gem);
                game->DiscardGem(gem);
                discarded = true;
            }
        });
        if (discarded) {
            check("explosions discarded");
        }
    }

    ++totals.games;
    totals.checks += rules.checks();
    totals.gemsStuck += rules.gemsStuck();
    totals.gemsLost += rules.gemsLost();
    totals.rings += rules.rings();
    totals.ringGems += rules.ringGems();
    totals.bombs += rules.bombsStruck();
    totals.bestScore = std::max(totals.bestScore, game->score);
    totals.gameMs += GameClock::Now() - startedAt;
    return broken;
}
