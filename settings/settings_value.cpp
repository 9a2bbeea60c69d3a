#include "settings/settings_value.h"

#include <QtEndian>
#include <algorithm>
#include <limits>

namespace {

// What never stands in a value as QSettings writes it.
bool IsControl(QChar c) {
    return c.unicode() < 0x20 && c != QLatin1Char('\t');
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

bool IsOctalDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

int DigitValue(QChar c) {
    const int u = c.unicode();
    return u <= '9' ? u - '0' : (u | 0x20) - 'a' + 10;
}

// The text a value QSettings streamed holds ("@Variant(" in the stream
// format of Qt 4.0, "@DateTime(" in that of 5.6, which adds a null flag), or
// nothing when it holds another type. Read here as QDataStream reads it,
// but within the bytes there are: QDataStream believes the lengths it reads
// and may ask for gigabytes.
std::optional<QString> TextInVariant(const QByteArray& data, bool nullFlag) {
    qsizetype at = 0;
    // A big-endian number; a stream cut short reads 0 from then on.
    const auto number = [&]() -> quint32 {
        if (data.size() - at < 4) {
            at = data.size();
            return 0;
        }
        at += 4;
        return qFromBigEndian<quint32>(data.constData() + at - 4);
    };
    // That many bytes, or nothing (cut short, or the length of none).
    const auto block = [&](quint32 length) -> std::optional<QByteArray> {
        if (length == 0xFFFFFFFF || data.size() - at < static_cast<qint64>(length)) {
            return std::nullopt;
        }
        at += length;
        return data.mid(at - length, length);
    };
    constexpr quint32 kStringType = 10;
    const quint32 type = number();
    at = std::min(at + (nullFlag ? 1 : 0), data.size());
    if (type == (nullFlag ? 1024u : 127u)) {
        // A type by its name.
        if (block(number()) != QByteArray("QString")) {
            return std::nullopt;
        }
    } else if (type != kStringType) {
        return std::nullopt;
    }
    const quint32 bytes = number();
    const std::optional<QByteArray> utf16 = (bytes & 1) != 0 ? std::nullopt : block(bytes);
    QString text;
    for (qsizetype i = 0; utf16 && i + 1 < utf16->size(); i += 2) {
        text += QChar(qFromBigEndian<quint16>(utf16->constData() + i));
    }
    return text;
}

// What QSettings reads a value's text as when it is text: its typed values
// ("@ByteArray(...)", "@Variant(...)" and the like) are something else,
// except those that hold text; "@@" stands for a leading "@".
std::optional<QString> StringOf(const QString& text) {
    if (!text.startsWith(QLatin1Char('@'))) {
        return text;
    }
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray(")) || text == QLatin1String("@Invalid()")) {
            return std::nullopt;
        }
        if (text.startsWith(QLatin1String("@String("))) {
            return text.mid(8, text.size() - 9);
        }
        const bool dateTime = text.startsWith(QLatin1String("@DateTime("));
        if (dateTime || text.startsWith(QLatin1String("@Variant("))) {
            return TextInVariant(text.mid(dateTime ? 10 : 9).toLatin1(), dateTime);
        }
        // Geometry with as many numbers as it takes, counted as QSettings
        // counts them; with any other count it stays text.
        static constexpr std::pair<const char*, qsizetype> kGeometry[] = {
            {"@Rect(", 4}, {"@Size(", 2}, {"@Point(", 2}};
        for (const auto& [prefix, numbers] : kGeometry) {
            if (text.startsWith(QLatin1String(prefix))) {
                const QStringView args = QStringView(text).mid(qstrlen(prefix));
                if (args.count(QLatin1Char(' ')) + args.count(QLatin1Char(')')) == numbers) {
                    return std::nullopt;
                }
            }
        }
    }
    if (text.startsWith(QLatin1String("@@"))) {
        return text.mid(1);
    }
    return text;
}

}  // namespace

QString EncodeSettingValue(const SettingValue& value) {
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
        if (escapeHexDigit && IsIniHexDigit(c)) {
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

std::optional<QString> UnescapeSettingValue(const QString& raw) {
    QString text;
    bool quoted = false;
    // Blanks at the end are dropped unless a quote or an escape made them.
    bool anyQuote = false;
    qsizetype keep = 0;
    bool pieceRead = false;
    const auto skipBlanks = [&raw](qsizetype i) {
        while (i < raw.size() && IsIniBlank(raw[i])) {
            ++i;
        }
        return i;
    };
    for (qsizetype i = skipBlanks(0); i < raw.size();) {
        const QChar c = raw[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            anyQuote = true;
            i = quoted ? i + 1 : skipBlanks(i + 1);
            keep = text.size();
            continue;
        }
        if (c == QLatin1Char(',') && !quoted) {
            return std::nullopt;  // a list
        }
        if (c != QLatin1Char('\\')) {
            // QSettings decodes the text between escapes and quotes a piece
            // at a time, and the first piece drops a byte order mark.
            if (!pieceRead && c == QChar(0xFEFF)) {
                ++i;
            }
            pieceRead = true;
            for (; i < raw.size() && raw[i] != QLatin1Char('\\') && raw[i] != QLatin1Char('"') &&
                   (raw[i] != QLatin1Char(',') || quoted);
                 ++i) {
                text += raw[i];
            }
            continue;
        }
        if (++i == raw.size()) {
            break;
        }
        const char e = raw[i++].toLatin1();
        static constexpr char kNamed[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                             {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                             {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
        const auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                        [e](const char* pair) { return pair[0] == e; });
        const bool octal = e >= '0' && e <= '7';
        if (named != std::end(kNamed)) {
            text += QLatin1Char((*named)[1]);
        } else if (octal || (e == 'x' && i < raw.size() && IsIniHexDigit(raw[i]))) {
            // As many digits as follow; the character keeps the last 16 bits.
            const int base = octal ? 8 : 16;
            std::uint16_t code = octal ? static_cast<std::uint16_t>(e - '0') : 0;
            for (; i < raw.size() && (octal ? IsOctalDigit(raw[i]) : IsIniHexDigit(raw[i])); ++i) {
                code = static_cast<std::uint16_t>(code * base + DigitValue(raw[i]));
            }
            text += QChar(code);
        }
        // Any other escaped character is dropped, as QSettings drops it.
        keep = text.size();
    }
    if (!anyQuote) {
        while (text.size() > keep && IsIniBlank(text.back())) {
            text.chop(1);
        }
    }
    return text;
}

SettingValue DecodeSettingValue(const QString& raw) {
    const std::optional<QString> text = UnescapeSettingValue(raw);
    const std::optional<QString> string = text ? StringOf(*text) : std::nullopt;
    if (!string) {
        return {};
    }
    if (IsUint32Text(*string)) {
        return SettingValue::Dword(static_cast<std::uint32_t>(string->toULongLong()));
    }
    return SettingValue::String(string->toStdString());
}
