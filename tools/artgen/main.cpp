// Writes every generated picture and sound below the directory it is given.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "render/artwork.h"
#include "render/gem_art.h"
#include "tools/artgen/sound_synth.h"
#include "tools/artgen/wav_writer.h"

namespace {

bool SavePng(const QImage& image, const QString& path) {
    QImage copy = image;
    copy.setDevicePixelRatio(1.0);
    QImageWriter writer(path, "png");
    if (!writer.write(copy)) {
        std::fprintf(stderr, "torvane-artgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

bool WriteGems(const QDir& out) {
    if (!out.mkpath("art/gems")) {
        return false;
    }
    for (int f = 0; f < kGemFrames; ++f) {
        const QString n = QString::asprintf("%02d", f);
        if (!SavePng(GemTemplateImage(f), out.filePath("art/gems/template-" + n + ".png")) ||
            !SavePng(GemMaskImage(f), out.filePath("art/gems/mask-" + n + ".png"))) {
            return false;
        }
    }
    return true;
}

bool WriteBytes(const QByteArray& bytes, const QString& path);

bool WritePictures(const QDir& out) {
    if (!out.mkpath("art") || !out.mkpath("icons")) {
        return false;
    }
    bool ok = SavePng(TileImage(), out.filePath("art/tile.png")) &&
              SavePng(ToolbarImage(), out.filePath("art/toolbar.png")) &&
              SavePng(ToolbarImage(2.0), out.filePath("art/toolbar@2x.png")) &&
              SavePng(LogoImage(), out.filePath("art/logo.png")) &&
              SavePng(LogoImage(2.0), out.filePath("art/logo@2x.png"));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        ok =
            ok && SavePng(IconImage(size), out.filePath(QString("icons/torvane-%1.png").arg(size)));
    }
    return ok && WriteBytes(IconScene(256).ToSvg().toUtf8(), out.filePath("icons/torvane.svg"));
}

bool WriteBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "torvane-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteSounds(const QDir& out) {
    return out.mkpath("sounds") &&
           WriteBytes(EncodeWav8(SnapSound(), kSynthRate), out.filePath("sounds/snap.wav")) &&
           WriteBytes(EncodeWav8(ExplosionSound(), kSynthRate), out.filePath("sounds/explode.wav"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvane-artgen OUTPUT-DIRECTORY\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "torvane-artgen: cannot create %s\n", argv[1]);
        return 2;
    }
    const bool ok = WriteGems(out) && WritePictures(out) && WriteSounds(out);
    return ok ? 0 : 1;
}
