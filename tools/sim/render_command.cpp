#include "tools/sim/render_command.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <ostream>

#include "render/board_renderer.h"
#include "script/json_writer.h"
#include "script/sim_runner.h"

namespace {

constexpr std::int64_t kDefaultWidth = 700;
constexpr std::int64_t kDefaultHeight = 620;
constexpr std::int64_t kMaxSide = 8192;
constexpr double kMaxRatio = 8.0;

// The runner never has a display.
QGuiApplication* MakeOffscreenApplication() {
    static int argc = 3;
    static char name[] = "torvane-sim";
    static char platformFlag[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformFlag, platform, nullptr};
    return new QGuiApplication(argc, argv);
}

void Render(CSimRunner& runner, const SimLine& line, QGuiApplication*& app) {
    if (line.words.size() != 2 && line.words.size() != 4 && line.words.size() != 5) {
        throw SimError("render takes FILE [WIDTH HEIGHT [RATIO]]");
    }
    const std::string file(line.words[1]);
    std::int64_t width = kDefaultWidth;
    std::int64_t height = kDefaultHeight;
    double ratio = 1.0;
    if (line.words.size() >= 4) {
        width = CSimRunner::ParseI64(line, 2, 1, kMaxSide);
        height = CSimRunner::ParseI64(line, 3, 1, kMaxSide);
    }
    if (line.words.size() == 5) {
        ratio = CSimRunner::ParseFiniteDouble(line, 4);
        if (!(ratio > 0.0 && ratio <= kMaxRatio)) {
            throw SimError("pixel ratio \"" + std::string(line.words[4]) + "\" is not in (0, 8]");
        }
        if (width * ratio > kMaxSide || height * ratio > kMaxSide) {
            throw SimError("the image would be larger than 8192 pixels a side");
        }
    }

    // Text needs a QGuiApplication.
    if (QGuiApplication::instance() == nullptr) {
        app = MakeOffscreenApplication();
    }
    CGame& game = runner.Game();
    const auto w = static_cast<std::int32_t>(width);
    const auto h = static_cast<std::int32_t>(height);
    CBoardRenderer renderer({0, 0, w, h}, ratio);
    QImage image = renderer.Paint(game);
    renderer.RetireShown(game);
    image.setDevicePixelRatio(1.0);
    QImageWriter writer(QString::fromStdString(file), "png");
    if (!writer.write(image)) {
        throw SimError("cannot write " + file + ": " + writer.errorString().toStdString());
    }
    runner.Out() << "{\"ev\":\"render\",\"t\":" << GameClock::Now()
                 << ",\"file\":" << JsonString(file) << ",\"width\":" << image.width()
                 << ",\"height\":" << image.height() << "}\n";
}

}  // namespace

CRenderCommand::CRenderCommand(CSimRunner& runner) {
    runner.Register("render",
                    [this](CSimRunner& r, const SimLine& line) { Render(r, line, app_); });
}

CRenderCommand::~CRenderCommand() {
    delete app_;
}
