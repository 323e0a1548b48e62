#include "present/qt/qt_text_renderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

namespace slyders {

namespace {

// The game's fonts and the faces that stand in for them. Impact comes in one heavy weight
// only, so its substitute is always drawn bold; it needs lower case, which rules out the
// all-capitals display faces.
struct Substitute {
    const char* name;
    const char* face;
    bool alwaysBold;
};
constexpr Substitute kSubstitutes[] = {
    {"Comic Sans MS", "Comic Neue", false},
    {"Arial", "Liberation Sans", false},
    {"MS Sans Serif", "Liberation Sans", false},
    {"Impact", "Roboto Condensed", true},
};

void installSubstitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    for (const Substitute& s : kSubstitutes) QFont::insertSubstitution(s.name, s.face);
}

bool alwaysBold(const std::string& family) {
    for (const Substitute& s : kSubstitutes) {
        if (s.alwaysBold && family == s.name) return true;
    }
    return false;
}

QFont toQFont(const FontSpec& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPixelSize(font.height < 1 ? 1 : font.height);
    f.setBold(font.bold || alwaysBold(font.family));
    f.setItalic(font.italic);
    return f;
}

QString toQString(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

QtTextRenderer::QtTextRenderer() {
    installSubstitutions();
}

TextSize QtTextRenderer::extent(const FontSpec& font, std::string_view text) {
    const QFontMetrics fm(toQFont(font));
    return {fm.horizontalAdvance(toQString(text)), fm.height()};
}

void QtTextRenderer::draw(PixelBuffer& target, int x, int y, const FontSpec& font, Rgb colour,
                          std::string_view text) {
    QImage image(reinterpret_cast<uchar*>(target.data()), target.width(), target.height(),
                 target.stride() * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont f = toQFont(font);
    painter.setFont(f);
    painter.setPen(QColor(colour.r, colour.g, colour.b));
    const QFontMetrics fm(f);
    painter.drawText(x, y + fm.ascent(), toQString(text));
    painter.end();
    target.dirty.add({x, y, fm.horizontalAdvance(toQString(text)), fm.height()});
}

}  // namespace slyders
