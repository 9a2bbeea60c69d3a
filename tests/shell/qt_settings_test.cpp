// The settings store over QSettings: what a fresh player reads, what the
// config file looks like after a write, how the file reads in the next run,
// and that a damaged file is left alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "game/memory_settings.h"
#include "shell/qt_settings.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

class QtSettingsTest : public ::testing::Test {
  protected:
    // Each test gets its own file, never seen before by this process, so it
    // is read from its text as a new run of the program would read it.
    QString FreshPath(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

TEST_F(QtSettingsTest, PlayerStoreLivesInTheConfigFolderAndTheFirstWriteCreatesIt) {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(configHome.isEmpty());
    const QString file = configHome + QStringLiteral("/Quillfen Software/Torvane.conf");
    QFile::remove(file);

    CQtSettings settings;
    CScopedSettingsBackend guard(&settings);
    EXPECT_EQ(settings.FileName(), file);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
    EXPECT_EQ(ReadSettingString("", "InstallPath"), "");
    EXPECT_FALSE(QFile::exists(file));

    WriteSettingDword(kSettingsKey, "Quiet", 1);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(ReadAll(file).contains("[Settings]\nQuiet=1"));
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 1u);
}

TEST_F(QtSettingsTest, ValuesRoundTripThroughTheFileIntoTheNextRun) {
    const QString first = FreshPath("first.conf");
    {
        CQtSettings settings(first);
        CScopedSettingsBackend guard(&settings);
        WriteSettingDword(kSettingsKey, "Difficulty", 3);
        WriteSettingDword(kSettingsKey, "MouseWheelSpeed", 0xFFFFFFFF);
        settings.Write("", "InstallPath", SettingValue::String("/opt/torvane"));
        EXPECT_TRUE(settings.CreateKey(kScoresKey));
        for (const char* name : {"000", "001", "002"}) {
            settings.Write(kScoresKey, name, SettingValue::String("a|Alpha, Beta|12345|1000"));
        }
        settings.DeleteValue(kScoresKey, "001");
    }
    // The next run: the same text under a name this process never opened.
    const QString next = FreshPath("next.conf");
    ASSERT_TRUE(QFile::copy(first, next));
    CQtSettings settings(next);
    CScopedSettingsBackend guard(&settings);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 3u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadSettingString("", "InstallPath"), "/opt/torvane");
    EXPECT_EQ(settings.ValueNames(kScoresKey), (std::vector<std::string>{"000", "002"}));
    const auto record = settings.Read(kScoresKey, "000");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->type, SettingValue::Type::String);
    EXPECT_EQ(record->text, "a|Alpha, Beta|12345|1000");
}

TEST_F(QtSettingsTest, ValueThatIsNotAnUnsigned32BitNumberReadsAsZero) {
    const QString path = FreshPath("typed.conf");
    WriteAll(path,
             "[Settings]\nDifficulty=3\nQuiet=yes\nColor0=-5\nColor1=4294967296\nColor2=\n"
             "QuietSnapin=007\nMouseWheelSpeed=1, 2\n");
    CQtSettings settings(path);
    CScopedSettingsBackend guard(&settings);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 3u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Color0"), 0u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Color1"), 0u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Color2"), 0u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "QuietSnapin"), 7u);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"), 0u);
}

TEST_F(QtSettingsTest, DamagedFileGivesDefaultsAndIsNeverOverwritten) {
    const QByteArray damaged[] = {
        QByteArray("[Settings]\nDifficulty=3\n\x01\x02\x03garbage", 25),
        QByteArray("[Settings\nDifficulty=3\n"),
        QByteArray("[Settings]\nDifficulty=3\njust some words\n"),
        QByteArray("[Settings]\nDifficulty=\xff\xfe\n"),
        QByteArray("\0\0\0\0[Settings]\nDifficulty=3\n", 28),
    };
    int n = 0;
    for (const QByteArray& contents : damaged) {
        const QString path = FreshPath("damaged") + QString::number(n++);
        WriteAll(path, contents);
        CQtSettings settings(path);
        CScopedSettingsBackend guard(&settings);
        EXPECT_FALSE(settings.IsUsable()) << n;
        EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 0u) << n;
        WriteSettingDword(kSettingsKey, "Difficulty", 1);
        settings.DeleteValue(kSettingsKey, "Difficulty");
        EXPECT_FALSE(settings.CreateKey(kScoresKey));
        EXPECT_EQ(ReadAll(path), contents) << n;
    }
}

TEST_F(QtSettingsTest, UnreadableFileGivesDefaults) {
    // A folder where the file should be cannot be read as one, even by root.
    const QString path = FreshPath("folder.conf");
    ASSERT_TRUE(QDir().mkpath(path));
    CQtSettings settings(path);
    CScopedSettingsBackend guard(&settings);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 0u);
    WriteSettingDword(kSettingsKey, "Difficulty", 3);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(QtSettingsTest, FileDamagedWhileRunningIsLeftAloneFromThenOn) {
    const QString path = FreshPath("later.conf");
    CQtSettings settings(path);
    CScopedSettingsBackend guard(&settings);
    WriteSettingDword(kSettingsKey, "Difficulty", 3);
    const QByteArray damaged(
        "\x7f"
        "ELF binary that replaced the file");
    WriteAll(path, damaged);
    WriteSettingDword(kSettingsKey, "Quiet", 1);
    EXPECT_EQ(ReadAll(path), damaged);
    EXPECT_EQ(ReadSettingDword(kSettingsKey, "Quiet"), 0u);
}

}  // namespace
