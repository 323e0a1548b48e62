// Slyders: up to six slyders at one keyboard and one screen.
#include <QApplication>
#include <QFileDialog>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "boxes/qt/qt_message_boxes.h"
#include "frame/data_places.h"
#include "frame/languages.h"
#include "frame/main_window.h"
#include "frame/options.h"
#include "frame/session_end.h"
#include "frame/tick_clock.h"
#include "game/gra.h"
#include "help/about_window.h"
#include "help/help_window.h"
#include "input/gamepads.h"
#include "input/local_devices.h"
#include "input/qt/custom_keys_store.h"
#include "params/qt/param_window.h"
#include "params/settings_file.h"
#include "params/settings_table.h"
#include "params/virt_file.h"
#include "players/qt/players_form.h"
#include "players/qt/qsettings_roster_store.h"
#include "present/qt/panel_language.h"
#include "present/qt/qt_text_renderer.h"
#include "present/qt/view_preferences.h"
#include "present/screen_scaling.h"
#include "replay/replay_store.h"
#include "sound/game_sounds.h"
#include "video/qt/export_video_dialog.h"

using namespace slyders;

namespace {

struct ClientArea {
    int width = 0, height = 0;  // device pixels
    double dpr = 1.0;
    bool fullScreen = true;
};

// The client area below the menu bar: the whole screen, or the size asked for.
ClientArea clientArea(const Options& options) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ClientArea area;
    area.dpr = screen ? screen->devicePixelRatio() : 1.0;
    if (options.windowWidth > 0) {
        area.width = options.windowWidth;
        area.height = options.windowHeight;
        area.fullScreen = false;
        return area;
    }
    QMenuBar probe;
    probe.addMenu("&Game");
    const QSize logical = screen ? screen->size() : QSize(1280, 720);
    area.width = static_cast<int>(std::lround(logical.width() * area.dpr));
    area.height =
        static_cast<int>(std::lround((logical.height() - probe.sizeHint().height()) * area.dpr));
    return area;
}

// On a tall screen that the desktop does not enlarge by itself (a logical height above
// 1,400 pixels), the menus, dialogs and message boxes are enlarged as the scoreboard is, so
// that they look as they do on a screen of 1,080 lines.
void enlargeForTallScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const double scale = InterfaceScale(screen->size().height(), 1.0);
    if (scale <= 1.0) return;
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    }
    QApplication::setFont(font);
    // The desktop's theme may give menus fonts of their own, which the default does not reach.
    for (const char* kind : {"QMenuBar", "QMenu"}) QApplication::setFont(font, kind);
}

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count());
}

// The program-wide parts the window's hooks reach; they live until the program ends.
struct Surroundings {
    TInterface& settings;
    const DataPlaces& places;
    const std::string& settingsPath;
    GameSounds& sound;
    LocalDevices& devices;
};

// What the window asks of the parts around it: the settings file, the dialogs of its
// commands, the sounds at show and close, the pads and the pictures' files.
FrameHooks gameHooks(const Surroundings& around) {
    TInterface& settings = around.settings;
    const DataPlaces& places = around.places;
    const std::string& settingsPath = around.settingsPath;
    GameSounds& sound = around.sound;
    LocalDevices& devices = around.devices;

    FrameHooks hooks;
    hooks.readPads = devices.readPads;
    hooks.loadSettings = [&settings, &settingsPath] {
        loadSettingsFile(StdioFileSystem::instance(), settings, settingsPath);
    };
    hooks.logoFile = places.data("logo_sq.bmp").string();
    hooks.backgroundFile = places.setting("slydersbg.bmp");
    hooks.exportVideo = [&places](TMainWnd& owner, const std::filesystem::path& replay) {
        VideoOptions video;
        video.soundFolder = places.data("sounds");
        video.logoFile = places.data("logo_sq.bmp").string();
        video.backgroundFile = places.setting("slydersbg.bmp");
        exportVideoDialog(&owner, replay, video);
    };
    hooks.settingsDialog = [&settings](TMainWnd& owner) {
        Param param = settingsParam(settings);
        TParamWnd dialog(&owner, param, QCoreApplication::translate("TMainWnd", "Settings"),
                         owner.boxes());
        dialog.exec();
    };
    hooks.helpDialog = [&places](TMainWnd& owner) {
        THelpWnd dialog(&owner, QString::fromStdString(places.data("help.bmp").string()));
        dialog.exec();
    };
    hooks.aboutDialog = [](TMainWnd& owner) {
        TAboutWnd dialog(&owner, owner.boxes());
        dialog.exec();
    };
    hooks.chooseReplay =
        [](TMainWnd& owner,
           const std::filesystem::path& folder) -> std::optional<std::filesystem::path> {
        const QString file = QFileDialog::getOpenFileName(
            &owner, QCoreApplication::translate("TMainWnd", "Open replay"),
            QString::fromStdString(folder.string()),
            QCoreApplication::translate("TMainWnd", "Slyders replays (*%1);;All files (*)")
                .arg(ReplayStore::kExtension));
        if (file.isEmpty()) return std::nullopt;
        return std::filesystem::path(file.toStdString());
    };
    hooks.windowShown = [&sound] { sound.playWelcome(); };
    hooks.windowClosing = [&sound] { sound.closeDown(); };
    hooks.hushSounds = [&sound](bool on) { sound.hush(on); };
    hooks.playersDialog = [&devices](TMainWnd& w) {
        TPlayersMgr dialog(
            w.gra(), w.boxes(),
            [&w] {
                w.applySlotPalette();
                w.LayoutScoreBands();
                w.InvalidateScoreboard();
            },
            &w, &devices);
        dialog.exec();
        w.keys().setCustomKeys(devices.custom);
    };
    return hooks;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    {
        std::vector<std::string> args(argv + 1, argv + argc);
        if (auto error = parseOptions(args, options)) {
            std::cerr << "slyders: " << *error << "\n" << kUsage;
            return 2;
        }
        if (options.help) {
            std::cout << kUsage;
            return 0;
        }
        if (options.version) {
            std::cout << kVersion;
            return 0;
        }
    }
    // A replay that cannot be watched is told before any window comes up.
    std::optional<Replay> replay;
    if (!options.replay.empty()) {
        std::string error;
        replay = loadReplayFile(options.replay, error);
        if (!replay) {
            std::cerr << "slyders: " << options.replay << ": " << error << "\n";
            return 2;
        }
    }

    // The program-wide objects: the game with its roster, then the settings.
    static Random rng;
    static QSettingsRosterStore rosterStore;
    static Scores scores(&rosterStore);
    static TInterface AppSettings;

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    rng.reseed(options.seed ? *options.seed : clockSeed());
    QApplication::setApplicationName("Slyders");
    enlargeForTallScreen();

    static QtTextRenderer text;
    static const DataPlaces places = lookUpPlaces(options.settingsDir);
    installGameLanguage(app, places.data("translations"), savedLanguage());
    setPanelLanguage(qtPanelLanguage());
    static const std::string settingsPath = places.setting(kSettingsFileName);
    static GameSounds sound(AppSettings, places.data("sounds"));
    static Gra gra(rng, AppSettings, scores, text, sound);
    SteadyClock clock;
    QtMessageBoxes boxes;

    std::FILE* tickLog = nullptr;
    if (!options.tickLog.empty()) {
        tickLog = std::fopen(options.tickLog.c_str(), "w");
        if (!tickLog) {
            std::cerr << "slyders: cannot write " << options.tickLog << "\n";
            return 2;
        }
    }

    // Pads and custom keys: a machine without SDL devices just has no pads.
    static Gamepads pads;
    static LocalDevices devices;
    {
        StoredCustomKeys stored = readCustomKeys();
        devices.custom = stored.keys;
        devices.problems = std::move(stored.problems);
    }
    devices.readPads = [] { return pads.poll(); };

    const ClientArea area = clientArea(options);
    FrameHooks hooks = gameHooks({AppSettings, places, settingsPath, sound, devices});
    hooks.network.startWhenJoined = options.startWhenJoined;
    TMainWnd window(gra, text, boxes, clock, area.width, area.height, area.dpr, hooks,
                    area.fullScreen);
    boxes.setParent(&window);
    window.keys().setCustomKeys(devices.custom);
    window.setTickLog(tickLog);
    if (replay && !window.fitsArenaSide(replay->arenaSide)) {
        std::cerr << "slyders: " << options.replay << ": "
                  << window.arenaSideError(replay->arenaSide) << "\n";
        return 2;
    }
    if (area.fullScreen) {
        window.showFullScreen();
    } else {
        window.show();
    }
    window.activateWindow();
    closeOnSessionEnd(window);  // SIGTERM and SIGHUP close the game and keep its settings
    if (options.demo) QTimer::singleShot(0, &window, [&window] { window.GameDemoClick(); });
    if (options.quitAfterMs > 0) {
        QTimer::singleShot(options.quitAfterMs, &window,
                           [&window] { closeWithoutQuestion(window); });
    }
    if (!options.player.empty() && !window.seatPlayerNamed(options.player)) {
        std::cerr << "slyders: " << options.player << " cannot be a player's name\n";
        return 2;
    }
    if (!options.server.empty()) {
        const net::RoomAction action = options.createRoom ? net::RoomAction::Create
                                       : options.watchRoom ? net::RoomAction::Watch
                                                           : net::RoomAction::Join;
        QTimer::singleShot(0, &window, [&window, &options, action] {
            window.playOnServer(options.server, action, options.room);
        });
    } else if (options.hostPort) {
        QTimer::singleShot(0, &window,
                           [&window, &options] { window.hostNetworkGame(*options.hostPort); });
    } else if (!options.join.empty()) {
        // With a player named the game joins at once; otherwise the join window asks who.
        QTimer::singleShot(0, &window, [&window, &options] {
            if (options.player.empty()) {
                window.openJoinWindow(options.join);
            } else {
                window.joinNetworkGame(options.join, window.gra().seats[0].rosterIndex, {});
            }
        });
    }
    if (replay) {
        QTimer::singleShot(0, &window, [&window, &replay, &options] {
            window.watchReplay(std::move(*replay), options.replay);
        });
    }

    const int result = QApplication::exec();
    if (tickLog) std::fclose(tickLog);
    // only while "Save on exit" is on
    saveSettingsFileOnExit(StdioFileSystem::instance(), AppSettings, settingsPath);
    return result;
}
