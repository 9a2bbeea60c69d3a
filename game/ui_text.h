#pragma once
// Texts the player reads that are written where no Qt is: the tutorial's
// pages, why a replay cannot be watched. Each is marked with TORVANE_TEXT, so
// that lupdate finds it (the build tells lupdate that TORVANE_TEXT is spelled
// like QT_TRANSLATE_NOOP); the window translates it where it shows it, and
// torvane-sim prints the English source.

#include <string>
#include <vector>

// The English source and the translation context it is found under.
struct UiText {
    const char* context = nullptr;
    const char* source = nullptr;
};

#define TORVANE_TEXT(context, source) (UiText{context, source})

// A text with what fills its %1, %2, ...: file names, numbers, the system's
// own words; never a piece of English of ours, which would escape translation.
struct UiMessage {
    UiText text;
    std::vector<std::string> args;

    bool Empty() const { return text.source == nullptr; }
    // The source with its arguments in place.
    std::string English() const;
};

// Puts args[N-1] for each %N (1 to 9) of a pattern, in one pass: an argument
// that holds "%2" stays as it is. For std::string and QString alike.
template <class String, class Args>
String FillArguments(const String& pattern, const Args& args) {
    String out;
    const auto size = static_cast<std::size_t>(pattern.size());
    for (std::size_t i = 0; i < size; ++i) {
        std::size_t n = 9;
        for (char digit = '1'; digit <= '9' && i + 1 < size && pattern[i] == '%'; ++digit) {
            if (pattern[i + 1] == digit) {
                n = static_cast<std::size_t>(digit - '1');
            }
        }
        if (n < static_cast<std::size_t>(args.size())) {
            out += args[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
