#include "shell/view/torvane_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include "game/board_centre.h"
#include "game/game_random.h"
#include "game/settings_store.h"
#include "game/wheel_input.h"
#include "render/board_renderer.h"
#include "shell/view/board_accessible.h"
#include "shell/view/frame_pacer.h"
#include "shell/view/game_over_flow.h"
#include "shell/view/kept_game.h"
#include "shell/view/options_flow.h"
#include "shell/view/pause_when_inactive.h"
#include "shell/view/replay_flow.h"
#include "shell/view/tutorial_flow.h"

namespace {
constexpr int kTimerPeriodMs = 66;
// How long a new size must hold before the board is drawn afresh for it:
// dragging a window edge sends a burst of sizes, and a fresh renderer for a
// large screen takes some ten milliseconds to make.
constexpr int kSettleMs = 100;
}  // namespace

CTorvaneView::CTorvaneView(QWidget* parent) : QWidget(parent) {
    MakeGame();
    wheelClockwise_ = ReadSettingDword(kSettingsKey, "MouseWheelClockwise") != 0;
    wheelSpeed_ = WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"));
    smoothMotion_ = ReadSettingDword(kSettingsKey, "NoSmoothMotion") == 0;
    pacer_ = new CFramePacer(this, [this] { Invalidate(); });

    // The paint covers every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // A drag whose release went elsewhere goes on following the pointer.
    setMouseTracking(true);

    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kTimerPeriodMs);
    connect(&timer_, &QTimer::timeout, this, &CTorvaneView::OnTimer);
    timer_.start();

    // The view never shrinks the board below half its size.
    setMinimumSize(kBoardWidth / 2, kBoardHeight / 2);
    settling_.setSingleShot(true);
    settling_.setInterval(kSettleMs);
    connect(&settling_, &QTimer::timeout, this, [this] { update(); });

    replays_ = std::make_unique<CReplayFlow>(*this);
    tutorial_ = std::make_unique<CTutorialFlow>(*this);
    gameOver_ = std::make_unique<CGameOverFlow>(*this);
    options_ = std::make_unique<COptionsFlow>(*this);
    new CBoardAccessibility(this);
    pausing_ = std::make_unique<CPauseWhenInactive>(*this);
    kept_ = std::make_unique<CKeptGame>(*this);
    // Whatever the commands did to the game reaches the recording here, and
    // a game that is over, however it ended, is the last game from now on.
    connect(this, &CTorvaneView::StateChanged, this, [this] {
        // Nothing moves on a game that is paused or over (its clock stands
        // still), nor on one the view does not tick; a replay paints on its
        // own playback's frames.
        pacer_->Run(smoothMotion_ && !game_->paused && !Held(), screen());
        recording_.Recorder().Sync(*game_);
        if (game_->over) {
            FinishRecording();
        }
    });
}

CTorvaneView::~CTorvaneView() {
    // Closing the window ends a game that was not kept to go on with, as far
    // as its replay goes.
    replays_->Stop();
    FinishRecording();
}

void CTorvaneView::MakeGame() {
    const std::uint32_t seed = GameRandom::state;
    game_ = std::make_unique<CGame>();
    recording_.Begin(*game_, seed);
}

void CTorvaneView::ContinueGame(std::unique_ptr<CGame> game, RecordingSoFar soFar) {
    replays_->Stop();
    FinishRecording();
    game_ = std::move(game);
    recording_.Continue(*game_, std::move(soFar));
    dragging_ = false;
    gameOver_->Reset();
}

void CTorvaneView::ShowUnrecordedGame(std::unique_ptr<CGame> game) {
    FinishRecording();
    recording_.Forget();
    game_ = std::move(game);
    gameOver_->Reset();
}

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
    renderer_->ShowWatching(replays_->Watching(), replays_->Paused());
    renderer_->Paint(*game_);
    boardStale_ = false;
}

void CTorvaneView::SetSmoothMotion(bool on) {
    smoothMotion_ = on;
    if (renderer_) {
        renderer_->SetSmoothMotion(on);
    }
}

void CTorvaneView::Changed() {
    Invalidate();
    emit StateChanged();
}

void CTorvaneView::EnsureInitialised() {
    if (renderer_) {
        return;
    }
    boardCentreX = (kBoardClient.right - kBoardClient.left) / 2;
    boardCentreY = (kBoardClient.bottom - kBoardClient.top) / 2;
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
    tutorial_->PlaceWindow();
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
    tutorial_->AfterPaint();
}

bool CTorvaneView::Held() const {
    return replays_->Watching() || replays_->Checking();
}

void CTorvaneView::OnTimer() {
    // A replay being watched gets its ticks from the replay alone, and the
    // rules hold still while a replay is checked on another thread.
    if (!game_->paused && !Held()) {
        CReplayRecorder& recorder = recording_.Recorder();
        const CReplayRecorder::Mark mark = recorder.Before(*game_);
        game_->Tick();
        recorder.Ticked(*game_, mark);
        Invalidate();
        // The toolbar and menus show the finished game behind the
        // end-of-game questions.
        emit StateChanged();
        gameOver_->Check();
    }
    emit StateChanged();
}

void CTorvaneView::AfterWheelTurn() {
    CReplayRecorder& recorder = recording_.Recorder();
    const CReplayRecorder::Mark mark = recorder.Before(*game_);
    game_->RetestContacts();
    game_->Tick();
    recorder.Turned(*game_, mark);
    Invalidate();
    emit StateChanged();
    gameOver_->Check();
    emit StateChanged();
}

void CTorvaneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        return;  // the right button does nothing at all
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (inputLocked_ || game_->paused) {
        return;
    }
    const QPoint p = Mapping().ToBoard(event->position());
    grabOffset_ = game_->wheelAngle - PointerAngle(p.x(), p.y(), boardCentreX, boardCentreY);
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
    if (inputLocked_ || game_->paused || !dragging_) {
        return;
    }
    const QPoint p = Mapping().ToBoard(event->position());
    game_->wheelAngle = PointerAngle(p.x(), p.y(), boardCentreX, boardCentreY) + grabOffset_;
    AfterWheelTurn();
}

void CTorvaneView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Not passed on: the first press of the pair has already been handled.
    if (event->button() != Qt::LeftButton || inputLocked_ || game_->paused) {
        return;
    }
    const QPoint p = Mapping().ToBoard(event->position());
    game_->BombBoxHit(p.x(), p.y(), kBoardClient);
    emit StateChanged();
}

void CTorvaneView::wheelEvent(QWheelEvent* event) {
    if (!inputLocked_ && !game_->paused) {
        const int delta = event->angleDelta().y();
        game_->wheelAngle = WheelTurn(game_->wheelAngle, delta, wheelSpeed_, wheelClockwise_);
        AfterWheelTurn();
    }
    QWidget::wheelEvent(event);
}

void CTorvaneView::keyPressEvent(QKeyEvent* event) {
    if (replays_->Key(event->key())) {
        return;
    }
    if (inputLocked_ || game_->paused) {
        return;  // swallowed
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (arrow && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        OnKeyTurn(event->key() == Qt::Key_Right, modifiers == Qt::ShiftModifier);
        return;
    }
    if (event->text() == QStringLiteral(" ")) {
        game_->DropBomb();
        emit StateChanged();
    }
    QWidget::keyPressEvent(event);
}

void CTorvaneView::OnKeyTurn(bool clockwise, bool fine) {
    if (inputLocked_ || game_->paused) {
        return;
    }
    // The keyboard's way to turn: the same rules as a mouse-wheel turn.
    game_->wheelAngle = KeyTurn(game_->wheelAngle, clockwise, fine);
    AfterWheelTurn();
}

void CTorvaneView::OnTurnBy(double radians) {
    if (inputLocked_ || game_->paused) {
        return;
    }
    game_->wheelAngle += radians;
    AfterWheelTurn();
}

void CTorvaneView::contextMenuEvent(QContextMenuEvent* event) {
    // The right button does nothing, not even the main window's toolbar menu.
    event->accept();
}

void CTorvaneView::StartNewGame() {
    replays_->Stop();
    FinishRecording();
    MakeGame();
    dragging_ = false;
    gameOver_->Reset();
    Changed();
}

void CTorvaneView::OnPausePlay() {
    if (replays_->Checking()) {
        return;  // what plays holds still until the check is done
    }
    if (replays_->Watching()) {
        replays_->TogglePause();  // the playback's pause, not the game's
        return;
    }
    if (inputLocked_) {
        return;
    }
    if (game_->over) {
        StartNewGame();
        game_->Resume();
    } else if (game_->paused) {
        game_->Resume();
    } else {
        game_->Pause();
    }
    Changed();
}

void CTorvaneView::OnDropBomb() {
    if (inputLocked_ || game_->paused) {
        return;
    }
    // No repaint: the next tick shows the bomb.
    game_->DropBomb();
    emit StateChanged();
}

void CTorvaneView::OnNewGame() {
    if (replays_->Watching()) {
        StartNewGame();
        return;
    }
    if (inputLocked_) {
        return;
    }
    if (!game_->over) {
        game_->EndGame();
        gameOver_->OfferHighScore();
    }
    StartNewGame();
}

void CTorvaneView::OnQuitGame() {
    if (inputLocked_) {
        return;
    }
    game_->EndGame();
    Changed();
}

void CTorvaneView::OnSoundEffects() {
    game_->SetQuiet(!game_->IsQuiet());
    WriteSettingDword(kSettingsKey, "Quiet", game_->IsQuiet() ? 1u : 0u);
    emit StateChanged();
}

void CTorvaneView::OnDifficulty(std::uint32_t difficulty) {
    if (replays_->Watching()) {
        return;  // the recorded game keeps its own
    }
    game_->SetDifficulty(difficulty);
    WriteSettingDword(kSettingsKey, "Difficulty", difficulty + 1);
    emit StateChanged();
}

void CTorvaneView::OnPauseAndHide() {
    if (replays_->Watching() && !replays_->Paused()) {
        OnPausePlay();
    }
    if (!game_->paused && !tutorial_->Running() && !replays_->Watching()) {
        game_->Pause();
    }
    window()->showMinimized();
    emit StateChanged();
}
