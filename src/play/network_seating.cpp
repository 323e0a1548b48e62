#include "play/network_seating.h"

#include "game/gra.h"
#include "players/scores.h"

namespace slyders {

int rosterIndexAdding(Scores& roster, const std::string& name) {
    PlrScore entry;
    entry.name = name;
    roster.Add(entry);
    int index = -1;
    for (int k = 0; k < roster.count(); ++k) {
        if (roster.entry(k).name == name) index = k;
    }
    return index;
}

void seatPlayersInJoinOrder(Gra& gra, Scores& roster, const std::vector<net::SeatOwner>& owners,
                            net::Start& s) {
    GameStart& g = s.start;
    g.humans = int(owners.size());
    g.seats = {};
    for (std::size_t i = 0; i < owners.size(); ++i) {
        g.seats[i] = HumanSeat{0, rosterIndexAdding(roster, owners[i].name)};
        s.names[i + 2] = owners[i].name;
    }
    gra.seats = g.seats;
    gra.firstSlot = 2 - g.computers;
    gra.humans = g.humans;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slot < 2) s.names[std::size_t(slot)] = gra.DisplayName(slot);
        const int index = gra.rosterIndexOfSlot(slot);
        if (index >= 0 && index < roster.count()) s.ratings[std::size_t(slot)] = roster.Rating(index);
    }
}

}  // namespace slyders
