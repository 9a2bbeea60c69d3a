#pragma once
// Stored script text, line by line, as views into the text: nothing is copied
// but the start of a line that runs from one piece of unpacked text into the
// next, and no line may be longer than any command.

#include <string>
#include <string_view>

#include "script/script_text.h"

class CScriptLines {
  public:
    // `stored` must outlive the reader.
    explicit CScriptLines(std::string_view stored, std::size_t limit = kScriptTextLimit)
        : text_(stored, limit) {}

    // The next line without its line break, valid until the next call; false
    // at the end of the text or at a fault.
    bool Next(std::string_view& line);
    // The number of the line last given, from 1.
    int Number() const { return number_; }
    ScriptFault Fault() const { return longLine_ ? ScriptFault::LongLine : text_.Fault(); }
    std::size_t Consumed() const { return text_.Consumed(); }
    // About how much text is left to read (see CScriptText::SizeHint).
    std::size_t SizeHint() const { return piece_.size() + text_.SizeHint(); }

  private:
    CScriptText text_;
    std::string_view piece_;
    std::string carried_;
    int number_ = 0;
    bool longLine_ = false;
};
