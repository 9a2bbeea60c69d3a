// Torvane: hexagonal gems fall toward a white central gem on a turning wheel.
#include <QApplication>
#include <QIcon>

#include "game/game_clock.h"
#include "game/settings_store.h"
#include "game/sound.h"
#include "resources/translations.h"
#include "settings/home_folders.h"
#include "settings/settings_file.h"
#include "shell/app/coarse_clock_seam.h"
#include "shell/app/command_line.h"
#include "shell/app/exit_notice.h"
#include "shell/app/qt_cue_output.h"
#include "shell/app/settings_messages.h"
#include "shell/app/statistics_route.h"
#include "shell/app/stop_signals.h"
#include "shell/app/torvane_app.h"
#include "shell/frame/board_session.h"
#include "shell/frame/main_frame.h"
#include "shell/history/daily_result_flow.h"
#include "shell/history/history_recorder.h"
#include "shell/model/board_model.h"
#include "shell/view/game_over_flow.h"
#include "shell/view/kept_game.h"
#include "shell/view/replay_flow.h"
#include "shell/view/replay_shelf.h"
#include "shell/view/torvane_view.h"

namespace {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/torvane/icons/torvane-%1.png").arg(size), QSize(size, size));
    }
    if (icon.isNull()) {
        icon.addFile(QStringLiteral(":/torvane/icon.png"));
    }
    return icon;
}

// What the application is called and which version it is, before any
// application object exists: --version prints them.
void SetIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Torvane"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillfen Software"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.4"));
}

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void InstallTranslationsBesideProgram() {
    InstallTranslations(TranslationFolder(QCoreApplication::applicationDirPath()));
}

// Prints what the command line asks for, or what is wrong with it, and ends
// the program. Qt's platform without any window system ("minimal") serves
// it: no display is needed, and --help-all still lists the window system's
// options. The arguments stay out of it, so that no -platform among them
// can ask for a display.
[[noreturn]] void PrintOnly(char* program, const QStringList& arguments) {
    char platformOption[] = "-platform";
    char minimal[] = "minimal";
    char* argv[] = {program, platformOption, minimal, nullptr};
    int argc = 3;
    QApplication app(argc, argv);
    InstallTranslationsBesideProgram();
    CCommandLine().Print(arguments);
}

}  // namespace

int main(int argc, char* argv[]) {
    SettleHomeFolders();
    SetIdentity();
    const QStringList arguments = Arguments(argc, argv);
    CCommandLine commandLine;
    if (!commandLine.Parse(arguments) || commandLine.OnlyPrints()) {
        PrintOnly(argv[0], arguments);
    }
    QApplication app(argc, argv);
    InstallTranslationsBesideProgram();
    // The name of the installed launcher, so that desktops group the window
    // with it and show its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.quillfen.Torvane"));
    QApplication::setWindowIcon(ProgramIcon());
    const QString replayFile = commandLine.ReplayFile();

    CSettingsFile settings;
    CSettingsMessages messages(settings);
    settings.Open();
    // A damaged file is told before the game starts, not over its first questions.
    QCoreApplication::processEvents();
    SetSettingsBackend(&settings);
    CSteadyOrCoarseCounter counter;
    GameClock::SetCounter(&counter);
    CQtSoundPlayer sound;
    SetSoundPlayer(&sound);

    int result = 0;
    CHistoryRecorder history{CReplayShelf()};
    // Told to stop, nothing on the way out waits for a click.
    bool stopSignal = false;
    std::optional<QString> notKept;
    std::optional<QString> replaysNotWritten;
    {
        CTorvaneApp torvane;
        // Told to stop, the program ends as by Game > Exit, the game kept;
        // so it does when the session ends, should the session manager end
        // it outright after asking for the data. It listens from before the
        // window is made, since the questions of the start run event loops
        // of their own, and a stop there must not kill it unsaved.
        const CStopSignals stopSignals([&torvane, &stopSignal, &notKept] {
            stopSignal = true;
            if (torvane.mainFrame != nullptr) {
                notKept = torvane.mainFrame->Session().Kept().Keep(true);
                // quit() would ask every window to close, and the tutorial's
                // window answers by ending the tutorial only: a stop ends the
                // program whatever is open, its event loops included.
                torvane.mainFrame->close();
            }
            QCoreApplication::exit(0);
        });
        // A file to watch comes first; a game left unfinished waits on.
        if (torvane.InitInstance(replayFile.isEmpty())) {
            CGameKeeper& kept = torvane.mainFrame->Session().Kept();
            // Every recorded game that ends becomes a row of the history.
            QObject::connect(&torvane.mainFrame->Session().Model(), &CBoardModel::RecordingFinished,
                             &history, &CHistoryRecorder::GameEnded);
            new CStatisticsRoute(*torvane.mainFrame, CHistoryRecorder::PathBeside(CReplayShelf()),
                                 &history.Writer());
            // The end of a daily game tells its date's result, from the history.
            QObject::connect(&torvane.mainFrame->Session().GameOver(),
                             &CGameOverFlow::DailyGameEnded,
                             new CDailyResultFlow(history.Writer(), torvane.mainFrame.get()),
                             &CDailyResultFlow::DailyGameEnded);
            QObject::connect(&app, &QGuiApplication::commitDataRequest, &kept,
                             [&kept] { kept.Keep(false); });
            // A stop during the start leaves at once.
            if (!stopSignal) {
                if (!replayFile.isEmpty()) {
                    torvane.mainFrame->Session().Watching().WatchFile(replayFile);
                }
                result = QApplication::exec();
            }
            if (const std::optional<QString> failure = kept.Keep(true)) {
                notKept = failure;
            }
            replaysNotWritten = torvane.mainFrame->Session().Replays().Shelf().WriteBeforeQuit();
        }
    }
    for (const std::optional<QString>& failure :
         {notKept, replaysNotWritten, messages.SaveBeforeQuit(), history.WriteBeforeQuit()}) {
        if (failure) {
            TellOnTheWayOut(*failure, stopSignal);
        }
    }
    SetSoundPlayer(nullptr);
    GameClock::SetCounter(nullptr);
    SetSettingsBackend(nullptr);
    return result;
}
