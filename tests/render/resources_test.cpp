// The shipped artwork and sounds, and the runner's render command, through
// the programs that make and use them.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>

#include "game/sound.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs one of the built programs to its end: its exit code, -1 if it crashed.
int Finish(QProcess& p, const QString& program, const QStringList& args,
           const QString& input = {}) {
    p.start(QString(TORVANE_BINARY_DIR) + program, args);
    p.write(input.toUtf8());
    p.closeWriteChannel();
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// Pictures as premultiplied pixels, each channel within 1 (leaving
// premultiplied ARGB rounds differently on different CPUs); the rest byte for byte.
bool SameFile(const QString& a, const QString& b) {
    if (!a.endsWith(".png")) {
        return ReadAll(a) == ReadAll(b);
    }
    const QImage p = QImage(a).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage q = QImage(b).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return !p.isNull() && p.size() == q.size() &&
           std::equal(p.constBits(), p.constBits() + p.sizeInBytes(), q.constBits(),
                      [](uchar u, uchar v) { return std::abs(u - v) <= 1; });
}

}  // namespace

TEST(Resources, GeneratorReproducesTheShippedFiles) {
    QTemporaryDir out;
    QProcess artgen;
    ASSERT_EQ(Finish(artgen, "/tools/artgen/torvane-artgen", {out.path()}), 0)
        << artgen.readAllStandardError().toStdString();
    const QString shipped = QString(TORVANE_SOURCE_DIR) + "/resources";
    for (QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString rel = QDir(out.path()).relativeFilePath(it.next());
        EXPECT_TRUE(SameFile(shipped + "/" + rel, out.path() + "/" + rel))
            << rel.toStdString() << " differs: run the artgen-update target";
    }
}

TEST(Resources, CompiledInPicturesAndSoundsHaveTheirSizesAndFormats) {
    const char* pictures[] = {"tile",    "toolbar", "toolbar@2x",
                              "logo@2x", "icon",    "icons/torvane-16"};
    const QSize sizes[] = {{64, 64}, {140, 27}, {280, 54}, {132, 132}, {256, 256}, {16, 16}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(QImage(QString(":/torvane/%1.png").arg(pictures[i])).size(), sizes[i]) << i;
    }
    // 8-bit mono PCM at the cue rate, exactly as long as the game plays it.
    for (const auto& [path, samples] : {std::pair{":/torvane/sounds/snap.wav", kSnapCueSamples},
                                        {":/torvane/sounds/explode.wav", kExplodeCueSamples}}) {
        const QByteArray wav = ReadAll(path);
        ASSERT_GE(wav.size(), 44) << path;
        const auto u32 = [&wav](int at) { return qFromLittleEndian<qint32>(wav.data() + at); };
        // PCM, mono; the rate; one byte a sample, 8 bits; the number of samples.
        EXPECT_EQ(std::tuple(wav.mid(8, 8), u32(20), u32(24), u32(32), u32(40)),
                  std::tuple("WAVEfmt ", 0x00010001, kCueSampleRate, 0x00080001, samples))
            << path;
    }
}

TEST(SimRender, PaintsTheGameAtAnySizeRetiresExplosionsAndRefusesBadArguments) {
    QTemporaryDir dir;
    // The falling gem closes a ring round the centre, which explodes; long
    // after, the gems still wait for a paint to retire them.
    const QString script =
        "seed 3\nnew SixAround\nresume\nwait 12000\npause\nstate\nrender %1/a.png\nstate\n"
        "render %1/b.png 500 400\nrender %1/c.png 500 400 2\nrender %1/d.png 125 101 1.25\n"
        "end\nrender %1/e.png 120 80 1.5\n";
    QProcess sim;
    ASSERT_EQ(
        Finish(sim, "/tools/sim/torvane-sim", {"--allow-render", "-"}, script.arg(dir.path())), 0)
        << sim.readAllStandardError().toStdString();
    const QStringList states = QString(sim.readAllStandardOutput()).split('\n').filter("\"state\"");
    ASSERT_EQ(states.size(), 2);
    EXPECT_FALSE(states[0].contains("\"exploding\":[]"));
    EXPECT_TRUE(states[1].contains("\"exploding\":[]"));
    // Device pixels of fractional sizes round up.
    const QSize sizes[] = {{700, 620}, {500, 400}, {1000, 800}, {157, 127}, {180, 120}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(QImage(dir.filePath(QString("%1.png").arg(char('a' + i)))).size(), sizes[i]);
    }
    // The wheel centre sits at half the client size: the central gem's spot
    // shows a pixel below it.
    EXPECT_EQ(QImage(dir.filePath("b.png")).pixel(250, 202), qRgb(255, 255, 0));
    EXPECT_EQ(QImage(dir.filePath("c.png")).pixel(500, 404), qRgb(255, 255, 0));

    for (const char* line :
         {"render", "render a.png 700", "render a.png 0 620", "render a.png 700 620 0",
          "render a.png 700 620 nan", "render a.png 700 620 1 extra", "render a.png 8000 8000 2",
          "render /nonexistent/dir/a.png"}) {
        QProcess bad;
        bad.setWorkingDirectory(dir.path());
        EXPECT_EQ(Finish(bad, "/tools/sim/torvane-sim", {"--allow-render", "-"},
                         QString("new\n") + line + "\n"),
                  2)
            << line;
        EXPECT_TRUE(bad.readAllStandardError().contains("line 2")) << line;
    }

    // Without being let, a script paints nothing; a replay (anyone's file)
    // never does, nor reaches the settings file, the scores, the terminal
    // or real time: its settings stay in memory.
    const QString conf = dir.filePath("T.conf");
    const QString outside[] = {"render f.png", "render f.png", "record 000 a|X|1|1",
                               "offer 99 X",   "scores",       "clock 1",
                               "sleep 1",      "await"};
    for (const QString& line : outside) {
        const bool replay = &line != outside;
        QProcess refused;
        refused.setWorkingDirectory(dir.path());
        const QStringList args =
            replay ? QStringList{"--settings", conf, "--allow-render", "-"} : QStringList{"-"};
        const QString text = (replay ? "# Torvane replay\n" : "#\n") + QString("setting Quiet 1\n");
        EXPECT_EQ(Finish(refused, "/tools/sim/torvane-sim", args, text + line + "\n"), 2)
            << line.toStdString();
        EXPECT_TRUE(refused.readAllStandardError().contains("line 3")) << line.toStdString();
    }
    EXPECT_FALSE(QFile::exists(conf) || QFile::exists(dir.filePath("f.png")));
}
