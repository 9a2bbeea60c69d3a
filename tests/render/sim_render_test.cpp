// The runner's render command, end to end through the torvane-sim program.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct RunResult {
    int status = -1;
    QString out;
    QString err;
};

RunResult RunSim(const QString& script) {
    QProcess sim;
    sim.start(QString(TORVANE_BINARY_DIR) + "/tools/sim/torvane-sim", {"-"});
    sim.write(script.toUtf8());
    sim.closeWriteChannel();
    RunResult r;
    if (!sim.waitForFinished(60000)) {
        return r;
    }
    r.status = sim.exitStatus() == QProcess::NormalExit ? sim.exitCode() : -1;
    r.out = QString::fromUtf8(sim.readAllStandardOutput());
    r.err = QString::fromUtf8(sim.readAllStandardError());
    return r;
}

}  // namespace

TEST(SimRender, PaintsTheBoardIntoAPngAtTheDefaultOrAGivenSize) {
    QTemporaryDir dir;
    const QString small = dir.filePath("small.png");
    const QString big = dir.filePath("big.png");
    const RunResult r = RunSim("new\nrender " + dir.filePath("default.png") + "\nrender " + small +
                               " 500 400\nrender " + big + " 500 400 2\n");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\"ev\":\"render\"")) << r.out.toStdString();

    const QImage standard(dir.filePath("default.png"));
    EXPECT_EQ(standard.size(), QSize(700, 620));
    EXPECT_EQ(standard.pixel(350, 100), qRgb(0, 128, 0));

    // The wheel centre sits at half the client size.
    const QImage s(small);
    ASSERT_EQ(s.size(), QSize(500, 400));
    EXPECT_EQ(s.pixel(250, 130), qRgb(0, 128, 0));
    EXPECT_EQ(s.pixel(250, 202), qRgb(255, 255, 0)) << "the central gem's spot";
    const QImage b(big);
    ASSERT_EQ(b.size(), QSize(1000, 800));
    EXPECT_EQ(b.pixel(500, 404), qRgb(255, 255, 0));
}

TEST(SimRender, RenderingRetiresFinishedExplosionsAsAPaintDoes) {
    QTemporaryDir dir;
    // Six gems around the centre: the falling one closes the ring, which
    // explodes; long after, the gems still wait for a paint to retire them.
    const RunResult r = RunSim("seed 3\nnew SixAround\nresume\nwait 12000\npause\nstate\nrender " +
                               dir.filePath("a.png") + "\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList states = r.out.split('\n').filter("\"ev\":\"state\"");
    ASSERT_TRUE(r.out.contains("\"ev\":\"ring\"")) << r.out.toStdString();
    ASSERT_EQ(states.size(), 2);
    EXPECT_FALSE(states[0].contains("\"exploding\":[]"));
    EXPECT_TRUE(states[1].contains("\"exploding\":[]"));
}

TEST(SimRender, BadArgumentsAndUnwritableFilesEndTheRunWithStatusTwo) {
    QTemporaryDir dir;
    for (const QString& line :
         {QString("render"), QString("render a.png 700"), QString("render a.png 0 620"),
          QString("render a.png 700 -1"), QString("render a.png x 620"),
          QString("render a.png 700 620 0"), QString("render a.png 700 620 nan"),
          QString("render a.png 700 620 1 extra"), QString("render a.png 8000 8000 2"),
          "render " + dir.filePath("missing/dir/a.png")}) {
        const RunResult r = RunSim("new\n" + line + "\n");
        EXPECT_EQ(r.status, 2) << line.toStdString();
        EXPECT_TRUE(r.err.contains("line 2")) << line.toStdString() << ": " << r.err.toStdString();
    }
}
