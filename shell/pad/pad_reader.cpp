#include "shell/pad/pad_reader.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "game/game_clock.h"
#include "shell/pad/pad_actions.h"
#include "shell/pad/pad_tuning.h"

namespace {

// More pads than any couch holds are left unopened; the first ones play.
constexpr std::size_t kMostPads = 8;
// A pad flooding SDL's queue is read in portions: the window goes on
// between them, and the rest waits for the next reading.
constexpr int kMostEventsAtOnce = 1024;

struct ButtonName {
    SDL_GameControllerButton sdl;
    PadButton pad;
};
constexpr ButtonName kButtons[] = {
    {SDL_CONTROLLER_BUTTON_A, PadButton::South},
    {SDL_CONTROLLER_BUTTON_B, PadButton::East},
    {SDL_CONTROLLER_BUTTON_X, PadButton::West},
    {SDL_CONTROLLER_BUTTON_Y, PadButton::North},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::LeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::RightShoulder},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::DpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::DpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::DpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::DpadRight},
};

double Deflection(SDL_GameController* pad, SDL_GameControllerAxis axis) {
    const double value = SDL_GameControllerGetAxis(pad, axis) / 32767.0;
    return std::clamp(value, -1.0, 1.0);
}

void Execute(const PadAction& action, IPadActions& actions) {
    using Kind = PadAction::Kind;
    switch (action.kind) {
        case Kind::Turn:
            actions.TurnBy(action.angle);
            break;
        case Kind::Step:
            actions.KeyStep(action.clockwise, action.fine);
            break;
        case Kind::DropBomb:
            actions.DropBomb();
            break;
        case Kind::PausePlay:
            actions.PausePlay();
            break;
        case Kind::NewGame:
            actions.NewGame();
            break;
        case Kind::TutorialNext:
            actions.TutorialNext();
            break;
        case Kind::TutorialPrevious:
            actions.TutorialPrevious();
            break;
        case Kind::FocusUp:
            actions.MoveFocus(false, false);
            break;
        case Kind::FocusDown:
            actions.MoveFocus(true, false);
            break;
        case Kind::FocusLeft:
            actions.MoveFocus(false, true);
            break;
        case Kind::FocusRight:
            actions.MoveFocus(true, true);
            break;
        case Kind::Press:
            actions.PressFocused();
            break;
        case Kind::Cancel:
            actions.CancelDialog();
            break;
    }
}

}  // namespace

CPadReader::CPadReader(IPadActions& actions, QObject* parent) : QObject(parent), actions_(actions) {
    // SDL would otherwise take SIGINT and SIGTERM, which are the game's.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!started_) {
        return;
    }
    connect(&timer_, &QTimer::timeout, this, &CPadReader::Poll);
    Pace();
    timer_.start();
}

CPadReader::~CPadReader() {
    if (!started_) {
        return;
    }
    for (const auto& [instance, pad] : pads_) {
        SDL_GameControllerClose(pad);
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void CPadReader::Poll() {
    if (!started_) {
        return;
    }
    const PadSnapshot pad = Read();
    const std::vector<PadAction> todo =
        translator_.Update(pad, GameClock::RealNow(), actions_.DialogOpen());
    // An action may open a dialog with a loop of its own, which reads the
    // pads again: by now this reading is complete.
    for (const PadAction& action : todo) {
        Execute(action, actions_);
    }
}

PadSnapshot CPadReader::Read() {
    PadSnapshot pad;
    SDL_Event event;
    SDL_PumpEvents();
    for (int read = 0; read < kMostEventsAtOnce && SDL_PollEvent(&event) == 1; ++read) {
        switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED:
                Open(event.cdevice.which);
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                Close(event.cdevice.which);
                break;
            case SDL_CONTROLLERBUTTONDOWN:
                if (pads_.count(event.cbutton.which) != 0) {
                    for (const ButtonName& button : kButtons) {
                        if (button.sdl == event.cbutton.button) {
                            pad.pressed.push_back(button.pad);
                        }
                    }
                }
                break;
            default:
                break;
        }
    }
    for (const auto& [instance, controller] : pads_) {
        for (const ButtonName& button : kButtons) {
            if (SDL_GameControllerGetButton(controller, button.sdl) != 0) {
                pad.held |= PadSnapshot::Bit(button.pad);
            }
        }
        for (const SDL_GameControllerAxis axis :
             {SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_RIGHTX}) {
            const double deflection = Deflection(controller, axis);
            if (std::fabs(deflection) > std::fabs(pad.stick)) {
                pad.stick = deflection;
            }
        }
    }
    return pad;
}

void CPadReader::Open(int deviceIndex) {
    if (pads_.size() >= kMostPads) {
        return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    const SDL_JoystickID instance =
        SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (pads_.count(instance) != 0) {
        SDL_GameControllerClose(controller);  // already ours: SDL counts the opens
        return;
    }
    pads_[instance] = controller;
    const char* name = SDL_GameControllerName(controller);
    emit Connected(name != nullptr ? QString::fromUtf8(name) : QString());
    Pace();
}

void CPadReader::Close(std::int32_t instance) {
    const auto found = pads_.find(instance);
    if (found == pads_.end()) {
        return;
    }
    SDL_GameControllerClose(found->second);
    pads_.erase(found);
    emit Disconnected();
    Pace();
}

void CPadReader::SetGameRunning(bool running) {
    gameRunning_ = running;
    Pace();
}

void CPadReader::Pace() {
    if (!started_) {
        return;
    }
    const int interval = pads_.empty()  ? PadTuning::kNoPadPollMs
                         : gameRunning_ ? PadTuning::kRunningPollMs
                                        : PadTuning::kWaitingPollMs;
    if (timer_.interval() != interval) {
        timer_.setInterval(interval);
    }
}

void CPadReader::Rumble(double strength, std::uint32_t ms) {
    const auto level = static_cast<Uint16>(std::clamp(strength, 0.0, 1.0) * 0xFFFF);
    for (const auto& [instance, controller] : pads_) {
        SDL_GameControllerRumble(controller, level, level, ms);
    }
}
