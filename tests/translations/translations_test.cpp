// Every text the window shows goes through the translations, and the German
// fits. A pseudo translation wraps each message lupdate finds in the code
// (the fresh copy translations_current leaves) in markers; one walk through
// every window, menu, dialog, tutorial page and message, the board's
// accessible names and the renderer's banners then meets no text without
// them. The same walk in German meets no text larger than its widget and no
// dialog larger than a 1024 x 600 screen.
#include <QAccessible>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

#include "render/board_fonts.h"
#include "render/board_layout.h"
#include "render/board_renderer.h"
#include "scores/ui/game_over_dlg.h"
#include "scores/ui/high_scores_dlg.h"
#include "scores/ui/new_high_score_dlg.h"
#include "script/replay_file.h"
#include "settings/settings_file.h"
#include "shell/app/settings_messages.h"
#include "shell/dialogs/about_dlg.h"
#include "shell/dialogs/accessibility_dlg.h"
#include "shell/dialogs/clock_warning_dlg.h"
#include "shell/dialogs/customize_colors_dlg.h"
#include "shell/dialogs/options_dlg.h"
#include "shell/frame/main_toolbar.h"
#include "shell/ui_fixture.h"
#include "tutorial/ui/tutorial_wnd.h"
#include "tutorial/ui/welcome_dlg.h"

namespace {

const QString kOpen = QStringLiteral("\u27e6"), kClose = QStringLiteral("\u27e7");

// Each message of a .ts file, translated into its source in markers.
class CPseudoTranslator : public QTranslator {
  public:
    explicit CPseudoTranslator(const QString& tsFile) {
        QFile file(tsFile);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << tsFile.toStdString();
        QXmlStreamReader xml(&file);
        QString context, source, comment;
        QString* reading = nullptr;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            const QStringView name = xml.name();
            if (token == QXmlStreamReader::StartElement && name == u"byte") {
                if (reading != nullptr) {
                    *reading += QChar(u'\r');  // lupdate's way to write a CR
                }
            } else if (token == QXmlStreamReader::StartElement) {
                reading = name == u"name"      ? &context
                          : name == u"source"  ? &source
                          : name == u"comment" ? &comment
                                               : nullptr;
                if (reading != nullptr) {
                    reading->clear();
                } else if (name == u"message") {
                    comment.clear();
                }
            } else if (token == QXmlStreamReader::Characters && reading != nullptr) {
                *reading += xml.text();
            } else if (token == QXmlStreamReader::EndElement && name == u"message") {
                keys_.insert(context + u'\x1f' + source + u'\x1f' + comment);
            } else if (token == QXmlStreamReader::EndElement && name != u"byte") {
                reading = nullptr;
            }
        }
        EXPECT_GT(keys_.size(), 100u) << tsFile.toStdString();
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* comment,
                      int) const override {
        const QString text = QString::fromUtf8(source);
        const QString key =
            QString::fromUtf8(context) + u'\x1f' + text + u'\x1f' + QString::fromUtf8(comment);
        return keys_.count(key) != 0 ? kOpen + text + kClose : QString();
    }

  private:
    std::set<QString> keys_;
};

QString Where(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return QStringLiteral("%1 %2 in \"%3\"")
        .arg(object != nullptr ? object->metaObject()->className() : "board",
             object != nullptr ? object->objectName() : QString(),
             widget != nullptr ? widget->window()->windowTitle() : QString());
}

class TranslationWalk : public UiTest {
  protected:
    void TearDown() override {
        for (const auto& translator : translators_) {
            QCoreApplication::removeTranslator(translator.get());
        }
        UiTest::TearDown();
    }
    void Install(std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        translators_.push_back(std::move(translator));
    }

    // A text shown: in markers, unless it is the game's name or no words
    // (scores, numbers).
    void Text(const QObject* where, const QString& text) {
        static const QRegularExpression noWords(QStringLiteral("^[\\d\\s.,:]*$"));
        if (pseudo_ && text != QStringLiteral("Torvane") && !noWords.match(text).hasMatch()) {
            EXPECT_TRUE(text.startsWith(kOpen) && text.endsWith(kClose))
                << Where(where).toStdString() << ": " << text.toStdString();
        }
    }

    // What a window shows besides Qt's own words (the standard buttons, the
    // file dialog's fields), and in German whether it fits: every label,
    // button and group box at least its size hint, a wrapped label as high as
    // its lines, a page of text without a scroll bar.
    void Window(QWidget* window) {
        window->show();
        QCoreApplication::processEvents();
        Text(window, window->windowTitle());
        if (auto* files = qobject_cast<QFileDialog*>(window)) {
            Text(files, files->nameFilters().join(QStringLiteral(";;")));
            return;
        }
        if (!pseudo_ && window->isWindow() && window != frame.get()) {
            EXPECT_TRUE(window->width() <= 1024 && window->height() <= 560)
                << Where(window).toStdString();
        }
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) {
                continue;
            }
            QSize need(0, 0);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                Text(label, label->text());
                need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                         : label->sizeHint();
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
                if (box == nullptr || box->standardButton(button) == QDialogButtonBox::NoButton) {
                    Text(button, button->text());
                }
                need = button->sizeHint();
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                Text(group, group->title());
                need = group->minimumSizeHint();
            } else if (auto* page = qobject_cast<QPlainTextEdit*>(w)) {
                Text(page, page->toPlainText());
                EXPECT_TRUE(pseudo_ || page->verticalScrollBar()->maximum() == 0)
                    << Where(page).toStdString();
            }
            Text(w, w->toolTip());
            Text(w, w->accessibleName());
            EXPECT_TRUE(pseudo_ || (w->width() >= need.width() && w->height() >= need.height()))
                << Where(w).toStdString() << " " << w->width() << "x" << w->height() << " for "
                << need.width() << "x" << need.height();
        }
    }

    // The main window: its widgets, menus, toolbar and the board as screen
    // readers read it.
    void Frame() {
        Window(frame.get());
        for (QAction* menu : frame->menuBar()->actions()) {
            Text(menu, menu->text());
            for (QAction* item : menu->menu()->actions()) {
                Text(item, item->text());
                Text(item, item->statusTip());
            }
        }
        for (QAction* tool : frame->ToolBar()->actions()) {
            Text(tool, tool->statusTip());
        }
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&View());
        Text(nullptr, board->text(QAccessible::Name));
        Text(nullptr, board->text(QAccessible::Description));
        for (int i = 0; i < board->childCount(); ++i) {
            Text(nullptr, board->child(i)->text(QAccessible::Name));
        }
    }

    // A banner in markers, or, in German, within the wheel's spokes across
    // the centre, or between the panels above and as far from them as they
    // keep from the board's edge.
    void Banners(bool watching, bool paused) {
        const BoardBanners banners = BannersFor(Game(), watching, paused);
        const double room[] = {2.0 * kSpokeInnerRadius,
                               double(ScorePanelRect(kBoardClient).left - BombBoxRect.right -
                                      2 * kScorePanelRightGap)};
        for (const Banner* banner : {&banners.centre, &banners.replay}) {
            if (banner->shown) {
                Text(nullptr, banner->text);
                EXPECT_TRUE(pseudo_ ||
                            QFontMetricsF(BannerFont()).horizontalAdvance(banner->text) <=
                                room[banner->dy != 0])
                    << banner->text.toStdString();
            }
        }
    }

    // The modal dialog a call opens, walked and closed.
    void Modal(const std::function<void()>& open, bool close = true) {
        Then([this, close](QDialog* dialog) {
            Window(dialog);
            close ? dialog->reject() : dialog->accept();
        });
        open();
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return answers.empty() && qApp->activeModalWidget() == nullptr; }, 60000));
    }

    void Walk() {
        MakeFrame();
        frame->show();
        Frame();
        Banners(false, false);
        for (const auto& make : std::vector<std::function<QDialog*()>>{
                 [] { return new CAboutDlg; }, [] { return new CAccessibilityDlg(true, true); },
                 [] { return new CClockWarningDlg; }, [] { return new COptionsDlg; },
                 [] { return new CCustomizeColorsDlg; }, [] { return new CGameOverDlg; },
                 [] { return new CNewHighScoreDlg(12345); },
                 [] { return new CHighScoresDlg(nullptr, [](const auto&, auto) { return true; }); },
                 [this] { return new CWelcomeDlg(frame.get()); }}) {
            const std::unique_ptr<QDialog> dialog(make());
            Window(dialog.get());
        }

        View().Tutorial().StartOrQuit();
        auto* tutorial = frame->findChild<CTutorialWnd*>();
        ASSERT_NE(tutorial, nullptr);
        Frame();
        for (int page = 0; page < 10; ++page) {
            Window(tutorial);
            tutorial->findChild<QPushButton*>(page < 9 ? "nextButton" : "quitButton")->click();
        }

        View().OnPausePlay();
        Frame();
        View().OnPausePlay();
        Banners(false, false);
        Modal([this] { View().Tutorial().StartOrQuit(); });
        Modal([this] { View().Replays().OnWatchReplay(); });
        // Watchable, and stopped by the question whether to end the game.
        View().Replays().SetReader([](const std::string&, ReplayProgress&) {
            return ReplayCheck{ReplayVerdict::Watchable, {}, "", 0};
        });
        Modal([this] { View().Replays().WatchFile("watchable"); });
        Banners(true, true);
        // Read and checked as it is: a folder, and no replay.
        View().Replays().SetReader({});
        QTemporaryDir dir;
        QFile notAReplay(dir.filePath("Torvane.conf"));
        ASSERT_TRUE(notAReplay.open(QIODevice::WriteOnly) && notAReplay.write("[Settings\n") > 0);
        notAReplay.close();
        for (const QString& file : {dir.path(), notAReplay.fileName()}) {
            Modal([this, file] { View().Replays().WatchFile(file); });
        }
        // A check that takes its time, and is cancelled.
        View().Replays().SetReader([](const std::string&, ReplayProgress& progress) {
            while (!progress.stop) {
                QThread::msleep(1);
            }
            return ReplayCheck{ReplayVerdict::Stopped, {}, "", 0};
        });
        View().Replays().WatchFile("slow");
        const auto checking = [] {
            return qobject_cast<QProgressDialog*>(qApp->activeModalWidget());
        };
        ASSERT_TRUE(QTest::qWaitFor(checking, 60000));
        Window(checking());
        checking()->findChild<QPushButton*>()->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !View().Replays().Checking(); }, 60000));

        // The settings file found damaged: the file set aside and named.
        CSettingsFile store(notAReplay.fileName());
        const CSettingsMessages messages(store);
        Modal([&store] { store.Open(); }, false);

        Game().over = true;
        Banners(false, false);
    }

    bool pseudo_ = false;

  private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

TEST_F(TranslationWalk, EveryTextShownComesFromTheTranslation) {
    pseudo_ = true;
    Install(std::make_unique<CPseudoTranslator>(TORVANE_BINARY_DIR
                                                "/tests/translations/torvane_de.ts"));
    Walk();
}

TEST_F(TranslationWalk, GermanFitsItsWidgetsAndTheScreen) {
    for (const auto& [name, folder] :
         {std::pair{"torvane_de", QStringLiteral(TORVANE_BINARY_DIR "/share/torvane/translations")},
          std::pair{"qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto translator = std::make_unique<QTranslator>();
        ASSERT_TRUE(translator->load(name, folder)) << name;
        Install(std::move(translator));
    }
    Walk();
}

}  // namespace
