#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "boxes/message_boxes.h"
#include "input/local_devices.h"

class QLabel;
class QPushButton;
class QTimer;

namespace slyders {

// A seat as the players dialog shows it now: who sits there and which key-pair entry.
struct SeatInPlay {
    std::string name;
    int keyPair = 0;
};

// "Keys": choose the two custom key pairs, and test every seat's keys at once. The test
// lights a seat's key while this window is told it is held, and lists every key it is told
// is held: a key held but missing there is one this keyboard cannot read with the others.
class KeysWindow final : public QDialog {
    Q_OBJECT

public:
    KeysWindow(LocalDevices& devices, std::vector<SeatInPlay> seats, MessageBoxes& boxes,
               QWidget* parent = nullptr);

    // Starts choosing custom pair 0 or 1: the next key is its left, the one after its right.
    void chooseCustom(int customPair);
    // The line of keys held together, as shown.
    QString heldTogether() const;
    bool lit(int seat, int side) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct HeldKey {
        int code;
        bool keypad;
        friend auto operator<=>(const HeldKey&, const HeldKey&) = default;
    };

    QWidget* buildCustomRows();
    QWidget* buildKeyTest();
    void takeCustomKey(int code);
    void cancelChoosing();  // Esc while choosing: the pair keeps its keys
    void showCustomKeys();
    void updateTest();
    bool held(int keyPair, int side, const PadStates& pads) const;
    std::vector<int> seatedPairs() const;
    QString lampText(int keyPair, int side) const;

    LocalDevices& m_devices;
    std::vector<SeatInPlay> m_seats;
    MessageBoxes& m_boxes;

    CustomKeys m_choosing;              // the keys while a pair is being chosen
    std::optional<int> m_choosingPair;  // which custom pair, while choosing
    int m_choosingSide = 0;
    std::vector<HeldKey> m_held;  // in the order they were pressed
    std::array<QLabel*, kCustomKeyPairs> m_customLabels{};
    std::array<QPushButton*, kCustomKeyPairs> m_chooseButtons{};
    QLabel* m_prompt = nullptr;
    std::vector<std::array<QLabel*, 2>> m_lamps;
    QLabel* m_heldLine = nullptr;
    QTimer* m_padTimer = nullptr;
};

}  // namespace slyders
