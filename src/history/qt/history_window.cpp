#include "history/qt/history_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <set>

#include "boxes/message_boxes.h"
#include "boxes/qt/box_language.h"
#include "replay/replay_store.h"

namespace slyders {

namespace {

enum Column { kDate, kKind, kPlayers, kWinner, kRound, kLength, kReplay, kColumnCount };

constexpr int kWindowWidth = 960, kWindowHeight = 600;
constexpr int kSecondsPerMinute = 60;
constexpr qint64 kMsPerSecond = 1000;
constexpr int kDaySeconds = 24 * 60 * 60;
constexpr int kFullRating = 100;
constexpr int kFigureCount = 6;
constexpr int kChartHeight = 240;
constexpr int kGameIndexRole = Qt::UserRole;

// A cell that sorts by a number of its own rather than by the text it shows.
class NumberItem final : public QTableWidgetItem {
public:
    NumberItem(const QString& text, double key) : QTableWidgetItem(text), m_key(key) {}
    bool operator<(const QTableWidgetItem& other) const override {
        if (const auto* n = dynamic_cast<const NumberItem*>(&other)) return m_key < n->m_key;
        return QTableWidgetItem::operator<(other);
    }

private:
    double m_key;
};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QString dateText(std::int64_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString lengthText(double seconds) {
    const int whole = int(seconds + 0.5);
    return QStringLiteral("%1:%2")
        .arg(whole / kSecondsPerMinute)
        .arg(whole % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
}

QString playersText(const PlayedGame& g) {
    QStringList parts;
    for (const SlotRecord& s : g.slots)
        parts << QStringLiteral("%1 %2").arg(qs(s.name)).arg(s.points);
    return parts.join(QStringLiteral(", "));
}

QString nameOfSlot(const PlayedGame& g, int slot) {
    const SlotRecord* s = g.slotOf(slot);
    return s ? qs(s->name) : QString();
}

// The kinds' names as kindName() gives them, marked for translation.
constexpr const char* kKindTexts[kGameKindCount] = {
    QT_TRANSLATE_NOOP("HistoryWindow", "Local"),
    QT_TRANSLATE_NOOP("HistoryWindow", "DEMO"),
    QT_TRANSLATE_NOOP("HistoryWindow", "Network"),
    QT_TRANSLATE_NOOP("HistoryWindow", "Network host"),
    QT_TRANSLATE_NOOP("HistoryWindow", "Network guest"),
    QT_TRANSLATE_NOOP("HistoryWindow", "Server"),
};

QString kindText(GameKind kind) {
    const int k = std::clamp(int(kind), 0, kGameKindCount - 1);
    return QCoreApplication::translate("HistoryWindow", kKindTexts[k]);
}

bool hasPlayer(const PlayedGame& g, const std::string& name) {
    return std::any_of(g.slots.begin(), g.slots.end(),
                       [&](const SlotRecord& s) { return s.name == name; });
}

}  // namespace

HistoryWindow::HistoryWindow(GameCatalogue& catalogue, MessageBoxes& boxes,
                             std::vector<std::string> rosterNames, QWidget* parent)
    : QDialog(parent),
      m_catalogue(catalogue),
      m_boxes(boxes),
      m_rosterNames(std::move(rosterNames)) {
    setWindowTitle(tr("Game history"));
    m_pages = new QTabWidget(this);
    m_pages->addTab(buildGamesPage(), tr("&Games"));
    m_pages->addTab(buildStatisticsPage(), tr("&Statistics"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(close);
    resize(kWindowWidth, kWindowHeight);
    reload();
}

// ---------------------------------------------------------------- the games page

QWidget* HistoryWindow::buildGamesPage() {
    auto* page = new QWidget(this);
    // The filters come first on the keyboard too, as they stand above the table.
    QWidget* filters = buildFilterRow();
    m_table = new QTableWidget(0, kColumnCount, page);
    m_table->setHorizontalHeaderLabels({tr("Date"), tr("Kind"), tr("Players and points"),
                                        tr("Winner"), tr("Round won by"), tr("Length"),
                                        tr("Replay")});
    m_table->setAccessibleName(tr("Games"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(kPlayers, QHeaderView::Stretch);
    m_table->setSortingEnabled(true);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] { updateButtons(); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { watchChosen(); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(filters);
    layout->addWidget(m_table);
    layout->addWidget(buildButtonRow());
    return page;
}

QWidget* HistoryWindow::buildFilterRow() {
    auto* row = new QWidget(this);
    m_playerFilter = new QComboBox(row);
    m_kindFilter = new QComboBox(row);
    auto* player = new QLabel(tr("&Player:"), row);
    auto* kind = new QLabel(tr("&Kind:"), row);
    player->setBuddy(m_playerFilter);
    kind->setBuddy(m_kindFilter);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{player, m_playerFilter, kind, m_kindFilter}) {
        layout->addWidget(w);
    }
    layout->addStretch();
    for (QComboBox* box : {m_playerFilter, m_kindFilter}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] { applyFilter(); });
    }
    return row;
}

QWidget* HistoryWindow::buildButtonRow() {
    auto* row = new QWidget(this);
    m_watch = new QPushButton(tr("&Watch"), row);
    m_keep = new QPushButton(tr("K&eep"), row);
    m_export = new QPushButton(tr("E&xport video..."), row);
    m_delete = new QPushButton(tr("&Delete"), row);
    m_keep->setToolTip(tr("Keep this replay for good: old replays are removed, kept ones stay."));
    connect(m_watch, &QPushButton::clicked, this, [this] { watchChosen(); });
    connect(m_keep, &QPushButton::clicked, this, [this] { keepChosen(); });
    connect(m_export, &QPushButton::clicked, this, [this] { exportChosen(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteChosen(); });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {m_watch, m_keep, m_export, m_delete}) layout->addWidget(b);
    layout->addStretch();
    return row;
}

// The folder may have changed since the last game (a replay kept while watching it, one removed
// by hand): the list follows it before it is shown.
void HistoryWindow::reload() {
    m_catalogue.sync();
    m_games = m_catalogue.games();
    m_stats = playerStatistics(m_games);
    m_ratings = ratingHistory(m_games, m_rosterNames);
    fillFilters();
    fillTable();
    fillHeadToHead();
    showStatistics();
}

void HistoryWindow::fillFilters() {
    const QString player = m_playerFilter->currentData().toString();
    const int kind =
        m_kindFilter->currentData().isValid() ? m_kindFilter->currentData().toInt() : -1;
    const QString statsPlayer = m_statsPlayer->currentText();
    QSignalBlocker a(m_playerFilter), b(m_kindFilter), c(m_statsPlayer);
    std::set<std::string> names;
    for (const PlayedGame& g : m_games) {
        for (const SlotRecord& s : g.slots) names.insert(s.name);
    }
    m_playerFilter->clear();
    m_playerFilter->addItem(tr("All players"), QString());
    for (const std::string& n : names) m_playerFilter->addItem(qs(n), qs(n));
    m_playerFilter->setCurrentIndex(std::max(0, m_playerFilter->findData(player)));
    m_kindFilter->clear();
    m_kindFilter->addItem(tr("All kinds"), -1);
    for (int k = 0; k < kGameKindCount; ++k) m_kindFilter->addItem(kindText(GameKind(k)), k);
    m_kindFilter->setCurrentIndex(std::max(0, m_kindFilter->findData(kind)));
    m_statsPlayer->clear();
    for (const PlayerStatistics& p : m_stats) m_statsPlayer->addItem(qs(p.name));
    // The player of the most games comes first, unless one was chosen already.
    const auto most = std::max_element(
        m_stats.begin(), m_stats.end(),
        [](const PlayerStatistics& a, const PlayerStatistics& b) { return a.games < b.games; });
    int chosen = m_statsPlayer->findText(statsPlayer);
    if (chosen < 0 && most != m_stats.end()) chosen = int(most - m_stats.begin());
    m_statsPlayer->setCurrentIndex(std::max(0, chosen));
}

void HistoryWindow::fillTable() {
    m_table->setSortingEnabled(false);
    m_table->clearContents();
    m_table->setRowCount(int(m_games.size()));
    for (std::size_t i = 0; i < m_games.size(); ++i) {
        const PlayedGame& g = m_games[i];
        const int row = int(i);
        // Newest first, also among games started in the same second.
        auto* date = new NumberItem(dateText(g.startedAt), -double(i));
        date->setData(kGameIndexRole, row);
        m_table->setItem(row, kDate, date);
        m_table->setItem(row, kKind, new QTableWidgetItem(kindText(g.kind)));
        m_table->setItem(row, kPlayers, new QTableWidgetItem(playersText(g)));
        m_table->setItem(
            row, kWinner,
            new QTableWidgetItem(g.winner >= 0 ? nameOfSlot(g, g.winner) : tr("draw")));
        m_table->setItem(row, kRound, new QTableWidgetItem(nameOfSlot(g, g.roundWinner)));
        m_table->setItem(row, kLength, new NumberItem(lengthText(g.seconds), g.seconds));
        auto* file = new QTableWidgetItem(qs(g.file));
        if (ReplayStore::isKept(g.file)) file->setToolTip(tr("Kept for good"));
        m_table->setItem(row, kReplay, file);
    }
    m_table->setSortingEnabled(true);
    m_table->sortItems(kDate, Qt::DescendingOrder);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(kPlayers, QHeaderView::Stretch);
    applyFilter();
}

void HistoryWindow::applyFilter() {
    const std::string player = m_playerFilter->currentData().toString().toStdString();
    const int kind =
        m_kindFilter->currentData().isValid() ? m_kindFilter->currentData().toInt() : -1;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem* item = m_table->item(row, kDate);
        if (!item) continue;
        const PlayedGame& g = m_games[std::size_t(item->data(kGameIndexRole).toInt())];
        const bool shown =
            (player.empty() || hasPlayer(g, player)) && (kind < 0 || int(g.kind) == kind);
        m_table->setRowHidden(row, !shown);
    }
    updateButtons();
}

int HistoryWindow::shownRows() const {
    int shown = 0;
    for (int row = 0; row < m_table->rowCount(); ++row) shown += m_table->isRowHidden(row) ? 0 : 1;
    return shown;
}

const PlayedGame* HistoryWindow::chosen() const {
    const auto rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty() || m_table->isRowHidden(rows.front().row())) return nullptr;
    const QTableWidgetItem* item = m_table->item(rows.front().row(), kDate);
    return item ? &m_games[std::size_t(item->data(kGameIndexRole).toInt())] : nullptr;
}

void HistoryWindow::updateButtons() {
    const PlayedGame* g = chosen();
    m_watch->setEnabled(g);
    m_keep->setEnabled(g && !ReplayStore::isKept(g->file));
    m_export->setEnabled(g && m_exportVideo);
    m_delete->setEnabled(g);
}

void HistoryWindow::setExportVideo(ReplayHook hook) {
    m_exportVideo = std::move(hook);
    updateButtons();
}

void HistoryWindow::watchChosen() {
    if (const PlayedGame* g = chosen()) {
        m_toWatch = m_catalogue.replayPath(*g);
        accept();
    }
}

void HistoryWindow::keepChosen() {
    const PlayedGame* g = chosen();
    std::string error;
    if (!g || ReplayStore::isKept(g->file)) return;
    if (!m_catalogue.keep(*g, error)) m_boxes.error(tr("Keep this replay").toStdString(), error);
    reload();
}

void HistoryWindow::exportChosen() {
    if (const PlayedGame* g = chosen(); g && m_exportVideo)
        m_exportVideo(m_catalogue.replayPath(*g));
}

void HistoryWindow::deleteChosen() {
    const PlayedGame* g = chosen();
    if (!g || !m_boxes.ask(tr("Delete the replay of this game for good?").toStdString())) return;
    std::string error;
    if (!m_catalogue.remove(*g, error))
        m_boxes.error(tr("Delete this replay").toStdString(), error);
    reload();
}

void HistoryWindow::tellNotice() {
    if (!m_catalogue.open()) {
        m_boxes.error(tr("Game history").toStdString(), m_catalogue.error());
        return;
    }
    const auto rebuilt = m_catalogue.takeRebuild();
    if (!rebuilt) return;
    const QString folder = QString::fromStdString(m_catalogue.replayFolder().string());
    const QString found = tr("Games found: %1.").arg(rebuilt->replays);
    const QString text =
        (rebuilt->damaged
             ? tr("The game history could not be read (%1); it was made again from the replays "
                  "in %2.")
                   .arg(boxText(rebuilt->why), folder)
             : tr("The game history was not found; it was made again from the replays in %1.")
                   .arg(folder)) +
        "\n" + found;
    m_boxes.inform(text.toStdString());
}

// ---------------------------------------------------------------- the statistics page

QWidget* HistoryWindow::buildStatisticsPage() {
    auto* page = new QWidget(this);
    m_statsPlayer = new QComboBox(page);
    m_statsPlayer->setAccessibleName(tr("Player"));
    connect(m_statsPlayer, &QComboBox::currentIndexChanged, this, [this] { showStatistics(); });
    auto* figures = new QFormLayout;
    figures->addRow(tr("P&layer:"), m_statsPlayer);
    const QString labels[kFigureCount] = {tr("Games played:"),         tr("Games won:"),
                                          tr("Rounds played:"),        tr("Rounds won:"),
                                          tr("Mean points per game:"), tr("Gaps crossed:")};
    for (const QString& label : labels) {
        m_figures.push_back(new QLabel(page));
        figures->addRow(label, m_figures.back());
    }
    m_chart = new QChartView(page);
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(kChartHeight);
    m_headToHead = new QTableWidget(page);
    m_headToHead->setAccessibleName(tr("Head to head"));
    m_headToHead->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* top = new QHBoxLayout;
    top->addLayout(figures);
    top->addWidget(m_chart, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(new QLabel(tr("Head to head (games with more points than the column's "
                                    "player, and with fewer):"),
                                 page));
    layout->addWidget(m_headToHead);
    return page;
}

QString HistoryWindow::statisticText(int row) const {
    return row >= 0 && row < int(m_figures.size()) ? m_figures[std::size_t(row)]->text()
                                                   : QString();
}

void HistoryWindow::showStatistics() {
    const std::string name = m_statsPlayer->currentText().toStdString();
    const auto it = std::find_if(m_stats.begin(), m_stats.end(),
                                 [&](const PlayerStatistics& p) { return p.name == name; });
    const PlayerStatistics p = it != m_stats.end() ? *it : PlayerStatistics{};
    const QString values[kFigureCount] = {QString::number(p.games),
                                          QString::number(p.gamesWon),
                                          QString::number(p.rounds),
                                          QString::number(p.roundsWon),
                                          QString::number(p.meanPoints(), 'f', 1),
                                          QString::number(p.gaps)};
    for (int i = 0; i < kFigureCount; ++i) m_figures[std::size_t(i)]->setText(values[i]);
    showRatingChart(name);
}

void HistoryWindow::showRatingChart(const std::string& name) {
    auto* chart = new QChart;
    chart->legend()->hide();
    auto* series = new QLineSeries;
    series->setPointsVisible(true);
    const auto it = m_ratings.find(name);
    qint64 first = 0, last = 0;
    if (it != m_ratings.end() && !it->second.empty()) {
        for (const RatingPoint& r : it->second)
            series->append(double(r.at * kMsPerSecond), r.rating);
        first = it->second.front().at, last = it->second.back().at;
        chart->setTitle(tr("Rating after each round played"));
    } else {
        chart->setTitle(tr("No round finished yet"));
    }
    chart->addSeries(series);
    if (series->count() == 0) {
        return replaceChart(chart);  // no axes around nothing: a chart of 1970 tells nothing
    }
    if (first == last) first -= kDaySeconds, last += kDaySeconds;
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("yyyy-MM-dd"));
    x->setRange(QDateTime::fromSecsSinceEpoch(first), QDateTime::fromSecsSinceEpoch(last));
    auto* y = new QValueAxis;
    y->setRange(0, kFullRating);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(tr("Rating"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    replaceChart(chart);
}

// The view does not own the chart it shows: the one before goes here.
void HistoryWindow::replaceChart(QChart* chart) {
    QChart* old = m_chart->chart();
    m_chart->setChart(chart);
    delete old;
}

// The roster's players who played any counted game, each against each.
void HistoryWindow::fillHeadToHead() {
    std::vector<std::string> names;
    for (const std::string& n : m_rosterNames) {
        if (std::any_of(m_stats.begin(), m_stats.end(),
                        [&](const PlayerStatistics& p) { return p.name == n; })) {
            names.push_back(n);
        }
    }
    const auto table = headToHead(m_games, names);
    const int n = int(names.size());
    m_headToHead->clear();
    m_headToHead->setRowCount(n);
    m_headToHead->setColumnCount(n);
    QStringList labels;
    for (const std::string& name : names) labels << qs(name);
    m_headToHead->setHorizontalHeaderLabels(labels);
    m_headToHead->setVerticalHeaderLabels(labels);
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            const HeadToHead& h = table[std::size_t(a)][std::size_t(b)];
            auto* cell =
                new QTableWidgetItem(a == b ? QStringLiteral("-")
                                            : QStringLiteral("%1 : %2").arg(h.ahead).arg(h.behind));
            cell->setTextAlignment(Qt::AlignCenter);
            if (a != b) cell->setToolTip(tr("%n game(s) together", "", h.games));
            m_headToHead->setItem(a, b, cell);
        }
    }
    m_headToHead->resizeColumnsToContents();
}

}  // namespace slyders
