#include "settings/file_replacer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <random>
#include <system_error>

#include "settings/damaged_file.h"

namespace {

// Small enough that a failing write in the middle of a file is a step of
// its own for the seam; large enough to cost nothing.
constexpr qsizetype kWritePiece = 1 << 16;

std::atomic<int> stepsLeft{-1};
std::atomic<bool> stepFailed{false};

// Whether the next system call is to fail, as the seam asks.
bool FailsNow() {
    int left = stepsLeft.load();
    while (left >= 0 && !stepsLeft.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0) {
        stepFailed = true;
        errno = ENOSPC;
        return true;
    }
    return false;
}

QString Reason(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

// A new file beside `path`, hidden, made with the umask's permissions.
int CreateBeside(const QString& path, QByteArray& name) {
    const QFileInfo info(path);
    std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(info.path() + QStringLiteral("/.") + info.fileName() +
                                 QStringLiteral(".new-") + QString::number(device(), 36));
        if (FailsNow()) {
            return -1;
        }
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAll(int fd, QByteArrayView bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        if (FailsNow()) {
            return false;
        }
        const ssize_t wrote =
            ::write(fd, bytes.data() + done,
                    static_cast<size_t>(std::min(kWritePiece, bytes.size() - done)));
        if (wrote < 0 && errno != EINTR) {
            return false;
        }
        done += std::max<ssize_t>(wrote, 0);
    }
    return true;
}

}  // namespace

std::optional<QString> ReplaceFile(const QString& path, QByteArrayView bytes) {
    // A link in the file's place goes aside whole: never written through,
    // and never lost either.
    struct stat there {};
    if (::lstat(QFile::encodeName(path).constData(), &there) == 0 && S_ISLNK(there.st_mode) &&
        ::rename(QFile::encodeName(path).constData(),
                 QFile::encodeName(DamagedFileName(path)).constData()) != 0) {
        return Reason(errno);
    }
    QByteArray temporary;
    const int fd = CreateBeside(path, temporary);
    if (fd < 0) {
        return Reason(errno);
    }
    // The old file's permissions carry over to the new one.
    struct stat old {};
    bool written = ::lstat(QFile::encodeName(path).constData(), &old) != 0 ||
                   !S_ISREG(old.st_mode) || ::fchmod(fd, old.st_mode & 07777) == 0;
    written = written && WriteAll(fd, bytes) && !FailsNow() && ::fsync(fd) == 0;
    int error = errno;
    // A close can report a write that failed late (a network disk, a quota).
    const bool closeFails = FailsNow();
    const int closeError = closeFails ? errno : 0;
    if ((::close(fd) != 0 || closeFails) && written) {
        written = false;
        error = closeFails ? closeError : errno;
    }
    if (written && !FailsNow() &&
        ::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0) {
        return std::nullopt;
    }
    if (written) {
        error = errno;
    }
    ::unlink(temporary.constData());
    return Reason(error);
}

QString FileFailure(const QString& path, const QString& why) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
}

void FailFileStep(int step) {
    stepFailed = false;
    stepsLeft = step;
}

bool FileStepFailed() {
    return stepFailed;
}
