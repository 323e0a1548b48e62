#include "present/qt/qt_text_renderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

namespace slyders {

namespace {

void installSubstitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Impact", "Bebas Neue");
}

QFont toQFont(const FontSpec& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPixelSize(font.height < 1 ? 1 : font.height);
    f.setBold(font.bold);
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
                 target.width() * 4, QImage::Format_RGB32);
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
