// The dialogs in every language and by keyboard: nothing left in English, nothing cut off,
// every control reached by Tab in reading order and named for screen readers. And what a
// player chooses to see: the palette and the language of the scoreboard panel, both changing
// only what the window shows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>
#include <fstream>
#include <functional>
#include <memory>

#include "boxes/qt/box_language.h"
#include "boxes/scripted_boxes.h"
#include "frame/game_view.h"
#include "frame/languages.h"
#include "help/about_window.h"
#include "help/help_window.h"
#include "history/game_catalogue.h"
#include "history/qt/history_window.h"
#include "input/qt/qt_keys.h"
#include "net/fingerprint.h"
#include "net/qt/net_windows.h"
#include "params/qt/param_window.h"
#include "params/settings_table.h"
#include "players/qt/keys_window.h"
#include "players/qt/players_form.h"
#include "present/qt/panel_language.h"
#include "present/qt/view_preferences.h"
#include "replay/replay.h"
#include "replay/replay_store.h"
#include "server/qt/server_windows.h"
#include "test_support.h"
#include "video/qt/export_video_dialog.h"
#include "video/video_export.h"

namespace slyders {
namespace {

// The largest screen a dialog has to fit on.
const QSize kSmallScreen{1280, 720};
constexpr int kMostTabStops = 60;
// What the players call themselves, and their keys, stay as they are.
const QStringList kNames{"Ann", "Bob", "Q", "W", "SLYDERS v2.1"};

const std::filesystem::path kTranslations = SLYDERS_TRANSLATIONS_DIR;

struct Dialogs {
    test::TestGame game;
    test::ScriptedBoxes boxes;
    LocalDevices devices;
    Param settings = settingsParam(game.settings);
    net::HostSession host{net::SessionConfig{"", "desk", {"Ann"}}};
    test::TempFolder folder;
    ReplayStore store{folder.path / "replays"};
    GameCatalogue catalogue{store};

    Dialogs() {
        std::string error;  // the lobby's game on a port of this test program's own
        EXPECT_TRUE(host.openNear("127.0.0.1", test::testPort(61), error)) << error;
    }
    ~Dialogs() { host.close(); }

    using Make = std::function<std::unique_ptr<QDialog>()>;
    // Makes a D of these arguments, kept by value (std::ref for those kept by reference).
    template <typename D, typename... A>
    static Make fresh(A... a) {
        return [=] { return std::unique_ptr<QDialog>(std::make_unique<D>(a...)); };
    }
    // The dialogs a player meets most, each made afresh in the language installed now.
    std::vector<std::pair<const char*, Make>> all() {
        devices.custom = defaultCustomKeys();
        using Names = std::vector<std::string>;
        const server::RoomLobby::View room{
            .code = "ACDE34", .owner = true, .watchers = 2, .players = {"Ann", "Bob"}};
        const auto poll = [room] { return std::optional(room); };
        const auto never = [] { return false; };
        return {
            {"players", fresh<TPlayersMgr>(std::ref(game.gra), std::ref(boxes), nullptr, nullptr,
                                           &devices)},
            {"help", fresh<THelpWnd>()},
            {"about", fresh<TAboutWnd>(nullptr, std::ref(boxes))},
            {"join", fresh<net::JoinDialog>(nullptr, Names{"Ann", "Bob"}, 0, "")},
            {"keys", fresh<KeysWindow>(std::ref(devices), std::vector<SeatInPlay>{{"Ann", 0}},
                                       std::ref(boxes))},
            {"settings",
             fresh<TParamWnd>(nullptr, std::ref(settings), "Settings", std::ref(boxes))},
            {"lobby", fresh<net::NetLobby>(nullptr, std::ref(host), 1, "desk")},
            {"wait",
             [never] {
                 const QString text = QCoreApplication::translate(
                     "NetworkGame", "Joined %1. Waiting for the host to start the game...");
                 return fresh<net::WaitWindow>(nullptr, text.arg("desk"), std::function(never))();
             }},
            {"language", [] { return languageDialog(nullptr, QStringLiteral("de")); }},
            {"server", fresh<server::ServerDialog>(nullptr, "127.0.0.1")},
            {"room", fresh<server::RoomLobby>(nullptr, std::function(poll), std::function([] {}))},
            {"export", fresh<ExportVideoDialog>(nullptr, folder.path / "game.sly", VideoOptions{})},
            {"history", fresh<HistoryWindow>(std::ref(catalogue), std::ref(boxes), Names{"Ann"})},
        };
    }
};

// What a control says on its face.
QStringList shownTexts(const QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        if (l->isVisible()) texts << l->text();
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        if (b->isVisible()) texts << b->text() << b->toolTip();
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>()) texts << g->title();
    for (const QLineEdit* e : dialog.findChildren<QLineEdit*>()) texts << e->placeholderText();
    for (const QTextEdit* e : dialog.findChildren<QTextEdit*>()) texts << e->toPlainText();
    texts.removeAll(QString());
    return texts;
}

// Controls whose text does not fit the room they were given.
QStringList cutOff(const QWidget& dialog) {
    QStringList cut;
    for (const QLabel* l : dialog.findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty()) continue;
        const bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                        : l->sizeHint().width() <= l->width();
        if (!fits) cut << l->text();
    }
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        // The access letter's "&" is not drawn.
        const QString drawn = QString(b->text()).remove(QRegularExpression("&(?!&)"));
        if (b->isVisible() && b->fontMetrics().horizontalAdvance(drawn) > b->width())
            cut << b->text();
    }
    return cut;
}

class Languages : public testing::TestWithParam<GameLanguage> {};

TEST_P(Languages, SampleDialogsShowNoEnglishAndNothingCutOff) {
    const QString code = QString::fromLatin1(GetParam().code);
    Dialogs dialogs;
    for (const auto& [name, make] : dialogs.all()) {
        // Its caption and OK come from the caller: SettingsWindowSpeaksTheLanguage below.
        if (std::string_view(name) == "settings") continue;
        installGameLanguage(*qApp, kTranslations, QString::fromLatin1(kEnglish));
        const auto english = make();
        english->show();
        const QStringList englishTexts = shownTexts(*english);
        ASSERT_EQ(installGameLanguage(*qApp, kTranslations, code), code);
        const auto translated = make();
        translated->show();
        QTranslator words;
        ASSERT_TRUE(words.load(QLocale(code), "slyders", "_",
                               QString::fromStdString(kTranslations.string())));
        for (const QString& t : shownTexts(*translated)) {
            // Words spelt alike in both languages, names and addresses may stay.
            // The language chooser is the toolkit's own dialog with the game's words.
            const char* context = std::string_view(name) == "language"
                                      ? "Language"
                                      : translated->metaObject()->className();
            const bool alike = words.translate(context, t.toUtf8()) == t;
            const bool data = t.contains('@') || t.contains('/') || kNames.contains(t);
            if (englishTexts.contains(t) && !alike && !data)
                ADD_FAILURE() << name << " still says \"" << t.toStdString() << "\" in "
                              << code.toStdString();
        }
        const QStringList cut = cutOff(*translated);
        EXPECT_TRUE(cut.isEmpty()) << name << " in " << code.toStdString() << " cuts off "
                                   << cut.join(" | ").toStdString();
        const QSize size = translated->frameGeometry().size();
        EXPECT_EQ(size.boundedTo(kSmallScreen), size) << name;
    }
    installGameLanguage(*qApp, kTranslations, QString::fromLatin1(kEnglish));
}

INSTANTIATE_TEST_SUITE_P(Each, Languages, testing::ValuesIn(kGameLanguages),
                         [](const auto& info) { return std::string(info.param.code); });

TEST(Language, SettingsWindowSpeaksTheLanguage) {
    Dialogs dialogs;
    const auto label = [&dialogs] {
        TParamWnd window(nullptr, dialogs.settings, "Settings", dialogs.boxes);
        const auto* l = window.findChild<QLabel*>("int_rndpts.label");
        return l ? l->text() + '|' + l->toolTip() : QString();
    };
    EXPECT_EQ(label(), QString::fromUtf8("Points in each round|How many points to finish a "
                                         "round?\n(integer 10\u00F780)"));
    ASSERT_EQ(installGameLanguage(*qApp, kTranslations, "de"), "de");
    EXPECT_EQ(label(), QString::fromUtf8("Punkte pro Runde|Wie viele Punkte beenden eine "
                                         "Runde?\n(ganze Zahl 10\u00F780)"));
    {
        // A value out of range is brought into it, and the warning says so in the language.
        TParamWnd window(nullptr, dialogs.settings, "Settings", dialogs.boxes);
        window.findChild<QLineEdit*>("int_rndpts")->setText("5");
        window.findChild<QPushButton*>("Apply")->click();
        ASSERT_EQ(dialogs.boxes.errors.size(), 1u);
        EXPECT_EQ(dialogs.boxes.errors[0].second,
                  "Wert für „Punkte pro Runde“ (in „Allgemein“) zu klein (auf 10 gesetzt)\n");
    }
    installGameLanguage(*qApp, kTranslations, QString::fromLatin1(kEnglish));
}


// Tab from the first control round to it again: the controls met, in order.
std::vector<QWidget*> tabRound(QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QApplication::focusWidget()) QTest::keyClick(&dialog, Qt::Key_Tab);
    std::vector<QWidget*> met;
    QWidget* first = QApplication::focusWidget();
    for (QWidget* w = first; w && met.size() < kMostTabStops;) {
        met.push_back(w);
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
        if (w == first) break;
    }
    return met;
}

bool before(const QWidget* a, const QWidget* b) {
    const QRect ra(a->mapToGlobal(QPoint()), a->size()), rb(b->mapToGlobal(QPoint()), b->size());
    const bool sameRow = rb.top() < ra.bottom() && ra.top() < rb.bottom();
    return sameRow ? ra.left() < rb.left() : ra.top() < rb.top();
}

std::string named(const QWidget* w) {
    return std::string(w->metaObject()->className()) + " " + w->objectName().toStdString();
}

TEST(Dialogs, TabReachesEveryControlInReadingOrderAndEachHasAName) {
    Dialogs dialogs;
    for (const auto& [name, make] : dialogs.all()) {
        const auto dialog = make();
        const std::vector<QWidget*> met = tabRound(*dialog);
        ASSERT_FALSE(met.empty()) << name;
        for (std::size_t i = 0; i < met.size(); ++i) {
            QWidget* w = met[i];
            const QString said = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            EXPECT_FALSE(said.trimmed().isEmpty()) << name << ": " << named(w);
            if (i > 0) {
                EXPECT_TRUE(before(met[i - 1], w))
                    << name << ": " << named(met[i - 1]) << " -> " << named(w);
            }
        }
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            const auto* radio = qobject_cast<QRadioButton*>(w);
            const bool stop = (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dialog.get()) &&
                              w->isEnabled() && !(radio && !radio->isChecked());
            if (stop && !w->focusProxy()) {
                EXPECT_NE(std::find(met.begin(), met.end(), w), met.end())
                    << name << ": Tab never reaches " << named(w);
            }
        }
    }
}

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
    const auto& safe = colourBlindSafeColours();
    for (int s = 0; s < kSlotCount; ++s) {
        EXPECT_EQ(shown.pixel(at.x() + s, at.y()), toPixel(safe[std::size_t(s)].dark)) << s;
        EXPECT_EQ(picture.at(s, 0), before.at(s, 0)) << s;
    }
    saveSlotPalette(SlotPalette::Standard);
}

TEST(PanelLanguage, HeadingsEventNamesAndBoxesFollowTheLanguageAroundThePlayersNames) {
    setPanelLanguage(qtPanelLanguage());
    EXPECT_EQ(panelText("Void disaster!"), "Void disaster!");  // English: as the game says it
    installGameLanguage(*qApp, kTranslations, "de");
    EXPECT_EQ(panelText("Game\npoints"), "Spiel-\npunkte");
    EXPECT_EQ(panelText("Void disaster!"), "Katastrophe der Leere!");
    EXPECT_EQ(panelText("Ann, R.I.P."), "Ann, R.I.P.");
    EXPECT_EQ(panelText("This round won by Dummy 1!"), "Dummy 1 gewinnt diese Runde!");
    EXPECT_EQ(panelText("Bob disappears!"), "Bob verschwindet!");
    setPanelLanguage({});
    installGameLanguage(*qApp, kTranslations, "en");

    // So do the fixed and the composed message boxes.
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

TEST(BoxLanguage, ReasonsOfTheReaderNetworkKeysHistoryAndExportAreTranslatedWhole) {
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

    // The history's and the video export's failures come from plain code in English; the
    // system's words after the colon stay as the system says them.
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

// The choice is remembered with the player's preferences; English and unknown languages
// install nothing.
TEST(LanguageChoice, IsRememberedAndEnglishOrAnUnknownOneInstallsNothing) {
    EXPECT_EQ(savedLanguage(), QString());
    saveLanguage("pl");
    EXPECT_EQ(savedLanguage(), "pl");
    EXPECT_EQ(installGameLanguage(*qApp, kTranslations, savedLanguage()), "pl");
    saveLanguage({});
    EXPECT_EQ(savedLanguage(), QString());
    EXPECT_EQ(installGameLanguage(*qApp, kTranslations, "en"), "en");
    EXPECT_EQ(installGameLanguage(*qApp, kTranslations, "xx"), "en");
    EXPECT_EQ(QCoreApplication::translate("slyders::TMainWnd", "&Game"), "&Game");
}

}  // namespace
}  // namespace slyders
