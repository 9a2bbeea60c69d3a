// A few small boards compared pixel for pixel with pictures kept beside the
// tests, to catch drift in anything drawn. Text is left out: its pixels depend
// on the font engine. TORVANE_UPDATE_GOLDEN=1 rewrites the pictures.
#include <QDir>
#include <QImage>

#include "render/board_renderer.h"
#include "render_test_support.h"

namespace {

QString GoldenPath(const QString& name) {
    return QString(TORVANE_SOURCE_DIR) + "/tests/render/golden/" + name + ".png";
}

class GoldenBoards : public RenderTest {
  protected:
    // Gems round the centre, gems falling in, an explosion a quarter of the
    // way through, three bombs in hand.
    void BuildScene(CGame& game) {
        game.started = true;
        game.paused = false;
        game.bombs = 3;
        game.wheelAngle = 0.3;
        const struct {
            Cell cell;
            std::int32_t colour;
        } cluster[] = {{{1, 0}, 0},  {{0, 1}, 0}, {{-1, 1}, 1}, {{-1, 0}, 2}, {{0, -1}, 1},
                       {{1, -1}, 0}, {{2, 0}, 2}, {{2, -1}, 2}, {{1, 1}, 1},  {{-2, 1}, 0},
                       {{-2, 2}, 1}, {{0, 2}, 2}, {{3, -1}, 0}, {{2, -2}, 0}, {{-1, 2}, 1}};
        for (const auto& g : cluster) {
            AddLatticeGem(game, g.cell, g.colour);
        }
        AddFallingGem(game, 120.0, -95.0, 1, 0.7);
        AddFallingGem(game, -110.0, 60.5, 2, 2.2);
        AddExplodingGem(game, {-3, 3}, 1, Now() - 300);
        AddExplodingGem(game, {-2, 3}, 1, Now() - 900);
    }

    void Check(const QImage& board, const QRect& logical, const QString& name) {
        const qreal ratio = board.devicePixelRatio();
        const QRect device(logical.topLeft() * ratio, logical.size() * ratio);
        QImage crop = board.copy(device).convertToFormat(QImage::Format_RGB32);
        crop.setDevicePixelRatio(1.0);
        if (qEnvironmentVariableIntValue("TORVANE_UPDATE_GOLDEN") == 1) {
            QDir().mkpath(QFileInfo(GoldenPath(name)).path());
            ASSERT_TRUE(crop.save(GoldenPath(name)));
            return;
        }
        const QImage golden = QImage(GoldenPath(name)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(golden.isNull()) << "missing " << GoldenPath(name).toStdString();
        ASSERT_EQ(golden.size(), crop.size());
        int differ = 0;
        for (int y = 0; y < crop.height(); ++y) {
            for (int x = 0; x < crop.width(); ++x) {
                differ += !SameColour(golden.pixel(x, y), crop.pixel(x, y));
            }
        }
        EXPECT_EQ(differ, 0) << name.toStdString() << ": pixels differ from the golden picture";
    }
};

}  // namespace

TEST_F(GoldenBoards, ClusterFallingGemsExplosionsAndBombsAtRatiosOneAndTwo) {
    CGame game;
    BuildScene(game);
    CBoardRenderer renderer(kClient);
    const QImage& board = renderer.Paint(game);
    Check(board, QRect(210, 190, 260, 240), "cluster-1x");
    Check(board, QRect(0, 0, 260, 120), "corner-1x");
    CBoardRenderer hidpi(kClient, 2.0);
    Check(hidpi.Paint(game), QRect(260, 220, 170, 150), "cluster-2x");
}
