#include "game/player_command.h"

#include "game/game.h"
#include "game/game_clock.h"

namespace {

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

ReplayLine TurnWheel(CGame& game, double angle) {
    if (game.paused) {
        return {};
    }
    const std::int64_t now = GameClock::Now();
    const std::int64_t nextStepTime = game.nextStepTime;
    game.wheelAngle = angle;
    game.RetestContacts();
    game.Tick();
    // A turn whose tick stepped needs the step's own instant; any other needs
    // only an instant early enough that its tick does not step either.
    const bool stepped = game.nextStepTime != nextStepTime;
    return {ReplayLine::Kind::Turn, game.wheelAngle, stepped ? game.lastStepTime : now};
}

}  // namespace

ReplayLine PlayCommand(CGame& game, const PlayerCommand& command, const WheelFeel& feel) {
    using namespace PlayerInput;
    const Overloaded play{
        [&](const TurnTo& c) { return TurnWheel(game, c.angle); },
        [&](const WheelNotches& c) {
            return TurnWheel(game, WheelTurn(game.wheelAngle, c.delta, feel.speed, feel.clockwise));
        },
        [&](const KeyStep& c) {
            return TurnWheel(game, KeyTurn(game.wheelAngle, c.clockwise, c.fine));
        },
        [&](const DropBomb&) -> ReplayLine {
            if (game.paused || game.DropBomb() == nullptr) {
                return {};
            }
            return {ReplayLine::Kind::Bomb, 0.0, std::nullopt};
        },
        [&](const PausePlay&) -> ReplayLine {
            if (game.over) {
                return {};
            }
            if (!game.paused) {
                game.Pause();
                return {ReplayLine::Kind::Pause, 0.0, GameClock::Now()};
            }
            // Game time stood still since the pause: the resume takes the
            // pause's instant, so the replay's clock is frozen for no time at
            // all. Only the first start may find the clock running.
            const bool first = !game.started;
            game.Resume();
            return {ReplayLine::Kind::Resume, 0.0,
                    first ? std::optional(GameClock::Now()) : std::nullopt};
        },
        [&](const Tick&) -> ReplayLine {
            const std::int64_t nextStepTime = game.nextStepTime;
            game.Tick();
            if (game.nextStepTime == nextStepTime) {
                return {};  // a tick that did not step changed nothing
            }
            return {ReplayLine::Kind::Tick, 0.0, game.lastStepTime};
        },
    };
    return std::visit(play, command);
}
