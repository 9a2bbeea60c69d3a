#pragma once
// One game of the history, as a row of its database (README.md).

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

// How a game ended, as the row names it.
namespace GameEnding {
inline constexpr const char* kLost = "lost";          // the board filled up
inline constexpr const char* kEnded = "ended";        // the player ended it
inline constexpr const char* kImported = "imported";  // came from the top ten or the last game
}  // namespace GameEnding

// What is known of a game's replay in the history.
namespace ReplayKept {
inline constexpr const char* kKept = "kept";        // in the row's `replay`
inline constexpr const char* kPruned = "pruned";    // was kept, gone to keep the file small
inline constexpr const char* kNone = "none";        // the game had none
inline constexpr const char* kRefused = "refused";  // did not reach its score when checked
}  // namespace ReplayKept

// What a game's replay says of it, found by playing it.
struct GameFigures {
    std::uint32_t score = 0;
    std::int64_t playedMs = 0;  // game time: pauses last no time
    std::uint32_t rings = 0;    // rings exploded
    std::uint32_t ringGems = 0;
    std::uint32_t bombs = 0;  // bombs that struck
    std::uint32_t snapped = 0;
    std::optional<std::uint32_t> gameNumber;  // the seed of its random generator
    // The date (YYYY-MM-DD) of a daily game its replay proves; else empty.
    QString dailyDate;
    // As the game numbers them (0 Easy ...); unknown for a game imported
    // without a replay.
    std::optional<std::uint32_t> difficultyStart;
    std::optional<std::uint32_t> difficultyEnd;
    bool lost = false;  // over without the player ending it
    // A digest of the script from its first instant on: the same game
    // whatever its header says (a top-ten entry's copy names its player).
    QString digest;
};

struct GameRow {
    std::int64_t id = 0;  // given by the database
    QDateTime started;    // UTC
    QDateTime ended;      // UTC
    GameFigures figures;
    QString ending = GameEnding::kLost;
    QString version;
    std::optional<int> topPlace;  // 1 is the best
    bool personalBest = false;    // the best of its difficulty when it ended
    // The first daily game of its date to end: the date's result; later
    // ones of the date are practice.
    bool dailyResult = false;
    QString replayKept = ReplayKept::kNone;
    QByteArray replay;  // gzip, as the recorder's files hold it; empty unless kept
};
