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

TickInput seatInput(const KeyState& keys, const std::array<HumanSeat, kHumanSeats>& seats) {
    TickInput input;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int k = seats[i].keyPair;
        if (k < 0 || 2 * k + 1 >= kSteerKeyCount) continue;
        const auto& down = keys.down();
        input.seat[i] = (down[std::size_t(2 * k)] ? kSteerLeft : kSteerNone) |
                        (down[std::size_t(2 * k + 1)] ? kSteerRight : kSteerNone);
    }
    return input;
}

}  // namespace slyders
