// Any text as a settings file a player edited: wherever our reader takes it
// as a settings file, it reads the same keys and the same values as
// QSettings' own INI reader, and what it writes back reads the same again.

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <algorithm>
#include <cstdint>

#include "fuzz_check.h"
#include "settings/settings_text.h"
#include "settings/settings_value.h"

namespace {

// A value as our store takes what QSettings reads: text, a number when the
// text is an unsigned 32-bit number, anything else neither.
SettingValue AsStored(const QVariant& value) {
    if (value.metaType().id() != QMetaType::QString) {
        return {};
    }
    const QString text = value.toString();
    bool number = !text.isEmpty() && text.size() <= 10 &&
                  std::all_of(text.begin(), text.end(),
                              [](QChar c) { return c.isDigit() && c.unicode() < 0x80; });
    const qulonglong n = text.toULongLong();
    number = number && n <= 0xFFFFFFFFu;
    return number ? SettingValue::Dword(static_cast<std::uint32_t>(n))
                  : SettingValue::String(text.toStdString());
}

bool Same(const SettingValue& a, const SettingValue& b) {
    return a.type == b.type && a.dword == b.dword && a.text == b.text;
}

// Every key and value of ours, as QSettings reads the same bytes.
bool ReadsAsQSettings(const CSettingsText& ours, const QByteArray& bytes) {
    // A file of its own each time: QSettings keeps what it read of a path.
    static int n = 0;
    const QString path = QStringLiteral("/tmp/fuzz-settings-text-%1-%2.conf")
                             .arg(QCoreApplication::applicationPid())
                             .arg(++n);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
               "the input can be written to a file");
    file.close();
    bool same = true;
    {
        const QSettings theirs(path, QSettings::IniFormat);
        QStringList ourKeys = ours.Keys();
        QStringList theirKeys = theirs.allKeys();
        ourKeys.sort();
        theirKeys.sort();
        same = ourKeys == theirKeys;
        for (qsizetype i = 0; same && i < ourKeys.size(); ++i) {
            same = Same(*ours.Value(ourKeys[i]), AsStored(theirs.value(ourKeys[i])));
        }
    }
    QFile::remove(path);
    return same;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<CSettingsText> ours = CSettingsText::Parse(bytes);
    if (!ours) {
        return 0;
    }
    // QSettings believes the lengths inside a streamed value (a list's items
    // included) and may ask for gigabytes: there ours alone is read.
    const QStringList keys = ours->Keys();
    const bool streamed = std::any_of(keys.begin(), keys.end(), [&](const QString& key) {
        const QString raw = *ours->RawValue(key);
        const std::optional<QString> text = UnescapeSettingValue(raw);
        return text ? text->startsWith(QLatin1String("@Variant(")) ||
                          text->startsWith(QLatin1String("@DateTime("))
                    : raw.contains(QLatin1Char('@')) || raw.contains(QLatin1Char('\\'));
    });
    FUZZ_CHECK(streamed || ReadsAsQSettings(*ours, bytes),
               "a file we read, QSettings reads the same");
    // Written back in its own order, a section at a time: the same keys.
    const std::optional<CSettingsText> again = CSettingsText::Parse(ours->ToBytes());
    QStringList sorted = keys;
    QStringList keysAgain = again ? again->Keys() : QStringList();
    sorted.sort();
    keysAgain.sort();
    FUZZ_CHECK(
        sorted == keysAgain &&
            std::all_of(keys.begin(), keys.end(),
                        [&](const QString& k) { return Same(*again->Value(k), *ours->Value(k)); }),
        "what we write back reads the same");
    return 0;
}
