#pragma once

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace slyders {

// The help dialogs: a fixed client size, a title bar without buttons, centred on the screen.
inline void frameFixedDialog(QDialog& dialog, int width, int height) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.move(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2);
    }
}

}  // namespace slyders
