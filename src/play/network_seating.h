#pragma once

#include <vector>

#include "net/net_session.h"

namespace slyders {

class Gra;
class Scores;

// Where a player's name stands in the roster, added first when it is new there (-1 only for
// a roster that can take no more names).
int rosterIndexAdding(Scores& roster, const std::string& name);

// A game hosted for players who all sit at other machines (a server's room, a headless
// host): they are seated in join order after the computers, their names join the roster, the
// game takes those seats, and the start carries every slot's name and rating.
void seatPlayersInJoinOrder(Gra& gra, Scores& roster, const std::vector<net::SeatOwner>& owners,
                            net::Start& start);

}  // namespace slyders
