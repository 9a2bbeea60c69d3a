#pragma once
// The database's own files (the database, its write-ahead log and its shared
// memory) as found on disk: anything there that is not a plain file, a link
// above all, is never opened but renamed out of the way.

#include <QString>
#include <QStringList>

// The database path and the two files SQLite keeps beside it.
QStringList HistoryFiles(const QString& path);

// A name beside `path` that is not taken yet: ".<what>-YYYYMMDD-HHMMSS" added,
// and a number when that is taken too.
QString AsideName(const QString& path, const QString& what);

// Finds the files that are links, folders, pipes or devices and, with
// `rename`, renames them; returns the (new) name of the first, empty when
// every file there is a plain one.
QString SetAsideNonFiles(const QString& path, bool rename);

// Renames the database with its log and shared memory as `what` says;
// returns the database's new name, empty when it could not be moved.
QString SetAsideDatabase(const QString& path, const QString& what);
