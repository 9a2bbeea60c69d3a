#include "script/sim_scores.h"

#include <chrono>
#include <iostream>
#include <limits>
#include <string>
#include <thread>

#include "game/settings_store.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/core/score_commit.h"
#include "scores/core/score_date.h"
#include "scores/core/score_name.h"
#include "script/json_writer.h"
#include "script/sim_runner.h"

namespace {

// What follows the first argument word of the line, verbatim.
std::string TextAfterFirstArgument(const SimLine& line) {
    const std::string_view first = line.words.at(1);
    std::size_t start = line.rest.find(first) + first.size();
    if (start < line.rest.size()) {
        ++start;  // the one blank that separates the argument from the text
    }
    return std::string(line.rest.substr(start));
}

void Record(CSimRunner& runner, const SimLine& line) {
    if (line.words.size() < 2) {
        throw SimError("record takes a value name and the record text");
    }
    ISettingsBackend& store = runner.Settings();
    store.CreateKey(kScoresKey);
    store.Write(kScoresKey, std::string(line.words[1]),
                SettingValue::String(TextAfterFirstArgument(line)));
}

void Clock(CSimRunner&, const SimLine& line) {
    CSimRunner::ExpectWords(line, 2);
    CalendarClock::Pin(CSimRunner::ParseI64(line, 1, std::numeric_limits<std::int64_t>::min(),
                                            std::numeric_limits<std::int64_t>::max()));
}

void Offer(CSimRunner& runner, const SimLine& line) {
    if (line.words.size() < 2) {
        throw SimError("offer takes a score and the name typed");
    }
    const std::uint32_t score = CSimRunner::ParseU32(line, 1);
    const std::string name = FilterScoreName(TextAfterFirstArgument(line));
    bool asked = false;
    {
        CHighScoreTable table;
        table.LoadHighScores();
        asked = table.QualifiesForHighScore(score);
    }
    std::ostream& out = runner.Out();
    out << "{\"ev\":\"offer\",\"score\":" << score << ",\"asked\":" << (asked ? "true" : "false");
    if (asked) {
        // The same step as after the game's name entry: another process
        // may have changed the table since it was read above.
        const ScoreCommit commit = CommitHighScore(name, score, CalendarClock::Now());
        out << ",\"name\":" << JsonString(name);
        if (!commit.place) {
            out << ",\"added\":false";
        }
        if (commit.failure) {
            out << ",\"saved\":false,\"reason\":" << JsonString(*commit.failure);
            static bool told = false;
            if (!told) {
                told = true;
                std::cerr << "Your score could not be saved: " << *commit.failure << "\n";
            }
        }
    }
    out << "}\n";
}

void Sleep(CSimRunner&, const SimLine& line) {
    CSimRunner::ExpectWords(line, 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(CSimRunner::ParseI64(line, 1, 0, 60000)));
}

void Await(CSimRunner& runner, const SimLine& line) {
    CSimRunner::ExpectWords(line, 1);
    runner.Out().flush();
    std::string go;
    std::getline(std::cin, go);
}

void Scores(CSimRunner& runner, const SimLine& line) {
    CSimRunner::ExpectWords(line, 1);
    std::ostream& out = runner.Out();
    {
        CHighScoreTable table;
        table.LoadHighScores();
        const std::int64_t now = CalendarClock::Now();
        int rank = 0;
        for (const HighScoreEntry& e : table.Entries()) {
            out << "{\"ev\":\"score\",\"rank\":" << ++rank << ",\"name\":" << JsonString(e.name)
                << ",\"score\":" << e.score << ",\"time\":" << e.time
                << ",\"date\":" << JsonString(FormatScoreDate(e.time, now)) << "}\n";
        }
    }
    out << "{\"ev\":\"keys\",\"names\":[";
    const char* separator = "";
    for (const std::string& name : runner.Settings().ValueNames(kScoresKey)) {
        out << separator << JsonString(name);
        separator = ",";
    }
    out << "]}\n";
}

}  // namespace

void RegisterScoreSimCommands(CSimRunner& runner) {
    // Every run starts on the real calendar until its script pins one.
    CalendarClock::Pin(std::nullopt);
    runner.Register("record", Record);
    runner.Register("clock", Clock);
    runner.Register("offer", Offer);
    runner.Register("scores", Scores);
    runner.Register("sleep", Sleep);
    runner.Register("await", Await);
}
