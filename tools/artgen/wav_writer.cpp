#include "tools/artgen/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

void PutU32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void PutU16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

}  // namespace

QByteArray EncodeWav8(const std::vector<double>& samples, int sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    QByteArray out;
    out.append("RIFF");
    // An odd-sized data chunk is followed by a pad byte.
    PutU32(out, 36 + dataSize + (dataSize & 1));
    out.append("WAVE");
    out.append("fmt ");
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, static_cast<std::uint32_t>(sampleRate));
    PutU32(out, static_cast<std::uint32_t>(sampleRate));  // bytes per second
    PutU16(out, 1);                                       // block align
    PutU16(out, 8);                                       // bits per sample
    out.append("data");
    PutU32(out, dataSize);
    for (double s : samples) {
        const long v = std::lround(128.0 + 127.0 * std::clamp(s, -1.0, 1.0));
        out.append(static_cast<char>(static_cast<std::uint8_t>(std::clamp(v, 0L, 255L))));
    }
    // The pad byte after an odd data chunk is not a sample, but a careless
    // reader that plays it anyway hears silence rather than a click.
    if (dataSize & 1) {
        out.append(static_cast<char>(0x80));
    }
    return out;
}
