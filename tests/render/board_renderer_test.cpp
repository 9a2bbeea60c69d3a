#include <QImage>

#include "render/artwork.h"
#include "render/board_renderer.h"
#include "render/gem_drawing.h"
#include "render/gem_sprites.h"
#include "render_test_support.h"

namespace {

bool IsDark(QRgb c) {
    return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) < 50;
}

// The box around the dark (text) pixels inside a rectangle.
QRect DarkPixels(const QImage& board, const QRect& within) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (IsDark(board.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

class BoardPainting : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        renderer_ = std::make_unique<CBoardRenderer>(kClient);
        game_ = std::make_unique<CGame>();
    }

    void Run() {
        game_->started = true;
        game_->paused = false;
    }

    std::unique_ptr<CBoardRenderer> renderer_;
    std::unique_ptr<CGame> game_;
};

}  // namespace

TEST_F(BoardPainting, BackgroundTilesFromTheTopLeftAroundTheWheelAndPanels) {
    Run();
    const QImage& board = renderer_->Paint(*game_);
    ASSERT_EQ(board.size(), QSize(700, 620));
    const QImage tile = TileImage();
    for (QPoint p : {QPoint(0, 0), QPoint(63, 63), QPoint(64, 0), QPoint(5, 600), QPoint(699, 619),
                     QPoint(190, 20), QPoint(30, 300)}) {
        EXPECT_TRUE(SameColour(board.pixel(p), tile.pixel(p.x() % 64, p.y() % 64)))
            << p.x() << "," << p.y();
    }
    // Inside the disc the wheel is green; its rim is black.
    EXPECT_TRUE(SameColour(board.pixel(350, 100), kWheelGreen));
    EXPECT_TRUE(SameColour(board.pixel(350, 1), qRgb(0, 0, 0)));
}

TEST_F(BoardPainting, ScoreIsRightAlignedInTheScorePanel) {
    Run();
    const QRect inner(520, 7, 170, 40);

    game_->score = 0;
    const QRect zero = DarkPixels(renderer_->Paint(*game_), inner);
    ASSERT_FALSE(zero.isEmpty());
    EXPECT_GE(zero.right(), 700 - 12 - 4);
    EXPECT_LE(zero.right(), 700 - 12);
    EXPECT_LT(zero.width(), 24);
    // The digits stand about 24 pixels tall in the 38-pixel cell, centred.
    EXPECT_NEAR(zero.height(), 24, 2);
    EXPECT_NEAR(zero.top(), 15, 2);

    game_->score = 4294967295u;
    const QRect big = DarkPixels(renderer_->Paint(*game_), inner);
    EXPECT_EQ(big.right(), zero.right());
    EXPECT_GT(big.width(), 150);
    EXPECT_GE(big.left(), 520);
    // The panel is green with a sunken edge.
    const QImage& board = renderer_->Paint(*game_);
    EXPECT_TRUE(SameColour(board.pixel(530, 40), kWheelGreen));
    EXPECT_TRUE(SameColour(board.pixel(600, 5), qRgb(160, 160, 160)));
    EXPECT_TRUE(SameColour(board.pixel(600, 48), qRgb(255, 255, 255)));
}

TEST_F(BoardPainting, BombBoxShowsOneRedGemPerBomb) {
    Run();
    const CGemSprites& sprites = renderer_->Sprites();
    auto bombShown = [&](const QImage& board, int i) {
        const QImage& s = sprites.Sprite(kBombColour, 0);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                if (qAlpha(s.pixel(x, y)) == 255 &&
                    !SameColour(board.pixel(14 + 33 * i + x, 14 + y), s.pixel(x, y))) {
                    return false;
                }
            }
        }
        return true;
    };
    for (int bombs : {0, 1, 5}) {
        game_->bombs = bombs;
        const QImage& board = renderer_->Paint(*game_);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(bombShown(board, i), i < bombs) << bombs << " bombs, place " << i;
        }
    }
}

TEST_F(BoardPainting, EachStateShowsItsBannerTextCentredFromTheTopOfItsRectangle) {
    // The "Game Over" rectangle of a 700 x 620 client.
    const ClientRect r = BannerRect(0, 0, 260, kBannerHeight);
    EXPECT_EQ(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)),
              QRect(QPoint(220, 286), QPoint(480, 334)));
    ClearBoard(*game_);
    const QRect around(100, 250, 500, 120);
    struct Case {
        bool started, over;
        const char* text;
        int w;
    };
    for (const Case& c : {Case{false, false, "Press PLAY to begin", 400},
                          Case{true, false, "PAUSED", 180}, Case{true, true, "Game Over", 260}}) {
        game_->started = c.started;
        game_->over = c.over;
        EXPECT_EQ(BannerFor(*game_).text, c.text);
        EXPECT_EQ(BannerFor(*game_).width, c.w);
        const QRect text = DarkPixels(renderer_->Paint(*game_), around);
        ASSERT_FALSE(text.isEmpty());
        // Roughly centred on the wheel centre, inside the banner's width.
        EXPECT_NEAR(text.center().x(), 350, 3) << c.w;
        EXPECT_GE(text.left(), 350 - c.w / 2) << c.w;
        EXPECT_LE(text.right(), 350 + c.w / 2) << c.w;
        // Capitals start some 10 pixels below the rectangle's top at 286.
        EXPECT_NEAR(text.top(), 286 + 11, 3) << c.w;
        EXPECT_LE(text.bottom(), 286 + 50) << c.w;
    }
    game_->over = false;
    game_->paused = false;
    EXPECT_FALSE(BannerFor(*game_).shown);
    EXPECT_TRUE(DarkPixels(renderer_->Paint(*game_), around).isEmpty());
}

TEST_F(BoardPainting, GemsTakeTheStoredColours) {
    WriteSettingDword(kSettingsKey, "Color2", 0x00336699);
    CBoardRenderer renderer(kClient);
    EXPECT_EQ(renderer.GetPalette(), StoredGemPalette());
    EXPECT_EQ(renderer.GetPalette()[6], 0x00336699u);
}

TEST_F(BoardPainting, AtRatioTwoTheBoardHasTwiceThePixelsAndTheSameLayout) {
    // The gems at ratio two are guarded by the golden pictures.
    Run();
    CBoardRenderer hidpi(kClient, 2.0);
    const QImage& board = hidpi.Paint(*game_);
    ASSERT_EQ(board.size(), QSize(1400, 1240));
    EXPECT_DOUBLE_EQ(board.devicePixelRatio(), 2.0);
    EXPECT_TRUE(SameColour(board.pixel(2 * 350, 2 * 100), kWheelGreen));
    const QImage tile = TileImage(2.0);
    EXPECT_TRUE(SameColour(board.pixel(130, 1000), tile.pixel(130 % 128, 1000 % 128)));
}

TEST_F(BoardPainting, AClientSmallerThanTheWheelClipsEverything) {
    boardCentreX = 60;
    boardCentreY = 40;
    AddFallingGem(*game_, -70.0, -45.0, 1, 0.0);
    AddExplodingGem(*game_, {-2, -2}, 2, Now());
    game_->over = true;
    game_->bombs = 5;
    game_->score = 987654321;
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        CBoardRenderer small({0, 0, 120, 80}, ratio);
        const QImage& board = small.Paint(*game_);
        EXPECT_EQ(board.size(), QSize(DevicePixels(120, ratio), DevicePixels(80, ratio)));
    }
}

TEST_F(BoardPainting, AnEmptyClientPaintsNothing) {
    CBoardRenderer renderer({0, 0, 0, 0});
    EXPECT_TRUE(renderer.Paint(*game_).isNull());
}
