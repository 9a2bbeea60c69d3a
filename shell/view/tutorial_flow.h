#pragma once
// The tutorial: the flow owns the tutorial state and puts each page on the
// board through the board model (its game, and the lock where a page
// demonstrates); the tutorial window only asks.

#include <QObject>
#include <memory>

class CBoardModel;
class CTorvaneView;
class CTutorial;
class CTutorialWnd;
class QWidget;

class CTutorialFlow : public QObject {
    Q_OBJECT

  public:
    CTutorialFlow(CBoardModel& model, CTorvaneView& view);
    ~CTutorialFlow() override;

    // The command: starts the tutorial (asking first over a game under way),
    // or quits the one that runs.
    void StartOrQuit();
    bool Running() const { return tutorial_ != nullptr; }
    // The tutorial's window while it is open.
    CTutorialWnd* Window() const { return window_; }
    // On the program's first start the first paint offers the tutorial.
    void OfferAfterFirstPaint(bool offer) { offerAfterPaint_ = offer; }

  signals:
    // A tutorial window has just been made; it lives until the tutorial ends.
    void WindowOpened(QWidget* window);

  private:
    // After the question over a game under way, if any.
    void Start();
    void ShowPage();
    // The page's game and lock: false where the board refuses a tutorial.
    bool PutPageOnBoard();
    void ShowPageText();
    void OnMessage(int code);
    void OfferOnFirstStart();
    // The view has been painted: the first start's offer follows the first paint.
    void AfterPaint();
    // The view has a new size: the window keeps clear of what its page shows.
    void PlaceWindow();
    // The board left the tutorial (a replay, a new game): so does the window.
    void OnModeChanged();

    CBoardModel& model_;
    CTorvaneView& view_;
    std::unique_ptr<CTutorial> tutorial_;
    CTutorialWnd* window_ = nullptr;
    bool offerAfterPaint_ = false;
};
