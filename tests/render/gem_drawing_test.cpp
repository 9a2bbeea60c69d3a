#include <QImage>
#include <cmath>

#include "game/polar.h"
#include "render/board_renderer.h"
#include "render/gem_drawing.h"
#include "render/gem_sprites.h"
#include "render_test_support.h"

namespace {

class GemDrawing : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        renderer_ = std::make_unique<CBoardRenderer>(kClient);
        game_ = std::make_unique<CGame>();
        ClearBoard(*game_);
        // A running game shows no banner over the wheel.
        game_->paused = false;
        game_->started = true;
        background_ = renderer_->Paint(*game_).copy();
    }

    const QImage& Paint() { return renderer_->Paint(*game_); }

    // Whether the board shows exactly the sprite of (slot, frame) with its
    // cell's top-left corner at `topLeft`, and the background around it.
    ::testing::AssertionResult DrawnAt(const QImage& board, int slot, int frame, QPoint topLeft) {
        const QImage& sprite = renderer_->Sprites().Sprite(slot, frame);
        for (int y = 0; y < kGemCellSize; ++y) {
            for (int x = 0; x < kGemCellSize; ++x) {
                const QPoint p = topLeft + QPoint(x, y);
                const QRgb s = sprite.pixel(x, y);
                const QRgb want = qAlpha(s) == 255 ? s : background_.pixel(p);
                if (!SameColour(board.pixel(p), want)) {
                    return ::testing::AssertionFailure()
                           << "pixel " << x << "," << y << " of the cell at " << topLeft.x() << ","
                           << topLeft.y() << " is not frame " << frame << " of slot " << slot;
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    // The rows and columns spanned by pure red pixels in a square around p.
    QRect RedAround(const QImage& board, QPoint p) {
        QRect r;
        for (int y = p.y() - 20; y <= p.y() + 20; ++y) {
            for (int x = p.x() - 20; x <= p.x() + 20; ++x) {
                if (SameColour(board.pixel(x, y), qRgb(255, 0, 0))) {
                    r |= QRect(x, y, 1, 1);
                }
            }
        }
        return r;
    }

    std::unique_ptr<CBoardRenderer> renderer_;
    std::unique_ptr<CGame> game_;
    QImage background_;
};

}  // namespace

TEST_F(GemDrawing, WheelAngleChoosesTheRotationFrame) {
    AddLatticeGem(*game_, {3, 0}, 1);
    struct Case {
        double angle;
        int frame;
    };
    std::vector<Case> cases{
        {0.0, 0}, {-kPi / 96, 15}, {kPi / 3 + kPi / 96, 0}, {100 * kPi + 1.5 * kPi / 48, 1}};
    for (int f = 0; f < kGemFrames; ++f) {
        cases.push_back({(f + 0.5) * kPi / 48, f});
    }
    for (const Case& c : cases) {
        game_->wheelAngle = c.angle;
        const QPoint at = GemScreenPoint(*game_->lattice.Head(), c.angle);
        // The gem turns with the wheel: 78 pixels out at the wheel's angle.
        EXPECT_NEAR(at.x(), 350 + 78 * std::cos(c.angle), 1.0);
        EXPECT_NEAR(at.y(), 310 + 78 * std::sin(c.angle), 1.0);
        EXPECT_TRUE(DrawnAt(Paint(), 1, c.frame, at - QPoint(14, 14))) << "angle " << c.angle;
    }
}

TEST_F(GemDrawing, CentralGemIsDrawnOnePixelBelowTheCentre) {
    CGame fresh;
    fresh.paused = false;
    const QImage& board = renderer_->Paint(fresh);
    EXPECT_TRUE(DrawnAt(board, 3, 0, QPoint(350 - 14, 311 - 14)));
    // Turned a quarter, the offset points left, and -0.5 cuts to 0.
    fresh.wheelAngle = kHalfPi;
    EXPECT_EQ(GemScreenPoint(*fresh.centre, fresh.wheelAngle), QPoint(350, 310));
}

TEST_F(GemDrawing, FallingGemsRoundHalfUpCutTowardZeroAndKeepTheirOwnTurnAsTheWheelTurns) {
    EXPECT_EQ(GemScreenPoint(*AddFallingGem(*game_, -10.6, 0.0, 2, 0.0), 0.0), QPoint(340, 310));
    EXPECT_EQ(GemScreenPoint(*AddFallingGem(*game_, 10.6, 0.0, 2, 0.0), 0.0), QPoint(361, 310));
    CGem* gem = AddFallingGem(*game_, 0.0, -200.0, 0, 5.5 * kPi / 48);
    // -199.5 cuts toward zero to -199.
    ASSERT_EQ(GemScreenPoint(*gem, 0.0), QPoint(350, 111));
    for (double wheel : {0.0, 1.0, -2.5}) {
        game_->wheelAngle = wheel;
        EXPECT_TRUE(DrawnAt(Paint(), 0, 5, QPoint(350 - 14, 111 - 14))) << "wheel " << wheel;
    }
}

TEST_F(GemDrawing, GemsOfAnUnknownColourUseTheFirstSlot) {
    const CGem* seven = AddLatticeGem(*game_, {-3, 0}, 7);
    const CGem* negative = AddLatticeGem(*game_, {3, 0}, -1);
    const QImage& board = Paint();
    EXPECT_TRUE(DrawnAt(board, 0, 0, GemScreenPoint(*seven, 0.0) - QPoint(14, 14)));
    EXPECT_TRUE(DrawnAt(board, 0, 0, GemScreenPoint(*negative, 0.0) - QPoint(14, 14)));
}

TEST_F(GemDrawing, ExplosionShrinksThroughSixPhasesThenShowsTheGemOnceAndIsGone) {
    CGem* gem = AddExplodingGem(*game_, {2, 0}, 1, Now());
    const QPoint at(402, 310);
    const int radii[] = {12, 12, 11, 10, 7, 0};
    for (int phase = 0; phase < 6; ++phase) {
        SetRealTime(kStartMs + 200 * phase + 100);
        const QRect red = RedAround(Paint(), at);
        const int r = radii[phase];
        if (r == 0) {
            EXPECT_LE(red.width() * red.height(), 1) << "phase " << phase;
        } else {
            EXPECT_EQ(red.top(), at.y() - r) << "phase " << phase;
            EXPECT_EQ(red.bottom(), at.y() + r) << "phase " << phase;
            EXPECT_NEAR(red.center().x(), at.x(), 1) << "phase " << phase;
        }
        ASSERT_TRUE(game_->exploding.Contains(gem));
    }
    // The explosion is over: the bare gem shows once more, and it is gone.
    SetRealTime(kStartMs + 1200);
    EXPECT_TRUE(DrawnAt(Paint(), 1, 0, at - QPoint(14, 14)));
    EXPECT_TRUE(game_->exploding.IsEmpty());
    EXPECT_EQ(Paint(), background_);
}

TEST(Spokes, AreThreePixelsWideWithRoundEndsAndClipToTheImage) {
    for (int ratio : {1, 2}) {
        QImage image(40 * ratio, 20 * ratio, QImage::Format_RGB32);
        image.fill(Qt::white);
        DrawSpoke(image, QPoint(10, 10), QPoint(30, 10), ratio);
        auto black = [&](int x, int y) { return SameColour(image.pixel(x, y), qRgb(0, 0, 0)); };
        int column = 0;
        for (int y = 0; y < image.height(); ++y) {
            column += black(20 * ratio, y);
        }
        EXPECT_EQ(column, 3 * ratio) << "ratio " << ratio;
        if (ratio == 1) {
            // The round ends reach one pixel past each end point.
            EXPECT_TRUE(black(9, 10) && black(31, 10));
            EXPECT_FALSE(black(8, 10) || black(32, 10));
        }
        // Partly or wholly outside, nothing is written out of bounds.
        DrawSpoke(image, QPoint(-50, -3), QPoint(100, 25), ratio);
        DrawSpoke(image, QPoint(-500, -300), QPoint(-400, -250), ratio);
    }
}

TEST(ExplosionRadius, ChangesExactlyAtThePhaseBoundaries) {
    EXPECT_EQ(ExplosionRadius(399), 12);
    EXPECT_EQ(ExplosionRadius(400), 11);
    EXPECT_EQ(ExplosionRadius(799), 10);
    EXPECT_EQ(ExplosionRadius(800), 7);
    EXPECT_EQ(ExplosionRadius(1199), 0);
    EXPECT_EQ(ExplosionRadius(1200), -1);
    EXPECT_EQ(ExplosionRadius(-5000), 12);  // a clock that went backwards
}
