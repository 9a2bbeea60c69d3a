#pragma once
// Script text as it is stored: plain, or gzip-compressed (the game keeps its
// replays compressed). Both read the same, here and with zcat.

#include <cstddef>
#include <optional>
#include <string>

// More text than any game makes: a damaged or hostile file stops here.
inline constexpr std::size_t kScriptTextLimit = 64u << 20;

// The text of stored bytes; nothing, with the reason in `why`, when
// compressed data is damaged, cut short or expands beyond the limit.
std::optional<std::string> ScriptTextOf(const std::string& bytes, std::string* why = nullptr);

// The text gzip-compressed.
std::string CompressScriptText(const std::string& text);
