#pragma once
// What the name field of the high-score entry accepts. The record stores the
// name between separators without escaping, so the separator can never be
// part of a name; control characters would break the record or the list line.
// The length is what a person would type; it keeps every record short.

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxScoreNameLength = 32;  // characters, not bytes

// Takes UTF-8 text as the entry field would: refused characters left out,
// then cut to kMaxScoreNameLength characters.
std::string FilterScoreName(std::string_view typed);

bool IsRefusedNameCharacter(char32_t c);
