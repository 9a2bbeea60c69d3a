// Any bytes as a replay file, compressed or not, through the reader the game
// uses before it shows one: either a replay to watch or one plain reason why
// not, and what can be watched plays in the player to the score the check
// found. Run with a memory limit: nothing the reader holds grows with the
// unpacked text.

#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "script/replay_file.h"
#include "script/replay_player.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReplayCheck check = CheckReplay(bytes, "1.0.4");
    FUZZ_CHECK(check.verdict != ReplayVerdict::Stopped, "only a check told to stop stops");
    FUZZ_CHECK((check.verdict == ReplayVerdict::Watchable) == check.problem.Empty(),
               "a replay can be watched or says why not");
    FUZZ_CHECK(check.problem.Empty() || check.problem.English().back() == '.',
               "a reason is a sentence");
    if (check.verdict == ReplayVerdict::Watchable) {
        FUZZ_CHECK(check.stored == bytes, "the player gets the bytes that were checked");
        std::unique_ptr<CGame> game;
        CReplayPlayer player(std::move(check.stored), game);
        while (!player.Finished()) {
            player.Advance(1000000);
        }
        FUZZ_CHECK(game != nullptr && game->score == check.score,
                   "the player plays a checked replay to the score of the check");
    }
    return 0;
}
