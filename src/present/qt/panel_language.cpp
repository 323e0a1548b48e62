#include "present/qt/panel_language.h"

#include <QCoreApplication>
#include <array>

namespace slyders {

namespace {

constexpr const char* kContext = "Panel";

// Every text the game shows in the panel: the headings and the event names.
[[maybe_unused]] constexpr std::array<const char*, 15> kPanelTexts{
    QT_TRANSLATE_NOOP("Panel", "Game\npoints"),
    QT_TRANSLATE_NOOP("Panel", "Round\npoints"),
    QT_TRANSLATE_NOOP("Panel", "Rounds\nwon"),
    QT_TRANSLATE_NOOP("Panel", "New game starts!"),
    QT_TRANSLATE_NOOP("Panel", "Wall"),
    QT_TRANSLATE_NOOP("Panel", "Wall disaster!"),
    QT_TRANSLATE_NOOP("Panel", "Void..."),
    QT_TRANSLATE_NOOP("Panel", "Void disaster!"),
    QT_TRANSLATE_NOOP("Panel", "Where is the food?"),
    QT_TRANSLATE_NOOP("Panel", "Cruel mouse"),
    QT_TRANSLATE_NOOP("Panel", "Scrolling..."),
    QT_TRANSLATE_NOOP("Panel", "Attractor"),
    QT_TRANSLATE_NOOP("Panel", "Attractor disaster!"),
    QT_TRANSLATE_NOOP("Panel", "Tunnel"),
    QT_TRANSLATE_NOOP("Panel", "Tunnel disaster!"),
};

// Event names around a player's name (or a room's code), which stays as it was written.
constexpr std::array<const char*, 6> kNamePatterns{
    QT_TRANSLATE_NOOP("Panel", "%1 disappears!"),
    QT_TRANSLATE_NOOP("Panel", "%1 left the game."),
    QT_TRANSLATE_NOOP("Panel", "%1, R.I.P."),
    QT_TRANSLATE_NOOP("Panel", "This round won by %1!"),
    QT_TRANSLATE_NOOP("Panel", "Waiting for %1..."),
    QT_TRANSLATE_NOOP("Panel", "Watching room %1"),
};

QString translated(const QString& english) {
    const QByteArray source = english.toUtf8();
    const QString whole = QCoreApplication::translate(kContext, source.constData());
    if (whole != english) return whole;
    for (const char* pattern : kNamePatterns) {
        const QString p = QString::fromLatin1(pattern);
        const auto at = p.indexOf(QLatin1String("%1"));
        const QString before = p.left(at), after = p.mid(at + 2);
        if (english.size() > before.size() + after.size() && english.startsWith(before) &&
            english.endsWith(after)) {
            const QString name = english.mid(before.size(), english.size() - p.size() + 2);
            return QCoreApplication::translate(kContext, pattern).arg(name);
        }
    }
    return english;
}

}  // namespace

PanelLanguage qtPanelLanguage() {
    return [](const std::string& english) {
        return translated(QString::fromStdString(english)).toStdString();
    };
}

}  // namespace slyders
