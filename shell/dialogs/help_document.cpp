#include "shell/dialogs/help_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "game/settings_store.h"
#include "resources/translations.h"

QString HelpDocumentPath(const QString& programDir, const QString& language) {
    const std::string installPath = ReadSettingString("", "InstallPath");
    const QString folder =
        !installPath.empty()
            ? QString::fromStdString(installPath) + QStringLiteral("/doc")
            : QDir::cleanPath(QDir(programDir)
                                  .filePath(QString::fromLatin1(kDataFolderFromProgram) +
                                            QStringLiteral("/doc")));
    QStringList names;
    if (!language.isEmpty()) {
        // "de_DE", then "de".
        names << QStringLiteral("help_%1.html").arg(language)
              << QStringLiteral("help_%1.html").arg(language.section(QLatin1Char('_'), 0, 0));
    }
    names << QStringLiteral("help.html");
    for (const QString& name : names) {
        const QFileInfo info(folder + QLatin1Char('/') + name);
        if (info.isFile()) {
            return info.absoluteFilePath();
        }
    }
    return {};
}

QString HelpDocumentPath() {
    return HelpDocumentPath(QCoreApplication::applicationDirPath(), TranslationLanguage());
}
