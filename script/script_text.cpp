#include "script/script_text.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace {

// zlib's window bits for the gzip wrapper rather than the bare zlib one.
constexpr int kGzipWindow = 15 + 16;
// Unpacked text comes in pieces of this size.
constexpr std::size_t kPiece = 64 * 1024;
// Room made ahead for the text, at most, per stored byte still to read: a
// game's text packs to about a twelfth of its size.
constexpr std::size_t kMostUnpacked = 16;

bool IsGzip(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
           static_cast<unsigned char>(bytes[1]) == 0x8b;
}

}  // namespace

const char* ScriptFaultText(ScriptFault fault) {
    switch (fault) {
        case ScriptFault::None:
            break;
        case ScriptFault::TooLarge:
            return "the text is larger than any game writes";
        case ScriptFault::CutShort:
            return "the compressed data is cut short";
        case ScriptFault::Damaged:
            return "the compressed data is damaged";
        case ScriptFault::LongLine:
            return "a line is longer than any command";
    }
    return "";
}

CScriptText::CScriptText(std::string_view stored, std::size_t limit)
    : stored_(stored), limit_(limit) {
    if (!IsGzip(stored)) {
        return;
    }
    stream_ = std::make_unique<z_stream_s>();
    if (inflateInit2(stream_.get(), kGzipWindow) != Z_OK) {
        stream_.reset();
        Stop(ScriptFault::Damaged);
        return;
    }
    buffer_ = std::make_unique<char[]>(kPiece);
}

CScriptText::~CScriptText() {
    if (stream_) {
        inflateEnd(stream_.get());
    }
}

bool CScriptText::Stop(ScriptFault fault) {
    fault_ = fault;
    ended_ = true;
    return false;
}

std::size_t CScriptText::Consumed() const {
    return stream_ ? fed_ - stream_->avail_in : given_;
}

std::size_t CScriptText::SizeHint() const {
    if (!stream_ || given_ >= limit_) {
        return 0;  // plain text comes whole, and nothing comes past the limit
    }
    // The gzip trailer ends with the size of its member's text, modulo 2^32.
    const auto* end = reinterpret_cast<const unsigned char*>(stored_.data() + stored_.size());
    const std::uint32_t size = stored_.size() < 4 ? 0
                                                  : end[-4] | end[-3] << 8 | end[-2] << 16 |
                                                        static_cast<std::uint32_t>(end[-1]) << 24;
    const std::size_t left = stored_.size() - Consumed();
    return std::min({std::size_t{size}, left * kMostUnpacked, limit_ - given_});
}

bool CScriptText::Next(std::string_view& piece) {
    if (ended_) {
        return false;
    }
    if (!stream_) {
        if (stored_.size() > limit_) {
            return Stop(ScriptFault::TooLarge);
        }
        ended_ = true;
        piece = stored_;
        given_ = stored_.size();
        return !piece.empty();
    }
    for (;;) {
        if (stream_->avail_in == 0 && fed_ < stored_.size()) {
            const std::size_t more = std::min<std::size_t>(stored_.size() - fed_, UINT_MAX);
            stream_->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stored_.data() + fed_));
            stream_->avail_in = static_cast<uInt>(more);
            fed_ += more;
        }
        stream_->next_out = reinterpret_cast<Bytef*>(buffer_.get());
        stream_->avail_out = static_cast<uInt>(kPiece);
        const int status = inflate(stream_.get(), Z_NO_FLUSH);
        const std::size_t made = kPiece - stream_->avail_out;
        given_ += made;
        if (given_ > limit_) {
            return Stop(ScriptFault::TooLarge);
        }
        if (status == Z_STREAM_END) {
            // Gzip members one after another read as one text, as with zcat:
            // a file written again and again as a game goes on puts its
            // header in a member of its own.
            const auto* rest = reinterpret_cast<const char*>(stream_->next_in);
            ended_ = !IsGzip(std::string_view(rest, stream_->avail_in)) ||
                     inflateReset(stream_.get()) != Z_OK;
        } else if (status == Z_BUF_ERROR || (status == Z_OK && made == 0 &&
                                             stream_->avail_in == 0 && fed_ == stored_.size())) {
            // Output space was left and nothing came: the data ends too early.
            return Stop(ScriptFault::CutShort);
        } else if (status != Z_OK) {
            return Stop(ScriptFault::Damaged);
        }
        if (made != 0) {
            piece = std::string_view(buffer_.get(), made);
            return true;
        }
        if (ended_) {
            return false;
        }
    }
}

std::optional<std::string> ScriptTextOf(std::string bytes, std::string* why) {
    // Plain bytes are their own text: a long game's is handed on, not copied.
    if (!IsGzip(bytes) && bytes.size() <= kScriptTextLimit) {
        return bytes;
    }
    CScriptText reader(bytes);
    std::string text;
    text.reserve(reader.SizeHint());
    for (std::string_view piece; reader.Next(piece);) {
        text += piece;
    }
    if (reader.Fault() != ScriptFault::None) {
        if (why != nullptr) {
            *why = ScriptFaultText(reader.Fault());
        }
        return std::nullopt;
    }
    return text;
}

std::string CompressScriptText(const std::string& text) {
    z_stream stream{};
    // The default level: the best one takes twice as long for a few bytes less,
    // and the game writes its replay the moment a game ends.
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(text.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}
