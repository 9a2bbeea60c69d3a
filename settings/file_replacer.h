#pragma once
// Replacing a file of the game's with new contents so that nothing is lost
// whatever happens on the way (a full disk, a quota, an I/O error, the
// program killed): the bytes go to a new file beside it, every write, the
// sync to the disk and the close are checked, and only then is it renamed
// over the old one. On any failure the old file stays exactly as it was and
// the new one is removed.
//
// `path` itself is replaced: a symbolic link there is renamed aside, as a
// damaged file is, never written through (a caller that means to follow a
// link passes what it points to).

#include <QByteArrayView>
#include <QString>
#include <optional>

// Why the file could not be written (the system's words), or nothing when
// it was.
std::optional<QString> ReplaceFile(const QString& path, QByteArrayView bytes);

// "FILE: why", for a message that names the file.
QString FileFailure(const QString& path, const QString& why);

// A seam for tests: the system calls of ReplaceFile (open, each write, sync,
// close, rename) are counted from the moment this is called, and the one
// numbered `step` (from 0) fails as on a full disk; a negative step fails
// none. Fired tells whether it has failed since.
void FailFileStep(int step);
bool FileStepFailed();
