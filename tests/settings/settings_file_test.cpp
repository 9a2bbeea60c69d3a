// The settings file: its format shared with earlier versions, a damaged file
// set aside, a write that cannot reach the disk, and the file shared by
// several torvane-sim runs at once as copies of the game share it (no entry
// lost, a kill at any instant harmless, a read-only or full disk told).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <mutex>
#include <numeric>
#include <random>
#include <thread>

#include "game/memory_settings.h"
#include "scores/core/score_commit.h"
#include "settings/file_replacer.h"
#include "settings/home_folders.h"
#include "settings/settings_file.h"

using ::testing::ElementsAre;

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Put(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    // "name:score" of the table as a fresh load reads it.
    static std::vector<std::string> Table(CSettingsFile& store) {
        CScopedSettingsBackend installed(&store);
        CHighScoreTable table;
        table.LoadHighScores();
        std::vector<std::string> listed;
        for (const HighScoreEntry& e : table.Entries()) {
            listed.push_back(e.name + ":" + std::to_string(e.score));
        }
        return listed;
    }
    // The same of a file that must read as a whole, from any thread.
    std::vector<std::string> Table(const QString& name) const {
        static std::mutex oneStoreInstalledAtATime;
        const std::lock_guard<std::mutex> lock(oneStoreInstalledAtATime);
        CSettingsFile store(Path(name));
        store.SetNoticeHandler([](const QString& n) { ADD_FAILURE() << n.toStdString(); });
        return Table(store);
    }
    static ScoreCommit Commit(CSettingsFile& store, const char* name, std::uint32_t score) {
        CScopedSettingsBackend installed(&store);
        return CommitHighScore(name, score, 86400);
    }
    // The program's output goes to NAME.out and NAME.err.
    std::unique_ptr<QProcess> Start(const QString& program, const QStringList& args,
                                    const QString& name) const {
        auto process = std::make_unique<QProcess>();
        process->setStandardOutputFile(Path(name + ".out"));
        process->setStandardErrorFile(Path(name + ".err"));
        process->start(program, args);
        process->waitForStarted();
        return process;
    }
    // torvane-sim playing the script on the settings file STORE.
    std::unique_ptr<QProcess> Sim(const QString& name, const QString& store,
                                  const std::string& script) const {
        Put(name + ".tvs", QByteArray::fromStdString(script));
        return Start(kSim, {"--settings", Path(store), Path(name + ".tvs")}, name);
    }
    void Notice(CSettingsFile& store) {
        store.SetNoticeHandler([this](const QString& n) { notices.push_back(n); });
    }

    const QString kSim = QStringLiteral(TORVANE_BINARY_DIR "/tools/sim/torvane-sim");
    // In memory where there is such a folder: a flush to disk costs more
    // than everything else here.
    QTemporaryDir dir{QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/torvane-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/torvane-XXXXXX")};
    std::vector<QString> notices;
};

TEST_F(SettingsFile, ValuesReadAsQSettingsWroteThemAndWriteSoQSettingsReadsThem) {
    // Earlier versions kept the player's settings where QSettings keeps them.
    EXPECT_EQ(CSettingsFile().FileName(),
              QSettings(QStringLiteral("Quillfen Software"), QStringLiteral("Torvane")).fileName());
    const std::string texts[] = {"a|Alpha, Beta|12345|1000",
                                 "Zoë 東京 \"q\" back\\slash;",
                                 " spaced ",
                                 "@at=eq",
                                 "#hash",
                                 "",
                                 "tab\tline\n\0011\x7f",
                                 "4294967296",
                                 "4294967295",
                                 "007",
                                 "-5"};
    QSettings earlier(Path("earlier.conf"), QSettings::IniFormat);
    for (const std::string& text : texts) {
        earlier.setValue(QStringLiteral("Settings/%1").arg(&text - texts),
                         QString::fromStdString(text));
    }
    earlier.sync();
    CSettingsFile read(Path("earlier.conf"));
    CSettingsFile written(Path("ours.conf"));
    for (const std::string& text : texts) {
        const std::string name = std::to_string(&text - texts);
        const SettingValue value = read.Read(kSettingsKey, name).value_or(SettingValue{});
        // Only the text of an unsigned 32-bit number reads as a number ("'": a text).
        const bool number = text == "007" || text == "4294967295";
        EXPECT_EQ(value.type == SettingValue::Type::Dword ? std::to_string(value.dword)
                                                          : "'" + value.text,
                  number ? std::to_string(std::stoul(text)) : "'" + text);
        written.Write(kSettingsKey, name, SettingValue::String(text));
        EXPECT_EQ(QSettings(Path("ours.conf"), QSettings::IniFormat)
                      .value(QString::fromStdString("Settings/" + name))
                      .toString()
                      .toStdString(),
                  text);
    }
    // A missing file is made by the first write; the next run reads the
    // largest number as a number and no longer finds a deleted value.
    CSettingsFile first(Path("new.conf"));
    EXPECT_FALSE(first.Read(kSettingsKey, "Quiet") || QFile::exists(Path("new.conf")));
    first.Write(kSettingsKey, "Gone", SettingValue::Dword(1));
    first.Write(kSettingsKey, "MouseWheelSpeed", SettingValue::Dword(0xFFFFFFFF));
    first.DeleteValue(kSettingsKey, "Gone");
    CSettingsFile next(Path("new.conf"));
    EXPECT_EQ(next.ValueNames(kSettingsKey), std::vector<std::string>{"MouseWheelSpeed"});
    EXPECT_EQ(next.Read(kSettingsKey, "MouseWheelSpeed").value_or(SettingValue{}).dword,
              0xFFFFFFFFu);
}

TEST_F(SettingsFile, WithoutHomeTheUserDatabaseGivesItAndRelativeXdgFoldersAreIgnored) {
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    SettleHomeFolders();
    const QString file = CSettingsFile().FileName();
    qputenv("HOME", home);
    config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
    EXPECT_EQ(file, QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) +
                        "/.config/Quillfen Software/Torvane.conf");
}

TEST_F(SettingsFile, DamagedFileIsSetAsideOnceAndItsReadableScoresCarriedOver) {
    const QByteArray scores("[Scores]\n000=a|Alpha|300|86400\n001=a|Bravo|900|86400\n");
    for (const QByteArray& bytes :
         {scores + "\x01\x02garbage\n002=a|Cut|7", scores + "[Settings\nDifficulty=3\n",
          scores + "[Settings]\nName=\"open\n", scores + "004=Zo\xc3",
          QByteArray(2 << 20, 'x') + "\n" + scores}) {
        Put("damaged.conf", bytes);
        CSettingsFile store(Path("damaged.conf"));
        Notice(store);
        store.Open();
        const QStringList aside = QDir(dir.path()).entryList({"damaged.conf.damaged-*"});
        ASSERT_EQ(aside.size(), 1);
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_TRUE(notices[0].contains(aside[0]));
        EXPECT_EQ(Read(aside[0]), bytes);
        EXPECT_EQ(Commit(store, "Later", 500).failure, std::nullopt);
        EXPECT_THAT(Table("damaged.conf"), ElementsAre("Bravo:900", "Later:500", "Alpha:300"));
        EXPECT_EQ(notices.size(), 1u);
        QFile::remove(Path(aside[0]));
        notices.clear();
    }
    // Through a link, what it points to goes aside and the link stays; a
    // pipe in the file's place is set aside unread (a reader would hang).
    Put("target.conf", scores + "[Settings\n");
    ASSERT_TRUE(QFile::link(Path("target.conf"), Path("link.conf")));
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.conf")).constData(), 0600), 0);
    for (const QString name : {"link", "pipe"}) {
        const auto run = Sim(name, name + ".conf", "scores\n");
        EXPECT_TRUE(run->waitForFinished(20000)) << name.toStdString();
        EXPECT_TRUE(Read(name + ".err").contains("The damaged file was kept as"));
    }
    EXPECT_TRUE(QFileInfo(Path("link.conf")).isSymLink());
    EXPECT_TRUE(Read("link.out").contains("Bravo"));
    EXPECT_EQ(
        QDir(dir.path())
            .entryList({"target.conf.damaged-*", "pipe.conf.damaged-*"}, QDir::Files | QDir::System)
            .size(),
        2);
}

TEST_F(SettingsFile, UnreadableScoreRecordsGoAsideOnceAndTakeNothingElseWithThem) {
    // A record of another kind, a number, one missing, a score out of range:
    // the readable ones around them stay, the settings too, and a copy of
    // the file as it was is kept; a later start has nothing more to tell.
    const QByteArray bytes(
        "[Scores]\n000=a|Ann|500|86400\n002=7\n003=b|x|1|2\n"
        "004=a|Big|99999999999|86400\n005=a|Cy|300|86400\n"
        "[Settings]\nQuiet=1\n");
    Put("scores.conf", bytes);
    for (int start = 0; start < 2; ++start) {
        CSettingsFile store(Path("scores.conf"));
        Notice(store);
        store.Open();
        EXPECT_THAT(Table(store), ElementsAre("Ann:500", "Cy:300"));
        EXPECT_EQ(store.Read(kSettingsKey, "Quiet").value_or(SettingValue{}).dword, 1u);
    }
    const QStringList aside = QDir(dir.path()).entryList({"scores.conf.damaged-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(Read(aside[0]), bytes);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].contains(aside[0])) << notices[0].toStdString();
}

TEST_F(SettingsFile, ScoreGoesWhereItBelongsAfterAnotherCopyStoredMeanwhile) {
    for (const std::uint32_t others : {100u, 500u}) {  // stored ten times meanwhile
        QFile::remove(Path("shared.conf"));
        CSettingsFile mine(Path("shared.conf"));
        CSettingsFile other(Path("shared.conf"));
        Commit(mine, "Mine", 400);
        for (int i = 0; i < 10; ++i) {
            Commit(other, "Other", others);
        }
        const ScoreCommit commit = Commit(mine, "Mine", 500);
        EXPECT_EQ(commit.place, others == 100 ? std::optional<std::size_t>(0) : std::nullopt);
        EXPECT_EQ(Table(other), Table(mine));
    }
}

TEST_F(SettingsFile, UnsavedScoreIsPlacedAgainNeverOverAScoreAnotherCopyStored) {
    // Alice's save finds the lock held by a third process; once it is free,
    // Bob's copy stores his score, then Alice's stores a setting.
    QLockFile held(Path("shared.conf.lock"));
    ASSERT_TRUE(held.tryLock(0));
    Put("alice.tvs", "offer 500 Alice\nawait\nsetting Quiet 1\n");
    QProcess alice;
    alice.start(kSim, {"--settings", Path("shared.conf"), "--lock-wait", "0", Path("alice.tvs")});
    QByteArray told;
    while (!told.contains('\n') && alice.waitForReadyRead(-1)) {
        told += alice.readAll();
    }
    EXPECT_TRUE(told.contains("\"saved\":false")) << told.toStdString();
    held.unlock();
    Sim("bob", "shared.conf", "offer 900 Bob\n")->waitForFinished(-1);
    alice.write("\n");
    EXPECT_TRUE(alice.waitForFinished(-1) && alice.exitCode() == 0);
    EXPECT_THAT(Table("shared.conf"), ElementsAre("Bob:900", "Alice:500"));
    EXPECT_EQ(CSettingsFile(Path("shared.conf"))
                  .Read(kSettingsKey, "Quiet")
                  .value_or(SettingValue{})
                  .dword,
              1u);
}

TEST_F(SettingsFile, WriteThatCannotReachTheDiskIsToldOnceAndKeptForTheRun) {
    // Whoever runs the test: nothing can be made below a plain file, and a
    // folder where the file should be is never replaced.
    Put("file", "not a folder");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.conf"));
    for (const char* name : {"file/Torvane.conf", "folder.conf"}) {
        CSettingsFile store(Path(name));
        Notice(store);
        CScopedSettingsBackend installed(&store);
        WriteSettingDword(kSettingsKey, "Difficulty", 3);
        WriteSettingDword(kSettingsKey, "Quiet", 1);
        ASSERT_EQ(notices.size(), 1u) << name;
        EXPECT_TRUE(notices[0].startsWith("Your settings could not be saved: ")) << name;
        EXPECT_EQ(ReadSettingDword(kSettingsKey, "Difficulty"), 3u) << name;
        EXPECT_TRUE(Commit(store, "Kept", 500).failure) << name;
        EXPECT_THAT(Table(store), ElementsAre("Kept:500")) << name;
        notices.clear();
    }
    EXPECT_TRUE(QFileInfo(Path("folder.conf")).isDir());

    // A write that fails at any of its steps (full disk, I/O error) leaves
    // the old file as it was, nothing beside it, and is told with the file:
    // a setting by the store, a score to the one who offered it.
    const QByteArray old(
        "[Scores]\n000=a|Old|50|86400\n[Settings]\nPad=" + QByteArray(200000, 'p') + "\n");
    for (const bool score : {false, true}) {
        int step = 0;
        for (bool failed = true; failed; ++step) {
            Put("step.conf", old);
            CSettingsFile store(Path("step.conf"));
            Notice(store);
            CScopedSettingsBackend installed(&store);
            FailFileStep(step);
            const bool saved = score
                                   ? !Commit(store, "New", 100).failure
                                   : (WriteSettingDword(kSettingsKey, "Quiet", 1), notices.empty());
            failed = FileStepFailed();
            FailFileStep(-1);
            EXPECT_EQ(QDir(dir.path()).entryList({"*step*"}, QDir::Files | QDir::Hidden).size(), 1);
            EXPECT_EQ(saved, !failed) << step;
            if (failed) {
                EXPECT_EQ(Read("step.conf"), old) << step;
                EXPECT_EQ(notices.size(), score ? 0u : 1u) << step;
                EXPECT_TRUE(score || notices.empty() ||
                            notices[0].contains(Path("step.conf") + ": No space left on device"));
            }
            notices.clear();
        }
        EXPECT_GE(step, 8);  // open, the pieces of the file, sync, close, rename
    }
}

TEST_F(SettingsFile, TwoCopiesAddingAtOnceKeepTheTopTenOfAllTheirScores) {
    // In a random order the best ten come at any time, so an entry that a
    // stale write dropped would be missing at the end.
    std::vector<std::unique_ptr<QProcess>> running;
    std::vector<std::string> expected[10];
    for (int round = 0; round < 10; ++round) {
        std::vector<std::uint32_t> scores(400);
        std::iota(scores.begin(), scores.end(), 100u);
        std::mt19937 random(round);
        std::shuffle(scores.begin(), scores.end(), random);
        std::string script[2];
        for (int i = 0; i < 400; ++i) {
            const std::string who = i < 200 ? "A" : "B";
            script[i / 200] += "offer " + std::to_string(scores[i]) + " " + who + "\n" +
                               (random() % 3 == 0 ? "sleep 1\n" : "");
            if (scores[i] >= 490) {
                expected[round].push_back(who + ":" + std::to_string(scores[i]));
            }
        }
        std::sort(expected[round].begin(), expected[round].end(),
                  [](auto& a, auto& b) { return a.substr(2) > b.substr(2); });
        for (const int copy : {0, 1}) {
            running.push_back(Sim(QStringLiteral("%1%2").arg(round).arg(copy),
                                  QStringLiteral("%1.conf").arg(round), script[copy]));
        }
    }
    for (const auto& process : running) {
        EXPECT_TRUE(process->waitForFinished(-1) && process->exitCode() == 0);
    }
    for (int round = 0; round < 10; ++round) {
        EXPECT_EQ(Table(QStringLiteral("%1.conf").arg(round)), expected[round]) << round;
    }
}

TEST_F(SettingsFile, KillAtAnyInstantLeavesTheOldTableOrTheNew) {
    // Each run adds ever higher scores, so a whole table is always the ten
    // highest so far, one apart; the next run goes on from its best.
    std::string faults[3];
    std::vector<std::thread> killers;
    for (int k = 0; k < 3; ++k) {
        killers.emplace_back([this, k, &faults] {
            const QString store = QStringLiteral("killed%1.conf").arg(k);
            const auto stamp = [&] { return QFileInfo(Path(store)).lastModified(); };
            std::mt19937 random(k);
            for (std::uint32_t run = 0, best = 1000; run < 70 && faults[k].empty(); ++run) {
                std::string script;
                for (std::uint32_t score = best + 1; score <= best + 5000; ++score) {
                    script += "offer " + std::to_string(score) + " K\n";
                }
                const QDateTime before = stamp();
                const auto process = Sim(store + QString::number(run), store, script);
                // Once the run stored its first score, it is saving in a loop.
                while (stamp() == before && !process->waitForFinished(0)) {
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                }
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
                process->kill();
                process->waitForFinished(-1);
                const std::vector<std::string> table = Table(store);
                const std::uint32_t top = table.empty() ? 0 : std::stoul(table[0].substr(2));
                std::vector<std::string> whole;
                for (std::uint32_t s = top; s > 1000 && whole.size() < 10; --s) {
                    whole.push_back("K:" + std::to_string(s));
                }
                if (table != whole || top <= best || process->exitStatus() != QProcess::CrashExit) {
                    faults[k] = "run " + std::to_string(run) + " up to " + std::to_string(top);
                }
                best = top;
            }
        });
    }
    for (int k = 0; k < 3; ++k) {
        killers[k].join();
        EXPECT_EQ(faults[k], "");
    }
}

TEST_F(SettingsFile, ReadOnlyOrFullDiskIsToldAndTheRunKeepsItsEntry) {
    // A small tmpfs of its own in a mount namespace: as root, or as anyone
    // where users may have one. Nearly full, the lock file fits but the
    // settings do not: the old file stays as it was.
    const struct {
        const char* then;
        const char* told;
    } cases[] = {{"mount -o remount,ro .", "Read-only file system"},
                 {"(cat /dev/zero > fill 2>/dev/null; true)", "No space left on device"},
                 {"(cat /dev/zero > fill 2>/dev/null; truncate -s -8k fill)",
                  "T.conf: No space left on device"}};
    for (const auto& c : cases) {
        const QString name = QString::number(&c - cases);
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        const QString run =
            QStringLiteral(
                "cd '%1' && mount -t tmpfs -o size=64k tmpfs . && cd \"$PWD\" && "
                "printf '[Scores]\\n000=a|Old|50|86400\\n[Settings]\\nPad=%4\\n' > T.conf && "
                "cp T.conf ../%5.before && %2 && "
                "printf 'offer 100 New\\nscores\\n' | '%3' --settings \"$PWD/T.conf\"; "
                "cp T.conf ../%5.after")
                .arg(Path(name), QLatin1String(c.then), kSim, QString(20000, 'p'), name);
        Start(QStringLiteral("unshare"), {"-rm", "sh", "-c", run}, name)->waitForFinished(-1);
        if (Read(name + ".out").isEmpty()) {
            GTEST_SKIP() << "no small tmpfs can be mounted here: "
                         << Read(name + ".err").toStdString();
        }
        const QByteArray told = Read(name + ".err");
        EXPECT_TRUE(told.startsWith("Your score could not be saved: ") && told.contains(c.told))
            << told.toStdString();
        EXPECT_THAT(Read(name + ".out").toStdString(),
                    ::testing::ContainsRegex("rank.:1,.name.:.New.*\n.*rank.:2,.name.:.Old"));
        EXPECT_EQ(Read(name + ".after"), Read(name + ".before")) << name.toStdString();
    }
}

}  // namespace
