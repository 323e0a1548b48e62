#include "frame/languages.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace slyders {

namespace {

constexpr const char* kFilePrefix = "slyders";

// The installed translations, the game's and the toolkit's own (the file dialog, for one),
// when the system has it; replaced by a new choice.
std::array<QTranslator*, 2>& installedTranslators() {
    static std::array<QTranslator*, 2> translators{};
    return translators;
}

QLocale localeOf(const QString& chosen) {
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

}  // namespace

QString installGameLanguage(QCoreApplication& app, const std::filesystem::path& folder,
                            const QString& chosen) {
    for (QTranslator*& current : installedTranslators()) {
        if (!current) continue;
        QCoreApplication::removeTranslator(current);
        delete current;
        current = nullptr;
    }
    if (chosen == QLatin1String(kEnglish)) return QString::fromLatin1(kEnglish);
    auto translator = std::make_unique<QTranslator>(&app);
    const QString dir = QString::fromStdString(folder.string());
    if (!translator->load(localeOf(chosen), QString::fromLatin1(kFilePrefix), QStringLiteral("_"),
                          dir)) {
        return QString::fromLatin1(kEnglish);
    }
    const QString spoken = translator->language();
    QCoreApplication::installTranslator(translator.get());
    installedTranslators()[0] = translator.release();
    auto toolkit = std::make_unique<QTranslator>(&app);
    if (toolkit->load(localeOf(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        installedTranslators()[1] = toolkit.release();
    }
    return spoken.isEmpty() ? QString::fromLatin1(kEnglish) : spoken;
}

std::optional<QString> chooseLanguage(QWidget* owner, const QString& current) {
    QStringList names{QCoreApplication::translate("Language", "The system's language"),
                      QStringLiteral("English")};
    QStringList codes{QString(), QString::fromLatin1(kEnglish)};
    for (const GameLanguage& l : kGameLanguages) {
        names << QString::fromUtf8(l.name);
        codes << QString::fromLatin1(l.code);
    }
    QInputDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("Language", "Language"));
    dialog.setLabelText(QCoreApplication::translate(
        "Language", "The game speaks this language from its next start:"));
    dialog.setComboBoxItems(names);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(names.at(std::max(0, int(codes.indexOf(current)))));
    dialog.setOkButtonText(QCoreApplication::translate("Language", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("Language", "Cancel"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QString picked = dialog.textValue();
    return codes.at(names.indexOf(picked));
}

}  // namespace slyders
