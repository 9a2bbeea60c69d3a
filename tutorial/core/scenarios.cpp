#include "tutorial/core/scenarios.h"

#include <iterator>

#include "game/polar.h"

namespace {

constexpr CSnapshotGem Falling(double x, double y, std::int32_t colour) {
    return {x, y, colour, 40, 40, 0.0};
}

// PlaceGem puts a lattice gem on its cell centre, so its position is left 0.
constexpr CSnapshotGem Stuck(std::int32_t a, std::int32_t b, std::int32_t colour) {
    return {0.0, 0.0, colour, a, b, 0.0};
}

// The falling arrays stay writable: their orientations are filled in when the
// tutorial starts.
CSnapshotGem threeFallingGems[] = {
    Falling(44, -120, 0),
    Falling(-79, -168, 1),
    Falling(140, -210, 2),
};

const CSnapshotGem ringShowcaseGems[] = {
    Stuck(2, 0, 0),  Stuck(2, 1, 0),   Stuck(1, 2, 0),  Stuck(0, 2, 0),
    Stuck(-1, 3, 0), Stuck(-2, 3, 0),  Stuck(-2, 2, 0), Stuck(-2, 1, 0),
    Stuck(-1, 0, 0), Stuck(-1, -1, 0), Stuck(0, -2, 0), Stuck(1, -2, 0),
    Stuck(2, -3, 0), Stuck(3, -3, 0),  Stuck(3, -1, 0), Stuck(3, -2, 0),
};

CSnapshotGem sixAroundFalling[] = {
    Falling(-102, -200, 1),
};

const CSnapshotGem sixAroundLattice[] = {
    Stuck(1, -1, 1), Stuck(1, 0, 1),  Stuck(0, 1, 1), Stuck(-1, 1, 1),
    Stuck(-1, 0, 1), Stuck(2, 0, 2),  Stuck(1, 1, 0), Stuck(-2, 0, 2),
    Stuck(-2, 1, 2), Stuck(2, -1, 2), Stuck(0, 2, 0),
};

CSnapshotGem pinkChainFalling[] = {
    Falling(-40, -200, 2),
};

const CSnapshotGem pinkChainLattice[] = {
    Stuck(-1, -1, 2), Stuck(-1, 0, 2), Stuck(-1, 1, 2), Stuck(-1, 2, 2), Stuck(-2, 0, 1),
    Stuck(-2, 1, 0),  Stuck(-2, 2, 0), Stuck(-2, 3, 0), Stuck(-3, 1, 1), Stuck(-3, 2, 2),
    Stuck(-3, 3, 2),  Stuck(0, -1, 0), Stuck(0, -2, 2), Stuck(0, 1, 1),  Stuck(0, 2, 2),
    Stuck(0, 3, 1),   Stuck(0, 4, 1),  Stuck(1, -2, 0), Stuck(1, 0, 1),  Stuck(1, 1, 2),
    Stuck(1, 2, 1),   Stuck(1, 3, 0),  Stuck(1, 4, 1),  Stuck(2, -1, 2), Stuck(2, -2, 0),
    Stuck(2, -3, 2),  Stuck(2, 0, 2),  Stuck(2, 1, 1),  Stuck(2, 2, 1),  Stuck(2, 3, 1),
    Stuck(3, -1, 2),  Stuck(3, -2, 2), Stuck(3, -3, 2), Stuck(4, -2, 2),
};

// One array for the page that shows the bomb and the page that practises it.
const CSnapshotGem bombBoardLattice[] = {
    Stuck(-2, 2, 0), Stuck(-2, 3, 0), Stuck(-2, 1, 1), Stuck(-1, 0, 2), Stuck(-1, 1, 2),
    Stuck(0, -1, 0), Stuck(0, -2, 2), Stuck(0, 1, 1),  Stuck(0, 2, 2),  Stuck(0, 3, 1),
    Stuck(0, 4, 1),  Stuck(1, -1, 0), Stuck(1, 0, 1),  Stuck(1, 1, 2),  Stuck(1, 2, 1),
    Stuck(1, 3, 0),  Stuck(1, 4, 1),  Stuck(2, -1, 2), Stuck(2, -2, 0), Stuck(2, -3, 2),
    Stuck(2, 0, 2),
};

template <typename T, std::size_t N>
constexpr std::int32_t Count(T (&)[N]) {
    return static_cast<std::int32_t>(N);
}

}  // namespace

// No new gem ever enters a scenario: the player watches only what is prepared.
const CGameSnapshot EmptyBoard{nullptr, 0, nullptr, 0, 0, 0};
const CGameSnapshot ThreeFalling{threeFallingGems, Count(threeFallingGems), nullptr, 0, 0, 0};
const CGameSnapshot RingShowcase{nullptr, 0, ringShowcaseGems, Count(ringShowcaseGems), 0, 0};
const CGameSnapshot SixAround{
    sixAroundFalling, Count(sixAroundFalling), sixAroundLattice, Count(sixAroundLattice), 0, 0};
const CGameSnapshot PinkChain{
    pinkChainFalling, Count(pinkChainFalling), pinkChainLattice, Count(pinkChainLattice), 0, 0};
const CGameSnapshot BombBoard{nullptr, 0, bombBoardLattice, Count(bombBoardLattice), 0, 0};
const CGameSnapshot BombPractice{nullptr, 0, bombBoardLattice, Count(bombBoardLattice), 4, 0};

namespace {

struct NamedScenario {
    std::string_view name;
    const CGameSnapshot* scenario;
};

const NamedScenario kScenarios[] = {
    {"EmptyBoard", &EmptyBoard},     {"ThreeFalling", &ThreeFalling},
    {"RingShowcase", &RingShowcase}, {"SixAround", &SixAround},
    {"PinkChain", &PinkChain},       {"BombBoard", &BombBoard},
    {"BombPractice", &BombPractice},
};

}  // namespace

const CGameSnapshot* FindScenario(std::string_view name) {
    for (const NamedScenario& entry : kScenarios) {
        if (entry.name == name) {
            return entry.scenario;
        }
    }
    return nullptr;
}

void PrepareScenarioOrientations() {
    for (const CGameSnapshot* scenario : {&ThreeFalling, &SixAround, &PinkChain}) {
        for (std::int32_t i = 0; i < scenario->fallingCount; ++i) {
            scenario->falling[i].orientation = FacingCentre(scenario->falling[i]);
        }
    }
}

double FacingCentre(const CSnapshotGem& gem) {
    // Left unreduced: the drawing brings angles into range itself.
    return ToPolar(gem.x, gem.y).theta + kHalfPi;
}

// Lines are joined by CR LF, the line break of the text box that shows them.
// Translations keep the CR LF.
const CTutorialPageEntry TutorialPageTable[kTutorialPageCount + 1] = {
    {TORVANE_TEXT(
         "Tutorial",
         "Welcome to Torvane!\r\n"
         "Torvane is a game played with hexagonal gems.\r\n"
         "\r\n"
         "At the beginning of the game, there is one white gem in the center of the large green "
         "wheel.\r\n"
         "This is called the central gem, and it is the only gem that is colored white."),
     &EmptyBoard,
     true,
     // The central gem.
     {{{322, 309, 402, 389}}}},
    {TORVANE_TEXT("Tutorial",
                  "Now there are three more gems.  They are falling toward the center.\r\n"
                  "\r\n"
                  "Watch how they stick together when they reach the center."),
     &ThreeFalling,
     true,
     // Three gems falling to the centre.
     {{{267, 123, 518, 365}}}},
    {TORVANE_TEXT(
         "Tutorial",
         "The object of the game is to build a connected ring of gems, all of the same color, "
         "which completely encircles the white central gem.  The chain must be a complete loop, "
         "but it can be any shape as long as it completely encircles the central gem.\r\n"
         "\r\n"
         "When you make a chain like this, all the gems in the chain disappear!  "),
     &RingShowcase,
     true,
     // The ring.
     {{{307, 267, 443, 431}}}},
    {TORVANE_TEXT("Tutorial",
                  "The simplest way  to encircle the central gem is to surround it with six gems "
                  "of the same color, each of which touches the central one.\r\n"
                  "\r\n"
                  "Watch what happens when the yellow ring is complete!"),
     &SixAround,
     true,
     // The falling gem and the yellow ring.
     {{{244, 133, 430, 409}}}},
    {TORVANE_TEXT("Tutorial",
                  "Here is a another example.  Watch the pink chain explode.\r\n"
                  "\r\n"
                  "Notice that even though the yellow group at the lower right makes a loop, it "
                  "does not encircle the central white gem, so it does not disappear."),
     &PinkChain,
     true,
     // The pink chain and the yellow group at the lower right.
     {{{281, 133, 469, 453}}}},
    {TORVANE_TEXT("Tutorial",
                  "You direct the falling gems by turning the large green wheel.\r\n"
                  "\r\n"
                  "To turn the wheel, move the mouse cursor somewhere near the edge of the wheel, "
                  "then press the left mouse button and hold it while you move the cursor around "
                  "the edge of the wheel.\r\n"
                  "(If your mouse has a mousewheel, you can use the mousewheel instead.)\r\n"
                  "\r\n"
                  "Try moving the wheel now!"),
     nullptr,
     false,
     // The cluster the wheel turns.
     {{{281, 133, 469, 453}}}},
    {TORVANE_TEXT("Tutorial",
                  "Another way to make gems disappear is to drop a bomb on them.\r\n"
                  "\r\n"
                  "A bomb destroys all the gems that it touches, and also destroys all chains of "
                  "gems of the same color that are connected to the gems that it touches."),
     &BombBoard,
     true,
     // The cluster the bomb strikes.
     {{{307, 267, 456, 453}}}},
    {TORVANE_TEXT("Tutorial",
                  "Your bombs are the red gems in the green rectangle at the upper left.\r\n"
                  "Drop a bomb in one of three ways:\r\n"
                  "click the \"Drop bomb\" button on the left toolbar, or\r\n"
                  "double-click inside the green bomb box, or\r\n"
                  "type control-B on the keyboard.\r\n"
                  "\r\n"
                  "Try it now!  Drop a bomb, then turn the wheel to make it go where you want."),
     &BombPractice,
     false,
     // The toolbar's bomb button and the bomb box, and the cluster.
     {{{-60, 0, 190, 54}, {307, 267, 456, 453}}}},
    {TORVANE_TEXT("Tutorial",
                  "You get 10 points for each gem that falls.\r\n"
                  "You get 75 points for each gem that disappears when you encircle the center.\r\n"
                  "  (However, you don't get any points for blowing up gems with a bomb.)\r\n"
                  "Each time you get 4000 points, you get a new bomb."),
     &EmptyBoard,
     true,
     // The score and the bombs in hand.
     {{{0, 0, 724, 54}}}},
    {TORVANE_TEXT(
         "Tutorial",
         "Tips:\r\n"
         "You can start and pause the game using the top button in the toolbar at the left.\r\n"
         "You can make the game easier or harder by selecting the Options menu item.\r\n"
         "You can also turn off sound effects and customize the gem colors from the Options menu "
         "item.\r\n"
         "\r\n"
         "You're now ready to play.  Have fun!"),
     &EmptyBoard,
     true,
     // The toolbar's top button.
     {{{-60, 0, 0, 60}}}},
    {{}, nullptr, false},
};
