#pragma once
// What the player does to the game, whatever the device: the window's mouse
// and keys, a script's lines, a gamepad. Every way in plays its commands
// through PlayCommand, which also says what line the command leaves in the
// game's replay, so that the replay is written from what was done.

#include <cstdint>
#include <optional>
#include <variant>

#include "game/wheel_input.h"

class CGame;

namespace PlayerInput {
// The wheel turned to an angle (a drag, a replay's `turn`).
struct TurnTo {
    double angle = 0.0;
};
// A mouse-wheel message: 120 a notch, positive away from the user.
struct WheelNotches {
    std::int32_t delta = 0;
};
// Left or Right, a finer step with Shift.
struct KeyStep {
    bool clockwise = false;
    bool fine = false;
};
struct DropBomb {};
// Play on a paused game, pause a running one.
struct PausePlay {};
// The game's timer: a step of the rules when one is due.
struct Tick {};
}  // namespace PlayerInput

using PlayerCommand =
    std::variant<PlayerInput::TurnTo, PlayerInput::WheelNotches, PlayerInput::KeyStep,
                 PlayerInput::DropBomb, PlayerInput::PausePlay, PlayerInput::Tick>;

// How the mouse wheel turns the wheel, as the player has set it.
struct WheelFeel {
    double speed = kDefaultWheelStep * 1e-6;
    bool clockwise = false;
};

// The line a command leaves in the game's replay: none when it changed
// nothing a replay must repeat.
struct ReplayLine {
    enum class Kind { None, Turn, Tick, Bomb, Pause, Resume };
    Kind kind = Kind::None;
    // Turn: the wheel's angle after it.
    double angle = 0.0;
    // The game time the replay's clock must reach before the line; none for
    // a line that plays at whatever instant the replay has reached.
    std::optional<std::int64_t> at;
};

// Plays a command on the game. Turns and bombs need a running game; a turn
// retests contacts and ticks. A game that is over takes no command but the
// timer's (which does nothing to it).
ReplayLine PlayCommand(CGame& game, const PlayerCommand& command, const WheelFeel& feel);
