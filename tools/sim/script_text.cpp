#include "tools/sim/script_text.h"

#include <zlib.h>

#include <climits>

namespace {

// zlib's window bits for the gzip wrapper rather than the bare zlib one.
constexpr int kGzipWindow = 15 + 16;

bool IsGzip(const std::string& bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f &&
           static_cast<unsigned char>(bytes[1]) == 0x8b;
}

std::optional<std::string> Fail(std::string* why, const char* reason) {
    if (why != nullptr) {
        *why = reason;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ScriptTextOf(const std::string& bytes, std::string* why) {
    if (!IsGzip(bytes)) {
        return bytes;
    }
    if (bytes.size() > UINT_MAX) {
        return Fail(why, "the compressed data is too large");
    }
    z_stream stream{};
    if (inflateInit2(&stream, kGzipWindow) != Z_OK) {
        return Fail(why, "the compressed data cannot be read");
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    std::string text;
    char chunk[1 << 16];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        text.append(chunk, sizeof chunk - stream.avail_out);
        if (text.size() > kScriptTextLimit) {
            inflateEnd(&stream);
            return Fail(why, "the compressed data expands beyond any game");
        }
        // Output space was left and nothing came: the data ends too early.
        if (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) {
            status = Z_BUF_ERROR;
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) {
        return Fail(why, status == Z_BUF_ERROR ? "the compressed data is cut short"
                                               : "the compressed data is damaged");
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
