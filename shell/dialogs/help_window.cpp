#include "shell/dialogs/help_window.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/dialogs/screen_fit.h"

namespace {
constexpr int kWidth = 720;
constexpr int kHeight = 640;
}  // namespace

CHelpWindow::CHelpWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), browser_(new QTextBrowser(this)) {
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        new QShortcut(key, this, this, &QWidget::close);
    }
    PlaceOnOwnersScreen(this, QSize(kWidth, kHeight), mainWindow);
}

CHelpWindow* CHelpWindow::Show(QWidget* owner, const QString& path) {
    QWidget* mainWindow = owner->window();
    auto* help = mainWindow->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) {
        help = new CHelpWindow(mainWindow);
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (help->browser_->source() != url) {
        help->browser_->setSource(url);
    }
    help->setWindowTitle(help->browser_->documentTitle());
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
