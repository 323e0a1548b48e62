#include "frame/languages.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace slyders {

namespace {

constexpr const char* kFilePrefix = "slyders";

// The installed translation; one at a time, replaced by a new choice.
QTranslator*& installedTranslator() {
    static QTranslator* translator = nullptr;
    return translator;
}

QLocale localeOf(const QString& chosen) {
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

}  // namespace

QString installGameLanguage(QCoreApplication& app, const std::filesystem::path& folder,
                            const QString& chosen) {
    QTranslator*& current = installedTranslator();
    if (current) {
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
    current = translator.release();
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
    const auto at = codes.indexOf(current);
    bool ok = false;
    const QString picked = QInputDialog::getItem(
        owner, QCoreApplication::translate("Language", "Language"),
        QCoreApplication::translate("Language",
                                    "The game speaks this language from its next start:"),
        names, at < 0 ? 0 : int(at), false, &ok);
    if (!ok) return std::nullopt;
    return codes.at(names.indexOf(picked));
}

}  // namespace slyders
