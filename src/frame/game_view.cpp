#include "frame/game_view.h"

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace slyders {

namespace {
// Small enough for any screen; a client area too small for a game keeps the picture it has.
constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 200;
constexpr int kShadowOffset = 1;  // a dark copy of an overlay text behind it, for any ground

QFont overlayFont(const OverlayText& t, double dpr) {
    QFont font;
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(t.pixelHeight / dpr))));
    return font;
}
}  // namespace

GameView::GameView(PixelBuffer& picture, double devicePixelRatio, QWidget* parent)
    : QWidget(parent), m_picture(picture), m_dpr(devicePixelRatio) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the picture or the margin
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(sizeHint());
}

QSize GameView::pictureSize() const {
    return {static_cast<int>(std::ceil(m_picture.width() / m_dpr)),
            static_cast<int>(std::ceil(m_picture.height() / m_dpr))};
}

QSize GameView::sizeHint() const {
    return pictureSize();
}

// Centred when the view is larger; when it is smaller the top-left part, with the arena, shows.
QPoint GameView::origin() const {
    const QSize p = pictureSize();
    return {std::max(0, (width() - p.width()) / 2), std::max(0, (height() - p.height()) / 2)};
}

void GameView::flushDirty() {
    const Rect whole{0, 0, m_picture.width(), m_picture.height()};
    const QPoint o = origin();
    for (const Rect& r : m_picture.dirty.take()) {
        const Rect c = intersect(r, whole);
        if (c.empty()) continue;
        // Device pixels to logical ones, rounded outward.
        const int x0 = static_cast<int>(std::floor(c.x / m_dpr));
        const int y0 = static_cast<int>(std::floor(c.y / m_dpr));
        const int x1 = static_cast<int>(std::ceil(c.right() / m_dpr));
        const int y1 = static_cast<int>(std::ceil(c.bottom() / m_dpr));
        update(o.x() + x0, o.y() + y0, x1 - x0, y1 - y0);
    }
}

QRect GameView::overlayRect(const OverlayText& t) const {
    const QFontMetrics metrics(overlayFont(t, m_dpr));
    const int w = metrics.horizontalAdvance(t.text) + kShadowOffset;
    const int h = metrics.height() + kShadowOffset;
    // The box's edge nearest the anchor is `gap` away from it in the text's direction.
    const double dx = t.direction.x(), dy = t.direction.y(), gap = t.gap / m_dpr;
    const double cx = t.anchor.x() / m_dpr + dx * gap + dx * w / 2.0;
    const double cy = t.anchor.y() / m_dpr + dy * gap + dy * h / 2.0;
    const double left = t.bounds.x() / m_dpr, top = t.bounds.y() / m_dpr;
    const double right = (t.bounds.x() + t.bounds.width()) / m_dpr;
    const double bottom = (t.bounds.y() + t.bounds.height()) / m_dpr;
    const double x = std::clamp(cx - w / 2.0, left, std::max(left, right - w));
    const double y = std::clamp(cy - h / 2.0, top, std::max(top, bottom - h));
    return QRect(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), w, h)
        .translated(origin());
}

void GameView::setOverlay(std::vector<OverlayText> texts) {
    if (texts == m_overlay) return;
    for (const OverlayText& t : m_overlay) update(overlayRect(t));
    m_overlay = std::move(texts);
    for (const OverlayText& t : m_overlay) update(overlayRect(t));
}

void GameView::paintOverlay(QPainter& painter, const QRect& exposed) {
    for (const OverlayText& t : m_overlay) {
        const QRect r = overlayRect(t);
        if (!r.intersects(exposed)) continue;
        painter.setFont(overlayFont(t, m_dpr));
        const QRect text = r.adjusted(0, 0, -kShadowOffset, -kShadowOffset);
        painter.setPen(Qt::black);
        painter.drawText(text.translated(kShadowOffset, kShadowOffset), Qt::AlignLeft, t.text);
        painter.setPen(t.colour);
        painter.drawText(text, Qt::AlignLeft, t.text);
    }
}

void GameView::pictureResized() {
    m_picture.dirty.take();
    updateGeometry();
    update();
}

void GameView::setRecolour(const SlotRecolour& recolour) {
    m_recolour = recolour;
    update();
}

void GameView::paintEvent(QPaintEvent* event) {
    QImage image(reinterpret_cast<const uchar*>(m_picture.data()), m_picture.width(),
                 m_picture.height(), m_picture.stride() * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(m_dpr);
    QPainter painter(this);
    const QRect shown(origin(), pictureSize());
    const QRect r = event->rect();
    const QRegion margin = QRegion(r).subtracted(shown);
    for (const QRect& m : margin) painter.fillRect(m, Qt::black);
    const QRect inside = r.intersected(shown).translated(-shown.topLeft());
    if (!inside.isEmpty()) {
        const QRectF source(inside.x() * m_dpr, inside.y() * m_dpr, inside.width() * m_dpr,
                            inside.height() * m_dpr);
        if (!m_recolour.changesAnything()) {
            painter.drawImage(QRectF(inside.translated(shown.topLeft())), image, source);
        } else {
            QImage part = image.copy(source.toAlignedRect());
            for (int y = 0; y < part.height(); ++y)
                m_recolour.apply(reinterpret_cast<std::uint32_t*>(part.scanLine(y)), part.width());
            painter.drawImage(QRectF(inside.translated(shown.topLeft())), part);
        }
    }
    paintOverlay(painter, r);
}

void GameView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
    if (m_resized) {
        m_resized(static_cast<int>(std::lround(width() * m_dpr)),
                  static_cast<int>(std::lround(height() * m_dpr)));
    }
}

void GameView::tellPointer(Pointer what, const QMouseEvent& event) {
    if (!m_pointer) return;
    const QPointF p = event.position() - QPointF(origin());
    m_pointer(what, static_cast<int>(std::floor(p.x() * m_dpr)),
              static_cast<int>(std::floor(p.y() * m_dpr)));
}

void GameView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) tellPointer(Pointer::Press, *event);
    QWidget::mousePressEvent(event);
}

void GameView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) tellPointer(Pointer::Drag, *event);
    QWidget::mouseMoveEvent(event);
}

void GameView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) tellPointer(Pointer::Release, *event);
    QWidget::mouseReleaseEvent(event);
}

}  // namespace slyders
