#include "shell/frame/pad_binding.h"

#include <QApplication>
#include <QPushButton>
#include <QStatusBar>

#include "game/settings_store.h"
#include "scores/ui/new_high_score_dlg.h"
#include "scores/ui/score_flow.h"
#include "shell/frame/board_session.h"
#include "shell/frame/main_frame.h"
#include "shell/model/board_model.h"
#include "shell/pad/pad_dialog.h"
#include "shell/pad/pad_reader.h"
#include "shell/pad/pad_tuning.h"
#include "shell/view/tutorial_flow.h"
#include "tutorial/ui/tutorial_wnd.h"

namespace {
constexpr int kStatusMessageMs = 4000;
constexpr double kRingRumble = 0.5;
constexpr double kGameOverRumble = 1.0;

void Click(QPushButton* button) {
    if (button != nullptr && button->isVisible() && button->isEnabled()) {
        button->click();
    }
}
}  // namespace

CPadBinding::CPadBinding(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    reader_ = new CPadReader(*this, this);
    connect(reader_, &CPadReader::Connected, this, [this](const QString& name) {
        frame_.statusBar()->showMessage(tr("Gamepad connected: %1").arg(name), kStatusMessageMs);
    });
    connect(reader_, &CPadReader::Disconnected, this, [this] {
        frame_.statusBar()->showMessage(tr("Gamepad disconnected"), kStatusMessageMs);
    });
}

void CPadBinding::ConnectBoard() {
    connect(&Board(), &CBoardModel::StateChanged, this, &CPadBinding::OnStateChanged);
    OnStateChanged();
    // The name entry is filled as it shows, before the player can touch it.
    qApp->installEventFilter(this);
}

CBoardSession& CPadBinding::Session() const {
    return frame_.Session();
}

CBoardModel& CPadBinding::Board() const {
    return frame_.Session().Model();
}

void CPadBinding::OnStateChanged() {
    const CGame& game = Board().Game();
    reader_->SetGameRunning(!game.paused && !game.over);
    if (&game != padGame_) {
        padGame_ = nullptr;
    }

    // Only the player's own game rumbles: not a replay, not a demonstration.
    const bool exploding = !game.exploding.IsEmpty();
    const bool played = &game == seenGame_ && !Board().InputLocked() && reader_->PadCount() > 0;
    const bool ended = played && game.over && !seenOver_;
    const bool ring = played && exploding && !seenExploding_;
    if ((ended || ring) && ReadSettingDword(kSettingsKey, "NoGamepadVibration") == 0) {
        ended ? reader_->Rumble(kGameOverRumble, PadTuning::kGameOverRumbleMs)
              : reader_->Rumble(kRingRumble, PadTuning::kRingRumbleMs);
    }
    seenGame_ = &game;
    seenExploding_ = exploding;
    seenOver_ = game.over;
}

void CPadBinding::PadPlays() {
    padGame_ = &Board().Game();
}

bool CPadBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && padGame_ == &Board().Game()) {
        if (auto* entry = qobject_cast<CNewHighScoreDlg*>(watched)) {
            entry->SuggestName(
                QString::fromStdString(ReadSettingString(kSettingsKey, kLastScoreNameSetting)));
        }
    }
    return QObject::eventFilter(watched, event);
}

bool CPadBinding::DialogOpen() const {
    return QApplication::activeModalWidget() != nullptr;
}

void CPadBinding::TurnBy(double radians) {
    PadPlays();
    Board().Execute(PlayerInput::TurnTo{Board().Game().wheelAngle + radians});
}

void CPadBinding::KeyStep(bool clockwise, bool fine) {
    PadPlays();
    Board().Execute(PlayerInput::KeyStep{clockwise, fine});
}

void CPadBinding::DropBomb() {
    PadPlays();
    Board().OnDropBomb();
}

void CPadBinding::PausePlay() {
    PadPlays();
    Board().OnPausePlay();
}

void CPadBinding::NewGame() {
    PadPlays();
    Board().OnNewGame();
}

void CPadBinding::TutorialNext() {
    if (CTutorialWnd* window = Session().Tutorial().Window()) {
        Click(window->nextButton());
    }
}

void CPadBinding::TutorialPrevious() {
    if (CTutorialWnd* window = Session().Tutorial().Window()) {
        Click(window->previousButton());
    }
}

void CPadBinding::MoveFocus(bool forward, bool sideways) {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        PadDialog::MoveFocus(dialog, forward, sideways);
    }
}

void CPadBinding::PressFocused() {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        PadDialog::Press(dialog);
    }
}

void CPadBinding::CancelDialog() {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        PadDialog::Cancel(dialog);
    }
}
