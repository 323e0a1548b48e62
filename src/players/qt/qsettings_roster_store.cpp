#include "players/qt/qsettings_roster_store.h"

#include <QByteArray>
#include <QSettings>
#include <QVariant>
#include <memory>

namespace slyders {

namespace {

constexpr const char* kOrganisation = "Tallowin";
constexpr const char* kApplication = "Slyders";

std::unique_ptr<QSettings> openSettings(const QString& iniFile) {
    if (iniFile.isEmpty()) return std::make_unique<QSettings>(kOrganisation, kApplication);
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

}  // namespace

std::vector<std::uint8_t> QSettingsRosterStore::read() {
    const QVariant value = openSettings(m_iniFile)->value(kValueKey);
    if (!value.isValid()) return {};
    if (value.typeId() != QMetaType::QByteArray) {
        // Not a binary value: nothing of it is a roster, but it is not ours to destroy.
        m_keepAside = true;
        return {};
    }
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QSettingsRosterStore::write(const std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<QSettings> settings = openSettings(m_iniFile);
    if (m_keepAside) {
        const QVariant old = settings->value(kValueKey);
        if (old.isValid()) settings->setValue(kUnreadableKey, old);
        m_keepAside = false;
    }
    settings->setValue(kValueKey, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<qsizetype>(bytes.size())));
    settings->sync();
}

}  // namespace slyders
