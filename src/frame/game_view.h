#pragma once

#include <QWidget>

#include "game/pixel_buffer.h"

namespace slyders {

// The main window's client area. It shows the window picture and copies to the screen only
// the parts of it that changed.
class GameView final : public QWidget {
public:
    GameView(PixelBuffer& picture, double devicePixelRatio, QWidget* parent = nullptr);

    // Asks the toolkit to repaint the changed parts of the picture.
    void flushDirty();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PixelBuffer& m_picture;
    double m_dpr;
};

}  // namespace slyders
