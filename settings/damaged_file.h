#pragma once
// What is kept of a settings file that cannot be read as ours: the file
// itself under a new name beside it, and the high scores whose records can
// still be read, for the fresh file that takes its place.

#include <QByteArray>
#include <QString>

#include "settings/settings_text.h"

// A name beside `path` that is not taken yet: the path with
// ".damaged-YYYYMMDD-HHMMSS" appended (and a number when that is taken).
QString DamagedFileName(const QString& path);

// Every line of the damaged bytes that still reads as a whole score record
// ("NNN=a|name|score|time", in whatever section), as the table would keep
// them: best first, at most ten.
CSettingsText SalvagedScores(const QByteArray& damaged);
