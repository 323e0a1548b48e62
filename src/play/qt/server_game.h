#pragma once

#include <memory>
#include <string>

#include "net/net_session.h"
#include "play/qt/network_game.h"

namespace slyders {

// Playing in a room of a dedicated server: created, joined or watched by its code. Players
// are guests of the server, which plays the host's part; the room's owner starts its games
// with this window's choices. A spectator plays what the server sends it and steers nothing.
class ServerGame final : public NetworkGame {
public:
    ServerGame(PlayTable& table, QWidget* parent, const NetworkPlay& play)
        : NetworkGame(table, parent, play) {}
    // "Play on a server...": the dialog, the address remembered, then the room.
    static void openServerWindow(PlayTable& table, QWidget* parent, const NetworkPlay& play);
    // Enters the room (the first seated player plays) and plays; a refusal is said in a box.
    void run(const std::string& address, net::RoomAction action, const std::string& code);
    bool connect(const std::string& address, net::RoomAction action, const std::string& code);
    void play();

private:
    net::Session& session() override { return *m_guest; }
    net::Start choices();

    std::unique_ptr<net::GuestSession> m_guest;
};

}  // namespace slyders
