// The board at any window size: one mapping between the view and the board
// for painting and every pointer rule, and where the main window opens.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>

#include "game/polar.h"
#include "render/artwork.h"
#include "render/board_renderer.h"
#include "shell/window_placement.h"
#include "view_fixture.h"

namespace {

// Views as wide as the board at the scale plus 100, as tall as the board.
QSizeF ViewAt(double scale) {
    return QSizeF(kBoardWidth * scale + 100, kBoardHeight * scale);
}

// Scale 1 first: the others are compared with it.
const double kScales[] = {1, 0.5, 0.75, 1.5, 2, 2.6};

TEST(BoardMapping, MapsBoardPixelsToTheViewAndBackAtEveryScale) {
    const struct {
        double scale;
        QPoint board;
        QPointF widget;  // the middle of the board pixel
    } cases[] = {
        {0.5, {0, 0}, {50.25, 0.25}},
        {0.5, {362, 349}, {231.25, 174.75}},
        {0.75, {8, 5}, {56.375, 4.125}},
        {0.75, {723, 697}, {592.625, 523.125}},
        {1, {362, 349}, {412.5, 349.5}},
        {1.5, {181, 49}, {322.25, 74.25}},
        {2, {8, 5}, {67, 11}},
        {2, {0, 697}, {51, 1395}},
        {2.6, {362, 349}, {991.5, 908.7}},
        {2.6, {723, 0}, {1930.1, 1.3}},
    };
    for (const auto& c : cases) {
        const BoardMapping m = BoardMapping::Fit(ViewAt(c.scale), 1.0);
        const QPointF widget = m.ToWidget(c.board);
        EXPECT_NEAR(widget.x(), c.widget.x(), 1e-9) << c.scale;
        EXPECT_NEAR(widget.y(), c.widget.y(), 1e-9) << c.scale;
        EXPECT_EQ(m.ToBoard(widget), c.board) << c.scale;
        EXPECT_EQ(m.ToBoard(widget - QPointF(c.scale, c.scale)), c.board - QPoint(1, 1));
    }
}

class BoardScalingTest : public ViewFixture {
  protected:
    void SizeView(double scale) {
        const QSizeF size = ViewAt(scale);
        view->resize(static_cast<int>(std::lround(size.width())),
                     static_cast<int>(std::lround(size.height())));
    }
    void Mouse(QEvent::Type type, QPoint board, Qt::MouseButtons held = Qt::LeftButton) {
        const QPointF at = view->Mapping().ToWidget(board);
        QMouseEvent event(type, at, view->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(view.get(), &event);
    }
};

TEST_F(BoardScalingTest, ADragThroughTheSameBoardPointsTurnsTheWheelAlikeAtEveryScale) {
    const QPoint path[] = {{600, 349}, {560, 200}, {362, 90}, {150, 300}, {200, 600}};
    double atScaleOne = 0;
    for (const double scale : kScales) {
        MakeView();
        SizeView(scale);
        view->game->Resume();
        view->game->wheelAngle = 0.3;
        Mouse(QEvent::MouseButtonPress, path[0]);
        for (const QPoint& p : path) {
            Mouse(QEvent::MouseMove, p);
        }
        Mouse(QEvent::MouseButtonRelease, path[4], Qt::NoButton);
        if (scale == 1) {
            atScaleOne = view->game->wheelAngle;
        }
        EXPECT_EQ(view->game->wheelAngle, atScaleOne) << scale;
    }
    // From the pointer's first angle (0) to its last.
    EXPECT_NEAR(atScaleOne, 0.3 + std::atan2(600 - 349, 200 - 362), 0.01);
}

TEST_F(BoardScalingTest, TheBombBoxIsHitAtTheSameBoardRectangleAtScaleTwo) {
    MakeView();
    view->resize(2 * kBoardWidth, 2 * kBoardHeight);
    view->game->Resume();
    view->game->bombs = 2;
    for (const QPoint outside : {QPoint(7, 5), QPoint(182, 20), QPoint(100, 49)}) {
        Mouse(QEvent::MouseButtonDblClick, outside);
    }
    EXPECT_EQ(view->game->bombs, 2);
    Mouse(QEvent::MouseButtonDblClick, {8, 5});
    EXPECT_EQ(view->game->bombs, 1);
}

TEST_F(BoardScalingTest, AResizedViewIsDrawnAfreshAtItsScaleWithTheTileRunningOnIntoTheMargins) {
    MakeView();
    view->resize(2 * kBoardWidth + 800, 2 * kBoardHeight);
    QImage image(view->size(), QImage::Format_RGB32);
    // The old picture stands in while the size settles, then a new one is made.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        view->render(&image);
        return view->renderer->DevicePixelRatio() == 2.0;
    }));
    // The tile's pattern goes on across the board's left edge: the margin
    // repeats the board's own pixels four tiles' widths further right.
    const int tile = TileImage(2.0).width();
    ASSERT_EQ(view->Mapping().DeviceRect().left(), 400);
    for (const int y : {1300, 1390}) {
        for (const int x : {0, 1, 143, 399}) {
            EXPECT_EQ(image.pixel(x, y), image.pixel(x + 4 * tile, y)) << x << "," << y;
        }
    }
}

TEST(WindowPlacement, OpensAtTheBaseSizeWhereItFitsAndSmallerAndCentredWhereItDoesNot) {
    const QSize board(kBoardWidth, kBoardHeight);
    const QSize chrome(44, 40);
    const QMargins frame(4, 30, 4, 4);
    const struct {
        QRect available;
        QRect window;
    } cases[] = {
        {{0, 0, 1920, 1050}, {572, 139, 768, 738}},
        {{0, 0, 1366, 736}, {314, 0, 730, 702}},     // scale 0.948
        {{1366, 0, 800, 400}, {1559, 0, 406, 389}},  // never below half
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitOnScreen(board, chrome, frame, c.available), c.window);
    }
}

TEST(WindowPlacement, APlaceOffEveryScreenDoesNotCount) {
    const QList<QRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    EXPECT_TRUE(OnSomeScreen({100, 100, 800, 700}, screens));
    EXPECT_TRUE(OnSomeScreen({3100, 1000, 800, 700}, screens));   // its corner on the second
    EXPECT_FALSE(OnSomeScreen({3180, 1010, 800, 700}, screens));  // too little to grab
    EXPECT_FALSE(OnSomeScreen({-900, 100, 800, 700}, screens));
    EXPECT_FALSE(OnSomeScreen({100, 100, 800, 700}, {}));
}

}  // namespace
