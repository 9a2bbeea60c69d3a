#pragma once
// Where the help document lives: under InstallPath when an installation has
// stored one, else in the data folder installed beside the program
// (<prefix>/share/torvane/doc next to <prefix>/bin). In the language of the
// translation in use where the folder has it (doc/help_de.html), else in
// English (doc/help.html).

#include <QString>

// The help document's full path, or an empty string when there is none.
// `language` as TranslationLanguage() gives it: "de", "de_DE", or empty.
QString HelpDocumentPath(const QString& programDir, const QString& language);
QString HelpDocumentPath();
