// The board at any window size: one mapping between the view and the board
// for painting and every pointer rule.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "render/artwork.h"
#include "render/board_renderer.h"
#include "shell/window_placement.h"
#include "ui_fixture.h"

namespace {

TEST(BoardMapping, MapsBoardPixelsIntoAViewOneHundredWiderAndBack) {
    const struct {
        double scale;
        QPoint board;
        QPointF widget;  // the middle of the board pixel
    } cases[] = {{0.5, {0, 0}, {50.25, 0.25}},    {0.75, {723, 697}, {592.625, 523.125}},
                 {1, {362, 349}, {412.5, 349.5}}, {1.5, {181, 49}, {322.25, 74.25}},
                 {2, {8, 5}, {67, 11}},           {2.6, {723, 0}, {1930.1, 1.3}}};
    for (const auto& c : cases) {
        const BoardMapping m =
            BoardMapping::Fit(QSizeF(kBoardWidth * c.scale + 100, kBoardHeight * c.scale), 1.0);
        EXPECT_LT((m.ToWidget(c.board) - c.widget).manhattanLength(), 1e-9) << c.scale;
        EXPECT_EQ(m.ToBoard(c.widget), c.board) << c.scale;
        EXPECT_EQ(m.ToBoard(c.widget - QPointF(c.scale, c.scale)), c.board - QPoint(1, 1));
    }
}

// A view of its own, resized at will, set up as by its first paint.
class BoardScalingTest : public UiTest {
  protected:
    void MakeView() {
        view = std::make_unique<CTorvaneView>();
        view->resize(kBoardWidth, kBoardHeight);
        QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
        view->render(&image);
    }
    void TearDown() override {
        view.reset();
        UiTest::TearDown();
    }
    std::unique_ptr<CTorvaneView> view;
};

TEST_F(BoardScalingTest, DragsAndTheBombBoxGiveTheSameResultsAtEveryScale) {
    auto Mouse = [this](QEvent::Type type, QPoint board) {
        const QPointF at = view->Mapping().ToWidget(board);
        QMouseEvent event(type, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &event);
    };
    const QPoint path[] = {{600, 349}, {560, 200}, {362, 90}, {150, 300}, {200, 600}};
    double atScaleOne = 0;
    for (const double scale : {1.0, 0.5, 0.75, 1.5, 2.0, 2.6}) {
        MakeView();
        view->resize(static_cast<int>(kBoardWidth * scale) + 100,
                     static_cast<int>(kBoardHeight * scale));
        view->game->Resume();
        view->game->wheelAngle = 0.3;
        Mouse(QEvent::MouseButtonPress, path[0]);
        for (const QPoint& p : path) {
            Mouse(QEvent::MouseMove, p);
        }
        atScaleOne = scale == 1 ? view->game->wheelAngle : atScaleOne;
        EXPECT_EQ(view->game->wheelAngle, atScaleOne) << scale;
        // Just outside the bomb box, then its top-left pixel.
        Mouse(QEvent::MouseButtonDblClick, {7, 5});
        Mouse(QEvent::MouseButtonDblClick, {8, 4});
        EXPECT_EQ(view->game->bombs, 1) << scale;
        Mouse(QEvent::MouseButtonDblClick, {8, 5});
        EXPECT_EQ(view->game->bombs, 0) << scale;
    }
    EXPECT_NEAR(atScaleOne, 0.3 + std::atan2(600 - 349, 200 - 362), 0.01);
}

TEST_F(BoardScalingTest, AResizedViewIsDrawnAfreshAtItsScaleWithTheTileGoingOnIntoTheMargins) {
    MakeView();
    view->resize(2 * kBoardWidth + 800, 2 * kBoardHeight);
    QImage image(view->size(), QImage::Format_RGB32);
    // The old picture stands in while the size settles, then a new one is made.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        view->render(&image);
        return view->renderer->DevicePixelRatio() == 2.0;
    }));
    // Left of the board (x < 400) the margin repeats the board's own pixels
    // four tiles further right.
    for (const QPoint p : {QPoint(0, 1300), QPoint(143, 1390), QPoint(399, 1390)}) {
        EXPECT_EQ(image.pixel(p), image.pixel(p + QPoint(4 * TileImage(2.0).width(), 0))) << p.x();
    }
}

TEST(WindowPlacement, ARememberedPlaceOpensWhollyOnTheScreenShowingMostOfIt) {
    const QList<QRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const QMargins frame(2, 30, 2, 2);
    const struct {
        QRect saved, opened;
    } cases[] = {
        {{100, 50, 768, 738}, {100, 50, 768, 738}},      // inside: as left
        {{2900, 500, 768, 738}, {2428, 254, 768, 738}},  // half off the second: pulled in
        {{1500, 900, 768, 738}, {1148, 310, 768, 738}},  // across both, more on the first
        {{2000, 10, 1500, 1200}, {1920, 0, 1276, 992}},  // larger than its screen: shrunk
        {{3180, 1010, 800, 700}, {558, 174, 800, 700}},  // too little to grab: centred
        {{-900, 100, 800, 700}, {558, 174, 800, 700}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceOnScreens(c.saved, frame, screens, screens[0]), c.opened) << c.saved.x();
    }
}

}  // namespace
