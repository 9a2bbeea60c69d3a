#include "history/replay_figures.h"

#include <QCryptographicHash>
#include <charconv>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "script/sim_runner.h"

namespace {

// The number after `key` in a line of the runner's JSON, 0 when absent.
std::int64_t NumberAfter(std::string_view line, std::string_view key) {
    const std::size_t at = line.find(key);
    std::int64_t value = 0;
    if (at != std::string_view::npos) {
        const char* begin = line.data() + at + key.size();
        std::from_chars(begin, line.data() + line.size(), value);
    }
    return value;
}

// Counts the events the runner prints, a line at a time, keeping none.
class CEventCounter : public std::streambuf {
  public:
    explicit CEventCounter(GameFigures& figures) : figures_(figures) {}

  protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) {
            Put(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize i = 0; i < n; ++i) {
            Put(s[i]);
        }
        return n;
    }

  private:
    void Put(char c) {
        if (c != '\n') {
            // Only the start of a line tells what it is; a state's lattice
            // can run long.
            if (line_.size() < kKeep) {
                line_.push_back(c);
            }
            return;
        }
        const std::string_view line = line_;
        if (line.starts_with(R"({"ev":"ring")")) {
            ++figures_.rings;
            figures_.ringGems += static_cast<std::uint32_t>(NumberAfter(line, R"("gems":)"));
        } else if (line.starts_with(R"({"ev":"snap")")) {
            ++figures_.snapped;
        } else if (line.starts_with(R"({"ev":"bomb")")) {
            ++figures_.bombs;
        } else if (line.starts_with(R"({"ev":"state")")) {
            lastInstant = NumberAfter(line, R"("t":)");
        }
        line_.clear();
    }

    static constexpr std::size_t kKeep = 64;
    GameFigures& figures_;
    std::string line_;

  public:
    std::int64_t lastInstant = 0;
};

// The number of the first line `word N` of a script.
std::optional<std::int64_t> FirstNumber(std::string_view text, std::string_view word) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (line.starts_with(word) && line.size() > word.size() && line[word.size()] == ' ') {
            std::int64_t value = 0;
            const auto [ptr, error] =
                std::from_chars(line.data() + word.size() + 1, line.data() + line.size(), value);
            if (error == std::errc() && ptr == line.data() + line.size()) {
                return value;
            }
        }
        at = end + 1;
    }
    return std::nullopt;
}

}  // namespace

ReplayFigures FiguresOfReplay(std::string stored, const std::string& version) {
    ReplayFigures result;
    GameFigures& figures = result.figures;
    CEventCounter counter(figures);
    std::ostream events(&counter);
    std::string text;
    {
        CSimRunner runner(events);
        result.check = PlayReplay(std::move(stored), version, runner, nullptr, &text);
    }
    result.check.stored.clear();  // the caller has its own copy
    figures.score = result.check.score;
    if (!result.check.difficulties.empty()) {
        figures.difficultyStart = result.check.difficulties.front();
        figures.difficultyEnd = result.check.difficulties.back();
    }
    if (result.check.verdict == ReplayVerdict::Watchable) {
        figures.dailyDate = QString::fromStdString(result.check.daily);
    }
    const std::optional<std::int64_t> seed = FirstNumber(text, "seed");
    if (seed && *seed >= 0 && *seed <= UINT32_MAX) {
        figures.gameNumber = static_cast<std::uint32_t>(*seed);
    }
    figures.playedMs =
        std::max<std::int64_t>(0, counter.lastInstant - FirstNumber(text, "at").value_or(0));
    figures.lost = text.find("\nend\n") == std::string::npos;
    figures.digest = QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())),
                                 QCryptographicHash::Sha256)
            .toHex());
    return result;
}
