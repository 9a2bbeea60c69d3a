#include "scores/core/score_name.h"

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes the UTF-8 sequence at `at`. False for a byte that starts no whole
// sequence; `length` is then 1 so the reader steps over just that byte.
bool DecodeNext(std::string_view text, std::size_t at, char32_t& c, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = 1;
    if (lead < 0x80) {
        c = lead;
        return true;
    }
    std::size_t expected = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        expected = 2;
        c = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        expected = 3;
        c = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        expected = 4;
        c = lead & 0x07u;
    } else {
        return false;
    }
    if (at + expected > text.size()) {
        return false;
    }
    for (std::size_t i = 1; i < expected; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuationByte(byte)) {
            return false;
        }
        c = (c << 6) | (byte & 0x3Fu);
    }
    length = expected;
    return true;
}

}  // namespace

bool IsRefusedNameCharacter(char32_t c) {
    return c == U'|' || c < 0x20 || (c >= 0x7F && c < 0xA0);
}

std::string FilterScoreName(std::string_view typed) {
    std::string name;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < typed.size() && characters < kMaxScoreNameLength;) {
        char32_t c = 0;
        std::size_t length = 1;
        const bool whole = DecodeNext(typed, at, c, length);
        if (whole && !IsRefusedNameCharacter(c)) {
            name += typed.substr(at, length);
            ++characters;
        }
        at += length;
    }
    return name;
}
