#pragma once
// The program in the reader's language. The system names the languages it
// wants, most wanted first (LANGUAGE, then LC_ALL, LC_MESSAGES or LANG); the
// first one the program is translated into is used, with Qt's own
// translation for Qt's words (dialog buttons, file dialogs, the command
// line's help) in the same language. English, the language of the sources,
// where English comes first or no translation is found.

#include <QString>

#include "game/ui_text.h"

// Where the program keeps what it reads at run time, seen from its own folder:
// <prefix>/share/torvane beside <prefix>/bin (or <prefix>/games), and the
// same in the build tree.
inline constexpr const char* kDataFolderFromProgram = "../share/torvane";

// The translations beside a program in `programDir`.
QString TranslationFolder(const QString& programDir);

// Installs the translations found in `folder` for the system's languages
// into the running application, which keeps them. Returns the language
// chosen, as TranslationLanguage does.
QString InstallTranslations(const QString& folder);

// The language of the translation in use, as its file names it ("de"), or
// empty for English.
QString TranslationLanguage();

// A text of the Qt-free layers, and one with its arguments, as the reader
// reads it.
QString Translated(const UiText& text);
QString Translated(const UiMessage& message);
