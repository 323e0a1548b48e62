#include "frame/key_state.h"

#include <QtCore/qnamespace.h>

namespace slyders {

std::optional<SteerKey> steerKeyFor(int qtKey, bool keypad) {
    if (keypad) {
        switch (qtKey) {
            case Qt::Key_0:
                return SteerKey::Insert;
            case Qt::Key_Period:
            case Qt::Key_Comma:
                return SteerKey::Delete;
            case Qt::Key_4:
                return SteerKey::Left;
            case Qt::Key_6:
                return SteerKey::Right;
            default:
                break;
        }
    }
    switch (qtKey) {
        case Qt::Key_Left:
            return SteerKey::Left;
        case Qt::Key_Right:
            return SteerKey::Right;
        case Qt::Key_Q:
            return SteerKey::Q;
        case Qt::Key_W:
            return SteerKey::W;
        case Qt::Key_N:
            return SteerKey::N;
        case Qt::Key_M:
            return SteerKey::M;
        case Qt::Key_Insert:
            return SteerKey::Insert;
        case Qt::Key_Delete:
            return SteerKey::Delete;
        default:
            return std::nullopt;
    }
}

}  // namespace slyders
