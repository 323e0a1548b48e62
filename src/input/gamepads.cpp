#include "input/gamepads.h"

#include <SDL.h>

#include <array>

namespace slyders {

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_GAMECONTROLLER;
// The stick turns only past a quarter of its travel, so a resting stick steers nothing.
constexpr int kStickDeadZone = SDL_JOYSTICK_AXIS_MAX / 4;
constexpr int kNoInstance = -1;
const char* const kUnnamed = "unnamed pad";
// The pads are read by state at the tick; their event stream would only pile up while no one
// polls (between games), until plug events had no room left in the queue.
constexpr std::array<Uint32, 12> kUnreadEvents{SDL_JOYAXISMOTION,
                                               SDL_JOYBALLMOTION,
                                               SDL_JOYHATMOTION,
                                               SDL_JOYBUTTONDOWN,
                                               SDL_JOYBUTTONUP,
                                               SDL_CONTROLLERAXISMOTION,
                                               SDL_CONTROLLERBUTTONDOWN,
                                               SDL_CONTROLLERBUTTONUP,
                                               SDL_CONTROLLERTOUCHPADDOWN,
                                               SDL_CONTROLLERTOUCHPADUP,
                                               SDL_CONTROLLERTOUCHPADMOTION,
                                               SDL_CONTROLLERSENSORUPDATE};

}  // namespace

struct Gamepads::Sdl {
    struct Place {
        SDL_GameController* pad = nullptr;
        SDL_JoystickID instance = kNoInstance;
    };
    std::array<Place, kGamepads> places{};
};

Gamepads::Gamepads() {
    // The game keeps its own signal handling; SDL must not take SIGINT or SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(kSubsystems) != 0) {
        m_failure = std::string("No gamepads: ") + SDL_GetError();
        return;
    }
    for (Uint32 type : kUnreadEvents) SDL_EventState(type, SDL_IGNORE);
    m_sdl = std::make_unique<Sdl>();
    attachWaiting();
}

Gamepads::~Gamepads() {
    if (!m_sdl) return;
    for (const Sdl::Place& place : m_sdl->places) {
        if (place.pad) SDL_GameControllerClose(place.pad);
    }
    SDL_QuitSubSystem(kSubsystems);
}

const PadStates& Gamepads::poll() {
    if (!m_sdl) return m_states;
    // The update finds pads plugged in or out and takes in what every pad holds now.
    SDL_GameControllerUpdate();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_CONTROLLERDEVICEADDED) attach(event.cdevice.which);
        if (event.type == SDL_CONTROLLERDEVICEREMOVED) detach(event.cdevice.which);
    }
    read();
    return m_states;
}

void Gamepads::attach(int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || !SDL_IsGameController(deviceIndex)) return;
    Sdl::Place* free = nullptr;
    for (Sdl::Place& place : m_sdl->places) {
        if (place.instance == id) return;  // already ours: plugged in before the event came
        if (!free && !place.pad) free = &place;
    }
    if (!free) return;  // a fifth pad waits for a place
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return;
    free->pad = pad;
    free->instance = id;
    const std::size_t i = std::size_t(free - m_sdl->places.data());
    const char* name = SDL_GameControllerName(pad);
    m_states[i] = PadState{true, {}, name && *name ? name : kUnnamed};
}

void Gamepads::detach(int instanceId) {
    for (std::size_t i = 0; i < m_sdl->places.size(); ++i) {
        Sdl::Place& place = m_sdl->places[i];
        if (place.instance != instanceId) continue;
        SDL_GameControllerClose(place.pad);
        place = Sdl::Place{};
        m_states[i] = PadState{};
        attachWaiting();
        return;
    }
}

void Gamepads::attachWaiting() {
    for (int d = 0; d < SDL_NumJoysticks(); ++d) attach(d);
}

void Gamepads::read() {
    for (std::size_t i = 0; i < m_sdl->places.size(); ++i) {
        SDL_GameController* pad = m_sdl->places[i].pad;
        if (!pad) continue;
        const auto button = [pad](SDL_GameControllerButton b) {
            return SDL_GameControllerGetButton(pad, b) != 0;
        };
        const int stick = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
        Held& held = m_states[i].held;
        held.left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) ||
                    button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER) || stick < -kStickDeadZone;
        held.right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) ||
                     button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER) || stick > kStickDeadZone;
    }
}

}  // namespace slyders
