// The dialogs in every language and by keyboard: nothing left in English, nothing cut off,
// every control reached by Tab in reading order and named for screen readers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
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
#include <functional>
#include <memory>

#include "boxes/scripted_boxes.h"
#include "frame/languages.h"
#include "help/about_window.h"
#include "history/game_catalogue.h"
#include "history/qt/history_window.h"
#include "help/help_window.h"
#include "input/qt/qt_keys.h"
#include "net/qt/net_windows.h"
#include "params/qt/param_window.h"
#include "params/settings_table.h"
#include "players/qt/keys_window.h"
#include "players/qt/players_form.h"
#include "replay/replay_store.h"
#include "server/qt/server_windows.h"
#include "video/qt/export_video_dialog.h"
#include "test_support.h"

namespace slyders {
namespace {

// The largest screen a dialog has to fit on.
constexpr int kSmallScreenWidth = 1280;
constexpr int kSmallScreenHeight = 720;
constexpr int kMostTabStops = 60;
// What the players call themselves, and their keys, stay as they are.
const QStringList kNames{"Ann", "Bob", "Q", "W", "SLYDERS v2.1"};

const std::filesystem::path kTranslations = SLYDERS_TRANSLATIONS_DIR;

// A port of this test program's own on 127.0.0.1 for the lobby's game.
std::uint16_t lobbyPort() {
    return test::testPort(61);
}

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
        std::string error;
        EXPECT_TRUE(host.openNear("127.0.0.1", lobbyPort(), error)) << error;
    }
    ~Dialogs() { host.close(); }

    using Make = std::function<std::unique_ptr<QDialog>()>;
    // The dialogs a player meets most, each made afresh in the language installed now.
    std::vector<std::pair<const char*, Make>> all() {
        devices.custom = defaultCustomKeys();
        return {
            {"players",
             [this] {
                 return std::make_unique<TPlayersMgr>(game.gra, boxes, nullptr, nullptr, &devices);
             }},
            {"help", [] { return std::make_unique<THelpWnd>(); }},
            {"about", [this] { return std::make_unique<TAboutWnd>(nullptr, boxes); }},
            {"join",
             [] {
                 return std::make_unique<net::JoinDialog>(
                     nullptr, std::vector<std::string>{"Ann", "Bob"}, 0, "");
             }},
            {"keys",
             [this] {
                 return std::make_unique<KeysWindow>(devices, std::vector<SeatInPlay>{{"Ann", 0}},
                                                     boxes);
             }},
            {"settings",
             [this] { return std::make_unique<TParamWnd>(nullptr, settings, "Settings", boxes); }},
            {"lobby", [this] { return std::make_unique<net::NetLobby>(nullptr, host, 1, "desk"); }},
            {"wait",
             [] {
                 const QString text = QCoreApplication::translate(
                     "NetworkGame", "Joined %1. Waiting for the host to start the game...");
                 return std::make_unique<net::WaitWindow>(nullptr, text.arg("desk"),
                                                          [] { return false; });
             }},
            {"language", [] { return languageDialog(nullptr, QStringLiteral("de")); }},
            {"server", [] { return std::make_unique<server::ServerDialog>(nullptr, "127.0.0.1"); }},
            {"room",
             [] {
                 server::RoomLobby::View v;
                 v.code = "ACDE34";
                 v.owner = true;
                 v.players = {"Ann", "Bob"};
                 v.watchers = 2;
                 return std::make_unique<server::RoomLobby>(
                     nullptr, [v] { return std::optional(v); }, [] {});
             }},
            {"export",
             [this] {
                 return std::make_unique<ExportVideoDialog>(nullptr, folder.path / "game.sly",
                                                            VideoOptions{});
             }},
            {"history",
             [this] {
                 return std::make_unique<HistoryWindow>(catalogue, boxes,
                                                        std::vector<std::string>{"Ann"});
             }},
        };
    }
};

// What a control says on its face.
QStringList shownTexts(const QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (const QLabel* l : dialog.findChildren<QLabel*>()) {
        if (l->isVisible()) texts << l->text();
    }
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        if (b->isVisible()) texts << b->text() << b->toolTip();
    }
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
        EXPECT_LE(translated->frameGeometry().width(), kSmallScreenWidth) << name;
        EXPECT_LE(translated->frameGeometry().height(), kSmallScreenHeight) << name;
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

TEST(Language, EnglishAndUnknownLanguagesInstallNothing) {
    EXPECT_EQ(installGameLanguage(*qApp, kTranslations, "en"), "en");
    EXPECT_EQ(installGameLanguage(*qApp, kTranslations, "xx"), "en");
    EXPECT_EQ(QCoreApplication::translate("slyders::TMainWnd", "&Game"), "&Game");
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

TEST(Dialogs, TabReachesEveryControlInReadingOrderAndEachHasAName) {
    Dialogs dialogs;
    for (const auto& [name, make] : dialogs.all()) {
        const auto dialog = make();
        const std::vector<QWidget*> met = tabRound(*dialog);
        ASSERT_FALSE(met.empty()) << name;
        for (std::size_t i = 0; i < met.size(); ++i) {
            QWidget* w = met[i];
            const QString said = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            EXPECT_FALSE(said.trimmed().isEmpty()) << name << ": " << w->metaObject()->className()
                                                   << " " << w->objectName().toStdString();
            if (i > 0) {
                EXPECT_TRUE(before(met[i - 1], w))
                    << name << ": " << met[i - 1]->metaObject()->className() << " "
                    << met[i - 1]->objectName().toStdString() << " -> "
                    << w->metaObject()->className() << " " << w->objectName().toStdString();
            }
        }
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            const auto* radio = qobject_cast<QRadioButton*>(w);
            const bool stop = (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dialog.get()) &&
                              w->isEnabled() && !(radio && !radio->isChecked());
            if (stop && !w->focusProxy()) {
                EXPECT_NE(std::find(met.begin(), met.end(), w), met.end())
                    << name << ": Tab never reaches " << w->metaObject()->className() << " "
                    << w->objectName().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace slyders
