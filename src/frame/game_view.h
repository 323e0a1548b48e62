#pragma once

#include <QWidget>
#include <functional>

#include "game/pixel_buffer.h"

namespace slyders {

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

    // Told the left button's press, moves while held and release, at a point of the
    // picture in device pixels.
    enum class Pointer { Press, Drag, Release };
    void onPointer(std::function<void(Pointer, int, int)> pointer) {
        m_pointer = std::move(pointer);
    }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize pictureSize() const;  // logical pixels
    void tellPointer(Pointer what, const QMouseEvent& event);

    PixelBuffer& m_picture;
    double m_dpr;
    std::function<void(int, int)> m_resized;
    std::function<void(Pointer, int, int)> m_pointer;
};

}  // namespace slyders
