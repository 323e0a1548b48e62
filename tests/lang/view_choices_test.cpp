// What a player chooses to see: the palette and the language of the scoreboard panel. Both
// change only what the window shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <fstream>

#include "boxes/qt/box_language.h"
#include "boxes/scripted_boxes.h"
#include "frame/game_view.h"
#include "frame/languages.h"
#include "history/game_catalogue.h"
#include "input/qt/qt_keys.h"
#include "net/fingerprint.h"
#include "players/qt/players_form.h"
#include "present/qt/panel_language.h"
#include "present/qt/view_preferences.h"
#include "replay/replay.h"
#include "replay/replay_store.h"
#include "test_support.h"
#include "video/video_export.h"

namespace slyders {
namespace {

const std::filesystem::path kTranslations = SLYDERS_TRANSLATIONS_DIR;

TEST(Palette, ChosenInThePlayersDialogAndShownOnlyByTheView) {
    test::TestGame game;
    test::ScriptedBoxes boxes;
    LocalDevices devices;
    devices.custom = defaultCustomKeys();
    ASSERT_EQ(savedSlotPalette(), SlotPalette::Standard);
    TPlayersMgr dialog(game.gra, boxes, nullptr, nullptr, &devices);
    dialog.findChild<QComboBox*>("palette")->setCurrentIndex(1);
    dialog.findChild<QPushButton*>("OK")->click();
    ASSERT_EQ(savedSlotPalette(), SlotPalette::ColourBlindSafe);

    // A trail pixel of each slot: the view shows the safe colour, the picture keeps the game's.
    PixelBuffer picture(kSlotCount, 1);
    for (int s = 0; s < kSlotCount; ++s) picture.set(s, 0, game.gra.slot(s).dark);
    const PixelBuffer before = picture;
    GameView view(picture, 1.0);
    view.setRecolour(SlotRecolour(game.gra.slots, savedSlotPalette()));
    const QImage shown = view.grab().toImage();
    const QPoint at = view.origin();  // a small picture stands centred in the view
    for (int s = 0; s < kSlotCount; ++s) {
        const Rgb safe = colourBlindSafeColours()[std::size_t(s)].dark;
        EXPECT_EQ(shown.pixel(at.x() + s, at.y()), toPixel(safe)) << s;
        EXPECT_EQ(picture.at(s, 0), before.at(s, 0)) << s;
    }
    saveSlotPalette(SlotPalette::Standard);
}

TEST(PanelLanguage, HeadingsAndEventNamesFollowTheLanguageAroundThePlayersNames) {
    setPanelLanguage(qtPanelLanguage());
    EXPECT_EQ(panelText("Void disaster!"), "Void disaster!");  // English: as the game says it
    installGameLanguage(*qApp, kTranslations, "de");
    EXPECT_EQ(panelText("Game\npoints"), "Spiel-\npunkte");
    EXPECT_EQ(panelText("Void disaster!"), "Katastrophe der Leere!");
    EXPECT_EQ(panelText("Ann, R.I.P."), "Ann, R.I.P.");
    EXPECT_EQ(panelText("This round won by Dummy 1!"), "Dummy 1 gewinnt diese Runde!");
    EXPECT_EQ(panelText("Bob disappears!"), "Bob verschwindet!");
    installGameLanguage(*qApp, kTranslations, "en");
    setPanelLanguage({});
}

TEST(BoxLanguage, FixedAndComposedBoxesFollowTheLanguageAroundThePlayersNames) {
    const std::string round =
        "Round finished!\n10 points reached.\n\nThe winner is Ann's 100%1 !\nAnn's 100%1's "
        "rating is now 1523.\n\nClick for the next round:";
    EXPECT_EQ(boxText(round).toStdString(), round);  // English: byte for byte
    EXPECT_EQ(boxText("Keep this replay?").toStdString(), "Keep this replay?");
    installGameLanguage(*qApp, kTranslations, "de");
    EXPECT_EQ(boxText(round).toStdString(),
              "Runde beendet!\n10 Punkte erreicht.\n\nDer Sieger ist Ann's 100%1!\nAnn's 100%1 "
              "hat jetzt eine Wertung von 1523.\n\nKlicke für die nächste Runde:");
    EXPECT_EQ(boxText("Keep this replay?"), "Diese Wiederholung behalten?");
    EXPECT_EQ(boxText("Open replay"), "Wiederholung öffnen");
    EXPECT_EQ(boxText("Nothing the game says"), "Nothing the game says");
    EXPECT_EQ(boxText("No room has the code K7Q2."), "Kein Raum hat den Code K7Q2.");
    installGameLanguage(*qApp, kTranslations, "en");
}

TEST(BoxLanguage, ReasonsFromTheReplayReaderTheNetworkAndTheKeysWindowAreTranslatedWhole) {
    const std::string differs = net::differenceText(net::kPartTexts | net::kPartRules);
    const std::uint8_t garbage[] = {'n', 'o', 't', ' ', 'a', ' ', 'r', 'e', 'p', 'l', 'a', 'y'};
    const std::string notReplay = decodeReplay(garbage, sizeof garbage).error;
    const std::string damaged = "This replay is damaged: it ends inside the checks.";
    const CustomKeys keys = defaultCustomKeys();
    EXPECT_EQ(boxText(differs).toStdString(), differs);
    EXPECT_EQ(customKeyRefusal(Qt::Key_Z, keys, {}),
              "The key Z is already used by Custom keys 1: please choose another key.");

    installGameLanguage(*qApp, kTranslations, "de");
    EXPECT_EQ(boxText(differs),
              "Dieser Rechner zeichnet die Texte der Arena anders als der des Gastgebers (seine "
              "Schriften oder seine Schriftbibliothek weichen ab). Dieser Rechner spielt nach "
              "anderen Regeln als der des Gastgebers. Installiere auf beiden Rechnern dasselbe "
              "Slyders-Paket mitsamt seinen Schriften.");
    EXPECT_EQ(boxText(notReplay), "Diese Datei ist keine Slyders-Wiederholung.");
    EXPECT_EQ(boxText(damaged),
              "Diese Wiederholung ist beschädigt: sie bricht mitten in einem Feld ab (Prüfwerte).");
    EXPECT_EQ(boxText("The replay could not be written to /r/x.\nThe game itself is not affected."),
              "Die Wiederholung ließ sich nicht in /r/x schreiben.\nDas Spiel selbst ist davon "
              "nicht betroffen.");
    EXPECT_EQ(QString::fromStdString(customKeyRefusal(Qt::Key_Z, keys, {}).value_or("")),
              "Die Taste Z ist schon für Eigene Tasten 1 vergeben: Bitte wähle eine andere Taste.");
    EXPECT_EQ(QString::fromStdString(customKeyRefusal(Qt::Key_Left, keys, {0}).value_or("")),
              "Die Taste Links gehört zum Tastenpaar Links / Rechts eines mitspielenden "
              "Spielers: Bitte wähle eine andere Taste.");

    installGameLanguage(*qApp, kTranslations, "pl");
    EXPECT_EQ(boxText("\"70000\" is not a port (1 to 65535)."),
              "„70000” nie jest portem (od 1 do 65535).");
    EXPECT_EQ(boxText("Port 27960 and the 9 after it are in use or cannot be opened."),
              "Port 27960 i 9 kolejnych są zajęte lub nie da się ich otworzyć.");
    installGameLanguage(*qApp, kTranslations, "en");
}

// The history's and the video export's failures come from plain code in English; the system's
// words after the colon stay as the system says them.
TEST(BoxLanguage, HistoryAndVideoExportFailuresSpeakTheLanguage) {
    test::TempFolder folder;
    ReplayStore store(folder.path / "replays");
    std::ofstream(folder.path / "blocked") << "a file where the history's folder should be";
    GameCatalogue catalogue(store, folder.path / "blocked" / "history.db");
    ASSERT_FALSE(catalogue.open());
    const std::string unopened = catalogue.error();
    const std::string sqliteWords = unopened.substr(unopened.rfind(": ") + 2);
    PlayedGame game;
    game.file = "stuck.sly";
    std::filesystem::create_directories(store.folder() / game.file / "inside");
    std::string unremoved;
    ASSERT_FALSE(catalogue.remove(game, unremoved));
    const std::string systemWords = unremoved.substr(unremoved.rfind(": ") + 2);
    const std::filesystem::path video = folder.path / "none" / "clip.webm";
    const std::string unwritable = videoRequestError(video, VideoOptions{}).value_or("");

    installGameLanguage(*qApp, kTranslations, "de");
    const QString where = QString::fromStdString((folder.path / "blocked" / "history.db").string());
    EXPECT_EQ(boxText(unopened), "Die Spielchronik ließ sich unter " + where +
                                     " nicht öffnen: " + QString::fromStdString(sqliteWords));
    const QString replay = QString::fromStdString((store.folder() / game.file).string());
    EXPECT_EQ(boxText(unremoved), "Die Wiederholung " + replay + " ließ sich nicht löschen: " +
                                      QString::fromStdString(systemWords));
    EXPECT_EQ(boxText(unwritable), QString::fromStdString(video.string()) +
                                       " lässt sich nicht schreiben: Es gibt keinen Ordner " +
                                       QString::fromStdString(video.parent_path().string()) + ".");
    EXPECT_EQ(boxText("Nothing to export: the game lasts 0.4 s."),
              "Nichts zu exportieren: Das Spiel dauert 0.4 s.");
    installGameLanguage(*qApp, kTranslations, "en");
}

TEST(LanguageChoice, IsRememberedWithThePlayersPreferences) {
    EXPECT_EQ(savedLanguage(), QString());
    saveLanguage("pl");
    EXPECT_EQ(savedLanguage(), "pl");
    EXPECT_EQ(installGameLanguage(*qApp, kTranslations, savedLanguage()), "pl");
    saveLanguage({});
    EXPECT_EQ(savedLanguage(), QString());
    installGameLanguage(*qApp, kTranslations, "en");
}

}  // namespace
}  // namespace slyders
