#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history/game_catalogue.h"
#include "history/statistics.h"

class QChart;
class QChartView;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace slyders {

class MessageBoxes;

// The "Game history" window: every catalogued game, newest first, filtered by player and kind
// and sorted by any column; a chosen game is watched, kept, exported as a video or deleted.
// A second page tells each player's figures, rating chart and the roster's head-to-head.
class HistoryWindow final : public QDialog {
    Q_OBJECT

public:
    using ReplayHook = std::function<void(const std::filesystem::path&)>;

    // rosterNames: the roster's players in roster order (the head-to-head table's players).
    HistoryWindow(GameCatalogue& catalogue, MessageBoxes& boxes,
                  std::vector<std::string> rosterNames, QWidget* parent = nullptr);

    // "Export video...": handed the chosen game's replay; unset, the button is off.
    void setExportVideo(ReplayHook hook);
    // The replay chosen with "Watch": the window closed to let it be watched.
    const std::optional<std::filesystem::path>& toWatch() const { return m_toWatch; }

    // For tests and the keyboard: the rows shown, top to bottom, and choosing one.
    int shownRows() const;
    QTableWidget* gamesTable() const { return m_table; }
    QComboBox* playerFilter() const { return m_playerFilter; }
    QComboBox* kindFilter() const { return m_kindFilter; }
    QComboBox* statisticsPlayer() const { return m_statsPlayer; }
    QTabWidget* pages() const { return m_pages; }
    QString statisticText(int row) const;
    // The catalogue's notice, when it had to be made again, is told once the window shows.
    void tellNotice();

    void watchChosen();
    void keepChosen();
    void exportChosen();
    void deleteChosen();

private:
    QWidget* buildGamesPage();
    QWidget* buildStatisticsPage();
    QWidget* buildFilterRow();
    QWidget* buildButtonRow();
    void reload();
    void fillTable();
    void fillFilters();
    void applyFilter();
    void updateButtons();
    const PlayedGame* chosen() const;
    void showStatistics();
    void showRatingChart(const std::string& name);
    void fillHeadToHead();
    void replaceChart(QChart* chart);

    GameCatalogue& m_catalogue;
    MessageBoxes& m_boxes;
    std::vector<std::string> m_rosterNames;
    std::vector<PlayedGame> m_games;
    std::vector<PlayerStatistics> m_stats;
    std::map<std::string, std::vector<RatingPoint>> m_ratings;
    ReplayHook m_exportVideo;
    std::optional<std::filesystem::path> m_toWatch;

    QTabWidget* m_pages = nullptr;
    QTableWidget* m_table = nullptr;
    QComboBox* m_playerFilter = nullptr;
    QComboBox* m_kindFilter = nullptr;
    QPushButton* m_watch = nullptr;
    QPushButton* m_keep = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_delete = nullptr;
    QComboBox* m_statsPlayer = nullptr;
    std::vector<QLabel*> m_figures;
    QChartView* m_chart = nullptr;
    QTableWidget* m_headToHead = nullptr;
};

}  // namespace slyders
