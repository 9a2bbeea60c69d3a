#pragma once
// Script text as it is stored: plain, or gzip-compressed (the game keeps its
// replays compressed). Both read the same, here and with zcat. The text is
// read a piece at a time, so that reading never holds more of it than one
// piece: plain bytes are their own text, compressed ones are unpacked into a
// buffer of the reader's.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// What the longest game writes: seven hours of dragging the wheel with a
// 1000 Hz mouse without a break, every millisecond an `at` and a `turn` line
// ("at 1234567890123", "turn -125663.70614359173": 42 bytes), 150 MB an hour.
// Stored bytes or text beyond it are no game's: a damaged or hostile file
// stops here.
inline constexpr std::size_t kScriptTextLimit = std::size_t{1} << 30;
inline constexpr std::size_t kBytesPerDraggedMs = 42;
static_assert(kScriptTextLimit >= std::size_t{7} * 3600 * 1000 * kBytesPerDraggedMs);
// Far longer than any command or header line; a longer one is damage.
inline constexpr std::size_t kScriptLineLimit = 64 * 1024;

// Why stored text stopped before its end.
enum class ScriptFault { None, TooLarge, CutShort, Damaged, LongLine };
// In words, for a message: "the compressed data is cut short".
const char* ScriptFaultText(ScriptFault fault);

struct z_stream_s;

class CScriptText {
  public:
    // `stored` must outlive the reader.
    explicit CScriptText(std::string_view stored, std::size_t limit = kScriptTextLimit);
    ~CScriptText();
    CScriptText(const CScriptText&) = delete;
    CScriptText& operator=(const CScriptText&) = delete;

    // The next piece of text, valid until the next call; false at the end of
    // the text or at a fault.
    bool Next(std::string_view& piece);
    ScriptFault Fault() const { return fault_; }
    // How many of the stored bytes have been read.
    std::size_t Consumed() const;
    // About how much text is still to come, to make room for it at once: the
    // size the last gzip member's trailer gives, but no more than 16 times
    // the stored bytes left nor than the limit leaves. A hint only: the text
    // may belie it.
    std::size_t SizeHint() const;

  private:
    bool Stop(ScriptFault fault);

    std::string_view stored_;
    std::size_t limit_;
    std::size_t given_ = 0;
    std::size_t fed_ = 0;
    // Null for plain text.
    std::unique_ptr<z_stream_s> stream_;
    std::unique_ptr<char[]> buffer_;
    bool ended_ = false;
    ScriptFault fault_ = ScriptFault::None;
};

// The whole text of stored bytes; nothing, with the reason in `why`, when
// compressed data is damaged, cut short or expands beyond the limit.
std::optional<std::string> ScriptTextOf(std::string bytes, std::string* why = nullptr);

// The text gzip-compressed.
std::string CompressScriptText(const std::string& text);
