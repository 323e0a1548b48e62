// The roster in the players dialog and in the settings store.
#include "players/qt/players_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <array>

#include "boxes/scripted_boxes.h"
#include "input/qt/qt_keys.h"
#include "memory_roster_store.h"
#include "players/qt/qsettings_roster_store.h"
#include "players/roster_bytes.h"
#include "test_support.h"

namespace slyders {
namespace {

const std::string kInvalidName =
    "Not a valid player name: must be unique and have at least two characters.";
const std::string kSelectAsMany = "Please select as many human players as you have chosen to play.";
const std::string kSamePlayer = "Some player is selected twice - please correct.";
const std::string kSameKeys = "Some players use the same control keys - please correct.";

bool isRed(const QWidget* w) {
    return w->palette().color(w->backgroundRole()) == QColor(255, 0, 0);
}

class PlayersDialog : public testing::Test {
protected:
    PlayersDialog() {
        devices.custom = defaultCustomKeys();
        devices.readPads = [this] { return pads; };
    }

    void setRoster(const std::vector<PlrScore>& entries) {
        store.bytes = serialiseRoster(entries);
        scores.Load();
    }
    // Opens the dialog; a fresh one after every change of the game state.
    TPlayersMgr& open() {
        dialog = std::make_unique<TPlayersMgr>(
            gra, boxes, [this] { ++commits; }, nullptr, &devices);
        dialog->show();
        return *dialog;
    }
    template <typename W>
    W* control(const char* name) {
        W* w = dialog->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void addPlayer(const QString& typed) {
        control<QLineEdit>("plrname")->setText(typed);
        control<QPushButton>("addplr")->click();
    }
    void selectLine(int row) {
        QListWidget* list = control<QListWidget>("plrlist");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // Clicks OK and tells whether the dialog closed; records which controls were red meanwhile.
    bool clickOk(const std::vector<const char*>& watch = {}) {
        boxes.whileOpen = [this, watch] {
            red.clear();
            for (const char* name : watch) red.push_back(isRed(control<QWidget>(name)));
        };
        control<QPushButton>("OK")->click();
        return !dialog->isVisible();
    }

    test::MemoryRosterStore store;
    Random rng{1};
    TInterface settings;
    Scores scores{&store};
    test::BlockText text;
    test::RecordingSound sound;
    Gra gra{rng, settings, scores, text, sound};
    test::ScriptedBoxes boxes;
    PadStates pads;
    LocalDevices devices;
    std::unique_ptr<TPlayersMgr> dialog;
    std::vector<bool> red;
    int commits = 0;
};

TEST_F(PlayersDialog, RefusesShortAndDuplicateNamesWithTheEditRed) {
    open();
    QLineEdit* edit = control<QLineEdit>("plrname");
    EXPECT_EQ(edit->maxLength(), 16);
    bool redWhileOpen = false;
    boxes.whileOpen = [&] { redWhileOpen = isRed(edit); };
    for (const char* typed : {"x", "Dummy 1", "  Dummy 2 "}) {
        redWhileOpen = false;
        addPlayer(typed);
        EXPECT_TRUE(redWhileOpen) << typed;
        EXPECT_FALSE(isRed(edit));
    }
    EXPECT_EQ(boxes.shown, std::vector<std::string>(3, kInvalidName));
    EXPECT_EQ(std::pair(scores.count(), store.writes), std::pair(4, 0));
}

TEST_F(PlayersDialog, AddsATrimmedNameToEveryListAndSavesAtOnce) {
    open();
    addPlayer("   Zo\u00eb  ");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(control<QLineEdit>("plrname")->text().isEmpty());  // ready for the next
    ASSERT_EQ(scores.count(), 5);
    EXPECT_EQ(std::pair(scores.entry(4).name, parseRoster(store.bytes).entries.back().name),
              std::pair(std::string("Zo\xC3\xAB"), std::string("Zo\xC3\xAB")));
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"})
        EXPECT_EQ(control<QComboBox>(name)->itemText(2), QString("Zo\u00eb")) << name;
    QListWidget* list = control<QListWidget>("plrlist");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QString("Zo\u00eb    (rating = 0)"));
}

// The edit takes no more than the roster keeps: 19 bytes of UTF-8, 16 characters.
TEST_F(PlayersDialog, TheNameEditTakesOnlyWhatIsStoredWhole) {
    open();
    QLineEdit* edit = control<QLineEdit>("plrname");
    for (int i = 0; i < 16; ++i)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Adiaeresis, QString(QChar(0xE4)), {});
    EXPECT_EQ(edit->text(), QString(9, QChar(0xE4)));  // 18 bytes; a tenth would make 20
    control<QPushButton>("addplr")->click();
    ASSERT_EQ(scores.count(), 5);
    EXPECT_EQ(QString::fromStdString(scores.entry(4).name), QString(9, QChar(0xE4)));

    QTest::keyClicks(edit, QString(20, u'x'));
    EXPECT_EQ(edit->text(), QString(16, u'x'));

    addPlayer(" \tTab ");  // only spaces are trimmed
    EXPECT_EQ(scores.entry(5).name, "\tTab");
}

TEST_F(PlayersDialog, DeletingASeatedPlayerEmptiesTheSeatAtOnce) {
    setRoster({{"Computer 1", 0, {}}, {"Computer 2", 0, {}}, {"Ann", 0, {}}, {"Bob", 0, {}},
               {"Zoe", 0, {}}, {"Max", 0, {}}});
    gra.humans = 2;
    gra.seats[0].rosterIndex = 2;
    gra.seats[1].rosterIndex = 4;
    gra.seats[2].rosterIndex = 5;
    open();
    selectLine(2);
    control<QPushButton>("delplr")->click();
    EXPECT_TRUE(boxes.shown.empty());                           // nothing won, nothing asked
    EXPECT_FALSE(control<QPushButton>("delplr")->isEnabled());  // no neighbour selected instead
    EXPECT_EQ((std::array{gra.seats[0].rosterIndex, gra.seats[1].rosterIndex,
                          gra.seats[2].rosterIndex}), (std::array{2, -1, 4}));
    EXPECT_EQ(std::pair(scores.count(), parseRoster(store.bytes).entries.size()),
              std::pair(5, std::size_t(5)));
    EXPECT_EQ(std::pair(control<QComboBox>("ComboBox2")->currentIndex(),
                        control<QComboBox>("ComboBox3")->currentText()),
              std::pair(-1, QString("Max")));

    EXPECT_FALSE(clickOk({"ComboBox2", "Radio2", "ComboBox1"}));
    EXPECT_EQ(boxes.shown, std::vector<std::string>{kSelectAsMany});
    EXPECT_EQ(red, (std::vector<bool>{true, true, false}));
    EXPECT_FALSE(isRed(control<QWidget>("ComboBox2")) || commits != 0);
}

TEST_F(PlayersDialog, DeletingAPlayerWithResultsAsksFirstAndFourEntriesStay) {
    setRoster({{"Computer 1", 0, {}}, {"Computer 2", 0, {}}, {"Ann", 0, {}}, {"Bob", 0, {}},
               {"Zoe", 40, {0, 0, 0, 2}}});
    open();
    QPushButton* del = control<QPushButton>("delplr");
    EXPECT_FALSE(del->isEnabled());  // nothing selected
    selectLine(2);
    boxes.answer = false;
    del->click();
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"Delete permanently player 'Zoe' ?"});
    EXPECT_EQ(scores.count(), 5);
    boxes.answer = true;
    del->click();
    EXPECT_EQ(std::pair(scores.count(), control<QListWidget>("plrlist")->count()), std::pair(4, 2));
    selectLine(0);
    EXPECT_FALSE(del->isEnabled());
}

TEST_F(PlayersDialog, TheSamePlayerOrKeysTwiceAreRefusedByOkEscapeAndTheCloseBox) {
    gra.humans = 3;
    for (HumanSeat& seat : gra.seats) seat.rosterIndex = 2;
    open();
    EXPECT_FALSE(clickOk({"ComboBox1", "ComboBox2", "ComboBox3"}));
    EXPECT_EQ(boxes.shown, std::vector<std::string>{kSamePlayer});
    EXPECT_EQ(red, (std::vector<bool>{true, false, true}));

    boxes.shown.clear();
    gra.humans = 2;
    gra.seats[0] = {1, 2};
    gra.seats[1] = {1, 3};
    open();
    EXPECT_FALSE(clickOk({"ComboBox5", "ComboBox6", "ComboBox1"}));
    EXPECT_EQ(boxes.shown, std::vector<std::string>{kSameKeys});
    EXPECT_EQ(red, (std::vector<bool>{true, true, false}));
    // Escape and the close box are checked like OK.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(boxes.shown, std::vector<std::string>(3, kSameKeys));
}

TEST_F(PlayersDialog, OnlyTheRowsInPlayAreCheckedAndAllSeatsAreTakenOver) {
    gra.humans = 3;
    // Seat 1 has nobody, so the dialog offers it the first name.
    gra.seats[1] = {0, 2};
    gra.seats[2] = {0, 2};
    open();
    control<QRadioButton>("Radio3")->click();
    EXPECT_FALSE(control<QComboBox>("ComboBox4")->isEnabled());
    control<QRadioButton>("Radio1")->click();
    EXPECT_FALSE(control<QComboBox>("ComboBox2")->isEnabled());
    EXPECT_EQ(gra.humans, 3);  // not before the close

    EXPECT_TRUE(clickOk() && boxes.shown.empty());
    EXPECT_EQ(std::tuple(dialog->result(), commits, gra.humans),
              std::tuple(int(QDialog::Accepted), 1, 1));
    // Seat 4's name list had no selection: it takes the first name.
    EXPECT_EQ(std::tuple(gra.seats[0], gra.seats[2].rosterIndex, gra.seats[3]),
              std::tuple(HumanSeat{0, 2}, 2, HumanSeat{3, 1}));
}

TEST_F(PlayersDialog, KeyListsOfferCustomKeysAndPadsAndTheClashRuleCoversThem) {
    pads[2] = {true, {}, "Xbox Wireless Controller"};
    gra.humans = 2;
    gra.seats[0] = {kFirstGamepadPair + 2, 2};
    gra.seats[1] = {kFirstGamepadPair + 2, 3};
    open();
    QStringList entries;
    for (int i = 0; i < control<QComboBox>("ComboBox6")->count(); ++i)
        entries << control<QComboBox>("ComboBox6")->itemText(i);
    EXPECT_EQ(entries,
              QStringList({"Left / Right", "Q / W", "N / M", "Ins / Del", "Custom keys 1 (Z / X)",
                           "Custom keys 2 (K / L)", "Gamepad 1 (not connected)",
                           "Gamepad 2 (not connected)", "Gamepad 3 (Xbox Wireless Controller)",
                           "Gamepad 4 (not connected)"}));
    EXPECT_EQ(control<QComboBox>("ComboBox5")->currentIndex(), kFirstGamepadPair + 2);
    EXPECT_FALSE(clickOk());  // one pad for two seats

    // A custom key that is also a key of a fixed pair in play clashes with it.
    devices.custom.code[0] = {Qt::Key_A, Qt::Key_Q};
    gra.seats[0].keyPair = kFirstCustomPair;
    gra.seats[1].keyPair = 1;
    open();
    EXPECT_FALSE(clickOk({"ComboBox5", "ComboBox6"}));
    EXPECT_EQ(red, (std::vector<bool>{true, true}));
    EXPECT_EQ(boxes.shown, std::vector<std::string>(2, kSameKeys));

    // A pad that is not plugged in may be chosen: the game refuses it when it starts.
    gra.seats[1].keyPair = kFirstGamepadPair;
    open();
    EXPECT_TRUE(clickOk());
    EXPECT_EQ((std::array{gra.seats[0].keyPair, gra.seats[1].keyPair}),
              (std::array{kFirstCustomPair, kFirstGamepadPair}));
}

class RosterStoreTest : public testing::Test {
protected:
    using Store = QSettingsRosterStore;
    QVariant stored(const char* key) { return QSettings(m_file, QSettings::IniFormat).value(key); }

    QTemporaryDir m_dir;
    QString m_file = m_dir.filePath("roster.ini");
};

TEST_F(RosterStoreTest, TheRosterSurvivesARestartByteForByte) {
    {
        QSettingsRosterStore backing(m_file);
        Scores scores(&backing);
        ASSERT_TRUE(scores.Add(PlrScore{"Zo\xC3\xAB", 0, {}}));
        scores.UpdateRatings({{0, 10, false}, {4, 40, true}});
        const QByteArray value = stored(Store::kValueKey).toByteArray();
        const std::vector<std::uint8_t> expected = serialiseRoster(
            {scores.entry(0), scores.entry(1), scores.entry(2), scores.entry(3), scores.entry(4)});
        EXPECT_EQ(std::vector<std::uint8_t>(value.begin(), value.end()), expected);
    }
    QSettingsRosterStore backing(m_file);
    Scores again(&backing);
    ASSERT_EQ(again.count(), 5);
    EXPECT_EQ(std::tuple(again.entry(4).name, again.entry(4).results[0], again.entry(4).played),
              std::tuple("Zo\xC3\xAB", 1, 40));
    EXPECT_FALSE(stored(Store::kUnreadableKey).isValid());
}

TEST_F(RosterStoreTest, TheGameKeepsItsRosterUnderTallowinSlyders) {
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    // The settings location is taken once per process; point it here for sure.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    QSettingsRosterStore backing;
    Scores scores(&backing);
    scores.Save();
    const QString file = m_dir.filePath("Tallowin/Slyders.conf");
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("Etc/Path").toByteArray().size(),
              4 * 23 + 10 + 10 + 7 + 7);
}

// A damaged or foreign value is never lost: the next save sets it aside once.
TEST_F(RosterStoreTest, AnUnreadableValueIsSetAsideAtTheNextSave) {
    const QByteArray damaged("Bob\0\x01\x02", 6);
    for (const QVariant& unreadable : {QVariant(damaged), QVariant(QString("not a roster"))}) {
        QSettings(m_file, QSettings::IniFormat).setValue(Store::kValueKey, unreadable);
        QSettings(m_file, QSettings::IniFormat).remove(Store::kUnreadableKey);
        QSettingsRosterStore backing(m_file);
        Scores scores(&backing);
        EXPECT_EQ(scores.count(), 4);
        // Loading writes nothing.
        EXPECT_FALSE(stored(Store::kUnreadableKey).isValid());

        scores.Save();
        EXPECT_EQ(stored(Store::kUnreadableKey), unreadable);
        EXPECT_EQ(stored(Store::kValueKey).toByteArray().left(11), QByteArray("Computer 1\0", 11));
        EXPECT_EQ(stored(Store::kValueKey).typeId(), QMetaType::QByteArray);
        scores.Save();  // the second save keeps the set-aside copy
        EXPECT_EQ(stored(Store::kUnreadableKey), unreadable);
    }
}

}  // namespace
}  // namespace slyders
