// The About box: its title, the program's name and version, and the logo.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "shell/about_dlg.h"

namespace {

TEST(AboutTest, ShowsNameVersionAndLogo) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "About Torvane");
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains("Torvane"));
    EXPECT_TRUE(texts.contains("Version 1.0.4"));
    ASSERT_NE(dialog.findChild<QLabel*>(QStringLiteral("logo")), nullptr);
    const QPixmap logo = CAboutDlg::Logo();
    EXPECT_EQ(logo.deviceIndependentSize().toSize(), QSize(66, 66));
    // Its black pixels are left out, so the dialog shows through them; the
    // drawing has none, so its rim and spokes stay whole.
    EXPECT_TRUE(logo.hasAlpha());
    const QImage drawn =
        QImage(QStringLiteral(":/torvane/logo.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage shown = logo.toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), drawn.size());
    int holes = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            holes += qAlpha(shown.pixel(x, y)) != qAlpha(drawn.pixel(x, y));
        }
    }
    EXPECT_EQ(holes, 0);
}

}  // namespace
