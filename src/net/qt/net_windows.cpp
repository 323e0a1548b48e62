#include "net/qt/net_windows.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "boxes/qt/box_language.h"
#include "net/enet_transport.h"
#include "net/lockstep.h"
#include "game/tick_pace.h"

namespace slyders::net {

namespace {
constexpr int kLobbyPollMs = 5;  // often: the pings shown, and the delay, count the wait for it
constexpr int kWaitPollMs = 5;
constexpr int kBrowsePollMs = 100;         // answers from the local network are read this often
enum GameColumn { kMachineColumn, kPlayersColumn, kSeatsColumn, kPasswordColumn, kAddressColumn };

QString players(const MachineInfo& m) {
    return QString::fromStdString(m.label());
}
}  // namespace

NetLobby::NetLobby(QWidget* parent, HostSession& host, int speedLevel, std::string machine)
    : QDialog(parent), m_host(host), m_speed(speedLevel) {
    setWindowTitle(tr("Host network game"));
    setObjectName("NetLobby");
    auto* layout = new QVBoxLayout(this);
    for (const std::string& a : localAddresses()) m_where << QString::fromStdString(a);
    m_where << QString::fromStdString(machine);
    m_addresses = new QLabel(this);
    m_addresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_addresses);
    m_mapping = new QLabel(this);
    m_mapping->setObjectName("portMapping");
    m_mapping->setWordWrap(true);
    m_mapping->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_mapping->hide();
    layout->addWidget(m_mapping);

    m_machines = new QTreeWidget(this);
    m_machines->setObjectName("machines");
    m_machines->setAccessibleName(tr("Machines in the game"));
    m_machines->setRootIsDecorated(false);
    m_machines->setHeaderLabels({tr("Machine"), tr("Players"), tr("Ping")});
    m_machines->header()->setStretchLastSection(false);
    m_machines->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(m_machines);

    m_seats = new QLabel(this);
    m_delay = new QLabel(this);
    layout->addWidget(m_seats);
    layout->addWidget(m_delay);

    auto* form = new QFormLayout;
    m_password = new QLineEdit(this);
    m_password->setObjectName("password");
    m_password->setPlaceholderText(tr("none: anybody may join"));
    form->addRow(tr("Password:"), m_password);
    m_port = new QSpinBox(this);
    m_port->setObjectName("port");
    m_port->setRange(1, 0xFFFF);
    m_port->setValue(host.port());
    m_port->setKeyboardTracking(false);  // the game moves once the number is typed
    form->addRow(tr("Port:"), m_port);
    m_portNote = new QLabel(this);
    m_portNote->setWordWrap(true);
    form->addRow(m_portNote);
    layout->addLayout(form);
    connect(m_port, &QSpinBox::valueChanged, this, [this] { movePort(); });
    showAddresses();
    connect(m_password, &QLineEdit::textChanged, this,
            [this](const QString& p) { m_host.setPassword(p.toStdString()); });

    auto* buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(tr("Start"), QDialogButtonBox::AcceptRole);
    m_start->setObjectName("start");
    buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_host.service(0);
        refresh();
        showMapping();
        if (m_autoStart > 0 && m_host.guestsPresent() >= m_autoStart) accept();
    });
    m_timer->start(kLobbyPollMs);
    refresh();
    resize(460, 360);
}

void NetLobby::showAddresses() {
    m_addresses->setText(tr("Give your friends this address and port:\n%1\nport %2")
                             .arg(m_where.join(tr("  or  ")))
                             .arg(m_host.port()));
    const int wanted = m_host.requestedPort();
    m_portNote->setText(
        wanted == 0 || wanted == m_host.port()
            ? QString()
            : tr("Port %1 is busy: the game is at port %2.").arg(wanted).arg(m_host.port()));
    const QSignalBlocker quiet(m_port);
    m_port->setValue(m_host.port());
}

void NetLobby::movePort() {
    if (m_port->value() == m_host.port()) return;
    std::string error;
    const bool moved = m_host.reopenNear(std::uint16_t(m_port->value()), error);
    showAddresses();
    if (!moved) m_portNote->setText(boxText(error));
    if (m_mapper) m_mapper->setPort(m_host.port());
}

void NetLobby::watchPortMapping(PortOpener* mapper) {
    m_mapper = mapper;
    m_mapping->setVisible(mapper != nullptr);
    showMapping();
}

void NetLobby::showMapping() {
    if (!m_mapper) return;
    const MappingStatus status = m_mapper->status();
    QString text;
    switch (status.state) {
        case Mapping::Asking:
            text = tr("Asking your router to open port %1 to the internet...").arg(status.port);
            break;
        case Mapping::Open:
            text = tr("Friends on the internet join %1 (your router opened it by %2).")
                       .arg(QString::fromStdString(status.external),
                            QString::fromStdString(status.via));
            break;
        case Mapping::Closed:
            text = tr("Your router did not open port %1 to the internet: friends outside your "
                      "home network can join only once the port is forwarded to this machine in "
                      "the router's settings. Or all of you play through a Slyders server.")
                       .arg(status.port);
            break;
    }
    if (m_mapping->text() != text) m_mapping->setText(text);
}

QString NetLobby::mappingText() const {
    return m_mapping->text();
}

QString NetLobby::portNote() const {
    return m_portNote->text();
}

void NetLobby::refresh() {
    const auto& machines = m_host.machines();
    m_machines->clear();
    for (std::size_t i = 0; i < machines.size(); ++i) {
        const MachineInfo& m = machines[i];
        const QString ping = i == 0 ? tr("this machine") : tr("%1 ms").arg(std::lround(m.pingMs));
        m_machines->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(m.machine), players(m), ping}));
    }
    const int free = m_host.freeSeats();
    m_seats->setText(free == 1 ? tr("1 seat is free.") : tr("%1 seats are free.").arg(free));
    const int d = m_host.chooseDelay(m_speed);
    const int delayMs = d * tickPeriodMs(m_speed);
    m_delay->setText(d == 1 ? tr("Input delay: 1 tick (%1 ms)").arg(delayMs)
                            : tr("Input delay: %1 ticks (%2 ms)").arg(d).arg(delayMs));
    m_start->setEnabled(m_host.guestsPresent() > 0);
    m_port->setEnabled(m_host.guestsPresent() == 0);  // a guest keeps the port it came by
}

std::vector<std::string> NetLobby::rows() const {
    std::vector<std::string> out;
    for (int i = 0; i < m_machines->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_machines->topLevelItem(i);
        out.push_back(
            (item->text(0) + " | " + item->text(1) + " | " + item->text(2)).toStdString());
    }
    return out;
}

QString NetLobby::delayText() const {
    return m_delay->text();
}

QString NetLobby::addressText() const {
    return m_addresses->text();
}

JoinDialog::JoinDialog(QWidget* parent, const std::vector<std::string>& players, int chosen,
                       const std::string& address)
    : QDialog(parent) {
    setWindowTitle(tr("Join network game"));
    setObjectName("JoinDialog");
    auto* layout = new QVBoxLayout(this);
    m_gamesNote = new QLabel(this);
    m_gamesNote->hide();
    layout->addWidget(m_gamesNote);
    m_games = new QTreeWidget(this);
    m_games->setObjectName("localGames");
    m_games->setRootIsDecorated(false);
    m_games->setHeaderLabels({tr("Machine"), tr("Players"), tr("Free seats"), tr("Password"),
                              tr("Address")});
    m_games->header()->setSectionResizeMode(kPlayersColumn, QHeaderView::Stretch);
    m_games->header()->setStretchLastSection(false);
    m_games->hide();
    layout->addWidget(m_games);
    auto* form = new QFormLayout;
    m_address = new QLineEdit(QString::fromStdString(address), this);
    m_address->setObjectName("hostAddress");
    m_address->setPlaceholderText(tr("name or IP, optionally :port (%1)").arg(kDefaultPort));
    form->addRow(tr("Host address:"), m_address);
    m_player = new QComboBox(this);
    m_player->setObjectName("player");
    for (const std::string& p : players) m_player->addItem(QString::fromStdString(p));
    if (chosen >= 0 && chosen < int(players.size())) m_player->setCurrentIndex(chosen);
    form->addRow(tr("Player:"), m_player);
    auto* addRow = new QHBoxLayout;
    m_newPlayer = new QLineEdit(this);
    m_newPlayer->setObjectName("newPlayer");
    m_newPlayer->setPlaceholderText(tr("a name not in the list yet"));
    m_addPlayer = new QPushButton(tr("Add"), this);
    m_addPlayer->setObjectName("addPlayer");
    m_addPlayer->setAutoDefault(false);  // Enter joins, it does not add
    connect(m_addPlayer, &QPushButton::clicked, this, &JoinDialog::addPlayer);
    addRow->addWidget(m_newPlayer);
    addRow->addWidget(m_addPlayer);
    auto* newPlayerLabel = new QLabel(tr("New player:"), this);
    newPlayerLabel->setBuddy(m_newPlayer);  // a row of two has no buddy of its own
    form->addRow(newPlayerLabel, addRow);
    m_password = new QLineEdit(this);
    m_password->setObjectName("password");
    m_password->setPlaceholderText(tr("if the host set one"));
    form->addRow(tr("Password:"), m_password);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    m_join = buttons->addButton(tr("Join"), QDialogButtonBox::AcceptRole);
    m_join->setObjectName("join");
    buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinDialog::tryJoin);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    auto ready = [this] {
        m_join->setEnabled(!m_address->text().trimmed().isEmpty() && m_player->currentIndex() >= 0);
    };
    connect(m_address, &QLineEdit::textChanged, this, ready);
    connect(m_player, &QComboBox::currentIndexChanged, this, ready);
    ready();
    resize(380, 190);
}

void JoinDialog::browse(std::vector<std::string> targets, std::uint16_t port) {
    m_browser = std::make_unique<DiscoveryBrowser>(std::move(targets), port);
    std::string error;
    m_gamesNote->show();
    if (!m_browser->open(error)) {
        m_gamesNote->setText(boxText(error));
        m_browser.reset();
        return;
    }
    m_games->show();
    m_gamesNote->setText(tr("Looking for games on the local network..."));
    // A click takes the game's address; a double-click joins it at once.
    connect(m_games, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { m_address->setText(item->text(kAddressColumn)); });
    connect(m_games, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_address->setText(item->text(kAddressColumn));
        if (m_join->isEnabled()) tryJoin();
    });
    auto* timer = new QTimer(this);
    auto polls = std::make_shared<int>(0);
    // After the first round of answers an empty list is said to be empty.
    constexpr int kFirstRoundPolls = kQueryEveryMs / kBrowsePollMs;
    connect(timer, &QTimer::timeout, this, [this, polls] {
        if (m_browser->poll() || ++*polls == kFirstRoundPolls) showGames();
    });
    connect(this, &QDialog::finished, timer, &QTimer::stop);
    timer->start(kBrowsePollMs);
    m_browser->poll();  // the first question goes out at once
    resize(width(), height() + 160);
}

void JoinDialog::showGames() {
    const QString chosen = m_games->currentItem() ? m_games->currentItem()->text(kAddressColumn)
                                                  : QString();
    m_games->clear();
    for (const FoundGame& g : m_browser->games()) {
        auto* item = new QTreeWidgetItem(
            {QString::fromStdString(g.ad.machine), QString::fromStdString(g.ad.players),
             QString::number(g.ad.freeSeats), g.ad.password ? tr("needed") : tr("none"),
             QString::fromStdString(g.address)});
        m_games->addTopLevelItem(item);
        if (item->text(kAddressColumn) == chosen) m_games->setCurrentItem(item);
    }
    m_gamesNote->setText(m_browser->games().empty()
                             ? tr("No game on the local network at the moment.")
                             : tr("Games on the local network (double-click one to join):"));
}

void JoinDialog::tryJoin() {
    if (!m_attempt || m_attempt()) accept();
}

void JoinDialog::addPlayer() {
    // Trimmed as the players dialog trims a new name.
    const QString name = m_newPlayer->text().trimmed();
    m_newPlayer->setText(name);
    if (!m_add || !m_add(name.toStdString())) return;
    m_player->addItem(name);
    m_player->setCurrentIndex(m_player->count() - 1);
    m_newPlayer->clear();
}

std::string JoinDialog::address() const {
    return m_address->text().trimmed().toStdString();
}

int JoinDialog::player() const {
    return m_player->currentIndex();
}

std::string JoinDialog::password() const {
    return m_password->text().toStdString();
}

WaitWindow::WaitWindow(QWidget* parent, const QString& text, std::function<bool()> poll)
    : QDialog(parent), m_poll(std::move(poll)) {
    setWindowTitle(tr("Network game"));
    setObjectName("WaitWindow");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    auto* buttons = new QDialogButtonBox(this);
    // Enter, pressed once too often after the round's box, must not leave the game.
    buttons->addButton(tr("Leave"), QDialogButtonBox::RejectRole)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        if (m_poll()) accept();
    });
    connect(this, &QDialog::finished, timer, &QTimer::stop);  // one answer, then silence
    timer->start(kWaitPollMs);
}

}  // namespace slyders::net
