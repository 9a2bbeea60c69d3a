#pragma once
// The tutorial's state while it runs: its pages and the one being shown. The
// view owns it and does the work of showing a page.

#include <vector>

#include "game/snapshot.h"
#include "game/ui_text.h"
#include "tutorial/core/scenarios.h"

struct CTutorialPage {
    UiText text;
    const CGameSnapshot* scenario = nullptr;  // null keeps the game that is running
    bool inputLock = false;                   // true: the player only watches
    TutorialSubject subject{};                // what the window must not hide
};

// The page list holds no more than this many pages; later table entries are
// not taken in.
inline constexpr int kMaxTutorialPages = 20;

// What the tutorial window asks of the view.
enum TutorialMessage : int {
    TutorialEnded = 1,
    TutorialNext = 2,
    TutorialPrevious = 3,
};

// Prepares the scenarios' orientations and copies the page table, up to its
// entry without a text.
std::vector<CTutorialPage> LoadTutorial();
// The same from any table ended by an entry without a text.
std::vector<CTutorialPage> LoadTutorial(const CTutorialPageEntry* table);

class CTutorial {
  public:
    explicit CTutorial(std::vector<CTutorialPage> pageList) : pages(std::move(pageList)) {}

    int PageCount() const { return static_cast<int>(pages.size()); }
    // Null only for a tutorial without pages.
    const CTutorialPage* CurrentPage() const;
    // A step beyond either end stays where it is, and the page is shown again.
    void Next();
    void Previous();

    bool HasPrevious() const { return currentPage > 0; }
    bool OnLastPage() const { return currentPage >= PageCount() - 1; }
    // "Tutorial - page N of M".
    UiMessage Caption() const;
    // The next button's text: "Next page --->", or "Done" on the last page.
    UiText NextButtonText() const;

    std::vector<CTutorialPage> pages;
    int currentPage = 0;
};

inline constexpr UiText kTutorialNextText = TORVANE_TEXT("Tutorial", "Next page --->");
inline constexpr UiText kTutorialDoneText = TORVANE_TEXT("Tutorial", "Done");
