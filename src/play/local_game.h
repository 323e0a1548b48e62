#pragma once

#include "game/rounds.h"
#include "play/play_mode.h"

namespace slyders {

// The end of a game played for real (at one keyboard, the DEMO game, a network game): the
// DEMO result, a draw, or a round won, credited to the roster, with the high scores after.
void announceRoundEnd(PlayTable& table, int winner);
// Tells the end of a game that won no round (the DEMO result, "Draw. No winner yet!") in a
// box; true when the game won the round, which the caller then tells its own way.
bool tellUnwonRound(MessageBoxes& boxes, const Gra& gra, RoundEnd end, int winner);

// The game at one keyboard: what this machine's players hold steers their slyders. It is
// also how the window behaves while nothing is played.
class LocalGame : public PlayMode {
public:
    explicit LocalGame(PlayTable& table) : m_table(table) {}

    // "New": a game of the players seated, recorded; a DEMO game running is left for it.
    void run();

    TickSource& ticks() override { return m_keyboard; }
    void escape() override;
    void gameOver(int winner) override { announceRoundEnd(m_table, winner); }

protected:
    PlayTable& m_table;

private:
    LocalTickSource m_keyboard;
};

// The DEMO game: the computer steers every slyder, with every extra on. It leaves the
// players' seats and choices as they were.
class DemoGame final : public LocalGame {
public:
    using LocalGame::LocalGame;
    void run();
};

}  // namespace slyders
