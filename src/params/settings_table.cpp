#include "params/settings_table.h"

#include <cstddef>
#include <type_traits>

namespace slyders {

// The table addresses the fields by offset, which needs a plain record.
static_assert(std::is_standard_layout_v<TInterface>);

namespace {

constexpr std::int16_t kGroups = 4;
constexpr std::int16_t kProperties = 23;
constexpr std::int16_t kGeneral = 0;
constexpr std::int16_t kBasicEvents = 1;
constexpr std::int16_t kEvents = 2;
constexpr std::int16_t kDisasters = 3;
constexpr std::int16_t kNone = 0;
constexpr std::int16_t kHidden = kPropHidden;

constexpr const char* kSwitch = "d 0 1";
constexpr const char* kBackgrounds =
    "d 0 16 ~Black~Dark blue~Blue~Stripes~Color stripes~Waves~Mesh~Jeans~Green jeans"
    "~Diagonal stripes~Pattern 1~Pattern 2~Pattern 3~Rings~Grid~Small tiles~Large tiles";

}  // namespace

const PropertyDescriptor kSettingsTable[] = {
    {"General", kGroups, kProperties, "Settings", nullptr, 0, nullptr, nullptr, nullptr},
    {"Basic events", 0, 0, nullptr, nullptr, 0, nullptr, nullptr, nullptr},
    {"Events", 0, 0, nullptr, nullptr, 0, nullptr, nullptr, nullptr},
    {"Disasters", 0, 0, nullptr, nullptr, 0, nullptr, nullptr, nullptr},

    {"int_snd", kGeneral, kNone, "Sounds", kSwitch, offsetof(TInterface, int_snd), nullptr, nullptr,
     "Produce sounds?"},
    {"int_soe", kGeneral, kNone, "Save on exit", kSwitch, offsetof(TInterface, int_soe), nullptr,
     nullptr, "Save settings on exit?"},
    {"int_rndpts", kGeneral, kNone, "Points in each round", "d 10 80",
     offsetof(TInterface, int_rndpts), nullptr, nullptr, "How many points to finish a round?"},
    {"int_showbars", kGeneral, kNone, "Progress bars", kSwitch, offsetof(TInterface, int_showbars),
     nullptr, nullptr, "Show progress bars?"},
    {"int_showevents", kGeneral, kNone, "Event names", kSwitch,
     offsetof(TInterface, int_showevents), nullptr, nullptr, "Show event names?"},
    {"int_fastfinish", kGeneral, kNone, "Finish speed-up for computers", kSwitch,
     offsetof(TInterface, int_fastfinish), nullptr, nullptr,
     "Increase speed when only computer players play?"},
    {"int_background", kGeneral, kNone, "Background", kBackgrounds,
     offsetof(TInterface, int_background), nullptr, nullptr, "Restart game to see the change."},

    {"xtr_tunnel", kBasicEvents, kNone, "Tunnels", kSwitch, offsetof(TInterface, xtr_tunnel),
     nullptr, nullptr, "Make tunnels near players?"},
    {"xtr_biggaps", kBasicEvents, kNone, "Big gaps", kSwitch, offsetof(TInterface, xtr_biggaps),
     nullptr, nullptr, "Make extra big gaps?"},
    {"xtr_cruelptr", kBasicEvents, kNone, "Cruel mouse", kSwitch,
     offsetof(TInterface, xtr_cruelptr), nullptr, nullptr, "Enable cruel mouse pointer?"},

    {"xtr_wall", kEvents, kNone, "Walls", kSwitch, offsetof(TInterface, xtr_wall), nullptr, nullptr,
     "Make walls?"},
    {"xtr_food", kEvents, kNone, "Food", kSwitch, offsetof(TInterface, xtr_food), nullptr, nullptr,
     "Drop food to earn points just like while crossing gaps?"},
    {"xtr_void", kEvents, kNone, "Void", kSwitch, offsetof(TInterface, xtr_void), nullptr, nullptr,
     "Make empty areas while playing?"},
    {"xtr_attract", kEvents, kNone, "Attractors", kSwitch, offsetof(TInterface, xtr_attract),
     nullptr, nullptr, "Make attractors?"},
    {"xtr_invis", kEvents, kNone, "Invisibility", kSwitch, offsetof(TInterface, xtr_invis), nullptr,
     nullptr, "Enable temporary invisibility?"},
    {"xtr_scroll", kEvents, kNone, "Scrolling", kSwitch, offsetof(TInterface, xtr_scroll), nullptr,
     nullptr, "Scroll the arena?"},
    // Not yet part of the game: kept in the file, kept out of the settings window.
    {"xtr_letters", kEvents, kHidden, "Letters", kSwitch, offsetof(TInterface, xtr_letters),
     nullptr, nullptr, "Drop letters? (not yet implemented)"},
    {"xtr_missile", kEvents, kHidden, "Missiles", kSwitch, offsetof(TInterface, xtr_missile),
     nullptr, nullptr, "Allow launching missiles? (not yet implemented)"},
    {"xtr_teleport", kEvents, kHidden, "Teleports", kSwitch, offsetof(TInterface, xtr_teleport),
     nullptr, nullptr, "Make teleports? (not yet implemented)"},

    {"dis_void", kDisasters, kNone, "Void disaster", kSwitch, offsetof(TInterface, dis_void),
     nullptr, nullptr, "Enable empty areas disaster?"},
    {"dis_tunnel", kDisasters, kNone, "Tunnels disaster", kSwitch, offsetof(TInterface, dis_tunnel),
     nullptr, nullptr, "Enable tunnels disaster?"},
    {"dis_wall", kDisasters, kNone, "Walls disaster", kSwitch, offsetof(TInterface, dis_wall),
     nullptr, nullptr, "Enable walls disaster?"},
    {"dis_attract", kDisasters, kNone, "Attractors disaster", kSwitch,
     offsetof(TInterface, dis_attract), nullptr, nullptr, "Enable attractors disaster?"},

    {nullptr, 0, 0, nullptr, nullptr, 0, nullptr, nullptr, nullptr},
};

Param settingsParam(TInterface& settings) {
    return Param(kSettingsTable, &settings);
}

}  // namespace slyders
