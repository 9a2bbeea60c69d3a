#include "script/script_lines.h"

#include <cstring>

bool CScriptLines::Next(std::string_view& line) {
    if (longLine_) {
        return false;
    }
    carried_.clear();
    for (;;) {
        if (piece_.empty()) {
            if (!text_.Next(piece_)) {
                // The last line needs no line break, unless the text stopped
                // short.
                if (carried_.empty() || text_.Fault() != ScriptFault::None) {
                    return false;
                }
                line = carried_;
                ++number_;
                return true;
            }
        }
        const void* end = std::memchr(piece_.data(), '\n', piece_.size());
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - piece_.data())
                           : piece_.size();
        if (carried_.size() + length > kScriptLineLimit) {
            longLine_ = true;
            return false;
        }
        if (end != nullptr && carried_.empty()) {
            line = piece_.substr(0, length);
            piece_.remove_prefix(length + 1);
            ++number_;
            return true;
        }
        carried_.append(piece_.data(), length);
        piece_.remove_prefix(end != nullptr ? length + 1 : length);
        if (end != nullptr) {
            line = carried_;
            ++number_;
            return true;
        }
    }
}
