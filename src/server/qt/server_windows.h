#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "net/protocol.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace slyders::server {

// "Play on a server...": the server's address (remembered by the caller), and a room to
// create, join or watch by its code.
class ServerDialog final : public QDialog {
    Q_OBJECT

public:
    ServerDialog(QWidget* parent, const std::string& address);
    std::string address() const;
    std::string code() const;
    net::RoomAction action() const { return m_action; }
    // Called when a button is pressed; true closes the dialog (the room was entered).
    void onChoose(std::function<bool()> choose) { m_choose = std::move(choose); }

    // The dialog's parts, for tests that fill it in as a player does.
    QLineEdit* addressField() const { return m_address; }
    QLineEdit* codeField() const { return m_code; }
    QPushButton* button(net::RoomAction action) const;

private:
    void choose(net::RoomAction action);

    QLineEdit* m_address;
    QLineEdit* m_code;
    QPushButton* m_create;
    QPushButton* m_join;
    QPushButton* m_watch;
    net::RoomAction m_action = net::RoomAction::Create;
    std::function<bool()> m_choose;
};

// The room's lobby: its code, large, with a Copy button, who plays, how many watch and the
// server's best players. The owner's Start asks the server for a game; the dialog closes
// by itself when a game starts or the session stops.
class RoomLobby final : public QDialog {
    Q_OBJECT

public:
    struct View {
        std::string code;
        bool owner = false;
        bool playing = false;
        int watchers = 0;
        std::vector<std::string> players;
        std::vector<net::LadderRow> ladder;
    };
    // poll: the room as it stands, or nothing once the dialog should close (accepted).
    RoomLobby(QWidget* parent, std::function<std::optional<View>()> poll,
              std::function<void()> start);

    // What the lobby shows, for tests.
    QString code() const;
    int playerCount() const;
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* startButton() const { return m_start; }

private:
    void refresh();

    std::function<std::optional<View>()> m_poll;
    QLabel* m_code;
    QLabel* m_watchers;
    QListWidget* m_players;
    QListWidget* m_ladder;
    QPushButton* m_copy;
    QPushButton* m_start;
    QTimer* m_timer;
};

}  // namespace slyders::server
