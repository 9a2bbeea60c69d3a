#include "shell/settings/settings_text.h"

#include <QStringDecoder>
#include <limits>

namespace {

// A settings file is a few hundred bytes; anything this large is not ours.
constexpr qsizetype kLargestSettingsFile = 1 << 20;

// What never stands in a line of the file as QSettings writes it.
bool IsControl(QChar c) {
    return c.unicode() < 0x20 && c != QLatin1Char('\t');
}

bool IsDigitIn(QChar c, int base) {
    bool ok = false;
    QString(c).toUInt(&ok, base);
    return ok;
}

bool IsUint32Text(const QString& text) {
    if (text.isEmpty() || text.size() > 10) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return text.toULongLong() <= std::numeric_limits<std::uint32_t>::max();
}

// Keys and section names escape everything but letters, digits and "_-." as
// %XX or %UXXXX, and write a slash as a backslash.
QString UnescapeKey(QStringView text) {
    QString key;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            key += QLatin1Char('/');
            continue;
        }
        if (c == QLatin1Char('%')) {
            const bool wide = i + 1 < text.size() && text[i + 1] == QLatin1Char('U');
            const qsizetype from = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const ushort code =
                from + digits <= text.size() ? text.mid(from, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                key += QChar(code);
                i = from + digits - 1;
                continue;
            }
        }
        key += c;
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
        return QStringLiteral("[%General]");
    }
    return QLatin1Char('[') + EscapeKey(group) + QLatin1Char(']');
}

QString GroupOfSection(QStringView name) {
    if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
        return {};
    }
    if (name.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("General");
    }
    return UnescapeKey(name);
}

// A backslash at the end of a line, or a quote left open, makes QSettings
// read on into the next line: never written so, so never taken as ours.
bool ValueIsWhole(QStringView raw) {
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('\\')) {
            if (++i == raw.size()) {
                return false;
            }
        } else if (raw[i] == QLatin1Char('"')) {
            quoted = !quoted;
        }
    }
    return !quoted;
}

}  // namespace

std::optional<CSettingsText> CSettingsText::Parse(const QByteArray& bytes) {
    if (bytes.size() > kLargestSettingsFile) {
        return std::nullopt;
    }
    // Stateless: a file cut off inside a character is damaged, not waiting
    // for more bytes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');

    CSettingsText parsed;
    QString group;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (std::any_of(line.begin(), line.end(), IsControl)) {
            return std::nullopt;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                return std::nullopt;
            }
            group = GroupOfSection(QStringView(line).mid(1, line.size() - 2).trimmed());
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QStringView name = QStringView(line).left(std::max<qsizetype>(equals, 0)).trimmed();
        const QStringView value = QStringView(line).mid(equals + 1).trimmed();
        if (name.isEmpty() || name.contains(QLatin1Char('"')) || !ValueIsWhole(value)) {
            return std::nullopt;
        }
        // As QSettings takes keys: without empty steps between slashes.
        const QString key = (group + QLatin1Char('/') + UnescapeKey(name))
                                .split(QLatin1Char('/'), Qt::SkipEmptyParts)
                                .join(QLatin1Char('/'));
        if (key.isEmpty()) {
            return std::nullopt;
        }
        parsed.SetRawValue(key, value.toString());
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
    return DecodeValue(*raw);
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

bool CSettingsText::HasGroup(const QString& group) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&group](const Entry& e) { return GroupOf(e.key) == group; });
}

QString CSettingsText::EncodeValue(const SettingValue& value) {
    if (value.type == SettingValue::Type::Dword) {
        return QString::number(value.dword);
    }
    QString text = QString::fromStdString(value.text);
    if (text.startsWith(QLatin1Char('@'))) {
        text.prepend(QLatin1Char('@'));  // a leading @ marks QSettings' typed values
    }
    QString out;
    bool needsQuotes = false;
    // After a numeric escape a hex digit would read as part of it.
    bool escapeHexDigit = false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        needsQuotes |= c == QLatin1Char(';') || c == QLatin1Char(',') || c == QLatin1Char('=');
        if (escapeHexDigit && IsDigitIn(c, 16)) {
            out += QStringLiteral("\\x") + QString::number(u, 16);
            continue;
        }
        escapeHexDigit = false;
        static constexpr char kNamed[][2] = {{'\a', 'a'}, {'\b', 'b'}, {'\f', 'f'}, {'\n', 'n'},
                                             {'\r', 'r'}, {'\t', 't'}, {'\v', 'v'}};
        const auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                        [u](const char* pair) { return pair[0] == u; });
        if (named != std::end(kNamed)) {
            out += QLatin1Char('\\');
            out += QLatin1Char((*named)[1]);
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (u == 0) {
            out += QStringLiteral("\\0");
            escapeHexDigit = true;
        } else if (IsControl(c) || u == 0x7F) {
            out += QStringLiteral("\\x") + QString::number(u, 16);
            escapeHexDigit = true;
        } else {
            out += c;
        }
    }
    if (needsQuotes || out.startsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char(' '))) {
        return QLatin1Char('"') + out + QLatin1Char('"');
    }
    return out;
}

SettingValue CSettingsText::DecodeValue(const QString& raw) {
    QString text;
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            while (!quoted && i + 1 < raw.size() && raw[i + 1].isSpace()) {
                ++i;  // what follows a closed quote starts after its blanks
            }
            continue;
        }
        if (c == QLatin1Char(',') && !quoted) {
            return {};  // a list
        }
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (++i == raw.size()) {
            break;
        }
        const char e = raw[i].toLatin1();
        static constexpr char kNamed[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                             {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                             {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
        const auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                        [e](const char* pair) { return pair[0] == e; });
        if (named != std::end(kNamed)) {
            text += QLatin1Char((*named)[1]);
        } else if (e == 'x' || (e >= '0' && e <= '7')) {
            const int base = e == 'x' ? 16 : 8;
            const qsizetype from = e == 'x' ? i + 1 : i;
            qsizetype end = from;
            while (end < raw.size() && IsDigitIn(raw[end], base)) {
                ++end;
            }
            if (end > from) {
                text += QChar(static_cast<ushort>(raw.mid(from, end - from).toUInt(nullptr, base)));
            }
            i = std::max(end, from) - 1;
        }
        // Any other escaped character is dropped, as QSettings drops it.
    }
    if (text.startsWith(QLatin1String("@@"))) {
        text.remove(0, 1);
    } else if (text.startsWith(QLatin1Char('@')) && text.endsWith(QLatin1Char(')'))) {
        return {};  // one of QSettings' typed values: @ByteArray(...), @Variant(...)
    }
    if (IsUint32Text(text)) {
        return SettingValue::Dword(static_cast<std::uint32_t>(text.toULongLong()));
    }
    return SettingValue::String(text.toStdString());
}
