// Any text as a settings file a player edited. Wherever our reader takes it
// as a settings file, it reads the same keys and the same values as QSettings'
// own INI reader, and what it writes back reads the same again. What it holds
// then reaches the game: a string is read whole where it fits its buffer and
// not at all where it does not, the game starts with the numbers stored
// (anything else reads as the default), the mouse wheel
// turns by finite amounts however its speed is stored; the high-score table
// loads best first, a save and a load lose nothing, and a qualifying score
// added under the first line as a name, as the entry field filters it, is kept.

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "fuzz_check.h"
#include "game/game.h"
#include "game/memory_settings.h"
#include "game/wheel_input.h"
#include "scores/core/calendar_clock.h"
#include "scores/core/high_score_table.h"
#include "scores/core/score_name.h"
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

bool Same(const HighScoreEntry& x, const HighScoreEntry& y) {
    return x.name == y.name && x.score == y.score && x.time == y.time;
}

// Every key and value of ours, as QSettings reads the same bytes.
bool ReadsAsQSettings(const CSettingsText& ours, const QByteArray& bytes) {
    // A file of its own each time: QSettings keeps what it read of a path.
    static int n = 0;
    const QString path = QStringLiteral("/tmp/fuzz-settings-%1-%2.conf")
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

std::vector<HighScoreEntry> LoadScores() {
    CHighScoreTable table;
    table.LoadHighScores();
    return table.Entries();
}

// The game and its table, on the values of the file.
void CheckGameAndScores(CMemorySettings& store, const std::string& firstLine,
                        std::uint32_t newScore) {
    const auto install = store.Read("", "InstallPath");
    const bool fits = install && install->type == SettingValue::Type::String &&
                      install->text.size() < kSettingStringLimit;
    FUZZ_CHECK(ReadSettingString("", "InstallPath") == (fits ? install->text : std::string()),
               "a string is read whole when it fits its buffer, and not at all when it does not");
    auto stored = [&](const char* name) {
        const auto v = store.Read(kSettingsKey, name);
        return v && v->type == SettingValue::Type::Dword ? v->dword : 0u;
    };
    {
        CGame game;
        // The difficulty is stored plus one, 0 meaning Medium; beyond Hard, Medium's pace.
        const std::uint32_t difficulty = stored("Difficulty") == 0 ? 1 : stored("Difficulty") - 1;
        const std::size_t pace = difficulty <= 2 ? difficulty : 1;
        const bool asStored =
            game.difficulty == difficulty && game.quiet == (stored("Quiet") != 0) &&
            game.snapSoundOn == (stored("QuietSnapin") == 0) &&
            game.explodeSoundOn == (stored("QuietExplode") == 0) &&
            game.fallSpeed == std::array{kEasySpeed, kMediumSpeed, kHardSpeed}[pace] &&
            game.spawnInterval == std::array{4800, 3400, 2000}[pace];
        FUZZ_CHECK(asStored,
                   "the game starts with the numbers stored, anything else as the default");
        const double speed = WheelSpeedFromSetting(stored("MouseWheelSpeed"));
        const double turned = WheelTurn(game.wheelAngle, static_cast<std::int16_t>(newScore), speed,
                                        stored("MouseWheelClockwise") != 0);
        FUZZ_CHECK(speed != 0.0 && std::isfinite(turned), "a finite, nonzero wheel step");
    }
    const std::vector<HighScoreEntry> first = LoadScores();
    FUZZ_CHECK(std::is_sorted(first.begin(), first.end(),
                              [](const auto& a, const auto& b) { return a.score > b.score; }),
               "entries come best first");
    const HighScoreEntry entry{FilterScoreName(firstLine), newScore, 1700000000};
    bool qualified = false;
    {
        CHighScoreTable table;
        table.LoadHighScores();
        table.SaveHighScores();
        const std::vector<HighScoreEntry> again = LoadScores();
        FUZZ_CHECK(std::equal(first.begin(), first.end(), again.begin(), again.end(),
                              [](const auto& x, const auto& y) { return Same(x, y); }) &&
                       store.ValueNames(kScoresKey).size() == again.size(),
                   "a save and a load lose nothing and leave nothing else");
        qualified = table.QualifiesForHighScore(entry.score);
        if (qualified) {
            table.AddHighScore(entry.name, entry.score, 0);
        }
    }
    const std::vector<HighScoreEntry> after = LoadScores();
    FUZZ_CHECK(after.size() <= std::max(first.size(), kHighScoreTableSize),
               "adding never grows a table beyond ten");
    FUZZ_CHECK(!qualified || std::any_of(after.begin(), after.end(),
                                         [&](const auto& e) { return Same(e, entry); }),
               "a qualifying score is kept under its name");
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

    CMemorySettings store;
    CScopedSettingsBackend installed(&store);
    for (const QString& key : keys) {
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        store.Write(key.left(std::max<qsizetype>(slash, 0)).toStdString(),
                    key.mid(slash + 1).toStdString(), *ours->Value(key));
    }
    CalendarClock::Pin(1700000000);
    CheckGameAndScores(store, bytes.left(bytes.indexOf('\n')).toStdString(),
                       static_cast<std::uint32_t>(size) * 997u);
    CalendarClock::Pin(std::nullopt);
    return 0;
}
