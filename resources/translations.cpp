#include "resources/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace {

QString& Chosen() {
    static QString language;
    return language;
}

}  // namespace

QString TranslationFolder(const QString& programDir) {
    return QDir::cleanPath(QDir(programDir)
                               .filePath(QString::fromLatin1(kDataFolderFromProgram) +
                                         QStringLiteral("/translations")));
}

QString InstallTranslations(const QString& folder) {
    QCoreApplication* app = QCoreApplication::instance();
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C) {
            break;
        }
        auto* own = new QTranslator(app);
        if (!own->load(wanted, QStringLiteral("torvane"), QStringLiteral("_"), folder)) {
            delete own;
            continue;
        }
        const QLocale found(own->language().isEmpty() ? name : own->language());
        auto* qt = new QTranslator(app);
        if (qt->load(found, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
        } else {
            delete qt;
        }
        // The program's own first: the last one installed is asked first.
        QCoreApplication::installTranslator(own);
        Chosen() = own->language().isEmpty() ? name : own->language();
        break;
    }
    return Chosen();
}

QString TranslationLanguage() {
    return Chosen();
}

QString Translated(const UiText& text) {
    return text.source != nullptr ? QCoreApplication::translate(text.context, text.source)
                                  : QString();
}

QString Translated(const UiMessage& message) {
    QStringList args;
    for (const std::string& arg : message.args) {
        args << QString::fromStdString(arg);
    }
    return FillArguments(Translated(message.text), args);
}
