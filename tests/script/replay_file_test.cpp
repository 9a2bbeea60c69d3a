// Replay files as the game reads them before it shows one, through the same
// reader: the longest game the robot plays with a 1000 Hz hand, recorded as
// the view records it, read back and played to its end, and every kind of
// file that is not a replay to watch. A game kept unfinished, as the view
// writes it while the game goes on, comes back to the bit and goes on to the
// replay the game would have left uninterrupted.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "game/game_clock.h"
#include "game/game_number.h"
#include "game/game_random.h"
#include "script/growing_replay.h"
#include "script/kept_game.h"
#include "script/replay_player.h"
#include "script/replay_reader.h"
#include "script/replay_recorder.h"
#include "script/script_text.h"
#include "test_seams.h"
#include "tools/robot/robot_player.h"

namespace fs = std::filesystem;

namespace {

class ReplayFiles : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    std::string Write(const std::string& bytes) {
        const fs::path path = folder / std::to_string(++files);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // A game on Hard as the view plays it, recorded: the timer every 66 ms
    // and, for `dragMs` in every two seconds, a 1000 Hz hand turning the
    // wheel toward where the robot wants it. By the time the recording
    // begins the store says Easy, as another copy of the game may have
    // written in between.
    std::string Record(std::int64_t ms, std::int64_t dragMs, std::unique_ptr<CGame>& game) {
        CReplayRecorder recorder;
        Begin(game, recorder);
        Play(ms, dragMs, *game, recorder);
        return recorder.Finish(*game, "1.0.4", 1740837960).value_or("");
    }
    void Begin(std::unique_ptr<CGame>& game, CReplayRecorder& recorder) {
        settings.Write(kSettingsKey, "Difficulty", SettingValue::Dword(3));
        GameRandom::Seed(20250301);
        game = std::make_unique<CGame>();
        settings.Write(kSettingsKey, "Difficulty", SettingValue::Dword(1));
        recorder.Begin(*game, 20250301);
        game->Resume();
        recorder.Sync(*game);
    }
    void Play(std::int64_t ms, std::int64_t dragMs, CGame& game, CReplayRecorder& recorder) {
        CRobotPlayer robot(3, RobotStyle{1.0});
        double wanted = 0.0;
        for (std::int64_t t = 0; t < ms && !game.over; ++t) {
            clock.counter += 1;
            if (t % 2000 < dragMs) {
                // Toward the aim, a hand's tremor and all.
                const double angle =
                    game.wheelAngle +
                    (std::clamp(wanted - game.wheelAngle, -0.004, 0.004) + (t % 7 - 3) * 3e-5);
                recorder.Play(game, PlayerInput::TurnTo{angle}, {});
            }
            if (t % 66 == 0) {
                wanted = robot.Decide(game).wheelAngle;
                recorder.Play(game, PlayerInput::Tick{}, {});
            }
        }
    }

    CTestSeams seams{5000000};
    CManualClockCounter& clock = seams.clock;
    CMemorySettings& settings = seams.settings;
    const fs::path folder =
        fs::temp_directory_path() / ("replay_files_" + std::to_string(getpid()));
    int files = 0;
};

std::string Times(const std::string& text, std::size_t count) {
    std::string times;
    while (count-- > 0) {
        times += text;
    }
    return times;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// Gzip data that unpacks past any game: one compressed megabyte of comment
// lines, repeated. A full flush makes every repeat compress alike.
std::string Bomb() {
    const std::string lines = Times("#" + std::string(1022, ' ') + "\n", 1024);
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
    auto deflated = [&s](const std::string& in) {
        std::string out(in.size(), '\0');
        s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
        s.avail_in = static_cast<uInt>(in.size());
        s.next_out = reinterpret_cast<Bytef*>(out.data());
        s.avail_out = static_cast<uInt>(out.size());
        deflate(&s, Z_FULL_FLUSH);
        out.resize(out.size() - s.avail_out);
        return out;
    };
    std::string bomb = deflated("# Torvane replay\n" + lines);
    const std::string repeat = deflated(lines);
    deflateEnd(&s);
    return bomb + Times(repeat, kScriptTextLimit / lines.size());
}

TEST_F(ReplayFiles, EveryKindOfFileIsReadOrRefusedWithWhatIsWrong) {
    // As long as the robot lasts on Hard, the hand dragging most of the time.
    std::unique_ptr<CGame> game;
    const std::string text = Record(3600000, 1500, game);
    ASSERT_TRUE(game->over);
    const std::string played = GameStateJson(*game);
    const std::string packed = CompressScriptText(text);
    std::string flipped = packed;
    flipped[packed.size() / 2] = static_cast<char>(flipped[packed.size() / 2] ^ 0x55);
    const std::string lastTick = text.substr(0, text.rfind("tick\n"));
    const std::string at = text.substr(text.find("\nat ") + 4, 7);
    fs::create_directory(folder / "folder");
    mkfifo((folder / "pipe").c_str(), 0600);
    fs::create_symlink("/dev/zero", folder / "zero");
    const std::string sparse = Write("");
    fs::resize_file(sparse, kScriptTextLimit + 1);
    const std::string damaged = "This replay is damaged or cut short: ";
    const std::string large = "This file is too large to be a Torvane replay: it ";
    const std::string otherScore = Replaced(text, "# Score: ", "# Score: 1");
    const struct {
        std::string path;
        ReplayVerdict verdict;
        std::string says;
    } rows[] = {
        {Write(packed), ReplayVerdict::Watchable, ""},
        {Write(text), ReplayVerdict::Watchable, ""},
        {folder / "missing", ReplayVerdict::Unreadable, "No such file or directory."},
        {folder / "folder", ReplayVerdict::Unreadable, "it is a folder, not a file."},
        {folder / "pipe", ReplayVerdict::Unreadable, "it is a pipe, not a file."},
        {folder / "zero", ReplayVerdict::Unreadable, "it is a device, not a file."},
        {sparse, ReplayVerdict::TooLarge, large + "is larger than 1024 MB, more than any game"},
        {Write(Bomb()), ReplayVerdict::TooLarge, large + "unpacks to more than 1024 MB, more"},
        {Write(packed.substr(0, 999)), ReplayVerdict::Damaged,
         damaged + "the compressed data is cut short."},
        {Write(flipped), ReplayVerdict::Damaged, damaged},
        {Write(lastTick), ReplayVerdict::Damaged, damaged + "it stops before its last line."},
        {Write(Replaced(text, "\ntick\n", "\ntock\n")), ReplayVerdict::Damaged,
         ": unknown command \"tock\"."},
        {Write(Replaced(text, "\ntick\n", "\ntick" + std::string(70000, ' ') + "\n")),
         ReplayVerdict::Damaged, " is longer than any command."},
        {Write(Replaced(text, "\nstate\n", "\nat 99999999999\nstate\n")), ReplayVerdict::Damaged,
         ": at 99999999999 is more than a day after the first instant, " + at + "."},
        {Write("\x89PNG\r\n\x1a\n"), ReplayVerdict::NotAReplay,
         "This file is not a Torvane replay."},
        {Write(Replaced(text, "at " + at + "\n", "")), ReplayVerdict::NotAReplay, "not a"},
        {Write(otherScore), ReplayVerdict::WrongScore,
         "This replay does not reach the score it records: it ends at "},
        // Another version with the same rules plays it; a file without
        // them was played by the first.
        {Write(Replaced(Replaced(text, "1.0.4", "0.9"), "# Rules: 1\n", "")),
         ReplayVerdict::Watchable, ""},
        {Write(Replaced(otherScore, "1.0.4", "0.9")), ReplayVerdict::WrongScore, "it ends at "},
        {Write(Replaced(Replaced(text, "1.0.4", "2.0"), "# Rules: 1\n", "# Rules: 2\n")),
         ReplayVerdict::OtherVersion,
         "This replay was made by Torvane 2.0 with other rules than this version (1.0.4) plays."},
    };
    // On a thread of its own, as the window checks: the rules' state there
    // is its own, nothing of this thread's.
    const std::uint32_t random = GameRandom::state;
    std::thread([&] {
        EXPECT_TRUE(GetSettingsBackend() == nullptr && GameRandom::state == 1);
        for (const auto& row : rows) {
            ReplayCheck check = ReadReplayFile(row.path, "1.0.4");
            EXPECT_EQ(check.verdict, row.verdict) << row.path << ": " << check.problem.English();
            EXPECT_NE(check.problem.English().find(row.says), std::string::npos)
                << row.path << ": " << check.problem.English();
            if (row.verdict == ReplayVerdict::Watchable) {
                EXPECT_TRUE(check.score == game->score && check.score > 100) << check.score;
                std::unique_ptr<CGame> watched;
                CReplayPlayer player(std::move(check.stored), watched);
                while (!player.Finished()) {
                    player.Advance(16 * 4);  // frames at four times the speed
                }
                EXPECT_EQ(GameStateJson(*watched), played);
            }
        }
    }).join();
    EXPECT_TRUE(GetSettingsBackend() == &settings && GameRandom::state == random);

    // A file of zeros as large as a replay may be is refused at its first
    // bytes, never read whole.
    const std::string zeros = Write("");
    fs::resize_file(zeros, kScriptTextLimit);
    std::string stored;
    const std::optional<ReplayCheck> refused = ReadStoredReplay(zeros, stored, nullptr, true);
    EXPECT_TRUE(refused && refused->verdict == ReplayVerdict::NotAReplay);
    EXPECT_LE(stored.size(), std::size_t{1} << 20);
}

TEST_F(ReplayFiles, AClockThatJumpsBackStillRecordsAReplayThatPlaysToTheSameEnd) {
    std::unique_ptr<CGame> game;
    CReplayRecorder recorder;
    Begin(game, recorder);
    Play(20000, 1500, *game, recorder);
    clock.counter -= 5000;  // the machine's clock set back under the game
    Play(3600000, 1500, *game, recorder);
    ASSERT_TRUE(game->over);
    const std::string text = recorder.Finish(*game, "1.0.4", 1740837960).value_or("");
    ReplayCheck check = ReadReplayFile(Write(text), "1.0.4");
    ASSERT_EQ(check.verdict, ReplayVerdict::Watchable) << check.problem.English();
    std::unique_ptr<CGame> watched;
    CReplayPlayer player(std::move(check.stored), watched);
    while (!player.Finished()) {
        player.Advance(1000);
    }
    EXPECT_EQ(GameStateJson(*watched), GameStateJson(*game));
}

TEST_F(ReplayFiles, LinesCrammedIntoOneInstantPlayOverSeveralFrames) {
    std::unique_ptr<CGame> game;
    CReplayPlayer player(
        "at 5000\nnew\nresume\n" + Times("tick\n", 3 * CReplayPlayer::kLinesPerCall) + "state\n",
        game);
    int frames = 0;
    for (; !player.Finished(); ++frames) {
        player.Advance(0);
    }
    EXPECT_EQ(frames, 4);
}

TEST_F(ReplayFiles, KeptGameGoesOnToTheReplayOfTheWholeGameOrIsRefused) {
    std::unique_ptr<CGame> game;
    CReplayRecorder recorder;
    Begin(game, recorder);
    // Written twice as the view's saver writes it, the lines compressed as
    // they come; the second file holds the game so far.
    CGrowingReplay growing;
    Play(7000, 1500, *game, recorder);
    growing.Add(recorder.Lines());
    const std::size_t sent = recorder.Lines().size();
    growing.File(recorder.Header(*game, "1.0.4", 1740837960));
    Play(13000, 1500, *game, recorder);
    game->Pause();
    recorder.Sync(*game);
    growing.Add(std::string_view(recorder.Lines()).substr(sent));
    const std::string keptFile = growing.File(recorder.Header(*game, "1.0.4", 1740837960));
    const std::string left = GameStateJson(*game);
    const std::uint32_t random = GameRandom::state;
    const GameClock::Saved leftClock = GameClock::Save();
    const std::uint64_t leftCounter = clock.counter;
    // Uninterrupted, to its end.
    game->Resume();
    Play(3600000, 1500, *game, recorder);
    ASSERT_TRUE(game->over);
    const std::string whole = recorder.Finish(*game, "1.0.4", 1740837960).value_or("");

    KeptGameRecord kept;
    std::thread([&] { kept = ReadKeptGame(Write(keptFile), "1.0.4"); }).join();
    ASSERT_EQ(kept.check.verdict, ReplayVerdict::Watchable) << kept.check.problem.English();
    // Comments and blank lines are not carried into the recording that goes on.
    std::string padded = ScriptTextOf(keptFile).value_or("");
    padded.insert(padded.find("\ntick\n") + 6, "# a note\n\n  \n");
    std::thread([&] {
        EXPECT_EQ(PlayKeptGame(padded, "1.0.4").recording.lines, kept.recording.lines);
    }).join();
    // Read after the whole game played on: the clock's reading is not the game's.
    const auto untimed = [](std::string json) {
        const std::size_t t = json.find(",\"t\":");
        return json.erase(t, json.find(',', t + 1) - t);
    };
    EXPECT_EQ(untimed(GameStateJson(*kept.game)), untimed(left));
    EXPECT_EQ(kept.random, random);
    EXPECT_EQ(kept.now, leftClock.frozenAt - leftClock.pausedTotal);
    // Back where it was left, the same hand plays it to the same end.
    GameRandom::state = kept.random;
    clock.counter = leftCounter;
    GameClock::Restore(leftClock);
    CReplayRecorder continued;
    continued.Continue(*kept.game, std::move(kept.recording));
    kept.game->Resume();
    Play(3600000, 1500, *kept.game, continued);
    EXPECT_EQ(continued.Finish(*kept.game, "1.0.4", 1740837960).value_or(""), whole);

    const std::string damaged = "This replay is damaged or cut short: ";
    const struct {
        std::string bytes;
        ReplayVerdict verdict;
        std::string says;
    } rows[] = {
        {keptFile.substr(0, keptFile.size() - 9), ReplayVerdict::Damaged, damaged},
        {Replaced(keptFile, keptFile.substr(keptFile.size() / 2, 4), "TVTV"),
         ReplayVerdict::Damaged, damaged},
        {"", ReplayVerdict::NotAReplay, "This file is not a Torvane replay."},
        {whole, ReplayVerdict::Ended, "This is not a game in progress: it has ended, or never"},
    };
    for (const auto& row : rows) {
        const KeptGameRecord refused = ReadKeptGame(Write(row.bytes), "1.0.4");
        const std::string problem = refused.check.problem.English();
        EXPECT_EQ(refused.check.verdict, row.verdict) << problem;
        EXPECT_NE(problem.find(row.says), std::string::npos) << problem;
        EXPECT_EQ(refused.game, nullptr);
        EXPECT_EQ(refused.finishedReplay.has_value(), row.bytes == whole);
    }
    // Kept for its score, which waits for the player's name.
    EXPECT_EQ(ReadKeptGame(Write(whole), "1.0.4").finishedReplay, whole);
    EXPECT_EQ(ReadKeptGame((folder / "missing").string(), "1.0.4").check.problem.English(),
              "The replay " + (folder / "missing").string() +
                  " cannot be read: No such file or directory.");
}

TEST_F(ReplayFiles, ADailyGameIsProvenByItsDateAndForgeriesAreRefused) {
    const std::uint32_t number = DailyGameNumber({2026, 12, 7});
    const std::string seed = "seed " + std::to_string(number) + "\n";
    settings.Write(kSettingsKey, "Difficulty", SettingValue::Dword(2));
    GameRandom::Seed(number);
    auto game = std::make_unique<CGame>();
    CReplayRecorder recorder;
    recorder.Begin(*game, number, "2026-12-07");
    game->Resume();
    Play(20000, 1500, *game, recorder);
    // Left unfinished, it comes back as the daily game of its own date.
    CGrowingReplay growing;
    growing.Add(recorder.Lines());
    const KeptGameRecord kept =
        PlayKeptGame(growing.File(recorder.Header(*game, "1.0.4", 1740837960)), "1.0.4");
    EXPECT_TRUE(kept.recording.daily == "2026-12-07" && kept.recording.game == number);
    Play(3600000, 1500, *game, recorder);
    const std::string text = recorder.Finish(*game, "1.0.4", 1740837960).value_or("");
    ASSERT_NE(text.find("# Game: " + std::to_string(number) + "\n# Daily: 2026-12-07\n"),
              std::string::npos);

    const std::string notDaily = "This replay is not the daily game of ";
    const struct {
        std::string bytes;
        ReplayVerdict verdict;
        std::string says;
    } rows[] = {
        {text, ReplayVerdict::Watchable, ""},
        {Replaced(text, "# Daily: 2026-12-07", "# Daily: 2026-12-08"), ReplayVerdict::NotTheDaily,
         notDaily + "8 Dec 2026."},
        {Replaced(text, seed, "seed 46057543\n"), ReplayVerdict::NotTheDaily, notDaily + "7 Dec"},
        {Replaced(Replaced(text, seed, "seed 46057543\n"), "# Game: 46057542", "# Game: 46057543"),
         ReplayVerdict::NotTheDaily, notDaily},
        {Replaced(text, "\ntick\n", "\ndifficulty 2\ntick\n"), ReplayVerdict::NotTheDaily,
         notDaily},
        {Replaced(text, "Difficulty 2\n", "Difficulty 3\n"), ReplayVerdict::NotTheDaily, notDaily},
        {Replaced(text, "# Difficulty: Medium", "# Difficulty: Medium, Hard"),
         ReplayVerdict::NotTheDaily, notDaily},
        {Replaced(text, "\nnew\n", "\nnew\n" + seed + "new\n"), ReplayVerdict::NotTheDaily,
         notDaily},
        {Replaced(text, "\ntick\n", "\nwait 100\ntick\n"), ReplayVerdict::NotTheDaily, notDaily},
        {Replaced(text, "# Score: ", "# Score: 1"), ReplayVerdict::WrongScore, "does not reach"},
        {Replaced(text, "2026-12-07", "2026-02-30"), ReplayVerdict::NotAReplay, "not a"},
    };
    for (const auto& row : rows) {
        const ReplayCheck check = ReadReplayFile(Write(row.bytes), "1.0.4");
        EXPECT_EQ(check.verdict, row.verdict) << check.problem.English();
        EXPECT_NE(check.problem.English().find(row.says), std::string::npos)
            << check.problem.English();
        if (row.verdict == ReplayVerdict::Watchable) {
            EXPECT_TRUE(check.daily == "2026-12-07" && check.score == game->score);
        }
    }
}

}  // namespace
