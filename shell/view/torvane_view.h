#pragma once
// The game view: the widget of the board. It turns the pointer, the wheel and
// the keys into the board model's commands, and paints the model's game with
// the board renderer.
//
// Only what changed is painted: the renderer keeps the whole board and says
// which of its device pixels changed, and those, through the mapping, are
// what the window repaints. While the game runs with smooth motion, a pacer
// repaints at the screen's rate; the game's own timer stays as it is.
//
// Three kinds of pixels meet here:
// - widget pixels: the view's own coordinates, those of its size and of the
//   pointer in mouse events;
// - board pixels: the game's coordinates, those of the rules, the renderer's
//   layout and the wheel centre, fixed at kBoardWidth x kBoardHeight whatever
//   the window's size;
// - device pixels: the screen's, widget pixels times the screen's ratio; the
//   renderer draws every board pixel as scale x ratio of them.
// Mapping() (a scale and an offset) turns widget points into board pixels and
// back; every pointer handler and the paint go through it, and nothing else
// sees the widget's size.
//
// The view holds no game of its own: the board model owns the game and what
// the board is doing, and the view turns the player's input into the model's
// commands and paints what the model shows.

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "render/board_mapping.h"

class CBoardModel;
class CBoardRenderer;
class CFramePacer;

class CTorvaneView : public QWidget {
    Q_OBJECT

  public:
    explicit CTorvaneView(CBoardModel& model, QWidget* parent = nullptr);
    ~CTorvaneView() override;

    CBoardModel& Model() const { return model_; }

    // Repaint requests: Invalidate paints the board where it changed and
    // leaves the window's part to the event loop, RepaintNow puts the whole
    // board on the screen before it returns (the "Game Over" banner behind
    // the end-of-game dialogs).
    void Invalidate();
    void RepaintNow();

    // The first paint's set-up: the renderer. Normally run by
    // the first paint; exposed for callers that need the renderer before the
    // view was ever painted.
    void EnsureInitialised();
    bool Initialised() const { return renderer_ != nullptr; }
    const CBoardRenderer& Renderer() const { return *renderer_; }
    CBoardRenderer& Renderer() { return *renderer_; }

    // Where the board lies in the view at its present size and screen.
    BoardMapping Mapping() const;

    // The board at its base size, as the window opens.
    QSize sizeHint() const override;

    // Falling gems glide between the rules' steps, painted at the screen's
    // rate while anything moves; off, they move only when the rules move
    // them, and the board is painted on the game's timer.
    bool SmoothMotion() const { return smoothMotion_; }
    void SetSmoothMotion(bool on);
    const CFramePacer& Pacer() const { return *pacer_; }

    // The wheel's step per notch of the mouse wheel, and its direction.
    double WheelSpeed() const;
    bool WheelClockwise() const;
    void SetWheel(double speed, bool clockwise);

  signals:
    // The view has a new size; it has been painted.
    void Resized();
    void Painted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // The renderer paints the game as it is now, and the widget pixels that
    // its paint changed.
    void PaintBoard();
    QRegion ChangedArea(const BoardMapping& mapping) const;

    CBoardModel& model_;
    std::unique_ptr<CBoardRenderer> renderer_;
    bool dragging_ = false;
    double grabOffset_ = 0.0;
    // Runs from each resize until the size has settled; meanwhile the old
    // renderer's picture, stretched, stands in for a new one.
    QTimer settling_;
    bool smoothMotion_ = true;
    CFramePacer* pacer_;
    // The renderer has not painted the game since it last changed: the window
    // was not shown, or the renderer is new.
    bool boardStale_ = false;
};
