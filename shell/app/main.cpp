// Torvane: hexagonal gems fall toward a white central gem on a turning wheel.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>
#include <string_view>

#include "game/game_clock.h"
#include "game/settings_store.h"
#include "game/sound.h"
#include "settings/settings_file.h"
#include "shell/app/qt_cue_output.h"
#include "shell/app/settings_messages.h"
#include "shell/app/stop_signals.h"
#include "shell/app/torvane_app.h"
#include "shell/frame/main_frame.h"
#include "shell/view/kept_game.h"
#include "shell/view/replay_flow.h"
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

// --help and --version only print, and must do so where no window system can
// be reached (a terminal without a display, a packaging script).
bool OnlyPrints(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version") {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (OnlyPrints(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "minimal");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillfen Software"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.4"));
    // The name of the installed launcher, so that desktops group the window
    // with it and show its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.quillfen.Torvane"));
    QApplication::setWindowIcon(ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Turn the wheel so that falling gems close rings of one colour."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Watch the recorded game in <file>."),
                                    QStringLiteral("file"));
    parser.addOption(replay);
    // How a file manager opens a replay (Exec=torvane %f).
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("Watch the recorded game in <file>, as --replay does."),
        QStringLiteral("[file]"));
    parser.process(app);
    QStringList replayFiles = parser.positionalArguments();
    if (parser.isSet(replay)) {
        replayFiles.prepend(parser.value(replay));
    }
    if (replayFiles.size() > 1) {
        std::fputs(qPrintable(QStringLiteral("Torvane: Give one replay file at a time.\n")),
                   stderr);
        return 1;
    }
    const QString replayFile = replayFiles.value(0);

    CSettingsFile settings;
    CSettingsMessages messages(settings);
    settings.Open();
    // A damaged file is told before the game starts, not over its first questions.
    QCoreApplication::processEvents();
    SetSettingsBackend(&settings);
    CSteadyClockCounter counter;
    GameClock::SetCounter(&counter);
    CQtSoundPlayer sound;
    SetSoundPlayer(&sound);

    int result = 0;
    {
        CTorvaneApp torvane;
        // A file to watch comes first; a game left unfinished waits on.
        if (torvane.InitInstance(replayFile.isEmpty())) {
            CKeptGame& kept = torvane.mainFrame->View()->Kept();
            // Told to stop, the program ends as by Game > Exit, the game
            // kept; so it does when the session ends, should the session
            // manager end it outright after asking for the data.
            const CStopSignals stopSignals([&kept] {
                kept.Keep(true);
                QCoreApplication::quit();
            });
            QObject::connect(&app, &QGuiApplication::commitDataRequest, &kept,
                             [&kept] { kept.Keep(false); });
            if (!replayFile.isEmpty()) {
                torvane.mainFrame->View()->Replays().WatchFile(replayFile);
            }
            result = QApplication::exec();
            kept.Keep(true);
        }
    }
    messages.SaveBeforeQuit();
    SetSoundPlayer(nullptr);
    GameClock::SetCounter(nullptr);
    SetSettingsBackend(nullptr);
    return result;
}
