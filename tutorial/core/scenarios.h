#pragma once
// The tutorial's constant data: the prepared positions it replays and the
// table of its pages.

#include <array>
#include <string_view>

#include "game/game.h"
#include "game/snapshot.h"
#include "game/ui_text.h"

extern const CGameSnapshot EmptyBoard;
extern const CGameSnapshot ThreeFalling;
extern const CGameSnapshot RingShowcase;
extern const CGameSnapshot SixAround;
extern const CGameSnapshot PinkChain;
extern const CGameSnapshot BombBoard;
extern const CGameSnapshot BombPractice;

// The scenario of that name, or null for a name that is not one.
const CGameSnapshot* FindScenario(std::string_view name);

// Gives every falling scenario gem the drawing angle a freshly drawn gem gets
// at that place. Writes the records themselves, so running it again yields the
// same values.
void PrepareScenarioOrientations();
// That angle for one gem, for whoever must not write the shared records.
double FacingCentre(const CSnapshotGem& gem);

// What a page talks about, in board pixels, that its window must leave in
// sight: up to two areas, an empty one (all 0) being none. Left of the
// board's edge lies the toolbar.
using TutorialSubject = std::array<ClientRect, 2>;

struct CTutorialPageEntry {
    UiText text;                    // none ends the table
    const CGameSnapshot* scenario;  // null keeps the game that is running
    bool inputLock;                 // true: the player only watches
    TutorialSubject subject{};
};

inline constexpr int kTutorialPageCount = 10;

// The pages in order, ended by an entry without a text.
extern const CTutorialPageEntry TutorialPageTable[kTutorialPageCount + 1];
