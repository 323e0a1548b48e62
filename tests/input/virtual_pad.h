#pragma once

#include <SDL.h>

namespace slyders::test {

// A pad made of SDL's virtual joystick: plugged in while it lives. SDL's joysticks must be
// running (a Gamepads object) when it is made.
class VirtualPad {
public:
    explicit VirtualPad(const char* name) {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = name;
        m_device = SDL_JoystickAttachVirtualEx(&desc);
        if (m_device >= 0) m_joystick = SDL_JoystickOpen(m_device);
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return m_joystick != nullptr; }
    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(m_joystick, b, down ? 1 : 0);
    }
    void stick(int x) {
        SDL_JoystickSetVirtualAxis(m_joystick, SDL_CONTROLLER_AXIS_LEFTX, Sint16(x));
    }
    void unplug() {
        if (!m_joystick) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(m_joystick);
        SDL_JoystickClose(m_joystick);
        m_joystick = nullptr;
        // The device index moves as other pads come and go: find ours by its instance.
        for (int d = 0; d < SDL_NumJoysticks(); ++d)
            if (SDL_JoystickGetDeviceInstanceID(d) == id) SDL_JoystickDetachVirtual(d);
    }

private:
    int m_device = -1;
    SDL_Joystick* m_joystick = nullptr;
};

}  // namespace slyders::test
