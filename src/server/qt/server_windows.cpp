#include "server/qt/server_windows.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace slyders::server {

namespace {
constexpr int kPollMs = 10;
constexpr int kCodePointSize = 32;
}  // namespace

ServerDialog::ServerDialog(QWidget* parent, const std::string& address) : QDialog(parent) {
    setWindowTitle(tr("Play on a server"));
    auto* form = new QFormLayout;
    m_address = new QLineEdit(QString::fromStdString(address));
    m_address->setAccessibleName(tr("Server address"));
    m_code = new QLineEdit;
    m_code->setMaxLength(int(net::kRoomCodeLength));
    m_code->setAccessibleName(tr("Room code"));
    form->addRow(tr("Server address:"), m_address);
    form->addRow(tr("Room code:"), m_code);
    m_create = new QPushButton(tr("Create room"));
    m_join = new QPushButton(tr("Join room"));
    m_watch = new QPushButton(tr("Watch room"));
    auto* cancel = new QPushButton(tr("Cancel"));
    connect(m_create, &QPushButton::clicked, this, [this] { choose(net::RoomAction::Create); });
    connect(m_join, &QPushButton::clicked, this, [this] { choose(net::RoomAction::Join); });
    connect(m_watch, &QPushButton::clicked, this, [this] { choose(net::RoomAction::Watch); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_create, m_join, m_watch, cancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

QPushButton* ServerDialog::button(net::RoomAction action) const {
    if (action == net::RoomAction::Join) return m_join;
    return action == net::RoomAction::Watch ? m_watch : m_create;
}

std::string ServerDialog::address() const {
    return m_address->text().trimmed().toStdString();
}

std::string ServerDialog::code() const {
    return m_code->text().trimmed().toUpper().toStdString();
}

void ServerDialog::choose(net::RoomAction action) {
    m_action = action;
    if (!m_choose || m_choose()) accept();
}

RoomLobby::RoomLobby(QWidget* parent, std::function<std::optional<View>()> poll,
                     std::function<void()> start)
    : QDialog(parent), m_poll(std::move(poll)) {
    setWindowTitle(tr("Room on the server"));
    m_code = new QLabel;
    QFont big = m_code->font();
    big.setPointSize(kCodePointSize);
    big.setBold(true);
    m_code->setFont(big);
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_copy = new QPushButton(tr("Copy"));
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_code->text()); });
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_code);
    codeRow->addWidget(m_copy);
    m_players = new QListWidget;
    m_players->setAccessibleName(tr("Players"));
    m_ladder = new QListWidget;
    m_ladder->setAccessibleName(tr("The server's best players"));
    m_watchers = new QLabel;
    m_start = new QPushButton(tr("Start"));
    auto* leave = new QPushButton(tr("Leave"));
    connect(m_start, &QPushButton::clicked, this, [start = std::move(start)] { start(); });
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(leave);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Give your friends this code:")));
    layout->addLayout(codeRow);
    layout->addWidget(new QLabel(tr("Players:")));
    layout->addWidget(m_players);
    layout->addWidget(m_watchers);
    layout->addWidget(new QLabel(tr("The server's best players:")));
    layout->addWidget(m_ladder);
    layout->addLayout(buttons);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &RoomLobby::refresh);
    m_timer->start(kPollMs);
    // The first look waits for the dialog to run: a spectator coming in during a game finds
    // its start already there, and a dialog cannot be answered before it is shown.
    QTimer::singleShot(0, this, &RoomLobby::refresh);
}

QString RoomLobby::code() const {
    return m_code->text();
}

int RoomLobby::playerCount() const {
    return m_players->count();
}

void RoomLobby::refresh() {
    const std::optional<View> view = m_poll();
    if (!view) {
        m_timer->stop();
        accept();
        return;
    }
    m_code->setText(QString::fromStdString(view->code));
    QStringList players;
    for (const std::string& n : view->players) players << QString::fromStdString(n);
    if (m_players->count() != players.size() ||
        (players.size() > 0 && m_players->item(0)->text() != players.front())) {
        m_players->clear();
        m_players->addItems(players);
    }
    m_watchers->setText(tr("%n watching", nullptr, view->watchers));
    if (m_ladder->count() != int(view->ladder.size())) {
        m_ladder->clear();
        for (const net::LadderRow& row : view->ladder) {
            m_ladder->addItem(QString("%1  %2").arg(QString::fromStdString(row.name)).arg(row.rating));
        }
    }
    m_start->setVisible(view->owner);
    m_start->setEnabled(view->owner && !view->playing);
}

}  // namespace slyders::server
