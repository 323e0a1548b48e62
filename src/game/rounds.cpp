#include "game/rounds.h"

#include <algorithm>
#include <vector>

#include "game/gra.h"

namespace slyders {

int resultOf(const Gra& gra, int slot, ResultColumn column) {
    const Slyder& s = gra.slot(slot);
    switch (column) {
        case GamePoints:
            return s.gamePoints;
        case RoundPoints:
            return s.roundPoints;
        case RoundsWon:
            return s.roundsWon;
    }
    return 0;
}

int FirstLeader(const Gra& gra, ResultColumn column) {
    int best = gra.firstSlot;
    for (int s = gra.firstSlot; s <= gra.lastActive(); ++s) {
        if (resultOf(gra, s, column) > resultOf(gra, best, column)) best = s;
    }
    return best;
}

int UniqueLeader(const Gra& gra, ResultColumn column) {
    const int best = FirstLeader(gra, column);
    for (int s = gra.firstSlot; s <= gra.lastActive(); ++s) {
        if (s != best && resultOf(gra, s, column) == resultOf(gra, best, column)) return -1;
    }
    return best;
}

bool resultsExist(const Gra& gra) {
    return resultOf(gra, FirstLeader(gra, RoundPoints), RoundPoints) > 0 ||
           resultOf(gra, FirstLeader(gra, RoundsWon), RoundsWon) > 0;
}

RoundEnd decideRoundEnd(const Gra& gra, int w) {
    if (gra.demo) return RoundEnd::Demo;
    const int leader = FirstLeader(gra, RoundPoints);
    if (gra.slot(leader).roundPoints < gra.settings().int_rndpts) return RoundEnd::Continues;
    return w == -1 ? RoundEnd::Draw : RoundEnd::Won;
}

std::string demoResultText(const Gra& gra, int winner) {
    std::string text = "This DEMO game ";
    text += winner >= 0 ? "has been won by " + gra.DisplayName(winner) : "ends with a draw";
    return text + ".";
}

std::string winnerName(const Gra& gra, int winner) {
    if (winner >= 2) return gra.DisplayName(winner);
    if (gra.firstSlot == 1) return "the computer player";
    return "the computer player #" + std::to_string(winner + 1);
}

std::string creditRoundWin(Gra& gra, int w) {
    std::vector<RoundParticipant> participants;
    for (int s = gra.firstSlot; s <= gra.lastActive(); ++s) {
        participants.push_back({gra.rosterIndexOfSlot(s), gra.slot(s).roundPoints, s == w});
    }
    gra.scores().UpdateRatings(participants);
    gra.slot(w).roundsWon += 1;

    const int rosterIndex = gra.rosterIndexOfSlot(w);
    int rating = 0;
    if (rosterIndex >= 0 && rosterIndex < gra.scores().count()) {
        rating = gra.scores().Rating(rosterIndex);
    }
    return std::to_string(gra.settings().int_rndpts) + " points reached.\n\nThe winner is " +
           winnerName(gra, w) + " !\n" + gra.DisplayName(w) + "'s rating is now " +
           std::to_string(rating) + ".";
}

void clearRoundPoints(Gra& gra) {
    for (Slyder& s : gra.slots) s.gamePoints = s.roundPoints = 0;
}

}  // namespace slyders
