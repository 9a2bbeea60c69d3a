// The painted board: whole boards against pictures kept beside the tests
// (TORVANE_UPDATE_GOLDEN=1 rewrites them), a few pixels the game's look is
// known by, where the text lands, and boards painted a part at a time. Text pixels depend on the
// font engine, so the pictures leave the score out and the text is checked by its extent.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <memory>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "render/artwork.h"
#include "render/board_renderer.h"
#include "render/gem_drawing.h"
#include "test_seams.h"
#include "tools/robot/robot_player.h"

namespace {

constexpr ClientRect kClient{0, 0, 700, 620};

class Board : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Text needs an application; it lives as long as the program.
        static int argc = 3;
        static char name[] = "render_tests", flag[] = "-platform", platform[] = "offscreen";
        static char* argv[] = {name, flag, platform, nullptr};
        if (QGuiApplication::instance() == nullptr) {
            new QGuiApplication(argc, argv);
        }
    }
    void SetUp() override { NewGame(); }

    // A running game, so no banner shows.
    void NewGame() {
        game = std::make_unique<CGame>();
        game->paused = false;
        game->started = true;
    }

    CGem* Add(CGemList& list, const CGem& gem) {
        CGem* copy = new CGem(gem);
        list.Append(copy);
        return copy;
    }

    // A cluster with gems of unknown colours, a falling gem over it, a row of
    // falling gems through every rotation frame, gems cut by the board's
    // edges, explosions of every phase, and three bombs in hand.
    void BuildScene() {
        NewGame();
        game->wheelAngle = 0.3;
        game->bombs = 3;
        const int cluster[][3] = {{1, 0, 0},  {0, 1, 0},  {-1, 1, 1}, {-1, 0, 2}, {0, -1, 1},
                                  {1, -1, 0}, {2, 0, 2},  {2, -1, 2}, {1, 1, 1},  {-2, 1, 0},
                                  {-2, 2, 1}, {0, 2, 2},  {3, -1, 0}, {2, -2, 0}, {-1, 2, 1},
                                  {0, -2, 7}, {-2, 0, -1}};
        for (const auto& g : cluster) {
            game->PlaceGem(Add(game->lattice, {.colour = g[2]}), {g[0], g[1]});
        }
        Add(game->falling, {.x = 40, .y = 20, .colour = 2, .orientation = 0.2});
        std::vector<double> turns{-kPi / 96, kPi / 3 + kPi / 96, 100 * kPi + 1.5 * kPi / 48};
        for (int f = 0; f < kGemFrames; ++f) {
            // Just past one frame's start, or just short of the next one's.
            turns.push_back((f + (f % 2 == 0 ? 0.1 : 0.9)) * kPi / 48);
        }
        for (int i = 0; i < static_cast<int>(turns.size()); ++i) {
            Add(game->falling,
                {.x = -323.6 + 36 * i, .y = 270.6, .colour = i % 5, .orientation = turns[i]});
        }
        Add(game->falling, {.x = -352.6, .y = -100.4, .colour = 0});
        Add(game->falling, {.x = 352.4, .y = 305.6, .colour = 1});
        Add(game->falling, {.x = 100.4, .y = -318.6, .colour = 2});
        const std::int64_t ages[] = {-5000, 0, 399, 400, 799, 800, 1199, 1200};
        for (int i = 0; i < 8; ++i) {
            const CGem gem{.x = -80.0 + 34 * i, .y = 190, .colour = 1, .exploding = 1};
            Add(game->exploding, gem)->explodedAt = GameClock::Now() - ages[i];
        }
    }

    // Compares a logical rectangle of the board with a picture, leaving out
    // the score panel's text.
    void Check(const QImage& board, const QRect& logical, const QString& name) {
        const QString path = QString(TORVANE_SOURCE_DIR "/tests/render/golden/") + name + ".png";
        QImage masked = board.convertToFormat(QImage::Format_RGB32);
        QPainter(&masked).fillRect(QRect(522, 9, 166, 36), Qt::black);
        const qreal ratio = board.devicePixelRatio();
        QImage crop = masked.copy(QRect(logical.topLeft() * ratio, logical.size() * ratio));
        crop.setDevicePixelRatio(1.0);
        if (qEnvironmentVariableIntValue("TORVANE_UPDATE_GOLDEN") == 1) {
            ASSERT_TRUE(crop.save(path));
        }
        EXPECT_TRUE(crop == QImage(path).convertToFormat(QImage::Format_RGB32))
            << name.toStdString() << " differs from its picture";
    }

    std::unique_ptr<CGame> game;
    CTestSeams seams_;
    CManualClockCounter& counter_ = seams_.clock;
};

}  // namespace

TEST_F(Board, PaintsTheSceneAsThePicturesShowAtRatiosOneAndTwo) {
    BuildScene();
    CBoardRenderer renderer(kClient);
    const QImage& board = renderer.Paint(*game);
    // The explosion that has run its 1200 ms shows once more, bare, and goes
    // once the paint that showed it is done; the paint itself leaves the game.
    EXPECT_EQ(game->exploding.Count(), 8);
    counter_.counter += 1;
    renderer.RetireShown(*game);
    EXPECT_EQ(game->exploding.Count(), 7);
    Check(board, QRect(0, 0, 700, 620), "board-1x");
    BuildScene();
    CBoardRenderer hidpi(kClient, 2.0);
    const QImage& big = hidpi.Paint(*game);
    Check(big, QRect(120, 440, 440, 180), "bottom-2x");
    // The players' symbols, in every frame turned with their gem, none on the
    // white gem and the bomb; switched off, the gems are as they were.
    for (const auto& [symbols, picture] : {std::pair{true, "symbols-2x"}, {false, "bottom-2x"}}) {
        BuildScene();
        hidpi.SetGemSymbols(symbols);
        Check(hidpi.Paint(*game), QRect(120, 440, 440, 180), picture);
    }

    // What the game's look is known by, whatever the pictures say.
    const QImage tile = TileImage();
    const struct {
        QPoint at;
        QRgb colour;
    } probes[] = {
        {{350, 40}, kWheelGreen},         {{350, 1}, qRgb(0, 0, 0)},  // disc and rim
        {{1, 1}, tile.pixel(1, 1)},       {{699, 300}, tile.pixel(699 % 64, 300 % 64)},
        {{530, 40}, kWheelGreen},         {{600, 5}, qRgb(160, 160, 160)},  // score panel
        {{600, 48}, qRgb(255, 255, 255)}, {{89, 26}, qRgb(255, 0, 0)},      // the third bomb
        {{350, 312}, qRgb(255, 255, 0)},  // the central gem's spot, a pixel low
    };
    for (const auto& p : probes) {
        EXPECT_EQ(board.pixel(p.at), p.colour) << p.at.x() << "," << p.at.y();
    }
}

TEST_F(Board, ScoreAndBannerTextSitInTheirPlacesAtAnyRatio) {
    struct Row {
        bool started, paused, over;
        int replay;  // 1: a replay is watched; 2: its playback paused too
        std::uint32_t score;
        QRect area, ink;  // where to look, and the dark pixels' extent found there
    } rows[] = {
        // The score's digits stand right-aligned, centred in the panel; a
        // banner is centred across the wheel, its capitals some 10 pixels
        // below its rectangle's top at 286.
        {true, false, false, 0, 0, {520, 7, 172, 40}, {670, 15, 16, 24}},
        {true, false, false, 0, 1234567, {520, 7, 172, 40}, {558, 15, 128, 24}},
        {false, true, false, 0, 0, {100, 250, 500, 120}, {164, 295, 372, 41}},  // Press PLAY
        {true, true, false, 0, 0, {100, 250, 500, 120}, {266, 296, 167, 30}},   // PAUSED
        {true, true, true, 0, 0, {100, 250, 500, 120}, {247, 296, 206, 30}},    // Game Over
        {true, false, false, 2, 0, {100, 250, 500, 120}, {266, 296, 167, 30}},  // replay paused
        // REPLAY near the top of the wheel, inside its spokes.
        {true, false, false, 1, 0, {230, 60, 240, 100}, {266, 101, 167, 29}},
    };
    for (const auto& [ratio, backing] :
         {std::pair{1.0, false}, {2.0, true}, {0.6, false}, {1.0, true}}) {
        CBoardRenderer renderer(kClient, ratio);
        renderer.SetBannerBacking(backing);
        for (const Row& row : rows) {
            std::tie(game->started, game->paused, game->over, game->score) =
                std::tuple(row.started, row.paused, row.over, row.score);
            renderer.ShowWatching(row.replay > 0, row.replay > 1);
            const QImage& board = renderer.Paint(*game);
            QRect ink;
            for (int y = row.area.top() * ratio; y <= row.area.bottom() * ratio; ++y) {
                for (int x = row.area.left() * ratio; x <= row.area.right() * ratio; ++x) {
                    ink |= qGray(board.pixel(x, y)) < 50 ? QRect(x, y, 1, 1) : QRect();
                }
            }
            // Every edge within 2 pixels.
            const QRect seen(ink.topLeft() / ratio, ink.size() / ratio);
            EXPECT_TRUE(row.ink.adjusted(-2, -2, 2, 2).contains(seen) &&
                        seen.contains(row.ink.adjusted(2, 2, -2, -2)))
                << "at ratio " << ratio << ": " << seen.x() << "," << seen.y() << " "
                << seen.width() << "x" << seen.height();
            // A banner on its backing has light all round it, green (the
            // wheel) shows there without; the score never has one.
            const QPoint beside = QPoint(row.ink.left() - 5, row.ink.center().y()) * ratio;
            EXPECT_EQ(qGray(board.pixel(beside)) > 150, backing && row.ink.top() > 50)
                << "at ratio " << ratio << " beside " << row.ink.x() << "," << row.ink.y();
        }
    }
}

TEST_F(Board, StoredColoursShadeTheGemsAndARebuildRecoloursThemInPlace) {
    // The default colours are the pictures' business.
    EXPECT_EQ(ShadeColour(0x00FF4040, 0), 0x00FF4040u);  // no divisor, no shade
    BuildScene();
    CBoardRenderer before(kClient);
    before.Paint(*game);
    before.RetireShown(*game);
    const QImage painted = before.Paint(*game).copy();

    // 0 (black) means the default; the top byte is no part of a colour.
    WriteSettingDword(kSettingsKey, "Color0", 0);
    WriteSettingDword(kSettingsKey, "Color1", 0x7F0001FF);
    WriteSettingDword(kSettingsKey, "Color2", 0x00204060);
    const GemPalette expected{0x00FF4040, 0x00802020, 0x00551515, 0x000001FF, 0x00000180,
                              0x00000055, 0x00204060, 0x00102030, 0x000B1520, 0x00FFFFFF,
                              0x00808080, 0x00555555, 0x000000FF, 0x00000080, 0x00000055};
    CBoardRenderer stored(kClient);
    EXPECT_EQ(stored.GetPalette(), expected);
    before.BuildSprites(expected);
    EXPECT_EQ(before.Paint(*game), stored.Paint(*game));
    EXPECT_NE(stored.Paint(*game), painted);
}

TEST_F(Board, PaintingOnlyWhatChangedGivesTheWholeBoardAtEveryScale) {
    // A quick game played by the robot, painted 25 times a second: gems glide
    // and snap, the wheel turns, bombs fall and blow gems up, the score, the
    // bombs in hand and the banners change, and gliding stops for a while.
    for (const qreal ratio : {0.75, 1.0, 1.25, 1.5, 2.0}) {
        GameRandom::Seed(11);
        NewGame();
        std::tie(game->fallSpeed, game->spawnInterval, game->bombs) = std::tuple(0.25, 300, 3);
        CRobotPlayer robot(5, {.maxTurn = 0.2, .bombChance = 0.03});
        CBoardRenderer partial(kClient, ratio), whole(kClient, ratio);
        qint64 stillArea = 0, stillFrames = 0;
        for (int frame = 0; frame < 300; ++frame) {
            counter_.counter += 40;
            const RobotMove move = robot.Decide(*game);
            const bool turn = frame % 4 == 0 && move.wheelAngle != game->wheelAngle;
            if (turn) {
                game->wheelAngle = move.wheelAngle;
                game->RetestContacts();
            }
            if (move.dropBomb) {
                game->DropBomb();
            }
            game->Tick();
            frame == 60 ? game->Pause() : frame == 64 ? game->Resume() : (void)0;
            for (CBoardRenderer* r : {&partial, &whole}) {
                r->ShowWatching(frame >= 80 && frame < 90, frame >= 85 && frame < 90);
                r->SetSmoothMotion(frame < 100 || frame >= 120);
            }
            game->over = game->over || frame == 299;
            const BoardFrame drawn = partial.Collect(*game);
            whole.Invalidate();
            ASSERT_TRUE(partial.Paint(drawn) == whole.Paint(drawn))
                << "frame " << frame << " at ratio " << ratio;
            partial.RetireShown(*game);
            for (const QRect& r : partial.Changed()) {
                stillArea += turn ? 0 : qint64(r.width()) * r.height();
            }
            stillFrames += turn ? 0 : 1;
        }
        // The game has had its events; between turns a small part is painted.
        EXPECT_TRUE(game->score > 250 && game->bombs == 0) << game->score;
        EXPECT_LT(stillArea / stillFrames, whole.Paint(*game).sizeInBytes() / 4 / 10);
    }
}
