#pragma once
// The top-ten table as stored under the "Scores" key: one string value per
// entry, "000" best. Every user builds a fresh table, loads it, uses it and
// drops it; a table that was changed writes itself back when destroyed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct HighScoreEntry {
    std::string name;
    std::uint32_t score = 0;
    std::int64_t time = 0;  // seconds since 1970 UTC
};

inline constexpr std::size_t kHighScoreTableSize = 10;
// Below this a score is not worth a place, whatever the table holds.
inline constexpr std::uint32_t kMinimumHighScore = 10;

struct SettingValue;

// The rules of the table over any list of entries (best first), for whoever
// keeps entries outside a table (the settings store's unsaved ones):
// reading the records as LoadHighScores reads them (every value of the key,
// `names` in any order, each read by `record`; a time of 0 becomes
// `timeForNone`; `unreadable`, when given, is set when a value is not a
// record the table understands), whether a score earns a place, and placing
// an entry behind every equal or better score (returning its place, without
// cutting the list).
std::vector<HighScoreEntry> ReadHighScoreRecords(
    std::vector<std::string> names,
    const std::function<std::optional<SettingValue>(const std::string& name)>& record,
    std::int64_t timeForNone, bool* unreadable = nullptr);
bool QualifiesForHighScore(const std::vector<HighScoreEntry>& entries, std::uint32_t score);
std::size_t InsertHighScore(std::vector<HighScoreEntry>& entries, HighScoreEntry entry);
// The value name of the record at this place: "000", "001", ...
std::string HighScoreRecordName(std::size_t place);
// How many entries identical to the one in this row (name, score and second)
// stand before it. Identical entries keep their order, and a cut takes the
// last of them first, so the number stays an entry's own for as long as it
// is in the table: what tells apart the games of identical entries.
std::size_t IdenticalBefore(const std::vector<HighScoreEntry>& entries, std::size_t row);

class CHighScoreTable {
  public:
    CHighScoreTable() = default;
    ~CHighScoreTable();
    CHighScoreTable(const CHighScoreTable&) = delete;
    CHighScoreTable& operator=(const CHighScoreTable&) = delete;

    // Reads every record of the key, in the order of their names ("000",
    // "001", ...), and keeps the best ten. A value that is not a record the
    // table understands is passed over, whatever stands around it: one
    // damaged record never takes the good ones with it.
    void LoadHighScores();
    // Whether the last load passed over a value it did not understand.
    bool Unreadable() const { return unreadable_; }
    // Replaces every value of the key by the entries, creating the key first
    // if the installation never did, so that the first score is kept. The
    // table is stored as one whole; returns why that failed, if it did.
    std::optional<std::string> SaveHighScores();

    // True exactly when AddHighScore would keep the score in the table: a
    // score that only ties the last of ten would fall straight out again, so
    // it does not qualify and the player is never asked for a name in vain.
    bool QualifiesForHighScore(std::uint32_t score) const;
    // Places the entry behind every entry of an equal or better score and cuts
    // the table to ten. A time of 0 means now. Returns the entry's place (0 is
    // the best), or nothing when the cut took it straight out again.
    std::optional<std::size_t> AddHighScore(const std::string& name, std::uint32_t score,
                                            std::int64_t time);

    // Best first.
    const std::vector<HighScoreEntry>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }
    bool IsDirty() const { return dirty_; }

  private:
    std::vector<HighScoreEntry> entries_;
    bool dirty_ = false;
    bool unreadable_ = false;
};
