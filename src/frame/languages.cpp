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

namespace {

// The choices in the order shown: the system's language, English, then ours.
struct LanguageChoices {
    QStringList names;
    QStringList codes;
};

LanguageChoices languageChoices() {
    LanguageChoices c{{QCoreApplication::translate("Language", "The system's language"),
                       QStringLiteral("English")},
                      {QString(), QString::fromLatin1(kEnglish)}};
    for (const GameLanguage& l : kGameLanguages) {
        c.names << QString::fromUtf8(l.name);
        c.codes << QString::fromLatin1(l.code);
    }
    return c;
}

}  // namespace

std::unique_ptr<QInputDialog> languageDialog(QWidget* owner, const QString& current) {
    const LanguageChoices choices = languageChoices();
    auto dialog = std::make_unique<QInputDialog>(owner);
    dialog->setWindowTitle(QCoreApplication::translate("Language", "Language"));
    dialog->setLabelText(QCoreApplication::translate(
        "Language", "The game speaks this language from its next start:"));
    dialog->setComboBoxItems(choices.names);
    dialog->setComboBoxEditable(false);
    dialog->setTextValue(choices.names.at(std::max(0, int(choices.codes.indexOf(current)))));
    dialog->setOkButtonText(QCoreApplication::translate("Language", "OK"));
    dialog->setCancelButtonText(QCoreApplication::translate("Language", "Cancel"));
    return dialog;
}

std::optional<QString> chooseLanguage(QWidget* owner, const QString& current) {
    const auto dialog = languageDialog(owner, current);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    const LanguageChoices choices = languageChoices();
    return choices.codes.at(std::max(0, int(choices.names.indexOf(dialog->textValue()))));
}

}  // namespace slyders
