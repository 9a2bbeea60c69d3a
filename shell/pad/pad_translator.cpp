#include "shell/pad/pad_translator.h"

#include <algorithm>
#include <cmath>

#include "shell/pad/pad_tuning.h"

namespace {

PadAction Step(bool clockwise, const PadSnapshot& pad) {
    PadAction step{PadAction::Kind::Step};
    step.clockwise = clockwise;
    // A shoulder held with the d-pad is the keyboard's Shift: the small step.
    step.fine = pad.Holds(PadButton::LeftShoulder) || pad.Holds(PadButton::RightShoulder);
    return step;
}

// Radians a second for a deflection: none within the dead zone, then in
// proportion up to full speed.
double TurnSpeed(double stick) {
    const double deflection = std::min(std::fabs(stick), 1.0);
    if (!(deflection > PadTuning::kDeadZone)) {
        return 0.0;
    }
    const double speed =
        (deflection - PadTuning::kDeadZone) / (1.0 - PadTuning::kDeadZone) * PadTuning::kFullSpeed;
    return stick < 0.0 ? -speed : speed;
}

PadAction::Kind DialogKind(PadButton button, bool& known) {
    known = true;
    switch (button) {
        case PadButton::DpadUp:
            return PadAction::Kind::FocusUp;
        case PadButton::DpadDown:
            return PadAction::Kind::FocusDown;
        case PadButton::DpadLeft:
            return PadAction::Kind::FocusLeft;
        case PadButton::DpadRight:
            return PadAction::Kind::FocusRight;
        case PadButton::South:
            return PadAction::Kind::Press;
        case PadButton::East:
            return PadAction::Kind::Cancel;
        default:
            known = false;
            return PadAction::Kind::Cancel;
    }
}

}  // namespace

std::vector<PadAction> CPadTranslator::Update(const PadSnapshot& pad, std::int64_t nowMs,
                                              bool dialog) {
    const std::int64_t elapsedMs =
        lastMs_ < 0 ? 0 : std::clamp<std::int64_t>(nowMs - lastMs_, 0, PadTuning::kLongestTurnMs);
    lastMs_ = std::max(lastMs_, nowMs);

    std::vector<PadAction> actions;
    if (dialog) {
        // A dialog takes one move per press, and a direction held into it
        // repeats on the board only once pressed again there.
        nextRepeatMs_ = {-1, -1};
        for (const PadButton button : pad.pressed) {
            bool known = false;
            const PadAction::Kind kind = DialogKind(button, known);
            if (known) {
                actions.push_back({kind});
            }
        }
        return actions;
    }
    for (const PadButton button : pad.pressed) {
        BoardPress(button, pad, nowMs, actions);
    }
    Repeat(pad, nowMs, actions);
    const double speed = TurnSpeed(pad.stick);
    if (speed != 0.0 && elapsedMs > 0) {
        PadAction turn{PadAction::Kind::Turn};
        turn.angle = speed * static_cast<double>(elapsedMs) / 1000.0;
        actions.push_back(turn);
    }
    return actions;
}

void CPadTranslator::BoardPress(PadButton button, const PadSnapshot& pad, std::int64_t nowMs,
                                std::vector<PadAction>& actions) {
    switch (button) {
        case PadButton::DpadLeft:
        case PadButton::DpadRight: {
            const bool clockwise = button == PadButton::DpadRight;
            actions.push_back(Step(clockwise, pad));
            nextRepeatMs_[clockwise ? 1 : 0] = nowMs + PadTuning::kRepeatDelayMs;
            break;
        }
        case PadButton::South:
            actions.push_back({PadAction::Kind::DropBomb});
            break;
        case PadButton::Start:
            actions.push_back({PadAction::Kind::PausePlay});
            break;
        case PadButton::Back:
            actions.push_back({PadAction::Kind::NewGame});
            break;
        case PadButton::North:
            actions.push_back({PadAction::Kind::TutorialNext});
            break;
        case PadButton::West:
            actions.push_back({PadAction::Kind::TutorialPrevious});
            break;
        default:
            break;
    }
}

void CPadTranslator::Repeat(const PadSnapshot& pad, std::int64_t nowMs,
                            std::vector<PadAction>& actions) {
    const PadButton directions[2] = {PadButton::DpadLeft, PadButton::DpadRight};
    for (int side = 0; side < 2; ++side) {
        std::int64_t& next = nextRepeatMs_[side];
        if (!pad.Holds(directions[side])) {
            next = -1;
            continue;
        }
        int repeats = 0;
        while (next >= 0 && nowMs >= next && repeats < PadTuning::kMostRepeatsAtOnce) {
            actions.push_back(Step(side == 1, pad));
            next += PadTuning::kRepeatIntervalMs;
            ++repeats;
        }
        // Late readings do not pile up steps to catch up with.
        if (next >= 0 && nowMs >= next) {
            next = nowMs + PadTuning::kRepeatIntervalMs;
        }
    }
}
