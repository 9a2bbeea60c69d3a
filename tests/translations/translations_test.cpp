// Every text the window shows goes through the translations, and the German
// fits. One walk through every window, menu, dialog, tutorial page and
// message, the board's accessible names and the renderer's banners: with the
// pseudo translation translations_current makes of the texts lupdate finds
// (each in markers), it meets no text without the markers; in German, no
// text larger than its widget or its place on the board, and no dialog
// larger than a 1024 x 600 screen. Qt's own words (the standard buttons, the
// file dialog) come from Qt's translation and are left out.
#include <QAccessible>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTest>
#include <QTranslator>

#include "render/board_fonts.h"
#include "render/board_layout.h"
#include "render/board_panels.h"
#include "render/board_renderer.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/high_scores_dlg.h"
#include "scores/ui/new_high_score_dlg.h"
#include "scores/ui/score_date_text.h"
#include "script/replay_file.h"
#include "settings/settings_file.h"
#include "shell/app/settings_messages.h"
#include "shell/dialogs/about_dlg.h"
#include "shell/dialogs/accessibility_dlg.h"
#include "shell/dialogs/clock_warning_dlg.h"
#include "shell/dialogs/customize_colors_dlg.h"
#include "shell/dialogs/options_dlg.h"
#include "shell/ui_fixture.h"
#include "tutorial/ui/tutorial_wnd.h"
#include "tutorial/ui/welcome_dlg.h"

namespace {

class TranslationWalk : public UiTest {
  protected:
    // In markers, unless it is the game's name or no words (numbers).
    void Text(const QObject* where, const QString& text) {
        const char* name = where ? where->metaObject()->className() : "the board";
        static const QRegularExpression noWords(QStringLiteral("^(Torvane|[\\d\\s.,:]*)$"));
        EXPECT_TRUE(!pseudo || noWords.match(text).hasMatch() ||
                    (text.startsWith(u'\u27e6') && text.endsWith(u'\u27e7')))
            << name << ": " << text.toStdString();
    }

    // A window's texts but Qt's standard buttons; in German each label,
    // button and group box at least its size hint, a wrapped label as high as
    // its lines, a page of text without scrolling, a dialog within the screen.
    void Window(QWidget* window) {
        window->show();
        QCoreApplication::processEvents();
        Text(window, window->windowTitle());
        if (auto* files = qobject_cast<QFileDialog*>(window)) {
            return Text(files, files->nameFilters().join(QStringLiteral(";;")));
        }
        EXPECT_TRUE(pseudo || window == frame.get() ||
                    (window->width() <= 1024 && window->height() <= 560))
            << window->windowTitle().toStdString();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* button = qobject_cast<QAbstractButton*>(w);
            auto* group = qobject_cast<QGroupBox*>(w);
            auto* page = qobject_cast<QPlainTextEdit*>(w);
            auto* box = qobject_cast<QDialogButtonBox*>(w->parentWidget());
            if (!w->isVisibleTo(window) || (box && box->standardButton(button))) {
                continue;
            }
            Text(w, label    ? label->text()
                    : button ? button->text()
                    : group  ? group->title()
                    : page   ? page->toPlainText()
                             : QString());
            Text(w, w->toolTip() + w->accessibleName());
            const QSize need = label && label->wordWrap()
                                   ? QSize(0, label->heightForWidth(label->width()))
                               : group           ? group->minimumSizeHint()
                               : label || button ? w->sizeHint()
                                                 : QSize(0, 0);
            EXPECT_TRUE(pseudo || (w->width() >= need.width() && w->height() >= need.height() &&
                                   (!page || page->verticalScrollBar()->maximum() == 0)))
                << w->metaObject()->className() << " " << w->width() << "x" << w->height();
        }
    }

    // The main window, its menus and toolbar, the board as screen readers
    // read it, and its banners: within the spokes across the centre, or
    // (the replay's) wholly inside them near the top of the wheel.
    void Frame(bool watching = false, bool paused = false) {
        Window(frame.get());
        for (QAction* menu : frame->menuBar()->actions()) {
            Text(menu, menu->text());
            for (QAction* item : menu->menu()->actions() + frame->ToolBar()->actions()) {
                Text(item, item->text() + item->statusTip());
            }
        }
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&View());
        Text(nullptr, board->text(QAccessible::Name));
        Text(nullptr, board->text(QAccessible::Description));
        for (int i = 0; i < board->childCount(); ++i) {
            Text(nullptr, board->child(i)->text(QAccessible::Name));
        }
        const BoardBanners banners = BannersFor(Game(), watching, paused);
        for (const Banner* banner : {&banners.centre, &banners.replay}) {
            if (banner->shown) {
                Text(nullptr, banner->text);
                const double width = QFontMetricsF(BannerFont()).horizontalAdvance(banner->text);
                const QRect box = BannerText(banner->text, kBoardCentre + QPoint(0, banner->dy),
                                             banner->width, kBannerHeight, BannerFont(), true)
                                      .Bounds()
                                      .translated(-kBoardCentre);
                const auto inside = [](QPoint p) {
                    return std::hypot(p.x(), p.y()) < kSpokeInnerRadius;
                };
                EXPECT_TRUE(pseudo ||
                            (banner->dy == 0 ? width <= 2 * kSpokeInnerRadius
                                             : inside(box.topLeft()) && inside(box.topRight()) &&
                                                   box.bottom() < -kBannerHeight / 2))
                    << banner->text.toStdString();
            }
        }
    }

    // The modal dialog that `open` leads to, walked and closed.
    void Modal(const std::function<void()>& open) {
        Then([this](QDialog* dialog) {
            Window(dialog);
            dialog->reject();
        });
        open();
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return answers.empty() && qApp->activeModalWidget() == nullptr; }, 60000));
    }

    void Walk() {
        // Each translator takes itself out again when it goes.
        QCoreApplication::installTranslator(&qt);
        QCoreApplication::installTranslator(&own);
        MakeFrame();
        Frame();
        for (const auto& make : std::vector<std::function<QDialog*()>>{
                 [] { return new CAboutDlg; },
                 [] { return new CAccessibilityDlg(true, true, true, true, true); },
                 [] { return new CClockWarningDlg; }, [] { return new COptionsDlg; },
                 [] { return new CCustomizeColorsDlg; }, [] { return new CGameOverDlg; },
                 [] { return new CNewHighScoreDlg(12345); },
                 [] { return new CHighScoresDlg(nullptr, [](const auto&, auto) { return true; }); },
                 [this] { return new CWelcomeDlg(frame.get()); }}) {
            Window(std::unique_ptr<QDialog>(make()).get());
        }
        Session().Tutorial().StartOrQuit();
        Frame();
        for (int page = 0; page < 10; ++page) {
            auto* tutorial = frame->findChild<CTutorialWnd*>();
            Window(tutorial);
            tutorial->findChild<QPushButton*>(page < 9 ? "nextButton" : "quitButton")->click();
        }
        Board().OnPausePlay();
        Frame();
        Board().OnPausePlay();
        Frame();
        Modal([this] { Session().Tutorial().StartOrQuit(); });
        Modal([this] { Session().Watching().OnWatchReplay(); });
        // A replay that could be watched, once the game is ended; a check
        // that takes its time; a file that is no replay.
        Session().Watching().SetReader([](const std::string& file, ReplayProgress& progress) {
            while (file == "slow" && !progress.stop) {
                QThread::msleep(1);
            }
            return ReplayCheck{file == "slow" ? ReplayVerdict::Stopped : ReplayVerdict::Watchable,
                               {},
                               "",
                               0,
                               {},
                               0,
                               {}};
        });
        Modal([this] { Session().Watching().WatchFile("watchable"); });
        Session().Watching().WatchFile("slow");
        QProgressDialog* checking = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&checking] {
                return (checking = qobject_cast<QProgressDialog*>(qApp->activeModalWidget()));
            },
            60000));
        Window(checking);
        checking->findChild<QPushButton*>()->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Board().Checking(); }, 60000));
        Session().Watching().SetReader({});
        QTemporaryFile damaged;
        ASSERT_TRUE(damaged.open() && damaged.write("[Settings\n") > 0 && damaged.flush());
        for (const QString& file : {QDir::tempPath(), damaged.fileName()}) {
            Modal([this, file] { Session().Watching().WatchFile(file); });
        }
        // The same file as the settings: damaged, set aside and named.
        CSettingsFile store(damaged.fileName());
        const CSettingsMessages messages(store);
        Modal([&store] { store.Open(); });
        Frame(true, true);
        Game().over = true;
        Frame();
    }

    bool pseudo = false;
    QTranslator own, qt;
};

TEST_F(TranslationWalk, EveryTextShownComesFromTheTranslationAndGermanFits) {
    pseudo = true;
    ASSERT_TRUE(own.load("torvane_de.pseudo", TORVANE_BINARY_DIR "/tests/translations"));
    Walk();
    pseudo = false;
    ASSERT_TRUE(own.load("torvane_de", TORVANE_BINARY_DIR "/share/torvane/translations") &&
                qt.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    Walk();
}

}  // namespace

TEST_F(TranslationWalk, HighScoreDatesReadAsTheReadersLanguageWritesThem) {
    const CScopedEnv utc("TZ", "UTC0");
    constexpr std::int64_t kNov3_2002 = 1036281600, kDay = 86400, kNow = kNov3_2002 + kDay;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        bool translated;
        const QLocale& locale;
        std::int64_t time;
        const char* date;
    } rows[] = {
        {false, english, kNov3_2002, "Nov 3"},
        {false, english, kNov3_2002 - 181 * kDay, "May 6 02"},
        {false, english, kNow + kDay, "Nov 5 02"},  // dated in the future
        {true, german, kNov3_2002, "3. Nov."},
        {true, german, kNov3_2002 - 181 * kDay, "6. Mai 02"},
        {true, german, INT64_MAX, ""},
    };
    ASSERT_TRUE(own.load("torvane_de", TORVANE_BINARY_DIR "/share/torvane/translations"));
    for (const auto& row : rows) {
        if (row.translated) {
            QCoreApplication::installTranslator(&own);
        } else {
            QCoreApplication::removeTranslator(&own);
        }
        EXPECT_EQ(ScoreDateText(row.time, kNow, row.locale), QString::fromUtf8(row.date));
    }
    QCoreApplication::removeTranslator(&own);
}
