#pragma once
// Reading a file that anyone may have replaced by something else: only a
// regular file (or a link to one) is read, and never beyond a bound, so that
// a pipe, a device or a file that keeps growing never holds the reader up.

#include <QByteArray>
#include <QString>

struct FileContents {
    enum class Kind {
        kMissing,     // nothing there (or no folder for it)
        kRead,        // `bytes`: at most the bound and one byte more
        kNotAFile,    // a pipe, a device: never read
        kUnreadable,  // `why`: no permission, a folder, ...
    };
    Kind kind = Kind::kMissing;
    QByteArray bytes;
    QString why;
};

FileContents ReadRegularFile(const QString& path, qsizetype bound);

// What a path names in the end: the target of a symbolic link (of a chain
// of them, even where it points to nothing yet), or the path itself.
QString FileBehind(const QString& path);
