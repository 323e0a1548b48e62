// The history window as a player uses it: filters, sorting, the buttons on a chosen game and
// the figures of a player.
#include "history/qt/history_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <fstream>

#include "boxes/scripted_boxes.h"
#include "history_support.h"
#include "replay/replay_store.h"
#include "test_support.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;
using test::kDay;

struct HistoryTest {
    HistoryTest() {
        // Ann beats Bob, Bob beats Ann and wins the round, then a DEMO.
        add(test::finishedGame(kDay, {"", "", "Ann", "Bob", "", ""}, {0, 0, 6, 2, 0, 0}, "32"),
            GameKind::Local);
        add(test::finishedGame(kDay + 100, {"", "", "Ann", "Bob", "", ""}, {0, 0, 1, 9, 0, 0}, "23",
                               "10 points reached."),
            GameKind::NetworkGuest);
        Replay demo = test::finishedGame(kDay + 200, {"Alice", "Bob", "", "", "", ""},
                                         {3, 5, 0, 0, 0, 0}, "01");
        demo.start.demo = true;
        add(demo, GameKind::Demo);
    }
    void add(const Replay& r, GameKind kind) {
        std::string error;
        catalogue.added(r, *store.save(r, error), kind);
    }
    // The row of the one game of its kind.
    int rowOf(HistoryWindow& w, const QString& kind) {
        return w.gamesTable()->findItems(kind, Qt::MatchExactly).value(0)->row();
    }

    test::TempFolder folder;
    ReplayStore store{folder.path / "replays"};
    GameCatalogue catalogue{store};
    test::ScriptedBoxes boxes;
};

TEST(HistoryWindow, ListsFiltersAndSortsTheGamesAndWatchesKeepsExportsAndDeletesTheChosen) {
    HistoryTest t;
    HistoryWindow w(t.catalogue, t.boxes, {"Computer 1", "Ann", "Bob"});
    QTableWidget* table = w.gamesTable();
    ASSERT_EQ(w.shownRows(), 3);
    EXPECT_EQ(table->item(0, 1)->text(), "DEMO");  // newest first
    EXPECT_EQ(table->item(1, 2)->text(), "Ann 1, Bob 9");
    EXPECT_EQ(table->item(1, 3)->text(), "Bob");
    EXPECT_EQ(table->item(1, 4)->text(), "Bob");
    w.playerFilter()->setCurrentIndex(w.playerFilter()->findText("Ann"));
    EXPECT_EQ(w.shownRows(), 2);
    w.kindFilter()->setCurrentIndex(w.kindFilter()->findText("Network guest"));
    EXPECT_EQ(w.shownRows(), 1);
    w.playerFilter()->setCurrentIndex(0);
    w.kindFilter()->setCurrentIndex(0);
    table->sortItems(0, Qt::AscendingOrder);
    EXPECT_EQ(table->item(0, 1)->text(), "Local");
    EXPECT_EQ(table->item(2, 1)->text(), "DEMO");

    std::vector<fs::path> exported;
    w.setExportVideo([&](const fs::path& file) { exported.push_back(file); });
    w.gamesTable()->selectRow(t.rowOf(w, "Local"));
    const fs::path local = t.catalogue.replayPath(t.catalogue.games().back());
    w.exportChosen();
    EXPECT_EQ(exported, std::vector<fs::path>{local});

    w.keepChosen();
    EXPECT_FALSE(fs::exists(local));
    const PlayedGame kept = t.catalogue.games().back();
    EXPECT_TRUE(ReplayStore::isKept(kept.file));
    EXPECT_EQ(kept.kind, GameKind::Local);

    w.gamesTable()->selectRow(t.rowOf(w, "DEMO"));
    t.boxes.answers = {false, true};
    w.deleteChosen();  // No
    EXPECT_EQ(t.catalogue.games().size(), 3u);
    w.deleteChosen();  // Yes
    EXPECT_EQ(t.catalogue.games().size(), 2u);
    EXPECT_EQ(t.store.all().size(), 2u);
    EXPECT_EQ(w.shownRows(), 2);

    w.gamesTable()->selectRow(t.rowOf(w, "Local"));
    w.watchChosen();
    EXPECT_EQ(w.toWatch(), t.catalogue.replayPath(kept));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST(HistoryWindow, APlayersFiguresAndTheCatalogueMadeAgain) {
    HistoryTest t;
    std::ofstream(t.catalogue.file(), std::ios::trunc) << "no catalogue at all";
    GameCatalogue damaged(t.store);
    HistoryWindow w(damaged, t.boxes, {"Ann", "Bob"});
    w.tellNotice();
    ASSERT_EQ(t.boxes.informed.size(), 1u);
    EXPECT_NE(t.boxes.informed[0].find("Games found: 3."), std::string::npos);
    w.pages()->setCurrentIndex(1);
    w.statisticsPlayer()->setCurrentIndex(w.statisticsPlayer()->findText("Bob"));
    // Played, won, rounds played, rounds won, mean points, gaps: the DEMO's Bob is not him.
    const QStringList byHand{"2", "1", "1", "1", "5.5", "10"};
    for (int i = 0; i < byHand.size(); ++i) EXPECT_EQ(w.statisticText(i), byHand[i]) << i;
}

}  // namespace
}  // namespace slyders
