#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "replay/replay_store.h"
#include "sim/sim_game.h"
#include "test_support.h"
#include "video/qt/export_video_dialog.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;

constexpr qint64 kPatienceMs = 60000;

// Runs the window's events until the export has ended, or gives up.
bool waitForEnd(ExportVideoDialog& dialog) {
    QElapsedTimer clock;
    clock.start();
    while (dialog.exporting() && clock.elapsed() < kPatienceMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QApplication::processEvents();
    return !dialog.exporting();
}

TEST(ExportVideoDialog, ExportsOffTheWindowsThreadAndCancelLeavesNoFile) {
    const test::TempFolder dir;
    test::BlockText text;
    Replay replay;
    SimGame({.seed = 4, .arenaSide = 300, .demo = true, .tickCap = 1500}, text).play(0, &replay);
    std::string error;
    const fs::path file = dir.path / "game.slyrep";
    ASSERT_TRUE(writeReplayFile(file, replay, error)) << error;

    ExportVideoDialog dialog(nullptr, file, {});
    dialog.fileField()->setText(QString::fromStdString((dir.path / "clip.webm").string()));
    dialog.formatField()->setCurrentIndex(2);  // GIF: the name follows
    EXPECT_TRUE(dialog.fileField()->text().endsWith("clip.gif"));

    dialog.startExport();  // the whole game at 1280x720: long enough to be cancelled
    EXPECT_TRUE(dialog.exporting());  // the window goes on while the video is made
    dialog.cancelExport();
    ASSERT_TRUE(waitForEnd(dialog));
    EXPECT_TRUE(dialog.statusLine()->text().startsWith("Cancelled"));
    EXPECT_FALSE(fs::exists(dir.path / "clip.gif"));
    EXPECT_FALSE(fs::exists(dir.path / "clip.gif.part"));

    dialog.sizeField()->setCurrentText("320x180");
    dialog.toField()->setValue(3.0);
    dialog.startExport();
    ASSERT_TRUE(waitForEnd(dialog));
    EXPECT_TRUE(dialog.statusLine()->text().startsWith("Saved")) << dialog.statusLine()->text().toStdString();
    EXPECT_EQ(dialog.progressBar()->value(), dialog.progressBar()->maximum());
    EXPECT_GT(fs::file_size(dir.path / "clip.gif"), 0u);
}

}  // namespace
}  // namespace slyders
