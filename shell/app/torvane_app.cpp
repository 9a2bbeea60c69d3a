#include "shell/app/torvane_app.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <ctime>

#include "game/game_clock.h"
#include "game/game_number.h"
#include "game/game_random.h"
#include "game/settings_store.h"
#include "shell/dialogs/clock_warning_dlg.h"
#include "shell/frame/board_session.h"
#include "shell/frame/main_frame.h"
#include "shell/view/kept_game.h"
#include "shell/view/torvane_view.h"
#include "shell/view/tutorial_flow.h"

CTorvaneApp::CTorvaneApp() = default;
CTorvaneApp::~CTorvaneApp() = default;

void CTorvaneApp::PaintFirstFrame() {
    // A window paints once the window system has exposed it. Waiting here for
    // that first paint lets it offer the tutorial before start-up goes on; a
    // window that is never exposed (started minimised) must not hold it up.
    constexpr int kLongestWaitMs = 2000;
    QElapsedTimer waited;
    waited.start();
    CTorvaneView* view = mainFrame->View();
    view->RepaintNow();
    while (!view->Initialised() && waited.elapsed() < kLongestWaitMs) {
        // The view's own timer wakes this at least every 66 ms.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // The offer of the tutorial follows the first paint at once.
    QCoreApplication::processEvents();
}

bool CTorvaneApp::InitInstance(bool restoreKeptGame) {
    // Within the game numbers: from 2038 on the seconds pass 2^31 - 1, and the
    // number shown must be one that Play game number takes back.
    const auto seconds = static_cast<std::uint64_t>(std::time(nullptr));
    GameRandom::Seed(static_cast<std::uint32_t>(kFirstGameNumber + seconds % kLastGameNumber));
    const bool firstStart = ReadSettingDword(kSettingsKey, kFirstStartDoneSetting) == 0;

    GameClock::Initialise();
    const bool coarseClock = GameClock::hasPerfCounter && GameClock::perfFrequency <= 1;
    if (coarseClock && ReadSettingDword(kSettingsKey, "IgnoreLoResClock") == 0) {
        CClockWarningDlg question;
        const CClockWarningDlg::Answer answer = question.Ask();
        if (answer == CClockWarningDlg::kNo) {
            return false;
        }
        if (answer == CClockWarningDlg::kYes && question.neverAskAgain) {
            WriteSettingDword(kSettingsKey, "IgnoreLoResClock", 1);
        }
    }

    mainFrame = std::make_unique<CMainFrame>();
    mainFrame->Session().Tutorial().OfferAfterFirstPaint(firstStart);
    mainFrame->Session().Kept().Start(restoreKeptGame);
    mainFrame->ShowAtStart();
    PaintFirstFrame();

    WriteSettingDword(kSettingsKey, kFirstStartDoneSetting, 1);
    return true;
}
