#pragma once
// A gamepad the tests plug in: SDL's own virtual joystick, declared a game
// controller, so that the game reads it through the same SDL calls as a pad
// on a USB port. It keeps SDL's joysticks running while it is plugged in.

#include <SDL.h>

#include <vector>

class CVirtualPad {
  public:
    CVirtualPad() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        desc.userdata = this;
        desc.Rumble = [](void* self, Uint16 low, Uint16 high) {
            if (low != 0 || high != 0) {
                static_cast<CVirtualPad*>(self)->rumbles.push_back(low);
            }
            return 0;
        };
        joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    ~CVirtualPad() {
        Unplug();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    CVirtualPad(const CVirtualPad&) = delete;
    CVirtualPad& operator=(const CVirtualPad&) = delete;

    bool Plugged() const { return joystick_ != nullptr; }
    void Unplug() {
        if (joystick_ == nullptr) {
            return;
        }
        const SDL_JoystickID instance = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == instance) {
                SDL_JoystickDetachVirtual(i);
            }
        }
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
    }
    void Hold(SDL_GameControllerButton button, bool down = true) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }

    // The strengths of the rumbles asked of the pad, in order.
    std::vector<Uint16> rumbles;

  private:
    SDL_Joystick* joystick_ = nullptr;
};
