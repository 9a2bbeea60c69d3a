// One settings file shared by several torvane-sim runs at once, as copies of
// the game share it: two writers lose no entry, a kill at any instant leaves
// a whole table, and a damaged, read-only or full store is told on standard
// error while the run goes on with its entries.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <mutex>
#include <numeric>
#include <random>
#include <thread>

#include "game/memory_settings.h"
#include "scores/core/high_score_table.h"
#include "settings/settings_file.h"

extern char** environ;

namespace {

class SharedFile : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    // Runs the command with its output in NAME.out and NAME.err.
    pid_t Spawn(std::vector<std::string> args, const QString& name) const {
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        const QByteArray out = Path(name + ".out").toLocal8Bit();
        const QByteArray err = Path(name + ".err").toLocal8Bit();
        posix_spawn_file_actions_addopen(&files, 1, out.constData(), O_WRONLY | O_CREAT, 0644);
        posix_spawn_file_actions_addopen(&files, 2, err.constData(), O_WRONLY | O_CREAT, 0644);
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0) {
            pid = -1;
        }
        posix_spawn_file_actions_destroy(&files);
        return pid;
    }
    // torvane-sim on the settings file STORE.conf, playing the script.
    pid_t Sim(const QString& name, const QString& store, const std::string& script) const {
        QFile file(Path(name + ".tvs"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.c_str());
        file.close();
        return Spawn({kSim, "--settings", Path(store + ".conf").toStdString(),
                      file.fileName().toStdString()},
                     name);
    }
    static int ExitCode(pid_t pid) {
        int status = 0;
        if (pid <= 0 || waitpid(pid, &status, 0) != pid) {
            return 127;  // never started
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void Put(const QString& name, const char* text) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray Output(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // "name:score" of the stored table, best first, read as the game reads it.
    std::vector<std::string> Table(const QString& name) const {
        static std::mutex oneStoreInstalledAtATime;
        const std::lock_guard<std::mutex> lock(oneStoreInstalledAtATime);
        CSettingsFile store(Path(name + ".conf"));
        store.SetNoticeHandler(
            [](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        CScopedSettingsBackend installed(&store);
        CHighScoreTable table;
        table.LoadHighScores();
        std::vector<std::string> listed;
        for (const HighScoreEntry& e : table.Entries()) {
            listed.push_back(e.name + ":" + std::to_string(e.score));
        }
        return listed;
    }

    const std::string kSim = TORVANE_BINARY_DIR "/tools/sim/torvane-sim";
    // In memory where there is such a folder: a flush to disk costs more
    // than everything else here.
    QTemporaryDir dir{QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/torvane-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/torvane-XXXXXX")};
};

TEST_F(SharedFile, TwoCopiesAddingAtOnceKeepTheTopTenOfAllTheirScores) {
    // In a random order the best ten come at any time, so an entry that a
    // stale write dropped would be missing at the end.
    constexpr int kRounds = 10;
    std::vector<std::string> expected[kRounds];
    std::vector<pid_t> running;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::uint32_t> scores(400);
        std::iota(scores.begin(), scores.end(), 100u);
        std::mt19937 random(round);
        std::shuffle(scores.begin(), scores.end(), random);
        std::map<std::uint32_t, std::string, std::greater<>> byScore;
        for (const char* copy : {"A", "B"}) {
            std::string script;
            for (int i = 0; i < 200; ++i) {
                const std::uint32_t score = scores[byScore.size()];
                byScore[score] = std::string(copy) + ":" + std::to_string(score);
                script += "offer " + std::to_string(score) + " " + copy + "\n";
                script += random() % 3 == 0 ? "sleep 1\n" : "";
            }
            const QString store = QStringLiteral("round%1").arg(round);
            running.push_back(Sim(store + copy, store, script));
        }
        for (auto it = byScore.begin(); expected[round].size() < 10; ++it) {
            expected[round].push_back(it->second);
        }
    }
    for (const pid_t pid : running) {
        EXPECT_EQ(ExitCode(pid), 0);
    }
    for (int round = 0; round < kRounds; ++round) {
        EXPECT_EQ(Table(QStringLiteral("round%1").arg(round)), expected[round]) << round;
    }
}

TEST_F(SharedFile, KillAtAnyInstantLeavesTheOldTableOrTheNew) {
    // Each run adds ever higher scores, so a whole table is always the ten
    // highest so far, one apart; the next run goes on from its best.
    constexpr int kKillers = 3;
    constexpr int kKillsEach = 70;
    std::vector<std::string> faults[kKillers];
    std::vector<std::thread> killers;
    for (int k = 0; k < kKillers; ++k) {
        killers.emplace_back([this, k, &faults] {
            const QString store = QStringLiteral("killed%1").arg(k);
            std::mt19937 random(k);
            constexpr std::uint32_t kFirst = 1000;
            std::uint32_t best = kFirst;
            for (int run = 0; run < kKillsEach && faults[k].empty(); ++run) {
                std::string script;
                for (std::uint32_t score = best + 1; score <= best + 5000; ++score) {
                    script += "offer " + std::to_string(score) + " K\n";
                }
                const QByteArray file = Path(store + ".conf").toLocal8Bit();
                const auto stamp = [&file] {
                    struct stat s {};
                    stat(file.constData(), &s);
                    return std::tuple(s.st_ino, s.st_size, s.st_mtim.tv_sec, s.st_mtim.tv_nsec);
                };
                const auto before = stamp();
                const pid_t pid = Sim(store + QString::number(run), store, script);
                // Once the run stored its first score, it is saving in a loop.
                while (stamp() == before) {
                    int status = 0;
                    if (waitpid(pid, &status, WNOHANG) == pid) {
                        faults[k].push_back("run " + std::to_string(run) + " ended by itself");
                        return;
                    }
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                }
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
                kill(pid, SIGKILL);
                ExitCode(pid);
                const std::vector<std::string> table = Table(store);
                const std::uint32_t top = table.empty() ? 0 : std::stoul(table[0].substr(2));
                std::vector<std::string> whole;
                for (std::uint32_t s = top; s > kFirst && whole.size() < 10; --s) {
                    whole.push_back("K:" + std::to_string(s));
                }
                if (table != whole || top <= best) {
                    faults[k].push_back("run " + std::to_string(run) + ": best " +
                                        std::to_string(best) + ", then " +
                                        std::to_string(table.size()) + " entries from " +
                                        std::to_string(top));
                }
                best = top;
            }
        });
    }
    for (std::thread& killer : killers) {
        killer.join();
    }
    for (const auto& found : faults) {
        EXPECT_EQ(found, std::vector<std::string>());
    }
}

TEST_F(SharedFile, DamagedReadOnlyOrFullStoreIsToldAndTheRunKeepsItsEntry) {
    const struct {
        const char* what;
        const char* setup;  // in a folder of its own; a mount needs a namespace of its own
        const char* told;
    } cases[] = {
        {"damaged file", "printf '[Scores]\\n000=a|Old|50|86400\\n\\001\\n' > T.conf",
         "torvane-sim: Your Torvane settings were damaged and could not be read. The damaged "
         "file was kept as:"},
        {"read-only folder",
         "mount -t tmpfs -o size=64k tmpfs . && cd \"$PWD\" && printf "
         "'[Scores]\\n000=a|Old|50|86400\\n' "
         "> T.conf && mount -o remount,ro .",
         "Your score could not be saved: Read-only file system"},
        {"full disk",
         "mount -t tmpfs -o size=64k tmpfs . && cd \"$PWD\" && printf "
         "'[Scores]\\n000=a|Old|50|86400\\n' "
         "> T.conf && (cat /dev/zero > fill 2>/dev/null; true)",
         "Your score could not be saved: No space left on device"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString name = QStringLiteral("case%1").arg(n++);
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        Put(name + ".tvs", "offer 100 New\nscores\n");
        const bool mounts = QByteArray(c.setup).startsWith("mount");
        const std::string run = "cd " + Path(name).toStdString() + " && { " + c.setup +
                                "; } || exit 77; exec " + kSim + " --settings \"$PWD/T.conf\" " +
                                Path(name + ".tvs").toStdString();
        // As root, or as anyone where a user may have a mount namespace.
        const int status = ExitCode(mounts ? Spawn({"unshare", "-rm", "sh", "-c", run}, name)
                                           : Spawn({"sh", "-c", run}, name));
        if (mounts && status != 0) {
            GTEST_SKIP() << c.what << " and the cases after it: a small tmpfs cannot be mounted "
                         << "here (unshare -rm, status " << status
                         << "): " << Output(name + ".err").toStdString();
        }
        EXPECT_EQ(status, 0) << c.what;
        EXPECT_TRUE(Output(name + ".err").startsWith(c.told))
            << c.what << ": " << Output(name + ".err").toStdString();
        const QByteArray listed = Output(name + ".out");
        EXPECT_TRUE(listed.contains("\"rank\":1,\"name\":\"New\"") &&
                    listed.contains("\"rank\":2,\"name\":\"Old\""))
            << c.what << ": " << listed.toStdString();
    }
}

}  // namespace
