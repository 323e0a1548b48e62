// What a player chooses to see: the palette and the language of the scoreboard panel. Both
// change only what the window shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "boxes/qt/box_language.h"
#include "boxes/scripted_boxes.h"
#include "frame/game_view.h"
#include "frame/languages.h"
#include "input/qt/qt_keys.h"
#include "players/qt/players_form.h"
#include "present/qt/panel_language.h"
#include "present/qt/view_preferences.h"
#include "test_support.h"

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
