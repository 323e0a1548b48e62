#include "boxes/qt/box_language.h"

#include <QCoreApplication>
#include <array>
#include <optional>
#include <vector>

namespace slyders {

namespace {

constexpr const char* kContext = "GameMessages";

// The boxes' whole texts and titles as the plain game code writes them.
[[maybe_unused]] constexpr std::array kWholeTexts{
    QT_TRANSLATE_NOOP("GameMessages", "Draw. No winner yet!"),
    QT_TRANSLATE_NOOP("GameMessages", "This DEMO game ends with a draw."),
    QT_TRANSLATE_NOOP("GameMessages", "Start DEMO game? (current results will be lost)"),
    QT_TRANSLATE_NOOP("GameMessages", "Keep this replay?"),
    QT_TRANSLATE_NOOP("GameMessages", "Stop watching?"),
    QT_TRANSLATE_NOOP("GameMessages", "The recorded game was left here, before its end."),
    QT_TRANSLATE_NOOP("GameMessages", "Open replay"),
    QT_TRANSLATE_NOOP("GameMessages", "Keep this replay"),
    QT_TRANSLATE_NOOP("GameMessages", "Replay not saved"),
    QT_TRANSLATE_NOOP("GameMessages", "Play on a server"),
    QT_TRANSLATE_NOOP("GameMessages", "Seat a player first (Players > Set up human players...)."),
    QT_TRANSLATE_NOOP("GameMessages", "The machines disagree about the game; it was stopped."),
    QT_TRANSLATE_NOOP("GameMessages",
                      "The host dropped this machine because it stopped answering."),
    QT_TRANSLATE_NOOP("GameMessages",
                      "This machine's game was not the server's; it was taken out of the game."),
    QT_TRANSLATE_NOOP("GameMessages", "The server is shutting down."),
    QT_TRANSLATE_NOOP("GameMessages", "The host has closed the game."),
    QT_TRANSLATE_NOOP("GameMessages", "the computer player"),
    // Why a host or a server refused this machine, or why a game stopped.
    QT_TRANSLATE_NOOP("GameMessages", "This game was made by a different version of Slyders."),
    QT_TRANSLATE_NOOP("GameMessages", "The host stopped answering."),
    QT_TRANSLATE_NOOP("GameMessages", "The game is full: no seat is free."),
    QT_TRANSLATE_NOOP("GameMessages", "The game is full: only 1 seat is free."),
    QT_TRANSLATE_NOOP("GameMessages", "Wrong password."),
    QT_TRANSLATE_NOOP("GameMessages", "This game needs a password."),
    QT_TRANSLATE_NOOP("GameMessages", "The game has already started."),
    QT_TRANSLATE_NOOP("GameMessages", "Too many bad packets."),
    QT_TRANSLATE_NOOP("GameMessages", "No room has this code."),
    QT_TRANSLATE_NOOP("GameMessages", "Too many wrong codes: try again in a few minutes."),
    QT_TRANSLATE_NOOP("GameMessages", "The server holds all the rooms it may: try again later."),
    QT_TRANSLATE_NOOP("GameMessages",
                      "A player's name belongs to another machine on this server."),
    QT_TRANSLATE_NOOP("GameMessages", "The room has as many spectators as it may."),
    QT_TRANSLATE_NOOP("GameMessages", "The room is full: no seat is free."),
    QT_TRANSLATE_NOOP("GameMessages", "Refused."),
};

// What a pattern's %1, %2... stand for.
enum class Part {
    Kept,    // a name, a number or a reason from the system: as it is
    Player,  // a player's name, which may be the computer player
    Text,    // a whole box text of its own, translated in turn
};

struct Pattern {
    const char* english;
    std::vector<Part> parts;
};

// Composed texts, the longer before the shorter they may contain.
const std::array<Pattern, 12> kPatterns{{
    {QT_TRANSLATE_NOOP("GameMessages", "Round finished!\n%1\n\nClick for the next round:"),
     {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages", "Round finished!\n%1"), {Part::Text}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "%1 points reached.\n\nThe winner is %2 !\n%3's rating is now %4."),
     {Part::Kept, Part::Player, Part::Kept, Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "This DEMO game has been won by %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages",
                       "This replay did not play as it was recorded, from tick %1 on."),
     {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "%1\nThe game itself is not affected."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "Gamepad %1 is not connected."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "the computer player #%1"), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "The game is full: only %1 seats are free."),
     {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "Could not reach %1."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "The host at %1 did not answer."), {Part::Kept}},
    {QT_TRANSLATE_NOOP("GameMessages", "No room has the code %1."), {Part::Kept}},
}};

QString inLanguage(const char* english) {
    return QCoreApplication::translate(kContext, english);
}

// The pattern's fixed pieces around its %1..%9, in order.
struct Pieces {
    std::vector<QString> literals;  // one more than numbers
    std::vector<int> numbers;       // which %N comes after each literal
};

Pieces piecesOf(const QString& pattern) {
    Pieces p;
    QString literal;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' &&
            pattern[i + 1] <= u'9') {
            p.literals.push_back(literal);
            p.numbers.push_back(pattern[i + 1].unicode() - u'0');
            literal.clear();
            ++i;
        } else {
            literal += pattern[i];
        }
    }
    p.literals.push_back(literal);
    return p;
}

// Fills captured[k] and on with what stands for each placeholder, at least one character each,
// trying every place the following piece occurs; `at` is where the k-th placeholder begins.
bool fill(const QString& text, qsizetype at, const std::vector<QString>& literals, std::size_t k,
          std::vector<QString>& captured) {
    const QString& next = literals[k + 1];
    if (k + 2 == literals.size()) {
        const qsizetype end = text.size() - next.size();
        if (end <= at || !text.endsWith(next)) return false;
        captured[k] = text.mid(at, end - at);
        return true;
    }
    for (qsizetype end = text.indexOf(next, at + 1); end >= 0; end = text.indexOf(next, end + 1)) {
        captured[k] = text.mid(at, end - at);
        if (fill(text, end + next.size(), literals, k + 1, captured)) return true;
    }
    return false;
}

std::optional<std::vector<QString>> match(const QString& text, const Pieces& p) {
    if (p.numbers.empty() || !text.startsWith(p.literals.front())) return std::nullopt;
    std::vector<QString> captured(p.numbers.size());
    if (!fill(text, p.literals.front().size(), p.literals, 0, captured)) return std::nullopt;
    return captured;
}

// The %N in a translated pattern replaced in one pass, so that a name holding "%2" stays.
QString substitute(const QString& pattern, const std::vector<QString>& args) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' &&
            pattern[i + 1] <= u'9') {
            const auto n = std::size_t(pattern[i + 1].unicode() - u'1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

QString translated(const QString& english, Part kind);

QString fromPattern(const QString& english) {
    for (const Pattern& pattern : kPatterns) {
        const Pieces pieces = piecesOf(QString::fromLatin1(pattern.english));
        const auto captured = match(english, pieces);
        if (!captured) continue;
        std::vector<QString> args(pattern.parts.size());
        for (std::size_t k = 0; k < captured->size(); ++k) {
            const auto n = std::size_t(pieces.numbers[k] - 1);
            if (n < args.size()) args[n] = translated((*captured)[k], pattern.parts[n]);
        }
        return substitute(inLanguage(pattern.english), args);
    }
    return english;
}

QString translated(const QString& english, Part kind) {
    if (kind == Part::Kept) return english;
    if (kind == Part::Player) {
        // Only the computer player's own names are the game's words.
        if (english == QLatin1String("the computer player"))
            return inLanguage("the computer player");
        if (english.startsWith(QLatin1String("the computer player #"))) return fromPattern(english);
        return english;
    }
    const QByteArray source = english.toUtf8();
    const QString whole = inLanguage(source.constData());
    if (whole != english) return whole;
    return fromPattern(english);
}

}  // namespace

QString boxText(const std::string& english) {
    return translated(QString::fromStdString(english), Part::Text);
}

}  // namespace slyders
