#pragma once
// The text of the settings file, in the INI dialect that QSettings writes:
// "[Section]" lines, "key=value" lines, ";" comments, values escaped with
// backslashes and quoted when they hold a comma, a semicolon or an equals
// sign (settings_value.h). Files of earlier versions read as QSettings wrote
// them, a file a player edited reads as QSettings reads it (or not at all),
// and what is written here reads the same in QSettings.
//
// Values are kept as the text found in the file, so that a value this
// program does not understand is written back exactly as it was.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "game/settings_store.h"

class CSettingsText {
  public:
    // A settings file is a few hundred bytes; anything larger is not ours.
    static constexpr qsizetype kLargestFile = 1 << 20;

    // Nothing when the bytes are not a settings file: too large, not UTF-8,
    // control characters, a line that is neither a section, a comment nor a
    // key=value, a quote left open, a key QSettings could not find again.
    static std::optional<CSettingsText> Parse(const QByteArray& bytes);
    QByteArray ToBytes() const;

    // Keys are paths: "Settings/Quiet" is Quiet in [Settings]; a key without
    // a slash belongs to the top level.
    std::optional<SettingValue> Value(const QString& key) const;
    // The value's text as the file holds it; nothing when the key is absent.
    std::optional<QString> RawValue(const QString& key) const;
    void SetRawValue(const QString& key, const QString& raw);
    void Remove(const QString& key);
    // The names of the values directly in the group ("" is the top level).
    QStringList ChildKeys(const QString& group) const;
    QStringList Keys() const;
    bool HasGroup(const QString& group) const;

  private:
    struct Entry {
        QString key;
        QString raw;
    };
    std::vector<Entry> entries_;
};
