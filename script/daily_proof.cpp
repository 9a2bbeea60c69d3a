#include "script/daily_proof.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t start = line.find_first_not_of(kBlanks);
        if (start == std::string_view::npos) {
            break;
        }
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find_first_of(kBlanks), line.size());
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return words;
}

// The difficulty setting as the recorder writes it: Medium, stored plus one.
constexpr std::string_view kMediumSetting = "2";

}  // namespace

bool CDailyProof::Allows(std::string_view line) {
    // The lines a game is made of come by the hundred thousand: those the
    // recorder writes most pass at a glance, the others by their first word.
    if (line.starts_with("at ") || line == "tick" || line.starts_with("turn ")) {
        return true;
    }
    const std::size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos || line[start] == '#') {
        return true;
    }
    line.remove_prefix(start);
    const std::string_view command = line.substr(0, line.find_first_of(kBlanks));
    if (command == "at" || command == "tick" || command == "turn") {
        return true;
    }
    const std::vector<std::string_view> words = Words(line);
    if (command == "seed") {
        // Once, before the game: a seed after it would change the gems to come.
        if (seeded_ || games_ != 0 || words.size() != 2) {
            return false;
        }
        seeded_ = ParseGameNumber(words[1]) == number_;
        return seeded_;
    }
    if (command == "setting") {
        // Only those the recorder writes; the wheel's only turn a wheel by hand.
        if (words.size() != 3) {
            return false;
        }
        return (words[1] == "Difficulty" && words[2] == kMediumSetting) ||
               words[1] == "MouseWheelClockwise" || words[1] == "MouseWheelSpeed";
    }
    if (command == "new") {
        // One game, made from the seed, on an empty board.
        return seeded_ && ++games_ == 1 && words.size() == 1;
    }
    for (const char* recorded : {"bomb", "pause", "resume", "end", "state"}) {
        if (command == recorded) {
            return true;
        }
    }
    // `difficulty` changes it, and the runner's other commands are no moves
    // of a player.
    return false;
}

std::string EnglishDateText(const GameDate& date) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return std::to_string(date.day) + ' ' + kMonths.at(date.month - 1) + ' ' +
           std::to_string(date.year);
}
