#pragma once
// The tutorial, as the view runs it: the flow owns the tutorial state, puts
// each page's game on the board and locks the player's input where a page
// demonstrates; the tutorial window only asks.

#include <QObject>
#include <memory>

class CTorvaneView;
class CTutorial;
class CTutorialWnd;
class QWidget;

// Set at start-up on the program's first start; the first paint reads and
// clears it and offers the tutorial.
extern bool offerTutorial;

class CTutorialFlow : public QObject {
    Q_OBJECT

  public:
    explicit CTutorialFlow(CTorvaneView& view);
    ~CTutorialFlow() override;

    // The command: starts the tutorial (asking first over a game under way),
    // or quits the one that runs.
    void StartOrQuit();
    bool Running() const { return tutorial_ != nullptr; }
    // The tutorial's window while it is open.
    CTutorialWnd* Window() const { return window_; }

    // The view has been painted: the first start's offer follows the first paint.
    void AfterPaint();
    // The view has a new size or place: the window keeps clear of what its
    // page shows.
    void PlaceWindow();

  signals:
    // A tutorial window has just been made; it lives until the tutorial ends.
    void WindowOpened(QWidget* window);

  private:
    void ShowPage();
    void OnMessage(int code);
    void OfferOnFirstStart();

    CTorvaneView& view_;
    std::unique_ptr<CTutorial> tutorial_;
    CTutorialWnd* window_ = nullptr;
};
