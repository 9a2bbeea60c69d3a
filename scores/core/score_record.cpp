#include "scores/core/score_record.h"

#include <limits>
#include <vector>

namespace {

constexpr char kSeparator = '|';

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto bar = text.find(kSeparator);
        fields.push_back(text.substr(0, bar));
        if (bar == std::string_view::npos) {
            return fields;
        }
        text.remove_prefix(bar + 1);
    }
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Scores a 32-bit writer could have left: 0..2^32-1, or a negative number for
// a score that writer printed as signed. Anything else is not a score.
std::optional<std::uint32_t> ScoreFrom(std::optional<std::int64_t> value) {
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

}  // namespace

std::optional<std::int64_t> LeadingDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate toward the negative side, which holds one value more.
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value < (kMin + digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 - digit;
        anyDigit = true;
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (negative) {
        return value;
    }
    if (value == kMin) {
        return std::nullopt;
    }
    return -value;
}

std::string FormatScoreRecord(const ScoreRecord& record) {
    std::string text = "a|";
    text += record.name;
    text += kSeparator;
    text += std::to_string(record.score);
    text += kSeparator;
    text += std::to_string(record.time);
    return text;
}

ParsedRecord ParseScoreRecord(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    const auto fields = SplitFields(text);
    ParsedRecord parsed;
    const std::optional<std::uint32_t> score =
        fields.size() < 4 ? std::nullopt : ScoreFrom(LeadingDecimal(fields[2]));
    if (fields[0] != "a" || !score) {
        return parsed;
    }
    parsed.verdict = RecordVerdict::kEntry;
    parsed.record.name = std::string(fields[1]);
    parsed.record.score = *score;
    parsed.record.time = LeadingDecimal(fields[3]).value_or(0);
    return parsed;
}
