#include "present/qt/view_preferences.h"

#include <QSettings>

namespace slyders {

namespace {

constexpr const char* kOrganisation = "Tallowin";
constexpr const char* kApplication = "Slyders";
constexpr const char* kPaletteKey = "Display/Palette";
constexpr const char* kLanguageKey = "Display/Language";
constexpr const char* kSafeName = "colour-blind-safe";

}  // namespace

SlotPalette savedSlotPalette() {
    const QSettings settings(kOrganisation, kApplication);
    return settings.value(kPaletteKey).toString() == QLatin1String(kSafeName)
               ? SlotPalette::ColourBlindSafe
               : SlotPalette::Standard;
}

void saveSlotPalette(SlotPalette palette) {
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kPaletteKey, palette == SlotPalette::ColourBlindSafe
                                       ? QString::fromLatin1(kSafeName)
                                       : QStringLiteral("standard"));
}

QString savedLanguage() {
    const QSettings settings(kOrganisation, kApplication);
    return settings.value(kLanguageKey).toString();
}

void saveLanguage(const QString& language) {
    QSettings settings(kOrganisation, kApplication);
    if (language.isEmpty()) {
        settings.remove(kLanguageKey);
    } else {
        settings.setValue(kLanguageKey, language);
    }
}

}  // namespace slyders
