#pragma once
// The program's command line. It is read before any application object
// exists: what only prints (--help, --version, a mistake) must work where no
// window system can be reached, and it prints in the reader's language, so it
// is read again, and printed, once the translations are installed.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

class CCommandLine {
    Q_DECLARE_TR_FUNCTIONS(CCommandLine)

  public:
    // The options described in the language of the translations installed
    // by then (English before there are any).
    CCommandLine();

    // False for a mistake.
    bool Parse(const QStringList& arguments);
    // --help, --help-all, --version or a mistake: the program prints and ends.
    bool OnlyPrints() const;
    // Prints what `arguments` ask for, or what is wrong with them, on stdout
    // or stderr, and ends the program (0, or 1 for a mistake). The running
    // application's own options join the list of --help-all.
    [[noreturn]] void Print(const QStringList& arguments);

    // The replay to watch, from --replay or as the one file named.
    QString ReplayFile() const;
    QString HelpText() const { return parser_.helpText(); }

  private:
    QCommandLineParser parser_;
    QCommandLineOption replay_;
    QString error_;
};
