#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdint>

#include "game/sound.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::uint32_t U32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

std::uint16_t U16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// The files of the folders the generator writes, relative to the root.
QStringList GeneratedFiles(const QString& root) {
    QStringList files;
    for (const char* folder : {"art", "icons", "sounds"}) {
        QDirIterator it(root + "/" + folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            files << QDir(root).relativeFilePath(it.next());
        }
    }
    files.sort();
    return files;
}

}  // namespace

TEST(Resources, PicturesAreCompiledInAtTheirSizes) {
    const struct {
        const char* path;
        int w, h;
    } pictures[] = {
        {":/torvane/tile.png", 64, 64},        {":/torvane/toolbar.png", 140, 27},
        {":/torvane/toolbar@2x.png", 280, 54}, {":/torvane/logo.png", 66, 66},
        {":/torvane/icon.png", 256, 256},
    };
    for (const auto& p : pictures) {
        const QImage image(p.path);
        ASSERT_FALSE(image.isNull()) << p.path;
        EXPECT_EQ(image.size(), QSize(p.w, p.h)) << p.path;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_EQ(QImage(QString(":/torvane/icons/torvane-%1.png").arg(size)).size(),
                  QSize(size, size));
    }
    EXPECT_TRUE(ReadAll(":/torvane/icons/torvane.svg").startsWith("<svg"));
}

TEST(Resources, TileIsAzureOnAverage) {
    const QImage tile(":/torvane/tile.png");
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QRgb c = tile.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    }
    EXPECT_NEAR(r / 4096, 3, 1.5);
    EXPECT_NEAR(g / 4096, 123, 1.5);
    EXPECT_NEAR(b / 4096, 221, 1.5);
}

TEST(Resources, SoundsAreMono8BitAtTheirLengthsNeverClipAndEndInSilence) {
    const struct {
        const char* path;
        int samples;
    } sounds[] = {{":/torvane/sounds/snap.wav", kSnapCueSamples},
                  {":/torvane/sounds/explode.wav", kExplodeCueSamples}};
    for (const auto& s : sounds) {
        const QByteArray wav = ReadAll(s.path);
        ASSERT_GE(wav.size(), 44) << s.path;
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(U16(wav, 20), 1);  // PCM
        EXPECT_EQ(U16(wav, 22), 1);  // mono
        EXPECT_EQ(U32(wav, 24), static_cast<std::uint32_t>(kCueSampleRate));
        EXPECT_EQ(U16(wav, 34), 8);
        EXPECT_EQ(wav.mid(36, 4), "data");
        ASSERT_EQ(U32(wav, 40), static_cast<std::uint32_t>(s.samples)) << s.path;
        EXPECT_EQ(U32(wav, 4), static_cast<std::uint32_t>(wav.size() - 8));

        const QByteArray data = wav.mid(44, s.samples);
        int peak = 0;
        for (char c : data) {
            const int v = static_cast<std::uint8_t>(c);
            EXPECT_TRUE(v > 0 && v < 255) << s.path << " clips";
            peak = std::max(peak, std::abs(v - 128));
        }
        EXPECT_GT(peak, 90) << s.path << " is too quiet";
        // The last moments fade to the silent level, so playback stops
        // without a click.
        for (int i = s.samples - 40; i < s.samples; ++i) {
            EXPECT_LE(std::abs(static_cast<std::uint8_t>(data[i]) - 128), 1) << s.path << " " << i;
        }
        EXPECT_EQ(static_cast<std::uint8_t>(data[s.samples - 1]), 128);
    }
}

TEST(Resources, GeneratorReproducesTheShippedFilesByteForByte) {
    const QString generator = QString(TORVANE_BINARY_DIR) + "/tools/artgen/torvane-artgen";
    ASSERT_TRUE(QFile::exists(generator)) << "build torvane-artgen first";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess run;
    run.start(generator, {out.path()});
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();

    const QString shipped = QString(TORVANE_SOURCE_DIR) + "/resources";
    const QStringList made = GeneratedFiles(out.path());
    EXPECT_EQ(made, GeneratedFiles(shipped));
    for (const QString& rel : made) {
        EXPECT_TRUE(ReadAll(out.path() + "/" + rel) == ReadAll(shipped + "/" + rel))
            << rel.toStdString() << " differs: run the artgen-update target";
    }
}
