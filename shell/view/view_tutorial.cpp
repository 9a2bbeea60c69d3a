// The tutorial, as the view runs it: the view owns the tutorial state, builds
// each page's game and locks the player's input; the tutorial window only asks.
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "shell/view/torvane_view.h"
#include "tutorial/core/tutorial.h"
#include "tutorial/ui/tutorial_wnd.h"
#include "tutorial/ui/welcome_dlg.h"

void CTutorialDeleter::operator()(CTutorial* tutorial) const {
    delete tutorial;
}

void CTorvaneView::StartOrQuitTutorial() {
    if (Watching()) {
        StartNewGame();  // a replay ends without a question
    }
    if (tutorial) {
        if (tutorialWindow != nullptr) {
            tutorialWindow->Quit();
        } else {
            OnTutorialMessage(TutorialEnded);
        }
        return;
    }
    if (game->started) {
        QMessageBox warning(QMessageBox::Warning, QStringLiteral("Warning"),
                            QStringLiteral("Viewing the tutorial will end the current game.\r\n"
                                           "Do you want to end this game and view the tutorial?"),
                            QMessageBox::Yes | QMessageBox::No, this);
        warning.setDefaultButton(QMessageBox::No);
        if (warning.exec() != QMessageBox::Yes) {
            return;
        }
        // The question runs its own event loop: the tutorial may have been
        // started from there meanwhile.
        if (tutorial) {
            return;
        }
    }

    auto state = std::make_unique<CTutorial>(LoadTutorial());
    if (state->CurrentPage() == nullptr) {
        return;
    }
    tutorial.reset(state.release());
    tutorialWindow = new CTutorialWnd(this, [this](int code) { OnTutorialMessage(code); });
    emit TutorialWindowOpened(tutorialWindow);
    ShowTutorialPage();

    // The window system decorates a new window only once it is on screen;
    // place it again when its frame is known.
    QTimer::singleShot(0, this, [this, window = QPointer<CTutorialWnd>(tutorialWindow)] {
        if (window != nullptr && window == tutorialWindow) {
            window->PlaceAtLowerLeft(this);
        }
    });
}

void CTorvaneView::ShowTutorialPage() {
    if (!tutorial) {
        return;
    }
    const CTutorialPage* page = tutorial->CurrentPage();
    if (page == nullptr) {
        return;
    }
    if (page->scenario != nullptr) {
        // The old game goes without any end-of-game question or high score;
        // the tutorial's own games are not recorded.
        FinishRecording();
        replay_.reset();
        game = std::make_unique<CGame>(page->scenario);
        game->Resume();
        gameOverHandled = false;
    }
    inputLocked = page->inputLock;

    if (tutorialWindow != nullptr) {
        tutorialWindow->ShowPage(QString::fromStdString(tutorial->Caption()),
                                 QString::fromStdString(page->text), tutorial->HasPrevious(),
                                 QString::fromStdString(tutorial->NextButtonText()));
        tutorialWindow->PlaceAtLowerLeft(this);
    }
    Invalidate();
    emit StateChanged();
}

int CTorvaneView::OnTutorialMessage(int code) {
    switch (code) {
        case TutorialEnded:
            tutorial.reset();
            tutorialWindow = nullptr;
            inputLocked = false;
            StartNewGame();
            break;
        case TutorialNext:
            if (tutorial) {
                tutorial->Next();
                ShowTutorialPage();
            }
            break;
        case TutorialPrevious:
            if (tutorial) {
                tutorial->Previous();
                ShowTutorialPage();
            }
            break;
        default:
            break;
    }
    return 0;
}

void CTorvaneView::OfferTutorialOnFirstStart() {
    CWelcomeDlg welcome(this);
    if (welcome.exec() == QDialog::Accepted) {
        StartOrQuitTutorial();
        Invalidate();
    }
}
