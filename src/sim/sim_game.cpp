#include "sim/sim_game.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "game/game_start.h"
#include "game/game_tick.h"
#include "play/headless_game.h"
#include "play/replay_source.h"
#include "present/arena_text.h"
#include "replay/replay_recorder.h"
#include "video/video_export.h"

namespace slyders {

namespace {

constexpr int kWideNum = 16, kWideDen = 9;  // the window's shape; only the score band uses it

template <typename T>
bool parseNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

// Reads the value after an option into out, if it is a number within lo .. hi.
template <typename T>
std::optional<std::string> takeNumber(const std::vector<std::string>& args, std::size_t& i, T lo,
                                      T hi, T& out) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) return name + " needs a value";
    const std::string& value = args[++i];
    if (!parseNumber(value, out) || out < lo || out > hi) {
        return name + " takes a number from " + std::to_string(lo) + " to " + std::to_string(hi) +
               ", not \"" + value + "\"";
    }
    return std::nullopt;
}

// Seconds of a game (0 or more) after --from or --to.
std::optional<std::string> takeSeconds(const std::vector<std::string>& args, std::size_t& i,
                                       double& out) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) return name + " needs a value";
    const std::string& value = args[++i];
    if (!parseNumber(value, out) || !(out >= 0.0)) {
        return name + " takes seconds of the game such as 12.5, not \"" + value + "\"";
    }
    return std::nullopt;
}

// Two skills "A,B" after --skills.
std::optional<std::string> takeSkills(const std::vector<std::string>& args, std::size_t& i,
                                      std::array<int, 2>& out) {
    if (i + 1 >= args.size()) return std::string("--skills needs a value");
    const std::string& value = args[++i];
    const std::size_t comma = value.find(',');
    std::array<int, 2> skills{};
    const bool read = comma != std::string::npos &&
                      parseNumber(value.substr(0, comma), skills[0]) &&
                      parseNumber(value.substr(comma + 1), skills[1]);
    const auto known = [](int k) { return k >= kLowestSkill && k <= kHighestSkill; };
    if (!read || !known(skills[0]) || !known(skills[1])) {
        return "--skills takes two skills from 1 to 4 such as 4,3, not \"" + value + "\"";
    }
    out = skills;
    return std::nullopt;
}

// Slot digits as a JSON array of numbers.
void appendSlots(std::string& out, const std::vector<int>& v) {
    out += '[';
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0) out += ',';
        out += std::to_string(v[i]);
    }
    out += ']';
}

}  // namespace

const char* const kSimUsage =
    "usage: slyders-sim [options]\n"
    "Plays Slyders games of computer players with no window, as fast as the machine allows,\n"
    "and prints one JSON line per game, then a summary line.\n"
    "\n"
    "  --seed N         seed of the first game (default 1); game i of a run is played\n"
    "                   from seed N + i - 1, so each line can be replayed alone\n"
    "  --games N        number of games (default 1)\n"
    "  --arena S        arena side in pixels, 100 to 3888 (default 972)\n"
    "  --demo           DEMO rules: every extra on, a random number of DEMO humans\n"
    "  --computers 1|2  computer players only, under the normal rules (default 2)\n"
    "  --skill 1|2|3|4  skill of the computer players: poor, medium, good, expert\n"
    "                   (default 2)\n"
    "  --skills A,B     skills of the two computer players apart (slot 0, slot 1); the\n"
    "                   game line then adds \"skills\" and \"death_ticks\" (the tick of\n"
    "                   each death); not with --record, as a replay keeps one skill\n"
    "  --tick-cap N     a game still running after N ticks ends as a draw (default 1000000)\n"
    "  --replay FILE    play a replay back as fast as possible and print one line:\n"
    "                   {\"replay\",\"ticks\",\"slots\",\"points\",\"deaths\",\"agrees\"};\n"
    "                   exit code 0 only when it agrees with every stored check\n"
    "  --record FILE    write the replay of the game played to FILE (one game only)\n"
    "  --video OUT      with --replay: export the replay as a video, WebM (VP9, Opus),\n"
    "                   MP4 (H.264, AAC) or GIF (no sound, at most 30 s) by OUT's\n"
    "                   extension, with the game's sounds; a progress line on a terminal,\n"
    "                   then {\"video\",\"frames\",\"seconds\",\"wall_seconds\",\"speed\"}\n"
    "  --from S         the video starts S seconds into the game (default 0)\n"
    "  --to S           the video ends S seconds into the game (default: the game's end)\n"
    "  --size WxH       the video's size (default 1280x720)\n"
    "  --seeks N        with --replay: time N jumps to random moments of the replay as a\n"
    "                   window watching it makes them, from kept moments of the game and\n"
    "                   by playing from the start, and print a line of figures\n"
    "  --help           this text\n"
    "\n"
    "Each game starts with no points, plays with the default settings and a roster held in\n"
    "memory, and never reads or writes the player's roster or \"Default.par\".\n"
    "Game line: {\"game\",\"seed\",\"mode\",\"skill\",\"humans\",\"ticks\",\"slots\",\"deaths\",\n"
    "\"points\",\"winner\",\"capped\"}; slots lists the active slots, points are their game\n"
    "points in that order, deaths the slots in the order they died, winner the slot with the\n"
    "most points alone or \"draw\".\n";

std::optional<std::string> parseSimOptions(const std::vector<std::string>& args, SimOptions& out) {
    bool computersGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string> error;
        if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (a == "--demo") {
            out.demo = true;
        } else if (a == "--seed") {
            error = takeNumber<std::uint64_t>(args, i, 0, UINT64_MAX / 2, out.seed);
        } else if (a == "--games") {
            error = takeNumber(args, i, 1, 1'000'000, out.games);
        } else if (a == "--arena") {
            error = takeNumber(args, i, kMinArenaSide, kMaxArenaSide, out.arenaSide);
        } else if (a == "--computers") {
            computersGiven = true;
            error = takeNumber(args, i, 1, 2, out.computers);
        } else if (a == "--skill") {
            error = takeNumber(args, i, kLowestSkill, kHighestSkill, out.skill);
        } else if (a == "--skills") {
            error = takeSkills(args, i, out.skills);
        } else if (a == "--replay") {
            if (i + 1 >= args.size()) return std::string("--replay needs a file");
            out.replay = args[++i];
        } else if (a == "--record") {
            if (i + 1 >= args.size()) return std::string("--record needs a file");
            out.record = args[++i];
        } else if (a == "--video") {
            if (i + 1 >= args.size()) return std::string("--video needs a file");
            out.video = args[++i];
        } else if (a == "--from") {
            error = takeSeconds(args, i, out.videoFrom);
        } else if (a == "--to") {
            error = takeSeconds(args, i, out.videoTo);
        } else if (a == "--size") {
            if (i + 1 >= args.size()) return std::string("--size needs a value");
            if (!parseVideoSize(args[++i], out.videoWidth, out.videoHeight)) {
                return "--size takes a size such as 1280x720, not \"" + args[i] + "\"";
            }
        } else if (a == "--seeks") {
            error = takeNumber(args, i, 1, 100'000, out.seeks);
        } else if (a == "--tick-cap") {
            error = takeNumber<std::int32_t>(args, i, 1, INT32_MAX - 1, out.tickCap);
        } else {
            error = "unknown option \"" + a + "\"";
        }
        if (error) return error;
    }
    if (out.demo && computersGiven) return "--demo and --computers exclude each other";
    if (!out.video.empty() && out.replay.empty()) return "--video makes a video of a --replay";
    if (out.seeks > 0 && out.replay.empty()) return "--seeks jumps about a replay: --replay FILE";
    if (!out.record.empty() && out.games != 1) return "--record keeps one game: no --games";
    if (out.skills[0] != 0 && (out.demo || !out.record.empty() || computersGiven)) {
        return "--skills plays two computers under the normal rules: no --demo, --computers "
               "or --record";
    }
    return std::nullopt;
}

std::string toJson(const GameRecord& r) {
    std::string out = "{\"game\":" + std::to_string(r.game);
    out += ",\"seed\":" + std::to_string(r.seed);
    out += r.demo ? ",\"mode\":\"demo\"" : ",\"mode\":\"computers\"";
    out += ",\"skill\":" + std::to_string(r.skill);
    out += ",\"humans\":" + std::to_string(r.humans);
    out += ",\"ticks\":" + std::to_string(r.ticks);
    std::vector<int> slots, deaths;
    for (int s = r.firstSlot; s <= r.humans + 1; ++s) slots.push_back(s);
    for (char c : r.deathOrder) deaths.push_back(c - '0');
    out += ",\"slots\":";
    appendSlots(out, slots);
    out += ",\"deaths\":";
    appendSlots(out, deaths);
    out += ",\"points\":";
    appendSlots(out, r.points);
    if (r.skills[0] != 0) {
        out += ",\"skills\":";
        appendSlots(out, {r.skills[0], r.skills[1]});
        out += ",\"death_ticks\":";
        appendSlots(out, std::vector<int>(r.deathTicks.begin(), r.deathTicks.end()));
    }
    out += ",\"winner\":" + (r.winner >= 0 ? std::to_string(r.winner) : std::string("\"draw\""));
    out += r.capped ? ",\"capped\":true}" : ",\"capped\":false}";
    return out;
}

SimGame::SimGame(const SimOptions& options, TextRenderer& text, SoundRequests* sound)
    : m_options(options),
      m_window(clientHeightForSide(options.arenaSide) * kWideNum / kWideDen,
               clientHeightForSide(options.arenaSide)),
      m_back(m_window.width(), m_window.height()),
      m_gra(m_rng, m_settings, m_scores, text, sound ? *sound : m_noSound) {
    m_gra.InitArena(m_window.height(), &m_window);
    m_gra.arena.setWindowShown(false);
    if (m_gra.arena.side() != options.arenaSide) {
        throw std::logic_error("no client height gives an arena side of " +
                               std::to_string(options.arenaSide));
    }
    // The event label's box, as the window lays it out under the scoreboard.
    const int S = m_gra.arena.side(), m = m_gra.arena.offset();
    m_label.width = std::max(1, m_window.width() - (S + 2 * m));
    m_label.height = std::max(1, m_window.height() / 12);
}

GameStart SimGame::startOf(int index) const {
    GameStart start;
    start.demo = m_options.demo;
    start.computers = m_options.demo ? 2 : m_options.computers;
    start.humans = 0;
    start.skill = m_options.skill;
    start.seed = Random(m_options.seed + std::uint64_t(index)).state();
    return start;
}

GameRecord SimGame::play(int index, Replay* recorded) {
    Gra& g = m_gra;
    const GameStart start = startOf(index);
    StartGame(g, start, m_back);
    g.slotSkill[0] = m_options.skills[0];
    g.slotSkill[1] = m_options.skills[1];
    ReplayRecorder recorder;
    if (recorded) recorder.begin(g, start, 0, "slyders-sim");
    GameRecord record;
    record.game = index + 1;
    record.seed = m_options.seed + std::uint64_t(index);
    record.demo = g.demo;
    record.skill = g.skillLevel;
    record.skills = m_options.skills;
    record.humans = g.humans;
    record.firstSlot = g.firstSlot;

    // The computer steers every slyder; each death's tick is noted as it happens.
    struct NobodyHolds final : TickSource {
        explicit NobodyHolds(GameRecord& r) : record(r) {}
        std::optional<TickInput> inputFor(std::int32_t, const TickInput&) override {
            return TickInput{};
        }
        void played(const Gra& gra, bool) override {
            while (record.deathTicks.size() < gra.deathOrder.size())
                record.deathTicks.push_back(gra.tick);
        }
        GameRecord& record;
    } nobodyHolds(record);
    const bool over = playHeadless({g, m_window, m_back, m_label}, nobodyHolds,
                                   m_options.tickCap, &recorder) == HeadlessEnd::Over;
    if (recorded) *recorded = recorder.finish(g, over ? ReplayEnd::Over : ReplayEnd::Stopped);
    record.ticks = g.tick;
    record.deathOrder = g.deathOrder;
    for (int s = g.firstSlot; s <= g.lastActive(); ++s) {
        record.points.push_back(g.slot(s).gamePoints);
    }
    if (over) {
        record.winner = finishGame(g, m_label);
    } else {
        record.capped = true;
    }
    return record;
}

std::string toJson(const ReplayCheck& c) {
    std::string out = "{\"ticks\":" + std::to_string(c.ticks);
    out += ",\"points\":";
    appendSlots(out, c.points);
    std::vector<int> deaths;
    for (char ch : c.deathOrder) deaths.push_back(ch - '0');
    out += ",\"deaths\":";
    appendSlots(out, deaths);
    out += c.agrees ? ",\"agrees\":true" : ",\"agrees\":false";
    if (!c.agrees) out += ",\"disagrees_at\":" + std::to_string(c.disagreesAt);
    return out + "}";
}

ReplayCheck SimGame::playReplay(const Replay& replay) {
    Gra& g = m_gra;
    applySettings(m_settings, replay.settings);
    ReplayCursor cursor(replay);
    cursor.start(g, m_back);
    ReplaySource source(cursor, g);
    const bool over = playHeadless({g, m_window, m_back, m_label}, source, replay.endTick) ==
                      HeadlessEnd::Over;
    g.recordedNames.reset();

    ReplayCheck check;
    check.ticks = g.tick;
    check.deathOrder = g.deathOrder;
    bool pointsAgree = true;
    for (int s = 0; s < kSlotCount; ++s) {
        const int points = g.isActive(s) ? g.slot(s).gamePoints : 0;
        if (g.isActive(s)) check.points.push_back(points);
        pointsAgree = pointsAgree && points == replay.points[std::size_t(s)];
    }
    const bool endAgrees = g.tick == replay.endTick && over == (replay.end == ReplayEnd::Over) &&
                           pointsAgree && g.deathOrder == replay.deathOrder;
    if (cursor.disagreement()) {
        check.disagreesAt = *cursor.disagreement();
    } else if (!endAgrees) {
        check.disagreesAt = g.tick;
    }
    check.agrees = check.disagreesAt < 0;
    return check;
}

}  // namespace slyders
