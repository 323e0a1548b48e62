#pragma once

#include <QString>
#include <utility>

#include "players/scores.h"

namespace slyders {

// The roster kept through QSettings, organisation "Tallowin", application "Slyders":
// the binary value "Etc/Path", byte for byte. A value that cannot be read whole is copied
// to "Etc/Path.unreadable" at the next write instead of being overwritten unseen.
class QSettingsRosterStore final : public RosterStore {
public:
    static constexpr const char* kValueKey = "Etc/Path";
    static constexpr const char* kUnreadableKey = "Etc/Path.unreadable";

    // The game's own settings location (on Linux under XDG_CONFIG_HOME).
    QSettingsRosterStore() = default;
    // An explicit INI file instead, for tools and tests.
    explicit QSettingsRosterStore(QString iniFile) : m_iniFile(std::move(iniFile)) {}

    std::vector<std::uint8_t> read() override;
    void write(const std::vector<std::uint8_t>& bytes) override;
    void keepUnreadable() override { m_keepAside = true; }

private:
    QString m_iniFile;
    bool m_keepAside = false;
};

}  // namespace slyders
