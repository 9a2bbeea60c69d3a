#include "settings/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <system_error>

namespace {

QString Reason(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

}  // namespace

FileContents ReadRegularFile(const QString& path, qsizetype bound) {
    FileContents contents;
    // Without waiting: opening a pipe that nobody writes would wait forever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR) {
            contents = {FileContents::Kind::kUnreadable, {}, Reason(error)};
        }
        return contents;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        return folder ? FileContents{FileContents::Kind::kUnreadable, {}, Reason(EISDIR)}
                      : FileContents{FileContents::Kind::kNotAFile, {}, {}};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {FileContents::Kind::kUnreadable, {}, file.errorString()};
    }
    contents.bytes = file.read(bound + 1);
    if (file.error() != QFileDevice::NoError) {
        return {FileContents::Kind::kUnreadable, {}, file.errorString()};
    }
    contents.kind = FileContents::Kind::kRead;
    return contents;
}

QString FileBehind(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    if (!target.isEmpty()) {
        return target;
    }
    // A link to nothing (yet): where it points, link after link, within
    // the system's own bound on a chain of them.
    QString behind = path;
    for (int link = 0; link < 40 && QFileInfo(behind).isSymLink(); ++link) {
        behind = QFileInfo(behind).symLinkTarget();
    }
    return behind;
}
