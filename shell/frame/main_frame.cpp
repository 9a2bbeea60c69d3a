#include "shell/frame/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

#include "shell/dialogs/about_dlg.h"
#include "shell/dialogs/daily_date.h"
#include "shell/dialogs/game_number_dlg.h"
#include "shell/dialogs/help_document.h"
#include "shell/dialogs/help_window.h"
#include "shell/frame/board_session.h"
#include "shell/frame/command_ids.h"
#include "shell/frame/command_rules.h"
#include "shell/frame/game_label.h"
#include "shell/frame/lock_indicators.h"
#include "shell/frame/main_toolbar.h"
#include "shell/frame/menu_bar_keys.h"
#include "shell/frame/pad_binding.h"
#include "shell/frame/replay_speed_pane.h"
#include "shell/frame/window_placement.h"
#include "shell/model/board_model.h"
#include "shell/view/game_over_flow.h"
#include "shell/view/kept_game.h"
#include "shell/view/options_flow.h"
#include "shell/view/replay_flow.h"
#include "shell/view/torvane_view.h"
#include "shell/view/tutorial_flow.h"

namespace {
// Moving or resizing a window sends a stream of events; the placement is
// written once they stop.
constexpr int kPlacementSaveDelayMs = 500;
// A typical title bar and border, for as long as the window system has not
// said how it decorates the window.
constexpr QMargins kAssumedFrame(4, 30, 4, 4);
constexpr int kStatusBarEndMargin = 2;
}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    // The game's name, in every language.
    setWindowTitle(QStringLiteral("Torvane"));
    setContextMenuPolicy(Qt::PreventContextMenu);

    pad_ = new CPadBinding(*this);
    session_ = std::make_unique<CBoardSession>(this);
    view_ = &session_->View();
    setCentralWidget(view_);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();

    connect(&session_->Model(), &CBoardModel::StateChanged, this, &CMainFrame::UpdateCommands);
    connect(&session_->Kept(), &CGameKeeper::CannotKeep, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
    connect(&session_->Tutorial(), &CTutorialFlow::WindowOpened, this,
            &CMainFrame::ShareShortcutsWith);
    UpdateCommands();
    view_->setFocus();
    new CMenuBarKeys(menuBar(), view_);
    pad_->ConnectBoard();

    placementSave_.setSingleShot(true);
    placementSave_.setInterval(kPlacementSaveDelayMs);
    connect(&placementSave_, &QTimer::timeout, this, &CMainFrame::SavePlacement);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::Action(int id) const {
    const auto found = actions_.find(id);
    return found != actions_.end() ? found->second : nullptr;
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& text,
                                const QList<QKeySequence>& keys, const QString& prompt) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setShortcuts(keys);
    // Window-wide, like an accelerator table, wherever the focus is.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setIconVisibleInMenu(false);
    if (!prompt.isEmpty()) {
        action->setStatusTip(prompt);
        action->setToolTip(prompt);
        action->setIconText(prompt);
    }
    if (menu != nullptr) {
        menu->addAction(action);
    } else {
        addAction(action);
    }
    actions_[id] = action;
    return action;
}

void CMainFrame::BuildMenus() {
    CBoardSession* session = session_.get();
    CBoardModel* model = &session_->Model();
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };

    QMenu* gameMenu = menuBar()->addMenu(tr("&Game"));
    // P and the Pause key as desktop games have them, beside the menu's own.
    connect(AddCommand(gameMenu, kCmdPausePlay, tr("&Pause\tCtrl+P"),
                       {ctrl(Qt::Key_P), ctrl(Qt::Key_R), QKeySequence(Qt::Key_P),
                        QKeySequence(Qt::Key_Pause)},
                       tr("Pause/Play")),
            &QAction::triggered, model, &CBoardModel::OnPausePlay);
    connect(AddCommand(gameMenu, kCmdDropBomb, tr("Drop &bomb\tCtrl+B"), {ctrl(Qt::Key_B)},
                       tr("Drop bomb")),
            &QAction::triggered, model, &CBoardModel::OnDropBomb);
    gameMenu->addSeparator();
    connect(AddCommand(gameMenu, kCmdViewHighScores, tr("View hi&gh scores")), &QAction::triggered,
            session, [session] { session->GameOver().ShowHighScores(); });
    connect(AddCommand(gameMenu, kCmdStatistics, tr("S&tatistics ...\tCtrl+T"), {ctrl(Qt::Key_T)},
                       tr("Figures and charts of every game played")),
            &QAction::triggered, session, &CBoardSession::StatisticsRequested);
    connect(AddCommand(gameMenu, kCmdWatchLastGame, tr("&Watch last game"), {},
                       tr("Watch the last game played again")),
            &QAction::triggered, session, [session] { session->Watching().OnWatchLastGame(); });
    connect(AddCommand(gameMenu, kCmdWatchReplay, tr("Watch a &replay ..."), {},
                       tr("Watch a recorded game from a file")),
            &QAction::triggered, session, [session] { session->Watching().OnWatchReplay(); });
    gameMenu->addSeparator();
    connect(AddCommand(gameMenu, kCmdQuitGame, tr("&Quit game\tCtrl+Q"), {ctrl(Qt::Key_Q)},
                       tr("Quit game")),
            &QAction::triggered, model, &CBoardModel::OnQuitGame);
    connect(AddCommand(gameMenu, kCmdNewGame, tr("&New game\tCtrl+N"), {ctrl(Qt::Key_N)}),
            &QAction::triggered, model, &CBoardModel::OnNewGame);
    connect(AddCommand(gameMenu, kCmdDailyGame, tr("&Daily game\tCtrl+D"), {ctrl(Qt::Key_D)},
                       tr("Play the game of the day, the same for everyone")),
            &QAction::triggered, this, &CMainFrame::OnDailyGame);
    connect(AddCommand(gameMenu, kCmdPlayGameNumber, tr("Play game n&umber ..."), {},
                       tr("Play a game again by its number")),
            &QAction::triggered, this, &CMainFrame::OnPlayGameNumber);
    connect(AddCommand(gameMenu, kCmdCopyGameNumber, tr("&Copy game number"), {},
                       tr("Copy the number of this game to the clipboard")),
            &QAction::triggered, this, [model] {
                QGuiApplication::clipboard()->setText(QString::number(model->GameNumber()));
            });
    gameMenu->addSeparator();
    // No key of its own: Ctrl+Q is Quit game. It closes the window as the
    // close box does: nothing asked, nothing offered.
    connect(AddCommand(gameMenu, kCmdExit, tr("E&xit")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* optionsMenu = menuBar()->addMenu(tr("&Options"));
    // Why a difficulty is greyed.
    optionsMenu->setToolTipsVisible(true);
    auto* difficulties = new QActionGroup(this);
    // The stored difficulty may name none of the three: then no entry is marked.
    difficulties->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const struct {
        int id;
        const char* text;
        std::uint32_t difficulty;
    } levels[] = {{kCmdEasy, QT_TR_NOOP("Easy"), 0},
                  {kCmdMedium, QT_TR_NOOP("Medium"), 1},
                  {kCmdHard, QT_TR_NOOP("Hard"), 2}};
    for (const auto& level : levels) {
        QAction* action = AddCommand(optionsMenu, level.id, tr(level.text));
        action->setCheckable(true);
        difficulties->addAction(action);
        const std::uint32_t difficulty = level.difficulty;
        connect(action, &QAction::triggered, session,
                [session, difficulty] { session->OnDifficulty(difficulty); });
    }
    optionsMenu->addSeparator();
    QAction* sound =
        AddCommand(optionsMenu, kCmdSoundEffects, tr("Sound &effects\tCtrl+E"), {ctrl(Qt::Key_E)});
    sound->setCheckable(true);
    connect(sound, &QAction::triggered, session, &CBoardSession::OnSoundEffects);
    optionsMenu->addSeparator();
    connect(AddCommand(optionsMenu, kCmdOtherOptions, tr("Other options ...")), &QAction::triggered,
            session, [session] { session->Options().OnOtherOptions(); });
    connect(AddCommand(optionsMenu, kCmdAccessibility, tr("&Accessibility ...")),
            &QAction::triggered, session, [session] { session->Options().OnAccessibility(); });
    optionsMenu->addSeparator();
    QAction* fullScreen =
        AddCommand(optionsMenu, kCmdFullScreen, tr("&Full screen\tF11"),
                   {QKeySequence(Qt::Key_F11)}, tr("Show the game on the whole screen"));
    fullScreen->setCheckable(true);
    connect(fullScreen, &QAction::triggered, this, &CMainFrame::OnFullScreen);

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    connect(AddCommand(helpMenu, kCmdHelpContents, tr("&Contents"), {QKeySequence(Qt::Key_F1)}),
            &QAction::triggered, this, &CMainFrame::OnHelpContents);
    connect(AddCommand(helpMenu, kCmdSeeTutorial, tr("See &tutorial")), &QAction::triggered,
            session, [session] { session->Tutorial().StartOrQuit(); });
    helpMenu->addSeparator();
    connect(AddCommand(helpMenu, kCmdAbout, tr("&About Torvane")), &QAction::triggered, this,
            &CMainFrame::OnAbout);

    for (QMenu* menu : {gameMenu, optionsMenu, helpMenu}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    }
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new CMainToolBar(this);
    QAction* pauseAndHide =
        AddCommand(nullptr, kCmdPauseAndHide, QString(), {}, tr("Pause and hide game"));
    connect(pauseAndHide, &QAction::triggered, session_.get(), &CBoardSession::OnPauseAndHide);
    pauseAndHide->setIcon(QIcon(CMainToolBar::StripImage(CMainToolBar::kPauseAndHideImage)));
    Action(kCmdDropBomb)->setIcon(QIcon(CMainToolBar::StripImage(CMainToolBar::kDropBombImage)));
    Action(kCmdPausePlay)->setIcon(QIcon(CMainToolBar::StripImage(CMainToolBar::kPlayImage)));

    toolBar_->addAction(Action(kCmdPausePlay));
    toolBar_->addSeparator();
    toolBar_->addAction(pauseAndHide);
    toolBar_->addSeparator();
    toolBar_->addAction(Action(kCmdDropBomb));
    addToolBar(Qt::LeftToolBarArea, toolBar_);
}

void CMainFrame::BuildStatusBar() {
    auto* ready = new QLabel(tr("Ready"));
    statusBar()->addWidget(ready, 1);
    statusBar()->setSizeGripEnabled(false);
    // The bar leaves room before its first pane but none after its last,
    // whose frame would run into the window's edge: as much on the right.
    statusBar()->setContentsMargins(0, 0, kStatusBarEndMargin, 0);
    gameLabel_ = new CGameLabel(statusBar());
    statusBar()->addPermanentWidget(gameLabel_);
    statusBar()->addPermanentWidget(new CReplaySpeedPane(session_->Model()));
    auto* indicators = new CLockIndicators(statusBar());
    for (QLabel* label : indicators->Labels()) {
        statusBar()->addPermanentWidget(label);
    }
}

void CMainFrame::ShareShortcutsWith(QWidget* window) {
    // The same actions, so the same update rules and handlers: a greyed
    // command stays inert there too.
    for (const auto& [id, action] : actions_) {
        if (!action->shortcuts().isEmpty()) {
            window->addAction(action);
        }
    }
}

void CMainFrame::SetPlayButton(int state) {
    toolBar_->SetPlayButton(state);
}

void CMainFrame::UpdateCommands() {
    const BoardState board = session_->Model().State();
    for (const auto& [id, action] : actions_) {
        const CommandUi ui =
            CommandUpdate(id, board, session_->Replays().HasLastGame(), isFullScreen());
        action->setEnabled(ui.enabled);
        if (ui.checked) {
            action->setChecked(*ui.checked);
        }
        if (ui.text && action->text() != *ui.text) {
            action->setText(*ui.text);
        }
        if (ui.tip && action->toolTip() != *ui.tip) {
            action->setToolTip(*ui.tip);
            action->setStatusTip(*ui.tip);
        }
    }
    gameLabel_->Show(session_->Model());
    SetPlayButton(PlayButtonStateFor(board));
}

void CMainFrame::OnDailyGame() {
    const GameDate today = TodaysDate();
    GameChoice daily;
    daily.number = DailyGameNumber(today);
    daily.difficulty = 1;  // Medium, for everyone
    daily.daily = GameDateText(today);
    session_->Model().NewGame(daily);
}

void CMainFrame::OnPlayGameNumber() {
    auto* dialog = new CGameNumberDlg(session_->Model().Game().difficulty, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CGameNumberDlg::Chosen, this,
            [this](std::uint32_t number, std::uint32_t difficulty) {
                GameChoice choice;
                choice.number = number;
                choice.difficulty = difficulty;
                session_->Model().NewGame(choice);
            });
    dialog->open();
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnHelpContents() {
    const QString path = HelpDocumentPath();
    // A missing document stays silent, as a failed desktop viewer would.
    if (!path.isEmpty()) {
        CHelpWindow::Show(this, path);
    }
}

void CMainFrame::OnFullScreen() {
    // Leaving full screen gives back the maximised state it was entered from.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void CMainFrame::ShowAtStart() {
    layout()->activate();
    const QSize chrome = sizeHint() - view_->sizeHint();
    QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        frame = kAssumedFrame;
    }
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
    }
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();

    const WindowPlacement saved = ReadWindowPlacement();
    QRect placement = saved.geometry;
    if (placement.isNull()) {
        placement = FitOnScreen(view_->sizeHint(), chrome, frame, available);
    } else {
        placement = PlaceOnScreens(placement, frame, screens, available);
    }
    // The corner is the frame's, as the window system places a window.
    move(placement.topLeft());
    resize(placement.size());
    normalPlacement_ = placement;
    if (saved.fullScreen) {
        setWindowState(saved.maximised ? Qt::WindowFullScreen | Qt::WindowMaximized
                                       : Qt::WindowFullScreen);
    } else if (saved.maximised) {
        setWindowState(Qt::WindowMaximized);
    }
    show();
}

void CMainFrame::SavePlacement() const {
    WindowPlacement placement;
    // Maximised or full screen, the place to come back to is the normal one.
    placement.geometry = normalPlacement_;
    placement.maximised = windowState() & Qt::WindowMaximized;
    placement.fullScreen = windowState() & Qt::WindowFullScreen;
    WriteWindowPlacement(placement);
}

void CMainFrame::NotePlacement() {
    if (!isVisible()) {
        return;
    }
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))) {
        normalPlacement_ = QRect(pos(), size());
    }
    placementSave_.start();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        UpdateCommands();
        NotePlacement();
    }
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    NotePlacement();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    NotePlacement();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    placementSave_.stop();
    SavePlacement();
    QMainWindow::closeEvent(event);
}
