#include "tutorial/ui/tutorial_wnd.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "render/board_layout.h"
#include "resources/translations.h"
#include "tutorial/core/tutorial.h"
#include "tutorial/ui/dialog_units.h"
#include "tutorial/ui/tutorial_placement.h"

namespace {
// A typical title bar and border, for as long as the window system has not
// said how it decorates the window.
constexpr QMargins kTypicalFrame(4, 30, 4, 4);
// How long after showing the window looks whether it has been framed.
constexpr int kFramedLookMs = 300;
}  // namespace

CTutorialWnd::CTutorialWnd(QWidget* view, MessageSink send)
    : QDialog(view, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      send_(std::move(send)),
      view_(view) {
    setWindowTitle(tr("Tutorial"));
    setModal(false);

    const CDialogUnits du(font());
    setFixedSize(du.X(358), du.Y(105));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("pageText"));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setGeometry(du.Rect(7, 7, 344, 73));

    previous_ = new QPushButton(tr("<--- Previous page"), this);
    previous_->setObjectName(QStringLiteral("previousButton"));
    previous_->setGeometry(du.Rect(23, 84, 73, 14));

    quit_ = new QPushButton(tr("Quit tutorial"), this);
    quit_->setObjectName(QStringLiteral("quitButton"));
    quit_->setGeometry(du.Rect(140, 84, 76, 14));

    next_ = new QPushButton(Translated(kTutorialNextText), this);
    next_->setObjectName(QStringLiteral("nextButton"));
    next_->setGeometry(du.Rect(262, 84, 73, 14));

    connect(previous_, &QPushButton::clicked, this, [this] { send_(TutorialPrevious); });
    connect(quit_, &QPushButton::clicked, this, [this] { Quit(); });
    connect(next_, &QPushButton::clicked, this, [this] { OnNext(); });

    // The reader steps through with Enter or Space on the focused button; no
    // button is the default, so Enter elsewhere asks for OK, which is ignored.
    next_->setFocus();

    if (!WindowsArePlaceable()) {
        BecomePanelOf(view->window());
    }
}

void CTutorialWnd::BecomePanelOf(QWidget* mainWindow) {
    auto* frame = qobject_cast<QMainWindow*>(mainWindow);
    if (frame == nullptr) {
        return;
    }
    // Docked for good: a floating dock would be a window placed like any other.
    panel_ = new QDockWidget(windowTitle(), frame);
    panel_->setObjectName(QStringLiteral("tutorialPanel"));
    panel_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto* holder = new QWidget(panel_);
    auto* box = new QVBoxLayout(holder);
    box->setContentsMargins(0, 0, 0, 0);
    // Its size as a window decides where the panel goes; as a panel it
    // takes the main window's width, never more than that size.
    const QSize own = size() + QSize(0, 2 * fontMetrics().height());
    FlowIntoPanel();
    setWindowFlags(Qt::Widget);
    // A dialog shown unmoved centres itself over its parent; the box places it.
    setAttribute(Qt::WA_Moved);
    box->addWidget(this, 0, Qt::AlignHCenter);
    panel_->setWidget(holder);
    // The window never grows for the panel: the window system knows where
    // it is and a program does not, so growing may push its frame past the
    // screen's edge. Beside the board where the window is wide enough for
    // both, else below it, where the board gives up the panel's room,
    // smaller while it shows.
    if (frame->minimumSizeHint().width() + own.width() <= frame->width()) {
        frame->addDockWidget(Qt::RightDockWidgetArea, panel_);
    } else {
        if (view_ != nullptr) {
            viewMinimum_ = view_->minimumSize();
            view_->setMinimumHeight(std::min(viewMinimum_.height(), kBoardHeight / 4));
        }
        frame->addDockWidget(Qt::BottomDockWidgetArea, panel_);
    }
}

void CTutorialWnd::FlowIntoPanel() {
    // A window of fixed size would widen the main window to hold it, pushing
    // its frame past the screen's edge on a small screen: the text wraps to
    // the width there is and the buttons share a row, each as wide as its
    // words.
    nominal_ = size();
    setMinimumWidth(0);
    setMaximumWidth(nominal_.width());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const CDialogUnits du(font());
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(du.X(7), du.Y(7), du.X(7), du.Y(7));
    rows->setSpacing(du.Y(4));
    rows->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addStretch(1);
    buttons->addWidget(quit_);
    buttons->addStretch(1);
    buttons->addWidget(next_);
    rows->addLayout(buttons);
}

QSize CTutorialWnd::sizeHint() const {
    // As a panel it asks for the window's size and takes what there is.
    return nominal_.isValid() ? nominal_ : QDialog::sizeHint();
}

void CTutorialWnd::ShowPage(const QString& caption, const QString& text, bool previousEnabled,
                            const QString& nextText) {
    setWindowTitle(caption);
    if (panel_ != nullptr) {
        // The panel's title bar says which page, as the window's would.
        panel_->setWindowTitle(caption);
        setAccessibleName(caption);
    }
    // The page texts break their lines with CR LF; the text box wants bare LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(shown);
    previous_->setEnabled(previousEnabled);
    next_->setText(nextText);
    next_->setEnabled(true);
    if (panel_ != nullptr && !panel_->isVisible()) {
        show();
        panel_->show();
        // The keys go to the page from the start, as to a window that opens.
        next_->setFocus();
    } else if (!isVisible()) {
        show();
    }
}

void CTutorialWnd::PlaceClearOf(const QWidget* view, const TutorialSubject& subject,
                                const std::function<QPointF(QPoint)>& toScreen) {
    if (panel_ != nullptr) {
        return;  // below the board, clear of it already
    }
    place_ = [this, view, subject, toScreen] { Place(view, subject, toScreen); };
    Place(view, subject, toScreen);
}

void CTutorialWnd::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    PlaceAgainOnceFramed();
}

void CTutorialWnd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window manager may frame the window without moving it, and then no
    // move tells of the frame: the window looks again a little later.
    QTimer::singleShot(kFramedLookMs, this, &CTutorialWnd::PlaceAgainOnceFramed);
}

void CTutorialWnd::PlaceAgainOnceFramed() {
    // The window system decorates a new window once it is on screen, moving
    // it by its frame, which may push the frame off the screen: placed again
    // now that the frame is known.
    if (placedUndecorated_ && frameGeometry().size() != size() && place_) {
        placedUndecorated_ = false;
        place_();
    }
}

void CTutorialWnd::Place(const QWidget* view, const TutorialSubject& subject,
                         const std::function<QPointF(QPoint)>& toScreen) {
    const auto onScreen = [&toScreen](const ClientRect& r) {
        return QRectF(toScreen(QPoint(r.left, r.top)), toScreen(QPoint(r.right, r.bottom)))
            .toAlignedRect();
    };
    const QWidget* mainWindow = view->window();
    TutorialScene scene{mainWindow->screen()->availableGeometry(),
                        mainWindow->frameGeometry(),
                        onScreen({0, 0, kBoardWidth, kBoardHeight}),
                        {},
                        view->mapToGlobal(QPoint(0, view->height()))};
    for (const ClientRect& area : subject) {
        if (area.right > area.left && area.bottom > area.top) {
            scene.subject << onScreen(area);
        }
    }
    // move() places the outer frame of a window, and the frame is known once
    // the window system has decorated it (before that, a typical one).
    QSize outer = frameGeometry().size();
    placedUndecorated_ = outer == size();
    if (placedUndecorated_) {
        outer += QSize(kTypicalFrame.left() + kTypicalFrame.right(),
                       kTypicalFrame.top() + kTypicalFrame.bottom());
    }
    // Staying on top is the window's own flag; nothing needs raising.
    move(PlaceTutorial(outer, scene));
}

void CTutorialWnd::Quit() {
    send_(TutorialEnded);
    if (panel_ != nullptr) {
        // The board takes the panel's room back, and the keys.
        if (view_ != nullptr) {
            view_->setFocus();
        }
        panel_->hide();
        panel_->deleteLater();
        if (view_ != nullptr && viewMinimum_.isValid()) {
            view_->setMinimumSize(viewMinimum_);
        }
        return;
    }
    hide();
    deleteLater();
}

// The OK command: Enter in the text box must not close the window.
void CTutorialWnd::accept() {}

void CTutorialWnd::reject() {
    Quit();
}

void CTutorialWnd::keyPressEvent(QKeyEvent* event) {
    // A focused button presses itself on Enter before the window sees the key.
    // Anywhere else Enter, the keypad's included, is the OK command, which
    // this window ignores: QDialog would press its default button instead.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTutorialWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
    Quit();
}

void CTutorialWnd::OnNext() {
    if (next_->text() == Translated(kTutorialDoneText)) {
        Quit();
    } else {
        send_(TutorialNext);
    }
}
