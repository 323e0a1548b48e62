#include "play/local_game.h"

#include "boxes/message_boxes.h"
#include "game/game_start.h"
#include "game/gra.h"
#include "game/rounds.h"
#include "play/game_recording.h"
#include "present/event_label.h"

namespace slyders {

namespace {
constexpr int kComputersInDemo = 2;
}  // namespace

bool tellUnwonRound(MessageBoxes& boxes, const Gra& g, RoundEnd end, int w) {
    switch (end) {
        case RoundEnd::Demo:
            boxes.inform(demoResultText(g, w));
            return false;
        case RoundEnd::Continues:
            return false;
        case RoundEnd::Draw:
            boxes.inform("Draw. No winner yet!");
            return false;
        case RoundEnd::Won:
            break;
    }
    return true;
}

void announceRoundEnd(PlayTable& table, int w) {
    Gra& g = table.gra();
    MessageBoxes& boxes = table.boxes();
    const RoundEnd end = decideRoundEnd(g, w);
    if (end != RoundEnd::Won) table.recording().end(g, {});
    if (!tellUnwonRound(boxes, g, end, w)) {
        if (end == RoundEnd::Demo) table.invalidateScoreboard();
        return;
    }
    const std::string name = winnerName(g, w);
    const std::string result = creditRoundWin(g, w);
    table.recording().end(g, result);
    ShowEventNow(g, table.eventLabel(), table.text(), "This round won by " + name + "!", kWhite);
    g.playSound(kSndApplause, 0, 0);
    table.refreshPicture();
    boxes.inform("Round finished!\n" + result + "\n\nClick for the next round:");
    clearRoundPoints(g);
    table.invalidateScoreboard();
    table.dispatch();
    table.showHighScores();
}

void LocalGame::escape() {
    if (!m_table.gra().fastFinish) m_table.askFinishGame();
}

void LocalGame::run() {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    t.recording().stop(g);  // the DEMO game is left as it stands
    g.running = false;
    g.deathOrder.clear();
    g.firstSlot = t.chosenFirstSlot();
    if (g.demo) {
        g.demo = false;
        g.ResetRound();
        g.humans = t.savedHumans();
        t.setupPlayers();
    }
    // Nobody plays without a name: the dialog comes back until every seat has one.
    while (!g.AllHumansSeated() && t.setupPlayers()) {
    }
    if (const auto missing = t.missingGamepad()) {
        t.boxes().inform(*missing);
        return;
    }
    const ModeScope scope(t, *this);
    t.startGame(nextGameStart(g, false, 2 - t.chosenFirstSlot()));
    const auto locked = {MenuItem::GameDemo, MenuItem::GameCleartotals, MenuItem::SetupPlayers,
                         MenuItem::DisplayHighscores};
    t.setItemsEnabled(locked, false);
    t.runGameLoop();
    t.setItemsEnabled(locked, true);
}

void DemoGame::run() {
    PlayTable& t = m_table;
    Gra& g = t.gra();
    if (!g.demo && resultsExist(g) &&
        !t.boxes().ask("Start DEMO game? (current results will be lost)")) {
        return;
    }
    t.recording().stop(g);  // a DEMO game started again is left as it stands
    if (!g.demo) t.setSavedHumans(g.humans);
    {
        const ModeScope scope(t, *this);
        t.startGame(nextGameStart(g, true, kComputersInDemo));
        const auto locked = {MenuItem::GameCleartotals, MenuItem::SetupPlayers,
                             MenuItem::DisplayHighscores};
        t.setItemsEnabled(locked, false);
        t.runGameLoop();
        t.setItemsEnabled(locked, true);
    }
    g.firstSlot = t.chosenFirstSlot();
    g.humans = t.savedHumans();
    g.demo = false;
    g.deathOrder.clear();
    g.ResetRound();
    t.layoutScoreBands();
    t.invalidateScoreboard();
}

}  // namespace slyders
