#include "shell/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "shell/about_dlg.h"
#include "shell/command_ids.h"
#include "shell/command_rules.h"
#include "shell/lock_indicators.h"
#include "shell/main_toolbar.h"
#include "shell/torvane_view.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Torvane"));
    // A fixed window: the view takes its client rectangle once, at its first paint.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kFrameWidth, kFrameHeight);
    setContextMenuPolicy(Qt::PreventContextMenu);

    view_ = new CTorvaneView(this);
    setCentralWidget(view_);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();

    connect(view_, &CTorvaneView::StateChanged, this, &CMainFrame::UpdateCommands);
    UpdateCommands();
    view_->setFocus();
}

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
    CTorvaneView* view = view_;
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };

    QMenu* gameMenu = menuBar()->addMenu(QStringLiteral("&Game"));
    connect(AddCommand(gameMenu, kCmdPausePlay, QStringLiteral("&Pause\tCtrl+P"),
                       {ctrl(Qt::Key_P), ctrl(Qt::Key_R)}, QStringLiteral("Pause/Play")),
            &QAction::triggered, view, &CTorvaneView::OnPausePlay);
    connect(AddCommand(gameMenu, kCmdDropBomb, QStringLiteral("Drop &bomb\tCtrl+B"),
                       {ctrl(Qt::Key_B)}, QStringLiteral("Drop bomb")),
            &QAction::triggered, view, &CTorvaneView::OnDropBomb);
    gameMenu->addSeparator();
    connect(AddCommand(gameMenu, kCmdViewHighScores, QStringLiteral("View hi&gh scores")),
            &QAction::triggered, view, &CTorvaneView::ShowHighScores);
    connect(AddCommand(gameMenu, kCmdWatchLastGame, QStringLiteral("&Watch last game"), {},
                       QStringLiteral("Watch the last game played again")),
            &QAction::triggered, view, &CTorvaneView::OnWatchLastGame);
    connect(AddCommand(gameMenu, kCmdWatchReplay, QStringLiteral("Watch a &replay ..."), {},
                       QStringLiteral("Watch a recorded game from a file")),
            &QAction::triggered, view, &CTorvaneView::OnWatchReplay);
    gameMenu->addSeparator();
    connect(AddCommand(gameMenu, kCmdQuitGame, QStringLiteral("&Quit game\tCtrl+Q"),
                       {ctrl(Qt::Key_Q)}, QStringLiteral("Quit game")),
            &QAction::triggered, view, &CTorvaneView::OnQuitGame);
    connect(
        AddCommand(gameMenu, kCmdNewGame, QStringLiteral("&New game\tCtrl+N"), {ctrl(Qt::Key_N)}),
        &QAction::triggered, view, &CTorvaneView::OnNewGame);

    QMenu* optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    auto* difficulties = new QActionGroup(this);
    // The stored difficulty may name none of the three: then no entry is marked.
    difficulties->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const struct {
        int id;
        const char* text;
        std::uint32_t difficulty;
    } levels[] = {{kCmdEasy, "Easy", 0}, {kCmdMedium, "Medium", 1}, {kCmdHard, "Hard", 2}};
    for (const auto& level : levels) {
        QAction* action = AddCommand(optionsMenu, level.id, QString::fromLatin1(level.text));
        action->setCheckable(true);
        difficulties->addAction(action);
        const std::uint32_t difficulty = level.difficulty;
        connect(action, &QAction::triggered, view,
                [view, difficulty] { view->OnDifficulty(difficulty); });
    }
    optionsMenu->addSeparator();
    QAction* sound = AddCommand(optionsMenu, kCmdSoundEffects,
                                QStringLiteral("Sound &effects\tCtrl+E"), {ctrl(Qt::Key_E)});
    sound->setCheckable(true);
    connect(sound, &QAction::triggered, view, &CTorvaneView::OnSoundEffects);
    optionsMenu->addSeparator();
    connect(AddCommand(optionsMenu, kCmdOtherOptions, QStringLiteral("Other options ...")),
            &QAction::triggered, view, &CTorvaneView::OnOtherOptions);

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(AddCommand(helpMenu, kCmdHelpContents, QStringLiteral("&Contents")),
            &QAction::triggered, view, &CTorvaneView::OnHelpContents);
    connect(AddCommand(helpMenu, kCmdSeeTutorial, QStringLiteral("See &tutorial")),
            &QAction::triggered, view, &CTorvaneView::StartOrQuitTutorial);
    helpMenu->addSeparator();
    connect(AddCommand(helpMenu, kCmdAbout, QStringLiteral("&About Torvane")), &QAction::triggered,
            this, &CMainFrame::OnAbout);

    for (QMenu* menu : {gameMenu, optionsMenu, helpMenu}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    }
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new CMainToolBar(this);
    QAction* pauseAndHide =
        AddCommand(nullptr, kCmdPauseAndHide, QString(), {}, QStringLiteral("Pause and hide game"));
    connect(pauseAndHide, &QAction::triggered, view_, &CTorvaneView::OnPauseAndHide);
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
    auto* ready = new QLabel(QStringLiteral("Ready"));
    statusBar()->addWidget(ready, 1);
    statusBar()->setSizeGripEnabled(false);
    auto* indicators = new CLockIndicators(statusBar());
    for (QLabel* label : indicators->Labels()) {
        statusBar()->addPermanentWidget(label);
    }
}

void CMainFrame::SetPlayButton(int state) {
    toolBar_->SetPlayButton(state);
}

void CMainFrame::UpdateCommands() {
    for (const auto& [id, action] : actions_) {
        const CommandUi ui = CommandUpdate(id, *view_);
        action->setEnabled(ui.enabled);
        if (ui.checked) {
            action->setChecked(*ui.checked);
        }
        if (ui.text && action->text() != *ui.text) {
            action->setText(*ui.text);
        }
    }
    SetPlayButton(PlayButtonStateFor(*view_));
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}
