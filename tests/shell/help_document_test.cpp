// The help document is whole: every picture it shows and every place it
// links to is there.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>

namespace {

TEST(HelpDocumentTest, EveryPictureAndLinkOfTheDocumentIsThere) {
    const QString folder = QStringLiteral(TORVANE_SOURCE_DIR "/resources/doc");
    QFile file(folder + "/help.html");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());

    const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    int pictures = 0;
    for (const auto& match : picture.globalMatch(html)) {
        ++pictures;
        EXPECT_TRUE(QFile::exists(folder + "/" + match.captured(1)))
            << match.captured(1).toStdString();
    }
    EXPECT_GT(pictures, 0);

    const QRegularExpression anchor(QStringLiteral("href=\"#([^\"]+)\""));
    for (const auto& match : anchor.globalMatch(html)) {
        EXPECT_TRUE(html.contains("id=\"" + match.captured(1) + "\""))
            << match.captured(1).toStdString();
    }
}

}  // namespace
