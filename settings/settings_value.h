#pragma once
// One value of the settings file as its text, in the escapes and quotes of
// QSettings' INI files, and back: read exactly as QSettings reads it, and
// written so that QSettings reads it back unchanged.

#include <QString>
#include <optional>

#include "game/settings_store.h"

// A number is its decimal text, and text that is a valid unsigned 32-bit
// number reads as one; lists and QSettings' typed values that are not text
// read as neither number nor string.
QString EncodeSettingValue(const SettingValue& value);
SettingValue DecodeSettingValue(const QString& raw);
// The text of a value with its quotes and escapes undone, before QSettings
// looks for a type in it; nothing for a list.
std::optional<QString> UnescapeSettingValue(const QString& raw);

// The blanks QSettings passes over: spaces and tabs, never the other white
// space of Unicode.
inline bool IsIniBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

inline bool IsIniHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}
