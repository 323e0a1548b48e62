#pragma once

#include <QString>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

class QCoreApplication;
class QInputDialog;
class QWidget;

namespace slyders {

// A language the game speaks besides English: its code and its name in itself.
struct GameLanguage {
    const char* code;
    const char* name;
};

inline constexpr std::array<GameLanguage, 5> kGameLanguages{{
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
    {"pl", "Polski"},
    {"pt_BR", "Português (Brasil)"},
}};
// The choice that keeps the game in English whatever the system speaks.
inline constexpr const char* kEnglish = "en";

// Loads the translation of the chosen language ("" follows the system's locale) from
// "slyders_<code>.qm" in the folder and installs it; English, or a language the game does
// not speak, installs nothing. Returns the language now spoken ("en" for English).
QString installGameLanguage(QCoreApplication& app, const std::filesystem::path& folder,
                            const QString& chosen);

// The chooser Help > Language... shows, the current language picked.
std::unique_ptr<QInputDialog> languageDialog(QWidget* owner, const QString& current);

// Help > Language...: the player picks the system's language, English or one of ours.
// Returns the code picked ("" = the system's), or nothing when cancelled.
std::optional<QString> chooseLanguage(QWidget* owner, const QString& current);

}  // namespace slyders
