#pragma once

#include <string>

namespace slyders {

class Gra;

// The per-slot results a leader can be sought over.
enum ResultColumn { GamePoints, RoundPoints, RoundsWon };

int resultOf(const Gra& gra, int slot, ResultColumn column);
// The first active slot with the greatest value.
int FirstLeader(const Gra& gra, ResultColumn column);
// The same slot, or -1 when another active slot has as much.
int UniqueLeader(const Gra& gra, ResultColumn column);

// Results exist when some active slot has round points or rounds won.
bool resultsExist(const Gra& gra);

// How a finished game ends the round: a DEMO game stands alone; otherwise the round goes
// on below the target, is a draw when the leaders tie at it, or is won by the unique leader w.
enum class RoundEnd { Demo, Continues, Draw, Won };
RoundEnd decideRoundEnd(const Gra& gra, int w);

// "This DEMO game has been won by <name>." or "This DEMO game ends with a draw."
std::string demoResultText(const Gra& gra, int winner);

// "the computer player", "the computer player #2", or the player's name.
std::string winnerName(const Gra& gra, int winner);

// Credits a won round to slot w: the ratings are updated and saved, its rounds won grow by
// one. Returns the result text for the round's message box.
std::string creditRoundWin(Gra& gra, int w);

// After the round's box: game and round points of every slot start again from 0.
void clearRoundPoints(Gra& gra);

}  // namespace slyders
