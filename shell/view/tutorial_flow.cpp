#include "shell/view/tutorial_flow.h"

#include <QPointer>
#include <QTimer>

#include "resources/translations.h"
#include "shell/model/board_model.h"
#include "shell/view/end_game_question.h"
#include "shell/view/torvane_view.h"
#include "tutorial/core/tutorial.h"
#include "tutorial/ui/tutorial_wnd.h"
#include "tutorial/ui/welcome_dlg.h"

CTutorialFlow::CTutorialFlow(CBoardModel& model, CTorvaneView& view) : model_(model), view_(view) {
    connect(&view_, &CTorvaneView::Painted, this, &CTutorialFlow::AfterPaint);
    connect(&view_, &CTorvaneView::Resized, this, &CTutorialFlow::PlaceWindow);
    connect(&model_, &CBoardModel::ModeChanged, this, &CTutorialFlow::OnModeChanged);
}

CTutorialFlow::~CTutorialFlow() = default;

void CTutorialFlow::StartOrQuit() {
    model_.EndWatching();  // a replay ends without a question
    if (tutorial_) {
        if (window_ != nullptr) {
            window_->Quit();
        } else {
            OnMessage(TutorialEnded);
        }
        return;
    }
    // As New game ends a game: its score is offered for the table.
    AskToEndGameUnderWay(model_, this, &view_, tr("Warning"),
                         tr("Viewing the tutorial will end the current game.\r\n"
                            "Do you want to end this game and view the tutorial?"),
                         [this](bool clear) {
                             if (clear) {
                                 Start();
                             }
                         });
}

void CTutorialFlow::Start() {
    auto state = std::make_unique<CTutorial>(LoadTutorial());
    if (state->CurrentPage() == nullptr) {
        return;
    }
    tutorial_ = std::move(state);
    // The board refuses a tutorial while a replay is checked.
    if (!PutPageOnBoard()) {
        tutorial_.reset();
        return;
    }
    window_ = new CTutorialWnd(&view_, [this](int code) { OnMessage(code); });
    emit WindowOpened(window_);
    ShowPageText();

    // The window system decorates a new window only once it is on screen;
    // place it again when its frame is known.
    QTimer::singleShot(0, this, [this, window = QPointer<CTutorialWnd>(window_)] {
        if (window != nullptr && window == window_) {
            PlaceWindow();
        }
    });
}

void CTutorialFlow::ShowPage() {
    if (PutPageOnBoard()) {
        ShowPageText();
    }
}

bool CTutorialFlow::PutPageOnBoard() {
    const CTutorialPage* page = tutorial_ ? tutorial_->CurrentPage() : nullptr;
    if (page == nullptr) {
        return false;
    }
    if (page->scenario == nullptr) {
        return model_.ShowTutorialPage(nullptr, page->inputLock);
    }
    // The tutorial's own games are not recorded.
    auto game = std::make_unique<CGame>(page->scenario);
    game->Resume();
    return model_.ShowTutorialPage(std::move(game), page->inputLock);
}

void CTutorialFlow::ShowPageText() {
    const CTutorialPage* page = tutorial_ ? tutorial_->CurrentPage() : nullptr;
    if (window_ != nullptr && page != nullptr) {
        window_->ShowPage(Translated(tutorial_->Caption()), Translated(page->text),
                          tutorial_->HasPrevious(), Translated(tutorial_->NextButtonText()));
        PlaceWindow();
    }
}

void CTutorialFlow::OnMessage(int code) {
    if (!tutorial_) {
        return;  // a window that has gone
    }
    switch (code) {
        case TutorialEnded:
            tutorial_.reset();
            window_ = nullptr;
            model_.EndTutorial();
            break;
        case TutorialNext:
            tutorial_->Next();
            ShowPage();
            break;
        case TutorialPrevious:
            tutorial_->Previous();
            ShowPage();
            break;
        default:
            break;
    }
}

void CTutorialFlow::AfterPaint() {
    if (offerAfterPaint_) {
        offerAfterPaint_ = false;
        // A modal dialog cannot run inside a paint event; it follows at once.
        QTimer::singleShot(0, this, &CTutorialFlow::OfferOnFirstStart);
    }
}

void CTutorialFlow::OfferOnFirstStart() {
    CWelcomeDlg welcome(&view_);
    if (welcome.exec() == QDialog::Accepted) {
        StartOrQuit();
        view_.Invalidate();
    }
}

void CTutorialFlow::OnModeChanged() {
    if (tutorial_ && !model_.TutorialRunning()) {
        if (window_ != nullptr) {
            window_->Quit();
        } else {
            tutorial_.reset();
        }
    }
}

void CTutorialFlow::PlaceWindow() {
    const CTutorialPage* page = tutorial_ ? tutorial_->CurrentPage() : nullptr;
    if (window_ != nullptr && page != nullptr) {
        window_->PlaceClearOf(&view_, page->subject, [this](QPoint board) {
            return QPointF(view_.mapToGlobal(view_.Mapping().ToWidget(board)));
        });
    }
}
