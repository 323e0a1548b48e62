#include "game/game_tick.h"

#include "game/gra.h"
#include "game/rounds.h"
#include "present/arena_text.h"
#include "present/event_label.h"

namespace slyders {

bool EndOfGameCheck(Gra& gra) {
    gra.MoveSlyders();
    if (gra.AliveCount() > 0) {
        gra.StepTimers();
        return false;
    }
    gra.running = false;
    gra.fastFinish = false;
    return true;
}

TickResult playTick(Gra& gra, const TickInput& input, const PixelBuffer& backBuffer,
                    EventLabel& label) {
    gra.tick += 1;
    const int d = gra.IntroLeft();
    if (d == 0) ResetArena(gra.arena, gra.text(), backBuffer, gra.demo);
    if (d > 0) {
        gra.steerHumans(input);
        gra.SteerComputers();
        if (EndOfGameCheck(gra)) return TickResult::GameOver;
    }
    if (gra.running) {
        gra.GameStep();
        AdvanceEventMessage(gra, label, gra.text());
    }
    return TickResult::Played;
}

int finishGame(Gra& gra, EventLabel& label) {
    ShowEventNow(gra, label, gra.text(), "", kWhite);
    return UniqueLeader(gra, RoundPoints);
}

}  // namespace slyders
