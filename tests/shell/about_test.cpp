// The About box: its title, the program's name and version, and the logo.
#include <gtest/gtest.h>

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
    // Its black pixels are left out, so the dialog shows through them.
    EXPECT_TRUE(logo.hasAlpha());
}

}  // namespace
