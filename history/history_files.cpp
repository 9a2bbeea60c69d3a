#include "history/history_files.h"

#include <sys/stat.h>

#include <cstdio>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

QStringList HistoryFiles(const QString& path) {
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

QString AsideName(const QString& path, const QString& what) {
    const QString base = path + QLatin1Char('.') + what + QLatin1Char('-') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++n) {
        name = base + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

QString SetAsideNonFiles(const QString& path, bool rename) {
    QString moved;
    for (const QString& file : HistoryFiles(path)) {
        struct stat status {};
        if (::lstat(QFile::encodeName(file).constData(), &status) != 0 || S_ISREG(status.st_mode)) {
            continue;
        }
        if (!rename) {
            return file;
        }
        // rename() moves the link itself, never what it points to.
        const QString aside = AsideName(file, QStringLiteral("not-a-file"));
        if (::rename(QFile::encodeName(file).constData(), QFile::encodeName(aside).constData()) ==
                0 &&
            moved.isEmpty()) {
            moved = aside;
        }
    }
    return moved;
}

QString SetAsideDatabase(const QString& path, const QString& what) {
    const QString aside = AsideName(path, what);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
        return {};
    }
    // The log belongs to the file it was written for: it goes with it, or a
    // fresh database would read it as its own.
    const QStringList from = HistoryFiles(path);
    const QStringList to = HistoryFiles(aside);
    for (int i = 1; i < from.size(); ++i) {
        ::rename(QFile::encodeName(from[i]).constData(), QFile::encodeName(to[i]).constData());
    }
    return aside;
}
