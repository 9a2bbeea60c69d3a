#include "shell/app/command_line.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The options QApplication takes for itself and removes before the program
// sees its arguments (-platform offscreen, -style fusion, X11's -display):
// accepted here, never listed here (--help-all lists them), and left to it.
void AcceptQtOptions(QCommandLineParser& parser) {
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "icon", "name",
          "style", "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

CCommandLine::CCommandLine()
    : replay_(QStringLiteral("replay"), tr("Watch the recorded game in <file>."), tr("file")) {
    // Qt's own spelling of its options: one dash, whole words (-platform).
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setApplicationDescription(
        tr("Turn the wheel so that falling gems close rings of one colour."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(replay_);
    // How a file manager opens a replay (Exec=torvane %f).
    parser_.addPositionalArgument(
        tr("file"), tr("Watch the recorded game in <file>, as --replay does."), tr("[file]"));
    AcceptQtOptions(parser_);
}

bool CCommandLine::Parse(const QStringList& arguments) {
    error_.clear();
    if (!parser_.parse(arguments)) {
        error_ = parser_.errorText();
    } else if (parser_.positionalArguments().size() + (parser_.isSet(replay_) ? 1 : 0) > 1) {
        error_ = tr("Give one replay file at a time.");
    }
    return error_.isEmpty();
}

bool CCommandLine::OnlyPrints() const {
    return !error_.isEmpty() || parser_.isSet(QStringLiteral("help")) ||
           parser_.isSet(QStringLiteral("help-all")) || parser_.isSet(QStringLiteral("version"));
}

void CCommandLine::Print(const QStringList& arguments) {
    // Qt's own answer to help, version and the parser's mistakes: it prints
    // and ends the program.
    parser_.process(arguments);
    Parse(arguments);
    std::fputs(qPrintable(QCoreApplication::applicationName() + QStringLiteral(": ") + error_ +
                          QLatin1Char('\n')),
               stderr);
    std::exit(EXIT_FAILURE);
}

QString CCommandLine::ReplayFile() const {
    return parser_.isSet(replay_) ? parser_.value(replay_) : parser_.positionalArguments().value(0);
}
