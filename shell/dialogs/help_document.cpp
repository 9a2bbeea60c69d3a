#include "shell/dialogs/help_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "game/settings_store.h"

QString HelpDocumentPath(const QString& programDir) {
    const std::string installPath = ReadSettingString("", "InstallPath");
    QString path;
    if (!installPath.empty()) {
        path = QString::fromStdString(installPath) + QStringLiteral("/doc/help.html");
    } else {
        path = QDir::cleanPath(QDir(programDir)
                                   .filePath(QString::fromLatin1(kDataFolderFromProgram) +
                                             QStringLiteral("/doc/help.html")));
    }
    const QFileInfo info(path);
    return info.isFile() ? info.absoluteFilePath() : QString();
}

QString HelpDocumentPath() {
    return HelpDocumentPath(QCoreApplication::applicationDirPath());
}
