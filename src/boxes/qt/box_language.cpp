#include "boxes/qt/box_language.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>
#include <vector>

#include "boxes/qt/box_texts.h"

namespace slyders {

namespace {

QString inLanguage(const char* english) {
    return QCoreApplication::translate(kBoxContext, english);
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
    for (const Pattern& pattern : boxPatterns()) {
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
    if (kind == Part::Reasons) {
        QStringList reasons = english.split(QLatin1String(kReasonsJoin));
        for (QString& reason : reasons) reason = translated(reason, Part::Text);
        return reasons.join(inLanguage(kReasonsJoin));
    }
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
