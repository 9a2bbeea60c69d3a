#include "shell/view/torvane_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "game/board_centre.h"
#include "game/settings_store.h"
#include "game/wheel_input.h"
#include "render/board_renderer.h"
#include "shell/dialogs/gem_colours.h"
#include "shell/dialogs/help_document.h"
#include "shell/dialogs/help_window.h"
#include "shell/dialogs/options_dlg.h"
#include "shell/view/board_accessible.h"
#include "shell/view/inactivity_watch.h"
#include "tutorial/ui/tutorial_wnd.h"

bool offerTutorial = false;

namespace {
constexpr int kTimerPeriodMs = 66;
// How long a new size must hold before the board is drawn afresh for it:
// dragging a window edge sends a burst of sizes, and a fresh renderer for a
// large screen takes some ten milliseconds to make.
constexpr int kSettleMs = 100;
}  // namespace

CTorvaneView::CTorvaneView(QWidget* parent) : QWidget(parent) {
    MakeGame();
    hasLastGame_ = CReplayShelf::Exists(shelf_.LastGamePath());
    wheelClockwise = ReadSettingDword(kSettingsKey, "MouseWheelClockwise") != 0;
    wheelSpeed = WheelSpeedFromSetting(ReadSettingDword(kSettingsKey, "MouseWheelSpeed"));
    pauseWhenInactive = ReadSettingDword(kSettingsKey, "PauseWhenInactive") != 0;

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

    new CBoardAccessibility(this);
    new CInactivityWatch(this, [this] { OnLeftForeground(); });
    // Whatever the commands did to the game reaches the recording here, and
    // a game that is over, however it ended, is the last game from now on.
    connect(this, &CTorvaneView::StateChanged, this, [this] {
        recorder_.Sync(*game);
        if (game->over) {
            FinishRecording();
        }
    });
}

CTorvaneView::~CTorvaneView() {
    CancelReplayCheck();
    // Closing the window ends the game as far as its replay goes.
    StopWatching();
    FinishRecording();
}

// Only the board changes with the game; the margins keep their pixels.
void CTorvaneView::Invalidate() {
    update(Mapping().WidgetRect().toAlignedRect());
}

void CTorvaneView::RepaintNow() {
    repaint(Mapping().WidgetRect().toAlignedRect());
}

void CTorvaneView::EnsureInitialised() {
    if (initialised) {
        return;
    }
    initialised = true;
    clientRect = kBoardClient;
    boardCentreX = (clientRect.right - clientRect.left) / 2;
    boardCentreY = (clientRect.bottom - clientRect.top) / 2;
    renderer = std::make_unique<CBoardRenderer>(clientRect, Mapping().RenderRatio());
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
    if (tutorialWindow != nullptr) {
        tutorialWindow->PlaceAtLowerLeft(this);
    }
}

void CTorvaneView::paintEvent(QPaintEvent* event) {
    EnsureInitialised();
    const BoardMapping mapping = Mapping();
    // A new scale or a new screen: a renderer drawn for it, unless the size
    // is still moving.
    if (renderer->DevicePixelRatio() != mapping.RenderRatio() && !settling_.isActive()) {
        renderer = std::make_unique<CBoardRenderer>(clientRect, mapping.RenderRatio(),
                                                    renderer->GetPalette(), renderer->GemSymbols());
        // The margins' tile changed with it.
        if (!event->rect().contains(rect())) {
            update();
        }
    }
    renderer->ShowWatching(Watching(), WatchPaused());
    renderer->Paint(*game);
    QPainter painter(this);
    renderer->DrawInView(painter, mapping, event->rect());
    painter.end();

    if (offerTutorial) {
        offerTutorial = false;
        // A modal dialog cannot run inside a paint event; it follows at once.
        QTimer::singleShot(0, this, &CTorvaneView::OfferTutorialOnFirstStart);
    }
}

void CTorvaneView::OnTimer() {
    // A replay being watched gets its ticks from the replay alone, and the
    // rules hold still while a replay is checked on another thread.
    if (!game->paused && !Watching() && !CheckingReplay()) {
        const CReplayRecorder::Mark mark = recorder_.Before(*game);
        game->Tick();
        recorder_.Ticked(*game, mark);
        Invalidate();
        // The toolbar and menus show the finished game behind the
        // end-of-game questions.
        emit StateChanged();
        CheckGameOver();
    }
    emit StateChanged();
}

void CTorvaneView::AfterWheelTurn() {
    const CReplayRecorder::Mark mark = recorder_.Before(*game);
    game->RetestContacts();
    game->Tick();
    recorder_.Turned(*game, mark);
    Invalidate();
    emit StateChanged();
    CheckGameOver();
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
    if (inputLocked || game->paused) {
        return;
    }
    const QPoint p = Mapping().ToBoard(event->position());
    grabOffset = game->wheelAngle - PointerAngle(p.x(), p.y(), boardCentreX, boardCentreY);
    dragging = true;
}

void CTorvaneView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging = false;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void CTorvaneView::mouseMoveEvent(QMouseEvent* event) {
    // A release that went to another window leaves no button held: the drag
    // is over, rather than the wheel following a pointer nobody holds.
    if (dragging && !(event->buttons() & Qt::LeftButton)) {
        dragging = false;
    }
    if (inputLocked || game->paused || !dragging) {
        return;
    }
    const QPoint p = Mapping().ToBoard(event->position());
    game->wheelAngle = PointerAngle(p.x(), p.y(), boardCentreX, boardCentreY) + grabOffset;
    AfterWheelTurn();
}

void CTorvaneView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Not passed on: the first press of the pair has already been handled.
    if (event->button() != Qt::LeftButton || inputLocked || game->paused) {
        return;
    }
    const QPoint p = Mapping().ToBoard(event->position());
    game->BombBoxHit(p.x(), p.y(), clientRect);
    emit StateChanged();
}

void CTorvaneView::wheelEvent(QWheelEvent* event) {
    if (!inputLocked && !game->paused) {
        const int delta = event->angleDelta().y();
        game->wheelAngle = WheelTurn(game->wheelAngle, delta, wheelSpeed, wheelClockwise);
        AfterWheelTurn();
    }
    QWidget::wheelEvent(event);
}

void CTorvaneView::keyPressEvent(QKeyEvent* event) {
    if (WatchKey(event->key())) {
        return;
    }
    if (inputLocked || game->paused) {
        return;  // swallowed
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (arrow && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        // The keyboard's way to turn: the same rules as a mouse-wheel turn.
        game->wheelAngle = KeyTurn(game->wheelAngle, event->key() == Qt::Key_Right,
                                   modifiers == Qt::ShiftModifier);
        AfterWheelTurn();
        return;
    }
    if (event->text() == QStringLiteral(" ")) {
        game->DropBomb();
        emit StateChanged();
    }
    QWidget::keyPressEvent(event);
}

void CTorvaneView::contextMenuEvent(QContextMenuEvent* event) {
    // The right button does nothing, not even the main window's toolbar menu.
    event->accept();
}

void CTorvaneView::StartNewGame() {
    CancelReplayCheck();
    StopWatching();
    FinishRecording();
    MakeGame();
    dragging = false;
    gameOverHandled = false;
    Invalidate();
    emit StateChanged();
}

void CTorvaneView::OnPausePlay() {
    if (CheckingReplay()) {
        return;  // what plays holds still until the check is done
    }
    if (Watching()) {
        ToggleWatchPause();  // the playback's pause, not the game's
        return;
    }
    if (inputLocked) {
        return;
    }
    if (game->over) {
        StartNewGame();
        game->Resume();
    } else if (game->paused) {
        game->Resume();
    } else {
        game->Pause();
    }
    Invalidate();
    emit StateChanged();
}

void CTorvaneView::OnDropBomb() {
    if (inputLocked || game->paused) {
        return;
    }
    // No repaint: the next tick shows the bomb.
    game->DropBomb();
    emit StateChanged();
}

void CTorvaneView::OnNewGame() {
    if (Watching()) {
        StartNewGame();
        return;
    }
    if (inputLocked) {
        return;
    }
    if (!game->over) {
        game->EndGame();
        OfferHighScore();
    }
    StartNewGame();
}

void CTorvaneView::OnQuitGame() {
    if (inputLocked) {
        return;
    }
    game->EndGame();
    Invalidate();
    emit StateChanged();
}

void CTorvaneView::OnSoundEffects() {
    game->SetQuiet(!game->IsQuiet());
    WriteSettingDword(kSettingsKey, "Quiet", game->IsQuiet() ? 1u : 0u);
    emit StateChanged();
}

void CTorvaneView::OnDifficulty(std::uint32_t difficulty) {
    if (Watching()) {
        return;  // the recorded game keeps its own
    }
    game->SetDifficulty(difficulty);
    WriteSettingDword(kSettingsKey, "Difficulty", difficulty + 1);
    emit StateChanged();
}

void CTorvaneView::OnPauseAndHide() {
    if (Watching() && !WatchPaused()) {
        OnPausePlay();
    }
    if (!game->paused && !tutorial && !Watching()) {
        game->Pause();
    }
    window()->showMinimized();
    emit StateChanged();
}

void CTorvaneView::OnHelpContents() {
    const QString path = HelpDocumentPath();
    // A missing document stays silent, as a failed desktop viewer would.
    if (!path.isEmpty()) {
        CHelpWindow::Show(this, path);
    }
}

void CTorvaneView::OnOtherOptions() {
    EnsureInitialised();
    COptionsDlg dialog(this);
    dialog.speed = WheelStepShown(wheelSpeed);
    dialog.wheelDirection = wheelClockwise ? 1 : 0;
    dialog.colours = renderer->GetPalette();
    dialog.snapIn = game->snapSoundOn ? 1 : 0;
    dialog.explode = game->explodeSoundOn ? 1 : 0;
    dialog.soundOff = game->quiet ? 1 : 0;
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }

    // The game may have been replaced while the dialog was open: the current
    // one takes the new switches.
    wheelClockwise = dialog.wheelDirection != 0;
    wheelSpeed = dialog.speed * 1e-6;
    renderer->BuildSprites(dialog.colours);
    game->snapSoundOn = dialog.snapIn != 0;
    game->explodeSoundOn = dialog.explode != 0;
    game->quiet = dialog.soundOff != 0;

    const CSettingsBatch together;
    const char* const colourNames[kPlayerColourSlots] = {"Color0", "Color1", "Color2"};
    for (int slot = 0; slot < kPlayerColourSlots; ++slot) {
        WriteSettingDword(kSettingsKey, colourNames[slot], SlotColour(dialog.colours, slot));
    }
    WriteSettingDword(kSettingsKey, "QuietSnapin", game->snapSoundOn ? 0u : 1u);
    WriteSettingDword(kSettingsKey, "QuietExplode", game->explodeSoundOn ? 0u : 1u);
    WriteSettingDword(kSettingsKey, "MouseWheelSpeed", static_cast<std::uint32_t>(dialog.speed));
    WriteSettingDword(kSettingsKey, "MouseWheelClockwise", wheelClockwise ? 1u : 0u);
    WriteSettingDword(kSettingsKey, "Quiet", game->quiet ? 1u : 0u);
    Invalidate();
    emit StateChanged();
}
