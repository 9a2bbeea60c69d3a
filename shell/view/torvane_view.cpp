#include "shell/view/torvane_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include "game/settings_store.h"
#include "game/wheel_input.h"
#include "render/board_renderer.h"
#include "shell/model/board_model.h"
#include "shell/view/board_accessible.h"
#include "shell/view/frame_pacer.h"

namespace {
// How long a new size must hold before the board is drawn afresh for it:
// dragging a window edge sends a burst of sizes, and a fresh renderer for a
// large screen takes some ten milliseconds to make.
constexpr int kSettleMs = 100;
}  // namespace

CTorvaneView::CTorvaneView(CBoardModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    SetWheel(WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed")),
             ReadSettingDword(kSettingsKey, "MouseWheelClockwise") != 0);
    smoothMotion_ = ReadSettingDword(kSettingsKey, "NoSmoothMotion") == 0;
    pacer_ = new CFramePacer(this, [this] { Invalidate(); });

    // The paint covers every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // A drag whose release went elsewhere goes on following the pointer.
    setMouseTracking(true);

    // The view never shrinks the board below half its size.
    setMinimumSize(kBoardWidth / 2, kBoardHeight / 2);
    settling_.setSingleShot(true);
    settling_.setInterval(kSettleMs);
    connect(&settling_, &QTimer::timeout, this, [this] { update(); });

    new CBoardAccessibility(this);
    connect(&model_, &CBoardModel::BoardChanged, this, &CTorvaneView::Invalidate);
    connect(&model_, &CBoardModel::GameReplaced, this, [this] { dragging_ = false; });
    connect(&model_, &CBoardModel::StateChanged, this, [this] {
        // Nothing moves on a game that is paused or over (its clock stands
        // still), nor on one the model does not tick; a replay paints on its
        // own playback's frames.
        pacer_->Run(smoothMotion_ && model_.TimeRuns(), screen());
    });
}

CTorvaneView::~CTorvaneView() = default;

// Only the board changes with the game, and of the board only what changed
// since the last paint; the margins keep their pixels.
void CTorvaneView::Invalidate() {
    const BoardMapping mapping = Mapping();
    // A board that is not on the screen is painted when it is: a paint
    // retires finished explosions, which a game in a hidden window keeps.
    const QWindow* shown = window()->windowHandle();
    if (!renderer_ || shown == nullptr || !shown->isExposed()) {
        boardStale_ = renderer_ != nullptr;
        update(mapping.WidgetRect().toAlignedRect());
        return;
    }
    PaintBoard();
    update(ChangedArea(mapping));
}

QRegion CTorvaneView::ChangedArea(const BoardMapping& mapping) const {
    // While a new size settles, the picture of the old scale stands in,
    // stretched over the whole board.
    return renderer_->DevicePixelRatio() == mapping.RenderRatio()
               ? mapping.ToWidget(renderer_->Changed())
               : QRegion(mapping.WidgetRect().toAlignedRect());
}

void CTorvaneView::RepaintNow() {
    Invalidate();
    repaint(Mapping().WidgetRect().toAlignedRect());
}

void CTorvaneView::PaintBoard() {
    renderer_->ShowWatching(model_.ShowsWatchingBanner(), model_.ShowsPausedBanner());
    renderer_->Paint(model_.Game());
    // The explosions this paint showed over leave the game now that they
    // have been seen bare.
    if (const auto shownAt = renderer_->ShownAt()) {
        model_.RetireExplosionsShownAt(*shownAt);
    }
    boardStale_ = false;
}

void CTorvaneView::SetSmoothMotion(bool on) {
    smoothMotion_ = on;
    if (renderer_) {
        renderer_->SetSmoothMotion(on);
    }
}

void CTorvaneView::EnsureInitialised() {
    if (renderer_) {
        return;
    }
    renderer_ = std::make_unique<CBoardRenderer>(kBoardClient, Mapping().RenderRatio());
    renderer_->SetSmoothMotion(smoothMotion_);
    boardStale_ = true;
}

BoardMapping CTorvaneView::Mapping() const {
    return BoardMapping::Fit(size(), devicePixelRatioF());
}

QSize CTorvaneView::sizeHint() const {
    return QSize(kBoardWidth, kBoardHeight);
}

void CTorvaneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    settling_.start();
    emit Resized();
}

void CTorvaneView::paintEvent(QPaintEvent* event) {
    EnsureInitialised();
    const BoardMapping mapping = Mapping();
    // A new scale or a new screen: a renderer drawn for it, unless the size
    // is still moving.
    if (renderer_->DevicePixelRatio() != mapping.RenderRatio() && !settling_.isActive()) {
        renderer_ = std::make_unique<CBoardRenderer>(
            kBoardClient, mapping.RenderRatio(), renderer_->GetPalette(), renderer_->GemSymbols());
        renderer_->SetSmoothMotion(smoothMotion_);
        boardStale_ = true;
        // The margins' tile changed with it.
        if (!event->rect().contains(rect())) {
            update();
        }
    }
    if (boardStale_) {
        PaintBoard();
        // What changed outside this paint's region follows.
        const QRegion rest = ChangedArea(mapping) - event->region();
        if (!rest.isEmpty()) {
            update(rest);
        }
    }
    QPainter painter(this);
    renderer_->DrawInView(painter, mapping, event->region());
    painter.end();
    emit Painted();
}

void CTorvaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        return;  // the right button does nothing at all
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (model_.LeaveReplayEnd() || !model_.InputReachesGame()) {
        return;
    }
    const BoardMapping mapping = Mapping();
    const QPoint p = mapping.ToBoard(event->position());
    const QPoint centre = mapping.Centre();
    grabOffset_ = model_.Game().wheelAngle - PointerAngle(p.x(), p.y(), centre.x(), centre.y());
    dragging_ = true;
}

void CTorvaneView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void CTorvaneView::mouseMoveEvent(QMouseEvent* event) {
    // A release that went to another window leaves no button held: the drag
    // is over, rather than the wheel following a pointer nobody holds.
    if (dragging_ && !(event->buttons() & Qt::LeftButton)) {
        dragging_ = false;
    }
    if (!model_.InputReachesGame() || !dragging_) {
        return;
    }
    const BoardMapping mapping = Mapping();
    const QPoint p = mapping.ToBoard(event->position());
    const QPoint centre = mapping.Centre();
    model_.Execute(
        PlayerInput::TurnTo{PointerAngle(p.x(), p.y(), centre.x(), centre.y()) + grabOffset_});
}

void CTorvaneView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Not passed on: the first press of the pair has already been handled.
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint p = Mapping().ToBoard(event->position());
    if (InBombBox(p.x(), p.y())) {
        model_.Execute(PlayerInput::DropBomb{});
    }
}

void CTorvaneView::wheelEvent(QWheelEvent* event) {
    if (model_.InputReachesGame()) {
        model_.Execute(PlayerInput::WheelNotches{event->angleDelta().y()});
    }
    QWidget::wheelEvent(event);
}

void CTorvaneView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Any key but a modifier (the start of a shortcut) leaves a replay's end.
    const bool modifier = key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
                          key == Qt::Key_Meta || key == Qt::Key_AltGr;
    if (!modifier && model_.LeaveReplayEnd()) {
        return;
    }
    // A replay's speed: once, twice or four times its own.
    if ((key == Qt::Key_1 || key == Qt::Key_2 || key == Qt::Key_4) &&
        model_.SetPlaybackSpeed(key - Qt::Key_0)) {
        return;
    }
    if (!model_.InputReachesGame()) {
        return;  // swallowed
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (arrow && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        // The keyboard's way to turn: the same rules as a mouse-wheel turn.
        model_.Execute(
            PlayerInput::KeyStep{event->key() == Qt::Key_Right, modifiers == Qt::ShiftModifier});
        return;
    }
    if (event->text() == QStringLiteral(" ")) {
        model_.Execute(PlayerInput::DropBomb{});
    }
    QWidget::keyPressEvent(event);
}

void CTorvaneView::contextMenuEvent(QContextMenuEvent* event) {
    // The right button does nothing, not even the main window's toolbar menu.
    event->accept();
}

double CTorvaneView::WheelSpeed() const {
    return model_.Feel().speed;
}

bool CTorvaneView::WheelClockwise() const {
    return model_.Feel().clockwise;
}

void CTorvaneView::SetWheel(double speed, bool clockwise) {
    model_.SetFeel({speed, clockwise});
}
