#pragma once

#include <cstdint>
#include <string>

#include "play/qt/server_game.h"

namespace slyders {

// Watching a room of a server by its code: a spectator has no seats and its keys steer
// nothing. It plays the ticks the server sends: a game already under way is caught up at
// once, then followed live a few ticks behind the server. Esc leaves at once, as nobody
// waits for a spectator. The title, and the event label while the game says nothing, tell
// which room is watched. Its games are recorded as the room's players record theirs, and
// each ends as it ends for them, told on the copy of the server's roster.
class WatchRoom final : public RoomGame {
public:
    WatchRoom(PlayTable& table, QWidget* parent, const NetworkPlay& play)
        : RoomGame(table, parent, play, net::RoomAction::Watch) {}

    TickSource& ticks() override { return m_following; }
    void escape() override;
    std::string restingTitle() const override;
    bool heard() const override { return !m_catchingUp; }
    std::uint64_t tickPeriodUs(std::uint64_t gamePeriodUs) const override {
        return m_catchingUp ? 0 : gamePeriodUs;
    }

    // With more ticks than this known beyond the one shown, the game is caught up at once.
    static constexpr std::uint32_t kLiveLagTicks = 8;

private:
    // The server's ticks as the network brings them, with no keys of this machine in them.
    class Following final : public TickSource {
    public:
        explicit Following(WatchRoom& owner) : m_owner(owner) {}
        std::optional<TickInput> inputFor(std::int32_t tick, const TickInput& local) override;
        std::uint8_t leavesOfTick() const override;
        void played(const Gra& gra, bool over) override;

    private:
        WatchRoom& m_owner;
    };

    bool bring(net::SessionConfig&) override { return true; }  // nobody to seat
    void askForGame() override {}  // a spectator never owns the room
    void followed(const Gra& gra);
    void showWatching();
    std::string watchingCode() const;

    Following m_following{*this};
    bool m_catchingUp = false;
};

}  // namespace slyders
