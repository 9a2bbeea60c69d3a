// What reading the gamepads costs the window's thread: one reading of the
// pads, with none attached and with a pad whose stick is held over, so that
// the reading turns the wheel (here into nothing). At the reading's interval
// while a game runs (pad_tuning.h), the time of one reading over that
// interval is the share of a core the pad takes.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "game/game_clock.h"
#include "shell/pad/pad_actions.h"
#include "shell/pad/pad_reader.h"

namespace {

class CNoActions : public IPadActions {
  public:
    bool DialogOpen() const override { return false; }
    void TurnBy(double radians) override { benchmark::DoNotOptimize(radians); }
    void KeyStep(bool, bool) override {}
    void DropBomb() override {}
    void PausePlay() override {}
    void NewGame() override {}
    void TutorialNext() override {}
    void TutorialPrevious() override {}
    void MoveFocus(bool, bool) override {}
    void PressFocused() override {}
    void CancelDialog() override {}
};

void PadReading(benchmark::State& state) {
    CSteadyClockCounter clock;
    GameClock::SetCounter(&clock);
    CNoActions actions;
    CPadReader reader(actions);
    SDL_Joystick* pad = nullptr;
    if (state.range(0) != 0) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 20000);
    }
    reader.Poll();
    for (auto _ : state) {
        reader.Poll();
    }
    state.counters["pads"] = reader.PadCount();
    if (pad != nullptr) {
        SDL_JoystickClose(pad);
    }
    GameClock::SetCounter(nullptr);
}
BENCHMARK(PadReading)->Arg(0)->Arg(1);

}  // namespace
