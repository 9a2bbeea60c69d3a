// Help contents: where the document is found, that the view opens it, that
// every failure stays silent, and that the document is whole.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "shell/help_document.h"
#include "view_fixture.h"

namespace {

void WriteFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

class HelpTest : public ViewFixture {
  protected:
    void SetInstallPath(const char* folder) {
        settings.Write("", "InstallPath", SettingValue::String(dir.filePath(folder).toStdString()));
    }
    QTemporaryDir dir;
};

TEST_F(HelpTest, DocumentIsFoundUnderInstallPathWhenSetElseInTheProgramsDataFolder) {
    EXPECT_FALSE(HelpDocumentPath(QStringLiteral(TORVANE_BINARY_DIR "/shell")).isEmpty());
    const QString programDir = dir.filePath("bin");
    EXPECT_EQ(HelpDocumentPath(programDir), QString());
    WriteFile(dir.filePath("share/torvane/doc/help.html"));
    EXPECT_EQ(HelpDocumentPath(programDir), dir.filePath("share/torvane/doc/help.html"));
    WriteFile(dir.filePath("install/doc/help.html"));
    SetInstallPath("install");
    EXPECT_EQ(HelpDocumentPath(programDir), dir.filePath("install/doc/help.html"));
    SetInstallPath("nowhere");
    EXPECT_EQ(HelpDocumentPath(programDir), QString());
}

TEST_F(HelpTest, HelpContentsOpensTheDocumentAndStaysSilentWhenItCannot) {
    MakeView();
    QStringList opened;
    view->openDocument = [&opened](const QString& path) {
        opened << path;
        return false;  // no viewer: nothing may be reported
    };
    SetInstallPath("nowhere");
    view->OnHelpContents();
    EXPECT_TRUE(opened.isEmpty());

    WriteFile(dir.filePath("install/doc/help.html"));
    SetInstallPath("install");
    view->OnHelpContents();
    EXPECT_EQ(opened, QStringList{dir.filePath("install/doc/help.html")});
}

TEST(HelpDocumentTest, EveryPictureAndLinkOfTheDocumentIsThere) {
    const QString folder = QStringLiteral(TORVANE_SOURCE_DIR "/resources/doc");
    QFile file(folder + "/help.html");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    int pictures = 0;
    for (const auto& match : QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html)) {
        ++pictures;
        EXPECT_TRUE(QFile::exists(folder + "/" + match.captured(1)))
            << match.captured(1).toStdString();
    }
    EXPECT_GT(pictures, 0);
    for (const auto& match : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html)) {
        EXPECT_TRUE(html.contains("id=\"" + match.captured(1) + "\""))
            << match.captured(1).toStdString();
    }
}

}  // namespace
