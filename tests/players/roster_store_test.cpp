#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "players/qt/qsettings_roster_store.h"
#include "players/roster_bytes.h"
#include "players/scores.h"

namespace slyders {
namespace {

class RosterStoreTest : public testing::Test {
protected:
    QVariant stored(const char* key) { return QSettings(m_file, QSettings::IniFormat).value(key); }
    void store(const QVariant& value) {
        QSettings settings(m_file, QSettings::IniFormat);
        settings.setValue(QSettingsRosterStore::kValueKey, value);
    }

    QTemporaryDir m_dir;
    QString m_file = m_dir.filePath("roster.ini");
};

TEST_F(RosterStoreTest, TheRosterSurvivesARestartByteForByte) {
    {
        QSettingsRosterStore backing(m_file);
        Scores scores(&backing);
        ASSERT_TRUE(scores.Add(PlrScore{"Zo\xC3\xAB", 0, {}}));
        scores.UpdateRatings({{0, 10, false}, {4, 40, true}});
        const QByteArray value = stored(QSettingsRosterStore::kValueKey).toByteArray();
        const std::vector<std::uint8_t> expected = serialiseRoster(
            {scores.entry(0), scores.entry(1), scores.entry(2), scores.entry(3), scores.entry(4)});
        EXPECT_EQ(std::vector<std::uint8_t>(value.begin(), value.end()), expected);
    }
    QSettingsRosterStore backing(m_file);
    Scores again(&backing);
    ASSERT_EQ(again.count(), 5);
    EXPECT_EQ(again.entry(4).name, "Zo\xC3\xAB");
    EXPECT_EQ(again.entry(4).results[0], 1);
    EXPECT_EQ(again.entry(4).played, 40);
    EXPECT_FALSE(stored(QSettingsRosterStore::kUnreadableKey).isValid());
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
        store(unreadable);
        QSettings(m_file, QSettings::IniFormat).remove(QSettingsRosterStore::kUnreadableKey);
        QSettingsRosterStore backing(m_file);
        Scores scores(&backing);
        EXPECT_EQ(scores.count(), 4);
        EXPECT_FALSE(
            stored(QSettingsRosterStore::kUnreadableKey).isValid());  // loading writes nothing

        scores.Save();
        EXPECT_EQ(stored(QSettingsRosterStore::kUnreadableKey), unreadable);
        EXPECT_EQ(stored(QSettingsRosterStore::kValueKey).toByteArray().left(11),
                  QByteArray("Computer 1\0", 11));
        EXPECT_EQ(stored(QSettingsRosterStore::kValueKey).typeId(), QMetaType::QByteArray);
        scores.Save();  // the second save keeps the set-aside copy
        EXPECT_EQ(stored(QSettingsRosterStore::kUnreadableKey), unreadable);
    }
}

}  // namespace
}  // namespace slyders
