#include "settings/settings_text.h"

#include <QStringDecoder>
#include <algorithm>

#include "settings/settings_value.h"

namespace {

// What never stands in a line of the file as QSettings writes it.
bool IsControl(QChar c) {
    return c.unicode() < 0x20 && c != QLatin1Char('\t');
}

// The blanks QSettings passes over are spaces and tabs only, never the other
// white space of Unicode.
QStringView SkipBlanks(QStringView text) {
    while (!text.isEmpty() && IsIniBlank(text.front())) {
        text = text.mid(1);
    }
    return text;
}

QStringView TrimBlanks(QStringView text) {
    text = SkipBlanks(text);
    while (!text.isEmpty() && IsIniBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// Keys and section names escape everything but letters, digits and "_-." as
// %XX or %UXXXX, and write a slash as a backslash. Nothing when the text is
// not one we would write: raw non-ASCII (read differently by QSettings
// versions) or a "%" that starts no escape.
std::optional<QString> UnescapeKey(QStringView text) {
    QString key;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() > 0x7F) {
            return std::nullopt;
        }
        if (c == QLatin1Char('\\')) {
            key += QLatin1Char('/');
        } else if (c != QLatin1Char('%')) {
            key += c;
        } else {
            const bool wide = i + 1 < text.size() && text[i + 1] == QLatin1Char('U');
            const QStringView digits = text.mid(i + (wide ? 2 : 1), wide ? 4 : 2);
            if (digits.size() != (wide ? 4 : 2) ||
                !std::all_of(digits.begin(), digits.end(), IsIniHexDigit)) {
                return std::nullopt;
            }
            key += QChar(digits.toUShort(nullptr, 16));
            i += (wide ? 1 : 0) + digits.size();
        }
    }
    return key;
}

QString EscapeKey(QStringView key) {
    QString text;
    for (const QChar c : key) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('/')) {
            text += QLatin1Char('\\');
        } else if ((u < 0x80 && c.isLetterOrNumber()) || c == QLatin1Char('_') ||
                   c == QLatin1Char('-') || c == QLatin1Char('.')) {
            text += c;
        } else {
            text += (u <= 0xFF ? QStringLiteral("%") : QStringLiteral("%U")) +
                    QString::number(u, 16).toUpper().rightJustified(u <= 0xFF ? 2 : 4, u'0');
        }
    }
    return text;
}

QString GroupOf(const QString& key) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : key.left(slash);
}

QString NameInGroup(const QString& key) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return slash < 0 ? key : key.mid(slash + 1);
}

// The top level is the section "General"; a group of that name is written
// "%General" so that the two stay apart.
QString SectionHeader(const QString& group) {
    if (group.isEmpty()) {
        return QStringLiteral("[General]");
    }
    if (group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("[%") + group + QLatin1Char(']');
    }
    return QLatin1Char('[') + EscapeKey(group) + QLatin1Char(']');
}

std::optional<QString> GroupOfSection(QStringView name) {
    if (name.isEmpty()) {
        return std::nullopt;  // keys QSettings could not find again
    }
    if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
        return QString();
    }
    if (name.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0) {
        return name.mid(1).toString();
    }
    return UnescapeKey(name);
}

// A key as QSettings can find it again: no empty step between slashes.
bool IsWholePath(const QString& key) {
    return !key.isEmpty() && !key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/')) &&
           !key.contains(QLatin1String("//"));
}

// One line as QSettings splits it: what stands before a ";" outside quotes
// (the rest is a comment), and where its first "=" outside quotes is. A
// backslash takes the next character as it is. Nothing when QSettings would
// read on into the next line (a quote left open, a backslash at the end) or
// when a backslash stands before a character beyond ASCII, which QSettings
// cuts in half.
struct IniLine {
    QStringView text;
    qsizetype equals = -1;
};

std::optional<IniLine> SplitLine(QStringView line) {
    IniLine split{line};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('\\')) {
            if (++i == line.size() || line[i].unicode() > 0x7F) {
                return std::nullopt;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char('=') && !quoted && split.equals < 0) {
            split.equals = i;
        } else if (c == QLatin1Char(';') && !quoted) {
            split.text = line.left(i);
            return split;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    return split;
}

}  // namespace

std::optional<CSettingsText> CSettingsText::Parse(const QByteArray& bytes) {
    if (bytes.size() > kLargestFile) {
        return std::nullopt;
    }
    // Stateless: a file cut off inside a character is damaged, not waiting
    // for more bytes.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError() || std::any_of(text.begin(), text.end(), [](QChar c) {
            return IsControl(c) && c != QLatin1Char('\n') && c != QLatin1Char('\r');
        })) {
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xFEFF))) {
        // QSettings keeps the blanks after the mark in the first key.
        if (text.size() > 1 && IsIniBlank(text[1])) {
            return std::nullopt;
        }
        text.remove(0, 1);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');

    CSettingsText parsed;
    QString group;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QStringView whole = SkipBlanks(raw);
        if (whole.isEmpty() || whole.startsWith(QLatin1Char(';'))) {
            continue;
        }
        const std::optional<IniLine> line = SplitLine(whole);
        if (!line) {
            return std::nullopt;
        }
        if (line->text.startsWith(QLatin1Char('['))) {
            // What follows the first "]" is passed over, as QSettings does.
            const qsizetype close = line->text.indexOf(QLatin1Char(']'));
            const std::optional<QString> section =
                close < 0 ? std::nullopt : GroupOfSection(TrimBlanks(line->text.mid(1, close - 1)));
            if (!section || (!section->isEmpty() && !IsWholePath(*section))) {
                return std::nullopt;
            }
            group = *section;
            continue;
        }
        if (line->equals < 0) {
            // QSettings passes over such a line; only a "#" comment is ours.
            if (whole.startsWith(QLatin1Char('#'))) {
                continue;
            }
            return std::nullopt;
        }
        const QStringView name = TrimBlanks(line->text.left(line->equals));
        const std::optional<QString> unescaped =
            name.contains(QLatin1Char('"')) ? std::nullopt : UnescapeKey(name);
        const QString key = group.isEmpty() || !unescaped ? unescaped.value_or(QString())
                                                          : group + QLatin1Char('/') + *unescaped;
        if (!IsWholePath(key)) {
            return std::nullopt;
        }
        // Blanks at the start never count; those at the end may (quoted).
        parsed.SetRawValue(key, SkipBlanks(line->text.mid(line->equals + 1)).toString());
    }
    return parsed;
}

QByteArray CSettingsText::ToBytes() const {
    QStringList groups;
    for (const Entry& e : entries_) {
        const QString group = GroupOf(e.key);
        if (!groups.contains(group)) {
            groups.append(group);
        }
    }
    QString text;
    for (const QString& group : groups) {
        if (!text.isEmpty()) {
            text += QLatin1Char('\n');
        }
        text += SectionHeader(group) + QLatin1Char('\n');
        for (const Entry& e : entries_) {
            if (GroupOf(e.key) == group) {
                text +=
                    EscapeKey(NameInGroup(e.key)) + QLatin1Char('=') + e.raw + QLatin1Char('\n');
            }
        }
    }
    return text.toUtf8();
}

std::optional<QString> CSettingsText::RawValue(const QString& key) const {
    for (const Entry& e : entries_) {
        if (e.key == key) {
            return e.raw;
        }
    }
    return std::nullopt;
}

std::optional<SettingValue> CSettingsText::Value(const QString& key) const {
    const std::optional<QString> raw = RawValue(key);
    if (!raw) {
        return std::nullopt;
    }
    return DecodeSettingValue(*raw);
}

void CSettingsText::SetRawValue(const QString& key, const QString& raw) {
    for (Entry& e : entries_) {
        if (e.key == key) {
            e.raw = raw;
            return;
        }
    }
    entries_.push_back({key, raw});
}

void CSettingsText::Remove(const QString& key) {
    std::erase_if(entries_, [&key](const Entry& e) { return e.key == key; });
}

QStringList CSettingsText::ChildKeys(const QString& group) const {
    QStringList names;
    for (const Entry& e : entries_) {
        if (GroupOf(e.key) == group && (group.isEmpty() || !NameInGroup(e.key).contains(u'/'))) {
            names.append(NameInGroup(e.key));
        }
    }
    return names;
}

QStringList CSettingsText::Keys() const {
    QStringList keys;
    for (const Entry& e : entries_) {
        keys.append(e.key);
    }
    return keys;
}

bool CSettingsText::HasGroup(const QString& group) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&group](const Entry& e) { return GroupOf(e.key) == group; });
}
