#include "shell/torvane_app.h"

#include <ctime>

#include "game/game_clock.h"
#include "game/game_random.h"
#include "game/settings_store.h"
#include "shell/clock_warning_dlg.h"
#include "shell/main_frame.h"
#include "shell/torvane_view.h"

CTorvaneApp::CTorvaneApp() = default;
CTorvaneApp::~CTorvaneApp() = default;

bool CTorvaneApp::InitInstance() {
    GameRandom::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    offerTutorial = ReadSettingDword(kSettingsKey, kFirstStartDoneSetting) == 0;

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
    mainFrame->show();
    mainFrame->View()->RepaintNow();

    WriteSettingDword(kSettingsKey, kFirstStartDoneSetting, 1);
    return true;
}
