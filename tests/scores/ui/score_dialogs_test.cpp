#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTreeWidget>
#include <clocale>
#include <cstdlib>

#include "game/memory_settings.h"
#include "modal_driver.h"
#include "scores/core/calendar_clock.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/high_scores_dlg.h"
#include "scores/ui/new_high_score_dlg.h"
#include "scores/ui/score_flow.h"
#include "tutorial/ui/dialog_units.h"

namespace {

constexpr std::int64_t kNov3_2002 = 1036281600;  // 2002-11-03 00:00 UTC
constexpr std::int64_t kDay = 86400;

class ScoreDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("TZ", "UTC0", 1);
        tzset();
        CalendarClock::Pin(kNov3_2002 + kDay + 12 * 3600);
    }
    void TearDown() override {
        CalendarClock::Pin(std::nullopt);
        unsetenv("TZ");
        tzset();
    }

    void Put(const char* name, const std::string& text) {
        store.Write(kScoresKey, name, SettingValue::String(text));
    }

    static QStringList Row(QTreeWidget* list, int row) {
        QStringList cells;
        QTreeWidgetItem* item = list->topLevelItem(row);
        for (int c = 0; item != nullptr && c < item->columnCount(); ++c) {
            cells << item->text(c);
        }
        return cells;
    }

    CMemorySettings store;
    CScopedSettingsBackend installed{&store};
};

}  // namespace

TEST_F(ScoreDialogs, GameOverQuestionIsYesOnlyForYes) {
    CGameOverDlg probe;
    EXPECT_EQ(probe.windowTitle(), "Game Over");
    EXPECT_NE(probe.findChild<QLabel*>()->text().indexOf("Would you like to play another game?"),
              -1);

    ModalDriver driver;
    // Escape is answered through the whole flow in view_scores_test.
    driver.Then(ModalDriver::Click("yes")).Then(ModalDriver::Click("no")).Then([](QDialog* d) {
        d->close();
    });
    EXPECT_TRUE(AskPlayAgain(nullptr));
    EXPECT_FALSE(AskPlayAgain(nullptr));
    EXPECT_FALSE(AskPlayAgain(nullptr));
    EXPECT_FALSE(driver.ActionsLeft());
}

TEST_F(ScoreDialogs, NameEntryOpensEmptyWithTheScoreShownReadOnly) {
    CNewHighScoreDlg dialog(12345);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* name = dialog.findChild<QLineEdit*>("name");
    auto* score = dialog.findChild<QLineEdit*>("score");
    EXPECT_EQ(dialog.windowTitle(), "High Score");
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_EQ(score->text(), "12345");
    EXPECT_FALSE(score->isEnabled());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(ScoreDialogs, NameFieldRefusesTheSeparatorAndStopsAtTheLimit) {
    CNewHighScoreDlg dialog(100);
    auto* name = dialog.findChild<QLineEdit*>("name");
    QTest::keyClicks(name, "Al|ph|a");
    EXPECT_EQ(name->text(), "Alpha");
    QTest::keyClicks(name, QString(40, 'x'));
    EXPECT_EQ(name->text().size(), 32);
    EXPECT_EQ(dialog.Name(), "Alpha" + std::string(27, 'x'));

    name->clear();
    name->insert(QString::fromUtf8("Zo|ë 東京"));  // as a paste arrives
    EXPECT_EQ(dialog.Name(), "Zoë 東京");
}

TEST_F(ScoreDialogs, ListShowsRankNameScoreAndEnglishDatesInAnyLocale) {
    qputenv("LANG", "de_DE.UTF-8");
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // takes effect where the locale is installed
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    Put("000", "a|Alpha|12345|" + std::to_string(kNov3_2002 + 3600));
    Put("001", "a|Zoë|500|" + std::to_string(kNov3_2002 - 181 * kDay));
    Put("002", "a|Old|20|99999999999999999");
    Put("003", "a|WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW|7|1");
    CHighScoresDlg dialog;
    auto* list = dialog.findChild<QTreeWidget*>("scores");
    EXPECT_EQ(dialog.windowTitle(), "Torvane -- High Scores");
    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(Row(list, 0), QStringList({" 1.", "Alpha", "12345", "Nov 3"}));
    EXPECT_EQ(Row(list, 1), QStringList({" 2.", QString::fromUtf8("Zoë"), "500", "May 6 02"}));
    EXPECT_EQ(Row(list, 2), QStringList({" 3.", "Old", "20", ""}));
    EXPECT_EQ(list->font().family(), "Liberation Sans");
    EXPECT_EQ(list->font().pointSize(), 14);

    // Name, score and date start at the tab stops 14, 96 and 140 dialog units
    // of the list's face; a long name is cut at the score column, not elided.
    const CDialogUnits units(list->font());
    for (const auto& [column, stop] : {std::pair{1, 14}, {2, 96}, {3, 140}}) {
        EXPECT_EQ(list->visualRect(list->model()->index(0, column)).left(), units.X(stop));
    }
    dialog.show();
    const QImage shown = list->viewport()->grab().toImage();
    const QRect name = list->visualRect(list->model()->index(3, 1));
    const auto inked = [&](int left, int right) {
        for (int y = name.top(); y <= name.bottom(); ++y) {
            for (int x = left; x <= right; ++x) {
                if (qGray(shown.pixel(x, y)) < 128) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(inked(name.right() - 2, name.right()));
    EXPECT_FALSE(inked(name.right() + 1, name.right() + 2));

    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
    qunsetenv("LANG");
}
