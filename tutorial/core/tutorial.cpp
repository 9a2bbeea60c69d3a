#include "tutorial/core/tutorial.h"

#include <string>

std::vector<CTutorialPage> LoadTutorial() {
    PrepareScenarioOrientations();
    return LoadTutorial(TutorialPageTable);
}

std::vector<CTutorialPage> LoadTutorial(const CTutorialPageEntry* table) {
    std::vector<CTutorialPage> pages;
    for (const CTutorialPageEntry* entry = table; entry->text.source != nullptr; ++entry) {
        if (pages.size() < static_cast<std::size_t>(kMaxTutorialPages)) {
            pages.push_back({entry->text, entry->scenario, entry->inputLock, entry->subject});
        }
    }
    return pages;
}

const CTutorialPage* CTutorial::CurrentPage() const {
    if (currentPage < 0 || currentPage >= PageCount()) {
        return nullptr;
    }
    return &pages[static_cast<std::size_t>(currentPage)];
}

void CTutorial::Next() {
    if (currentPage < PageCount() - 1) {
        ++currentPage;
    }
}

void CTutorial::Previous() {
    if (currentPage > 0) {
        --currentPage;
    }
}

UiMessage CTutorial::Caption() const {
    return {TORVANE_TEXT("Tutorial", "Tutorial - page %1 of %2"),
            {std::to_string(currentPage + 1), std::to_string(PageCount())}};
}

UiText CTutorial::NextButtonText() const {
    return OnLastPage() ? kTutorialDoneText : kTutorialNextText;
}
