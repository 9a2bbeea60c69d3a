#pragma once
// What the player means by a gamepad: its buttons and sticks, read over
// time, become the player's actions. Pure: the state of the pads at each
// reading in, actions out, so that it is the same for a real pad, a virtual
// one and a test's table.

#include <array>
#include <cstdint>
#include <vector>

// The buttons the game reads, on the standard layout (south is A on most pads).
enum class PadButton {
    South,
    East,
    West,
    North,
    Back,
    Start,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
};

// Every pad together at one reading.
struct PadSnapshot {
    // One bit per PadButton held on any pad.
    std::uint32_t held = 0;
    // Presses since the last reading, in order: a press released again
    // before the reading still counts.
    std::vector<PadButton> pressed;
    // The strongest sideways deflection of any stick, -1 (left) to 1 (right).
    double stick = 0.0;

    bool Holds(PadButton button) const { return (held & Bit(button)) != 0; }
    static std::uint32_t Bit(PadButton button) { return 1u << static_cast<unsigned>(button); }
};

struct PadAction {
    enum class Kind {
        // On the board.
        Turn,  // by `angle` radians, clockwise on screen when positive
        Step,  // one key step, `clockwise` or not, `fine` or not
        DropBomb,
        PausePlay,
        NewGame,
        TutorialNext,
        TutorialPrevious,
        // In a modal dialog.
        FocusUp,
        FocusDown,
        FocusLeft,
        FocusRight,
        Press,
        Cancel,
    };
    Kind kind;
    double angle = 0.0;
    bool clockwise = false;
    bool fine = false;

    bool operator==(const PadAction&) const = default;
};

class CPadTranslator {
  public:
    // The actions of one reading at `nowMs` (any millisecond clock that does
    // not go back); `dialog`: a modal dialog takes the buttons, not the board.
    std::vector<PadAction> Update(const PadSnapshot& pad, std::int64_t nowMs, bool dialog);

  private:
    void BoardPress(PadButton button, const PadSnapshot& pad, std::int64_t nowMs,
                    std::vector<PadAction>& actions);
    void Repeat(const PadSnapshot& pad, std::int64_t nowMs, std::vector<PadAction>& actions);

    std::int64_t lastMs_ = -1;
    // When each held d-pad direction (left, right) steps next; -1: it does not.
    std::array<std::int64_t, 2> nextRepeatMs_{-1, -1};
};
