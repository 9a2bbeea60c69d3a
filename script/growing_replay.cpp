#include "script/growing_replay.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

#include "script/script_text.h"

namespace {

constexpr int kGzipWindow = 15 + 16;
constexpr std::size_t kOutPiece = 64 * 1024;

// Runs the compressor over `text` until it has taken all of it (and, with
// Z_FINISH, closed the member), appending what comes out.
void Pack(z_stream_s& stream, std::string_view text, int flush, std::string& out) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    char piece[kOutPiece];
    int status = Z_OK;
    do {
        stream.next_out = reinterpret_cast<Bytef*>(piece);
        stream.avail_out = static_cast<uInt>(sizeof piece);
        status = deflate(&stream, flush);
        out.append(piece, sizeof piece - stream.avail_out);
    } while (status == Z_OK && (stream.avail_in != 0 || stream.avail_out == 0 ||
                                (flush == Z_FINISH && status != Z_STREAM_END)));
}

}  // namespace

CGrowingReplay::CGrowingReplay() : stream_(std::make_unique<z_stream_s>()) {
    deflateInit2(stream_.get(), Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindow, 8,
                 Z_DEFAULT_STRATEGY);
}

CGrowingReplay::~CGrowingReplay() {
    deflateEnd(stream_.get());
}

void CGrowingReplay::Add(std::string_view lines) {
    // In pieces a zlib length can hold.
    while (!lines.empty()) {
        const std::string_view piece =
            lines.substr(0, std::min<std::size_t>(lines.size(), UINT_MAX));
        Pack(*stream_, piece, Z_NO_FLUSH, packed_);
        lines.remove_prefix(piece.size());
    }
}

std::string CGrowingReplay::File(const std::string& header) const {
    std::string file = CompressScriptText(header);
    file += packed_;
    z_stream_s copy{};
    if (deflateCopy(&copy, stream_.get()) != Z_OK) {
        return {};
    }
    Pack(copy, "state\n", Z_FINISH, file);
    deflateEnd(&copy);
    return file;
}
