#pragma once

#include <QWidget>
#include <functional>

#include "game/pixel_buffer.h"
#include "present/slot_palette.h"

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

    QSize sizeHint() const override;

    // The slot colours the screen shows; the picture itself keeps the game's own.
    void setRecolour(const SlotRecolour& recolour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize pictureSize() const;  // logical pixels

    PixelBuffer& m_picture;
    double m_dpr;
    std::function<void(int, int)> m_resized;
    SlotRecolour m_recolour;
};

}  // namespace slyders
