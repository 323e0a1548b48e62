#include "game/game_start.h"

#include "present/arena_text.h"

namespace slyders {

GameStart nextGameStart(const Gra& gra, bool demo, int computers) {
    GameStart start;
    start.demo = demo;
    start.computers = demo ? 2 : computers;
    start.humans = gra.humans;
    start.skill = gra.skillLevel;
    start.speed = gra.speedLevel;
    start.seed = gra.rng().state();
    start.seats = gra.seats;
    if (!demo) {
        for (int s = 0; s < kSlotCount; ++s) {
            start.roundPoints[std::size_t(s)] = gra.slot(s).roundPoints;
            start.roundsWon[std::size_t(s)] = gra.slot(s).roundsWon;
        }
    }
    return start;
}

// The fast finish is left as it is: F9 in a fast-finishing DEMO game restarts it at the same
// pace. Only the end of a game clears it.
void StartGame(Gra& gra, const GameStart& start, PixelBuffer& backBuffer) {
    gra.running = false;
    gra.deathOrder.clear();
    gra.rng().setState(start.seed);
    gra.demo = start.demo;
    gra.skillLevel = start.skill;
    gra.speedLevel = start.speed;
    gra.seats = start.seats;
    gra.rules = start.rules;
    if (start.demo) gra.ResetRound();
    for (int s = 0; s < kSlotCount; ++s) {
        Slyder& sl = gra.slot(s);
        sl.roundPoints = start.roundPoints[std::size_t(s)];
        sl.roundsWon = start.roundsWon[std::size_t(s)];
    }
    if (start.demo) {
        gra.firstSlot = 0;
        gra.humans = gra.rng().mod(3);
    } else {
        gra.firstSlot = 2 - start.computers;
        gra.humans = start.humans;
    }
    gra.arena.background().DrawBackground(backBuffer, gra.arena.offset(), gra.demo,
                                          gra.settings().int_background, gra.rng());
    ResetArena(gra.arena, gra.text(), backBuffer, gra.demo);
    gra.NewGame();
}

}  // namespace slyders
