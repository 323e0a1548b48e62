#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "net/discovery.h"
#include "net/net_session.h"
#include "net/port_mapping.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QTreeWidget;

namespace slyders::net {

// The host's lobby: where friends connect to, who has joined (machine, players, ping), the
// input delay the pings give, an optional password, and "Start". The session is serviced
// while the lobby is open; accepted means Start.
class NetLobby final : public QDialog {
    Q_OBJECT

public:
    NetLobby(QWidget* parent, HostSession& host, int speedLevel, std::string machine);

    // Starts by itself once this many guests are there (0: only the Start button does).
    void startWhenJoined(int guests) { m_autoStart = guests; }
    // Shown, for tests: the rows of the machines table as "machine | players | ping".
    std::vector<std::string> rows() const;
    QString delayText() const;
    QString addressText() const;
    QPushButton* startButton() const { return m_start; }
    QLineEdit* passwordField() const { return m_password; }
    // The port friends connect to: typed, it moves the game there, or to the first free
    // port after it when that one is busy, and says so.
    QSpinBox* portField() const { return m_port; }
    QString portNote() const;
    // Shows what the router said about the port (nothing: no line).
    void watchPortMapping(PortOpener* mapper);
    QString mappingText() const;

private:
    void refresh();
    void showMapping();
    void showAddresses();
    void movePort();

    HostSession& m_host;
    QStringList m_where;
    int m_speed;
    int m_autoStart = 0;
    QLabel* m_addresses = nullptr;
    QTreeWidget* m_machines = nullptr;
    QLabel* m_seats = nullptr;
    QLabel* m_delay = nullptr;
    QLineEdit* m_password = nullptr;
    QSpinBox* m_port = nullptr;
    QLabel* m_portNote = nullptr;
    QLabel* m_mapping = nullptr;
    PortOpener* m_mapper = nullptr;
    QPushButton* m_start = nullptr;
    QTimer* m_timer = nullptr;
};

// "Join network game...": the host's address (a name or IP, with an optional :port), the
// player of this machine's roster who joins, and the host's password if it set one.
class JoinDialog final : public QDialog {
    Q_OBJECT

public:
    JoinDialog(QWidget* parent, const std::vector<std::string>& players, int chosen,
               const std::string& address);

    std::string address() const;
    int player() const;  // the roster index, -1 for none
    std::string password() const;
    QLineEdit* addressField() const { return m_address; }
    QComboBox* playerBox() const { return m_player; }
    QLineEdit* passwordField() const { return m_password; }
    QPushButton* joinButton() const { return m_join; }
    QLineEdit* newPlayerField() const { return m_newPlayer; }
    // Lists the games that answer at the targets' port; a double-click joins one.
    void browse(std::vector<std::string> targets, std::uint16_t port);
    QTreeWidget* gamesList() const { return m_games; }
    QPushButton* addPlayerButton() const { return m_addPlayer; }
    // Join tries this and closes only when it says the game was joined; unset, Join closes.
    void onJoin(std::function<bool()> attempt) { m_attempt = std::move(attempt); }
    // Add puts a new name in the roster through this; true when it was taken.
    void onAddPlayer(std::function<bool(const std::string&)> add) { m_add = std::move(add); }

private:
    void tryJoin();
    void addPlayer();
    void showGames();

    std::function<bool()> m_attempt;
    std::function<bool(const std::string&)> m_add;
    QLineEdit* m_newPlayer = nullptr;
    QPushButton* m_addPlayer = nullptr;
    QLineEdit* m_address = nullptr;
    QComboBox* m_player = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_join = nullptr;
    QTreeWidget* m_games = nullptr;
    QLabel* m_gamesNote = nullptr;
    std::unique_ptr<DiscoveryBrowser> m_browser;
};

// A guest between games: "Waiting for the host..." until poll() says the wait is over
// (accepted); "Leave" rejects it.
class WaitWindow final : public QDialog {
    Q_OBJECT

public:
    WaitWindow(QWidget* parent, const QString& text, std::function<bool()> poll);

private:
    std::function<bool()> m_poll;
};

}  // namespace slyders::net
