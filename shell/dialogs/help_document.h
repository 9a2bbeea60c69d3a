#pragma once
// Where the help document lives: under InstallPath when an installation has
// stored one, else in the data folder installed beside the program
// (<prefix>/share/torvane/doc next to <prefix>/bin).

#include <QString>

// The relative place of the data folder as seen from the program's folder.
inline constexpr const char* kDataFolderFromProgram = "../share/torvane";

// The help document's full path, or an empty string when there is none.
QString HelpDocumentPath(const QString& programDir);
QString HelpDocumentPath();
