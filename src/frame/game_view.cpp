#include "frame/game_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace slyders {

GameView::GameView(PixelBuffer& picture, double devicePixelRatio, QWidget* parent)
    : QWidget(parent), m_picture(picture), m_dpr(devicePixelRatio) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the picture
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(static_cast<int>(std::ceil(picture.width() / m_dpr)),
                 static_cast<int>(std::ceil(picture.height() / m_dpr)));
}

void GameView::flushDirty() {
    const Rect whole{0, 0, m_picture.width(), m_picture.height()};
    for (const Rect& r : m_picture.dirty.take()) {
        const Rect c = intersect(r, whole);
        if (c.empty()) continue;
        // Device pixels to logical ones, rounded outward.
        const int x0 = static_cast<int>(std::floor(c.x / m_dpr));
        const int y0 = static_cast<int>(std::floor(c.y / m_dpr));
        const int x1 = static_cast<int>(std::ceil(c.right() / m_dpr));
        const int y1 = static_cast<int>(std::ceil(c.bottom() / m_dpr));
        update(x0, y0, x1 - x0, y1 - y0);
    }
}

void GameView::paintEvent(QPaintEvent* event) {
    QImage image(reinterpret_cast<const uchar*>(m_picture.data()), m_picture.width(),
                 m_picture.height(), m_picture.stride() * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(m_dpr);
    QPainter painter(this);
    const QRect r = event->rect();
    const QRectF source(r.x() * m_dpr, r.y() * m_dpr, r.width() * m_dpr, r.height() * m_dpr);
    painter.drawImage(QRectF(r), image, source);
}

}  // namespace slyders
