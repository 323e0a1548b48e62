#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace slyders {

// The drawing of the keyboard in the how-to-play window.
inline constexpr QSize kKeyPictureSize{495, 138};

// One key cap of the drawing: a name to find it by (the keypad's keys start with "Num"),
// the text on it, its place in the picture, and the colour of the player who steers with
// it (invalid for the keys nobody steers with).
struct KeyCap {
    QString id;
    QString label;
    QRect rect;
    QColor colour;
};

// A plain keyboard: the function row, the main block, the editing and arrow keys and the
// keypad, with the four players' key pairs coloured.
std::vector<KeyCap> keyboardLayout();

// The keyboard drawn on a transparent picture of kKeyPictureSize.
QPixmap drawKeyboard();

}  // namespace slyders
