#pragma once

#include <memory>
#include <string>

#include "net/net_session.h"
#include "play/qt/network_game.h"

namespace slyders {

// Being in a room of a dedicated server, entered by its code. The server plays the host's
// part; between games the room's lobby shows its code, who plays and who watches. A player
// (ServerGame) and a spectator (WatchRoom) are each a way of playing of their own.
class RoomGame : public NetworkGame {
public:
    // "Play on a server...": the dialog, the address remembered, then the room.
    static void openServerWindow(PlayTable& table, QWidget* parent, const NetworkPlay& play);
    // Enters the room as the action asks and stays until it is left; a refusal is said in a
    // box.
    static void run(PlayTable& table, QWidget* parent, const NetworkPlay& play,
                    const std::string& address, net::RoomAction action, const std::string& code);
    // The way of being in a room that the action asks for: creating or joining one plays in
    // it, watching one follows its games.
    static std::unique_ptr<RoomGame> forAction(PlayTable& table, QWidget* parent,
                                               const NetworkPlay& play, net::RoomAction action);

    // Enters the room; false, with the reason said in a box, when it cannot be entered.
    bool connect(const std::string& address, const std::string& code);
    // The room's games until it is left or the session stops.
    void play();

protected:
    RoomGame(PlayTable& table, QWidget* parent, const NetworkPlay& play, net::RoomAction action)
        : NetworkGame(table, parent, play), m_action(action) {}

    // What this machine brings into the room; false (said in a box) when it cannot come.
    virtual bool bring(net::SessionConfig& config) = 0;
    // The lobby's Start, which only the room's owner sees.
    virtual void askForGame() = 0;
    const net::GuestSession* guest() const { return m_guest.get(); }
    void requestGame(const net::Start& choices) { m_guest->requestStart(choices); }

private:
    net::Session& session() override { return *m_guest; }

    net::RoomAction m_action;
    std::unique_ptr<net::GuestSession> m_guest;
};

// Playing in a room, created or joined: the first seated player plays with this window's
// keys, and the room's owner starts its games with this window's choices.
class ServerGame final : public RoomGame {
public:
    ServerGame(PlayTable& table, QWidget* parent, const NetworkPlay& play, net::RoomAction action)
        : RoomGame(table, parent, play, action) {}

private:
    bool bring(net::SessionConfig& config) override;
    void askForGame() override;
};

}  // namespace slyders
