#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;
#include <functional>
#include <vector>

#include "game/pixel_buffer.h"
#include "present/slot_palette.h"

namespace slyders {

// A text shown over the picture and never drawn into it (the game reads the arena's
// pixels): the slyders' names beside their heads while the intro lasts.
struct OverlayText {
    QString text;
    QPoint anchor;      // picture pixels: the point the text stands beside
    QPointF direction;  // a unit vector: the text lies this way from the anchor ...
    int gap = 0;        // ... this many picture pixels away
    QRect bounds;       // picture pixels: the text stays inside
    QColor colour;
    int pixelHeight = 13;  // picture pixels
    bool operator==(const OverlayText&) const = default;
};

// The main window's client area. It shows the window picture and copies to the screen only
// the parts of it that changed. When the client area is larger than the picture (a game
// keeps its arena while the window grows), the picture stays centred on black.
class GameView final : public QWidget {
public:
    GameView(PixelBuffer& picture, double devicePixelRatio, QWidget* parent = nullptr);

    // Asks the toolkit to repaint the changed parts of the picture.
    void flushDirty();
    // The picture has a new size: the whole client area is shown again.
    void pictureResized();
    // Where the picture's top-left corner is, in logical pixels of the view.
    QPoint origin() const;
    // Told the client area's new size in device pixels.
    void onResized(std::function<void(int, int)> resized) { m_resized = std::move(resized); }

    // The texts shown over the picture from now on.
    void setOverlay(std::vector<OverlayText> texts);
    const std::vector<OverlayText>& overlay() const { return m_overlay; }
    // Where an overlay text stands, in logical pixels of the view.
    QRect overlayRect(const OverlayText& text) const;
    // Told the left button's press, moves while held and release, at a point of the
    // picture in device pixels.
    enum class Pointer { Press, Drag, Release };
    void onPointer(std::function<void(Pointer, int, int)> pointer) {
        m_pointer = std::move(pointer);
    }

    QSize sizeHint() const override;

    // The slot colours the screen shows; the picture itself keeps the game's own.
    void setRecolour(const SlotRecolour& recolour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize pictureSize() const;  // logical pixels
    void paintOverlay(QPainter& painter, const QRect& exposed);
    void tellPointer(Pointer what, const QMouseEvent& event);

    PixelBuffer& m_picture;
    double m_dpr;
    std::function<void(int, int)> m_resized;
    SlotRecolour m_recolour;
    std::vector<OverlayText> m_overlay;
    std::function<void(Pointer, int, int)> m_pointer;
};

}  // namespace slyders
