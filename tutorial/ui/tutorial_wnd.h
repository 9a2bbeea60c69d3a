#pragma once
// The tutorial's small modeless window: the page text and three buttons. It
// holds no tutorial state; every button is a request to the tutorial flow, which
// answers it before the handler goes on. Where the window system places a
// program's windows itself (Wayland), the same page and buttons are a panel
// of the main window beside or below the board instead, which it can never
// cover.

#include <QDialog>
#include <QDockWidget>
#include <QPointer>
#include <functional>

#include "tutorial/core/scenarios.h"

class QPlainTextEdit;
class QPushButton;

class CTutorialWnd : public QDialog {
    Q_OBJECT

  public:
    // Receives TutorialEnded, TutorialNext and TutorialPrevious.
    using MessageSink = std::function<void(int code)>;

    CTutorialWnd(QWidget* view, MessageSink send);

    // What each page of the tutorial puts on the window.
    void ShowPage(const QString& caption, const QString& text, bool previousEnabled,
                  const QString& nextText);
    // Where the page's `subject` stays in sight (PlaceTutorial), on top of
    // every ordinary window; the size stays. `toScreen` gives the screen point
    // of a board pixel of `view`.
    void PlaceClearOf(const QWidget* view, const TutorialSubject& subject,
                      const std::function<QPointF(QPoint)>& toScreen);

    // As the "Quit tutorial" button: tells the flow, then the window goes and
    // the object deletes itself.
    void Quit();

    QPlainTextEdit* pageText() const { return text_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* quitButton() const { return quit_; }
    QPushButton* nextButton() const { return next_; }
    // The main window's panel that holds the page, where it is one.
    QDockWidget* panel() const { return panel_; }

    QSize sizeHint() const override;
    void accept() override;
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BecomePanelOf(QWidget* mainWindow);
    void FlowIntoPanel();
    void OnNext();
    void PlaceAgainOnceFramed();
    void Place(const QWidget* view, const TutorialSubject& subject,
               const std::function<QPointF(QPoint)>& toScreen);

    MessageSink send_;
    QPlainTextEdit* text_;
    QPushButton* previous_;
    QPushButton* quit_;
    QPushButton* next_;
    QPointer<QDockWidget> panel_;
    QPointer<QWidget> view_;
    QSize nominal_;      // as a window, the size a panel asks for
    QSize viewMinimum_;  // the board's own, given back when a panel below it goes
    // The last placement, done again once the window system has decorated
    // a window placed before it was.
    std::function<void()> place_;
    bool placedUndecorated_ = false;
};
