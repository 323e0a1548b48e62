#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/arena.h"
#include "game/colour.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/sound_requests.h"
#include "game/text_renderer.h"
#include "game/tick_input.h"
#include "params/app_settings.h"
#include "players/scores.h"

namespace slyders {

constexpr int kSlotCount = 6;
// The computer players' skills, from the Computer menu: Poor, Medium, Good and Expert, who
// looks ahead. Replays and network games carry the skill and accept any of these.
constexpr int kSkillPoor = 1, kSkillGood = 3, kSkillExpert = 4;
constexpr int kLowestSkill = kSkillPoor, kHighestSkill = kSkillExpert;
constexpr double kPi = 3.14159265358979323846;

inline double cosDeg(double deg) {
    return std::cos(deg * kPi / 180.0);
}
inline double sinDeg(double deg) {
    return std::sin(deg * kPi / 180.0);
}

// cos and sin of whole degrees, computed once at start by cosDeg and sinDeg themselves, so
// that a look-up gives the very same bits; headings and ray angles are whole degrees.
struct DegreeTable {
    static constexpr int kFirst = -1080, kLast = 1440;
    DegreeTable();
    std::array<double, kLast - kFirst + 1> cos, sin;
};
extern const DegreeTable kDegrees;

inline double cosDeg(int deg) {
    if (deg < DegreeTable::kFirst || deg > DegreeTable::kLast) return cosDeg(double(deg));
    return kDegrees.cos[std::size_t(deg - DegreeTable::kFirst)];
}
inline double sinDeg(int deg) {
    if (deg < DegreeTable::kFirst || deg > DegreeTable::kLast) return sinDeg(double(deg));
    return kDegrees.sin[std::size_t(deg - DegreeTable::kFirst)];
}

struct FPoint {
    float x = 0, y = 0;
};

// One slyder slot. Slots 0 and 1 are the computer players, 2 .. 5 the human players 1 .. 4.
struct Slyder {
    float x = 0, y = 0;
    std::int32_t heading = 0;  // degrees; (cos, sin) of it, so a growing heading turns right
    float speed = 1.0f;        // distance per step in units
    bool alive = false;
    bool inGap = false;
    std::int32_t gapLeft = 0;
    std::int32_t nextGap = 0;
    std::int32_t invisibleLeft = 0;
    std::array<FPoint, 5> history{};  // [0] the newest
    std::int32_t gamePoints = 0;
    std::int32_t roundPoints = 0;
    std::int32_t roundsWon = 0;
    Rgb dark, light;
};

// A human seat: the key pair the player steers with and the roster entry sitting there.
struct HumanSeat {
    int keyPair = 0;
    int rosterIndex = -1;  // -1 = nobody

    friend bool operator==(const HumanSeat&, const HumanSeat&) = default;
};

// Event object kinds.
enum class OpsKind : std::int32_t {
    None = 0,
    Wall = 1,
    Intro = 2,
    Tunnel = 3,
    Void = 4,
    Food = 5,
    CruelMouse = 6,
    Scroll = 7,
    Attractor = 8,
};

// The four disasters; while one is on, its event comes 60 times as often.
enum class Disaster { Wall, Tunnel, Void, Attractor };
constexpr int kDisasterCount = 4;

struct DisasterFlags {
    std::array<bool, kDisasterCount> on{};

    bool& operator[](Disaster d) { return on[std::size_t(d)]; }
    bool operator[](Disaster d) const { return on[std::size_t(d)]; }
    void clear() { on.fill(false); }
};

// A running event object; (-1, -1) as position means it has none.
struct Ops {
    bool active = true;
    std::int32_t lifetime = 0;
    float x = -1, y = -1;
    std::int32_t angle = 0;
    OpsKind kind = OpsKind::None;
    std::int32_t parameter = 0;
    std::int32_t age = 0;
};

struct EventMessage {
    std::string text;
    Rgb colour = kWhite;
    int countdown = 0;  // 0 = no message showing
};

// A network game shows every machine the host's names and ratings, and leaves a guest's own
// roster as it was.
struct NetworkSeating {
    std::array<std::string, kSlotCount> names;  // empty: the roster's name
};

// Puts the mouse pointer at a point of the main window's client area (the cruel mouse).
class PointerMover {
public:
    virtual ~PointerMover() = default;
    virtual void movePointer(int clientX, int clientY) = 0;
};

// The one game object: the arena, the six slots, the points, the running event objects
// and the flags of the current game. The frame advances it one step per tick.
class Gra {
public:
    Gra(Random& rng, TInterface& settings, Scores& scores, TextRenderer& text,
        SoundRequests& sound);

    // --- set-up and queries ---
    void InitArena(int clientHeight, PixelBuffer* window) { arena.InitArena(clientHeight, window); }
    void InitArena(int clientHeight, PixelBuffer* window, int side) {
        arena.InitArena(clientHeight, window, side);
    }
    void ResetRound();
    void NewGame();
    int IntroLeft() const;
    bool AllHumansSeated() const;
    int AliveCount() const;
    int AliveHumans() const;
    void GameStep();
    void StepAlong(float& x, float& y, int angle) const;

    // --- one tick of play (after the intro) ---
    // The held keys of each seat turn its slyder by 2 degrees.
    void steerHumans(const TickInput& input);
    void SteerComputers();
    int ChooseHeading(int slot);
    double scoreRay(int slot, int ray) const;
    // The skill that steers a computer slot: its own when one is given, else the menu's.
    int skillOf(int slot) const;
    // Degrees a slyder may turn in one tick: 2 for a human, more for a computer far behind.
    int turnStepOf(int slot) const;
    bool computerDriven(int slot) const { return slot <= (demo ? lastActive() : 1); }
    void MoveSlyders();
    bool CheckSlyder(int slot);
    void StepTimers();

    int activeCount() const { return humans + 2 - firstSlot; }  // N
    int lastActive() const { return humans + 1; }
    bool isActive(int slot) const { return slot >= firstSlot && slot <= lastActive(); }

    Slyder& slot(int s) { return slots[std::size_t(s)]; }
    const Slyder& slot(int s) const { return slots[std::size_t(s)]; }

    // The roster entry that plays a slot (-1 for a human seat without a player).
    int rosterIndexOfSlot(int slot) const;
    // The name shown for a slot: the DEMO name, the roster name, or "?".
    std::string DisplayName(int slot) const;

    // Shows an event name under the scoreboard, if event names are on or in a DEMO game.
    void ShowEvent(const std::string& text, Rgb colour);
    void playSound(int number, int volume, int pan) { m_sound.request(number, volume, pan); }
    // Pan of a sound at arena x: trunc((x / S - 0.5) x 20000), x / S clamped to 0 .. 1 if asked.
    int panByX(double x, bool clamped) const;

    // --- extras and disasters ---
    void startEvents();
    void MakeEvent(Ops& op, OpsKind kind);
    void ScrollArena(int direction);
    void CruelPointer(int slot);
    void DrawAttractor(Ops& op, bool final);
    void setPointerMover(PointerMover* mover) { m_pointer = mover; }

    // --- state shared with the frame ---
    Arena arena;
    std::array<Slyder, kSlotCount> slots{};
    std::array<HumanSeat, kHumanSeats> seats{};
    std::int32_t tick = 0;
    int speedLevel = 1;  // 0 Slow, 1 Medium, 2 Fast
    int skillLevel = 2;  // 1 Poor, 2 Medium, 3 Good, 4 Expert
    // A skill for one computer slot alone (0: the skill level above); the simulator pits
    // skills against each other with it, the menus never set it.
    std::array<int, kSlotCount> slotSkill{};
    int humans = 1;      // h
    int firstSlot = 1;   // f
    bool running = false;
    bool demo = false;
    bool fastFinish = false;
    bool panelChanged = false;
    Rules rules = kCurrentRules;  // set by StartGame: a replay plays under its own rules
    DisasterFlags disasters;
    Rgb gapColour{128, 128, 128};
    EventMessage message;
    std::vector<Ops> ops;
    std::string deathOrder;  // slot digits in the order the slyders died this game
    NetworkSeating network;
    // The names of a replayed game, as they were shown when it was played: they are written
    // into the arena, so they must be the same for the game to be the same.
    std::optional<std::array<std::string, kSlotCount>> recordedNames;

    Random& rng() { return m_rng; }
    const Random& rng() const { return m_rng; }
    TInterface& settings() { return m_settings; }
    const TInterface& settings() const { return m_settings; }
    Scores& scores() { return m_scores; }
    const Scores& scores() const { return m_scores; }
    TextRenderer& text() { return m_text; }

private:
    void Intro();
    void RunEvent(Ops& op);
    void runIntroObject(Ops& op);
    void Death(int slot, const std::array<FPoint, 5>& historyBefore);
    int pickAliveSlot();
    int pickAliveHuman();
    bool eventFires(int base, bool disaster);
    void growingEvent(OpsKind kind, int sound, const char* message, Disaster disaster,
                      const char* disasterMessage, int endChance);
    void tryStartDisaster(Disaster disaster, const char* message);
    void maybeEndDisaster(Disaster disaster, int endChance);
    void startTunnel();
    void runWall(Ops& op);
    void runVoid(Ops& op);
    void runFood(Ops& op);
    void runAttractor(Ops& op);

    Random& m_rng;
    TInterface& m_settings;
    Scores& m_scores;
    TextRenderer& m_text;
    SoundRequests& m_sound;
    PointerMover* m_pointer = nullptr;
};

}  // namespace slyders
