#pragma once
// The text of one stored high score: "a|NAME|SCORE|TIME". Names are stored
// without escaping, so a name must never contain the separator (see
// score_name.h); scores are unsigned 32-bit and times 64-bit seconds, both in
// decimal so that records written by older 32-bit builds still read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ScoreRecord {
    std::string name;
    std::uint32_t score = 0;
    // 0 when the record holds no usable time; the table substitutes "now".
    std::int64_t time = 0;
};

// What reading one record tells the table to do.
enum class RecordVerdict {
    kEntry,       // a usable entry
    kUnreadable,  // not a record of ours, too few fields, a score out of range:
                  // damaged, passed over by the table and never rewritten
};

struct ParsedRecord {
    RecordVerdict verdict = RecordVerdict::kUnreadable;
    ScoreRecord record;
};

std::string FormatScoreRecord(const ScoreRecord& record);

// The text ends at its first NUL byte, as a C string would. Fields after the
// fourth are ignored.
ParsedRecord ParseScoreRecord(std::string_view text);

// The decimal number at the start of the text the way atoi finds it (leading
// white space, an optional sign, digits), but without atoi's undefined
// overflow: nothing when there are no digits or the number does not fit.
std::optional<std::int64_t> LeadingDecimal(std::string_view text);
