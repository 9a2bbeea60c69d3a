// Help contents: where the document is found, that the view opens it, that
// every failure stays silent, and that the document is whole.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/command_ids.h"
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
    QTemporaryDir dir;
};

TEST_F(HelpTest, InstallPathWinsOverTheProgramsDataFolder) {
    WriteFile(dir.filePath("install/doc/help.html"));
    WriteFile(dir.filePath("share/torvane/doc/help.html"));
    const QString programDir = dir.filePath("bin");
    EXPECT_EQ(HelpDocumentPath(programDir), dir.filePath("share/torvane/doc/help.html"));

    settings.Write("", "InstallPath", SettingValue::String(dir.filePath("install").toStdString()));
    EXPECT_EQ(HelpDocumentPath(programDir), dir.filePath("install/doc/help.html"));
}

TEST_F(HelpTest, MissingDocumentGivesNoPath) {
    EXPECT_EQ(HelpDocumentPath(dir.filePath("bin")), QString());
    WriteFile(dir.filePath("share/torvane/doc/help.html"));
    settings.Write("", "InstallPath", SettingValue::String(dir.filePath("nowhere").toStdString()));
    EXPECT_EQ(HelpDocumentPath(dir.filePath("bin")), QString());
}

TEST_F(HelpTest, HelpContentsOpensTheDocumentAndStaysSilentWhenItCannot) {
    MakeView();
    QStringList opened;
    view->openDocument = [&opened](const QString& path) {
        opened << path;
        return false;  // no viewer: nothing may be reported
    };
    settings.Write("", "InstallPath", SettingValue::String(dir.filePath("nowhere").toStdString()));
    view->OnHelpContents();
    EXPECT_TRUE(opened.isEmpty());

    WriteFile(dir.filePath("install/doc/help.html"));
    settings.Write("", "InstallPath", SettingValue::String(dir.filePath("install").toStdString()));
    view->OnHelpContents();
    EXPECT_EQ(opened, QStringList{dir.filePath("install/doc/help.html")});
}

TEST_F(HelpTest, BuildTreeHoldsTheDocumentBesideTheProgram) {
    EXPECT_FALSE(HelpDocumentPath(QStringLiteral(TORVANE_BINARY_DIR "/shell")).isEmpty());
}

}  // namespace
