#include "frame/data_places.h"

#include <gtest/gtest.h>

#include <QImage>

#include "frame/options.h"
#include "frame_fixture.h"

namespace slyders {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

TEST(DataPlaces, DataIsFoundBesideTheProgramElseUnderItsPrefix) {
    const test::TempFolder t;
    const fs::path bin = t.path / "prefix/bin";
    fs::create_directories(bin);
    EXPECT_FALSE(findDataFolder(bin)) << "no data anywhere";

    // An installed game: the data under <prefix>/share/slyders, whatever the prefix is.
    touch(t.path / "prefix/share/slyders/logo_sq.bmp");
    EXPECT_EQ(findDataFolder(bin), t.path / "prefix/share/slyders");

    // A build tree: the sounds folder beside the program wins over an installed copy.
    fs::create_directories(bin / "sounds");
    EXPECT_EQ(findDataFolder(bin), bin);
}

TEST(DataPlaces, SettingsFolderIsTheWorkingFolderUnlessOneIsGiven) {
    const test::TempFolder t;
    DataPlaces places;
    places.settingsFolder = settingsFolder("");
    EXPECT_EQ(places.setting("Default.par"), "Default.par");

    const fs::path given = t.path / "new/settings";
    places.settingsFolder = settingsFolder(given.string());
    EXPECT_TRUE(fs::is_directory(given)) << "created when missing";
    EXPECT_EQ(places.setting("Default.par"), (given / "Default.par").string());

    // The desktop entry's word: the roster's own folder under XDG_CONFIG_HOME.
    const fs::path config = t.path / "config";
    const std::string before = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    EXPECT_EQ(settingsFolder(kRosterFolderWord), config / "Tallowin");
    EXPECT_TRUE(fs::is_directory(config / "Tallowin"));
    setenv("XDG_CONFIG_HOME", before.c_str(), 1);  // the tests after this one keep their home
}

TEST(DataPlaces, OptionsForTheSettingsFolderTheVersionAndATimedClose) {
    Options o;
    EXPECT_FALSE(parseOptions({"--settings-dir", "/x/y", "--version", "--quit-after", "1500"}, o));
    EXPECT_EQ(std::tuple(o.settingsDir, o.version, o.quitAfterMs), std::tuple("/x/y", true, 1500));
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--settings-dir"},
                                                                 {"--settings-dir", ""},
                                                                 {"--quit-after", "0"},
                                                                 {"--quit-after", "soon"},
                                                                 {"--demo", "--replay", "a"},
                                                                 {"--host", "--join", "h"},
                                                                 {"--join", "h", "--demo"},
                                                                 {"--host", "--replay", "a"}}) {
        Options fresh;
        EXPECT_TRUE(parseOptions(bad, fresh)) << bad[0];
    }
}

// The window takes its background and logo from the files it is given, not from the
// working folder.
TEST(MainWindow, PictureUsesTheGivenBackgroundFile) {
    const test::TempFolder t;
    const fs::path background = t.path / "slydersbg.bmp";
    QImage green(40, 30, QImage::Format_RGB32);
    green.fill(qRgb(0, 255, 0));
    ASSERT_TRUE(green.save(QString::fromStdString(background.string()), "BMP"));

    test::WindowTest w;
    FrameHooks hooks;
    hooks.backgroundFile = background.string();
    hooks.logoFile = (t.path / "no-logo.bmp").string();
    TMainWnd window(w.gra, w.text, w.boxes, w.clock, 640, 400, 1.0, hooks, false);
    const Rgb corner = fromPixel(window.backBuffer().at(1, 1));
    EXPECT_GT(corner.g, 200);
    EXPECT_LT(corner.r + corner.b, 40);
}

}  // namespace
}  // namespace slyders
