#include <gtest/gtest.h>

#include <QAction>
#include <set>

#include "shell/command_ids.h"
#include "shell/main_toolbar.h"

namespace {

// Every icon the button ever gets leaves its renderings in Qt's pixmap
// cache; a new icon per game made memory climb game after game.
TEST(ToolbarMemory, PlayButtonReusesOneIconPerPictureHoweverOftenTheGameChanges) {
    CMainToolBar bar;
    QAction* play = bar.addAction(QStringLiteral("Play"));
    std::set<qint64> icons;
    for (int game = 0; game < 300; ++game) {
        for (const int state : {kPlayButtonRunning, kPlayButtonPaused, kPlayButtonOver}) {
            bar.SetPlayButton(state);
            icons.insert(play->icon().cacheKey());
        }
    }
    EXPECT_EQ(icons.size(), 3u);
}

}  // namespace
