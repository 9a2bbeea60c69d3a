#pragma once
// Start-up: random seed, the first-start mark, the clock test, the main
// window. The settings, sound and clock services must be installed first.

#include <memory>

class CMainFrame;

// The setting that marks that the program has started once for this user;
// 0 or absent means the next start is the first.
inline constexpr const char* kFirstStartDoneSetting = "FirstStartDone";

class CTorvaneApp {
  public:
    CTorvaneApp();
    ~CTorvaneApp();

    // False ends the program before any window is shown. With
    // `restoreKeptGame` a game left unfinished by a copy that has ended comes
    // back before the window shows; without, it waits for another start.
    bool InitInstance(bool restoreKeptGame = true);

    std::unique_ptr<CMainFrame> mainFrame;

  private:
    void PaintFirstFrame();
};
