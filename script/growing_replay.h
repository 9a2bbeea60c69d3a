#pragma once
// A replay written again and again while its game goes on (the game kept in
// case the program ends before it does): each file is the replay so far,
// from the header of the moment to the closing `state`. The lines are
// compressed once, as they come; a file is the header in a gzip member of
// its own, then the lines so far in a second one, closed on a copy of the
// compressor. So a save costs the new lines and the bytes written, however
// long the game has run.

#include <memory>
#include <string>
#include <string_view>

struct z_stream_s;

class CGrowingReplay {
  public:
    CGrowingReplay();
    ~CGrowingReplay();
    CGrowingReplay(const CGrowingReplay&) = delete;
    CGrowingReplay& operator=(const CGrowingReplay&) = delete;

    // Lines of the recording, following those added before.
    void Add(std::string_view lines);
    // The replay as a file: `header` (ReplayHeaderText), the lines so far
    // and `state`, gzip-compressed.
    std::string File(const std::string& header) const;

  private:
    std::unique_ptr<z_stream_s> stream_;
    // What the compressor has put out so far.
    std::string packed_;
};
