#include "script/replay_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "script/script_text.h"

namespace {

// Read in pieces, with a look at whether to stop between them.
constexpr std::size_t kReadPiece = 1 << 20;

ReplayCheck Refused(ReplayVerdict verdict, UiText text, std::vector<std::string> args = {}) {
    ReplayCheck check;
    check.verdict = verdict;
    check.problem = {text, std::move(args)};
    return check;
}

// The system's own words for why (they come in the reader's language).
ReplayCheck Unreadable(const std::string& path, int error) {
    return Refused(ReplayVerdict::Unreadable,
                   TORVANE_TEXT("ReplayFile", "The replay %1 cannot be read: %2."),
                   {path, std::strerror(error)});
}

// Anything but a regular file, said in words, or nothing for one.
std::optional<UiText> NotAFile(mode_t mode) {
    if (S_ISREG(mode)) {
        return std::nullopt;
    }
    return S_ISLNK(mode) ? TORVANE_TEXT("ReplayFile",
                                        "The replay %1 cannot be read: it is a symbolic link, "
                                        "not a file.")
           : S_ISDIR(mode)
               ? TORVANE_TEXT("ReplayFile",
                              "The replay %1 cannot be read: it is a folder, not a file.")
           : S_ISCHR(mode) || S_ISBLK(mode)
               ? TORVANE_TEXT("ReplayFile",
                              "The replay %1 cannot be read: it is a device, not a file.")
           : S_ISFIFO(mode)
               ? TORVANE_TEXT("ReplayFile",
                              "The replay %1 cannot be read: it is a pipe, not a file.")
           : S_ISSOCK(mode)
               ? TORVANE_TEXT("ReplayFile",
                              "The replay %1 cannot be read: it is a socket, not a file.")
               : TORVANE_TEXT("ReplayFile",
                              "The replay %1 cannot be read: it is not a regular file.");
}

std::optional<ReplayCheck> Unfit(const std::string& path, const struct stat& info) {
    if (const std::optional<UiText> what = NotAFile(info.st_mode)) {
        return Refused(ReplayVerdict::Unreadable, *what, {path});
    }
    if (static_cast<std::uint64_t>(info.st_size) > kScriptTextLimit) {
        return Refused(ReplayVerdict::TooLarge,
                       TORVANE_TEXT("ReplayFile",
                                    "This file is too large to be a Torvane replay: it is larger "
                                    "than %1 MB, more than any game writes."),
                       {std::to_string(kScriptTextLimit >> 20)});
    }
    return std::nullopt;
}

// Whether the first bytes can begin a replay: gzip data, or the text of its
// first line so far. Anything else is refused before the rest is read.
bool MayBeginAReplay(std::string_view first) {
    constexpr std::string_view kGzip = "\x1f\x8b";
    constexpr std::string_view kFirstLine = "# Torvane replay";
    return kGzip.starts_with(first.substr(0, kGzip.size())) ||
           kFirstLine.starts_with(first.substr(0, kFirstLine.size()));
}

class CFileHandle {
  public:
    explicit CFileHandle(int fd) : fd_(fd) {}
    ~CFileHandle() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

ReplayCheck ReadReplayFile(const std::string& path, const std::string& version,
                           ReplayProgress* progress) {
    std::string stored;
    if (std::optional<ReplayCheck> refused = ReadStoredReplay(path, stored, progress)) {
        return *refused;
    }
    return CheckReplay(std::move(stored), version, progress);
}

std::optional<ReplayCheck> ReadStoredReplay(const std::string& path, std::string& stored,
                                            ReplayProgress* progress, bool ownFile) {
    // Looked at before it is opened, so that a pipe never blocks the open.
    struct stat info {};
    if ((ownFile ? lstat(path.c_str(), &info) : stat(path.c_str(), &info)) != 0) {
        return Unreadable(path, errno);
    }
    if (std::optional<ReplayCheck> unfit = Unfit(path, info)) {
        return unfit;
    }
    // And opened without waiting all the same, should it have been swapped
    // for a pipe or a link in between; what was opened is what counts.
    const int noLink = ownFile ? O_NOFOLLOW : 0;
    const CFileHandle file(
        open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | noLink));
    if (file.fd() < 0 && errno == ELOOP) {
        info.st_mode = S_IFLNK;
        return Unfit(path, info);
    }
    if (file.fd() < 0 || fstat(file.fd(), &info) != 0) {
        return Unreadable(path, errno);
    }
    if (std::optional<ReplayCheck> unfit = Unfit(path, info)) {
        return unfit;
    }
    stored.clear();
    const auto piece = std::make_unique<char[]>(kReadPiece);
    for (;;) {
        if (progress != nullptr) {
            if (progress->stop) {
                return Refused(ReplayVerdict::Stopped, {});
            }
            const double read =
                static_cast<double>(stored.size()) / std::max<off_t>(info.st_size, 1);
            progress->permille = static_cast<int>(500 * std::min(read, 1.0));
        }
        const ssize_t got = read(file.fd(), piece.get(), kReadPiece);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return Unreadable(path, errno);
        }
        if (got == 0) {
            break;
        }
        stored.append(piece.get(), static_cast<std::size_t>(got));
        if (!MayBeginAReplay(stored)) {
            return Refused(ReplayVerdict::NotAReplay,
                           TORVANE_TEXT("ReplayFile", "This file is not a Torvane replay."));
        }
        // Room for the rest at once, now that it may be a replay.
        stored.reserve(static_cast<std::size_t>(info.st_size));
        // A file that grows while it is read.
        if (stored.size() > kScriptTextLimit) {
            info.st_size = static_cast<off_t>(stored.size());
            return Unfit(path, info);
        }
    }
    return std::nullopt;
}
