// Any bytes as a game kept unfinished, through the reader the game uses at
// start-up: either a game to go on with, started and not over, at the score
// its header records, or one plain reason why not.

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "script/kept_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const KeptGameRecord kept = PlayKeptGame(bytes, "1.0.4");
    const bool goesOn = kept.check.verdict == ReplayVerdict::Watchable;
    FUZZ_CHECK(goesOn == kept.check.problem.Empty(), "a kept game goes on or says why not");
    FUZZ_CHECK(kept.check.problem.Empty() || kept.check.problem.English().back() == '.',
               "a reason is a sentence");
    FUZZ_CHECK(goesOn == (kept.game != nullptr), "only a game that goes on is given");
    if (goesOn) {
        FUZZ_CHECK(kept.game->started && !kept.game->over && kept.game->score == kept.check.score,
                   "the game goes on at the score the file records");
        FUZZ_CHECK(!kept.recording.difficulties.empty() &&
                       (kept.recording.lines.empty() || kept.recording.lines.back() == '\n'),
                   "the recording goes on from whole lines and a difficulty");
    }
    return 0;
}
