#include "input/qt/qt_keys.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <algorithm>

namespace slyders {

const std::array<std::array<int, 2>, kFixedKeyPairs> kFixedPairCodes{{
    {Qt::Key_Left, Qt::Key_Right},
    {Qt::Key_Q, Qt::Key_W},
    {Qt::Key_N, Qt::Key_M},
    {Qt::Key_Insert, Qt::Key_Delete},
}};

namespace {

constexpr int kArrowPair = 0;
constexpr int kInsDelPair = 3;

// The keys of the menu commands (F1, F2, F9, Esc, Alt+F4) and the modifiers of the
// shortcuts: steering with them would start commands in the middle of a game.
constexpr std::array kMenuKeys{Qt::Key_F1,     Qt::Key_F2,      Qt::Key_F4,     Qt::Key_F9,
                               Qt::Key_Escape, Qt::Key_Alt,     Qt::Key_AltGr,  Qt::Key_Control,
                               Qt::Key_Meta,   Qt::Key_Super_L, Qt::Key_Super_R};

std::optional<PairKey> keypadKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_0:
            return PairKey{kInsDelPair, CustomKeys::kLeft};
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return PairKey{kInsDelPair, CustomKeys::kRight};
        case Qt::Key_4:
            return PairKey{kArrowPair, CustomKeys::kLeft};
        case Qt::Key_6:
            return PairKey{kArrowPair, CustomKeys::kRight};
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<PairKey> fixedPairKey(int qtKey, bool keypad) {
    if (keypad) {
        if (const auto key = keypadKey(qtKey)) return key;
    }
    for (int k = 0; k < kFixedKeyPairs; ++k) {
        for (int side : {CustomKeys::kLeft, CustomKeys::kRight}) {
            if (kFixedPairCodes[std::size_t(k)][std::size_t(side)] == qtKey)
                return PairKey{k, side};
        }
    }
    return std::nullopt;
}

std::optional<PairKey> customPairKey(int qtKey, const CustomKeys& custom) {
    if (qtKey == 0) return std::nullopt;
    for (int c = 0; c < kCustomKeyPairs; ++c) {
        for (int side : {CustomKeys::kLeft, CustomKeys::kRight}) {
            if (custom.code[std::size_t(c)][std::size_t(side)] == qtKey)
                return PairKey{kFirstCustomPair + c, side};
        }
    }
    return std::nullopt;
}

namespace {

// The key names QKeySequence spells out; the toolkit asks for them in its own context.
[[maybe_unused]] constexpr std::array<const char*, 8> kKeyNamesToTranslate{
    QT_TRANSLATE_NOOP("QShortcut", "Left"),  QT_TRANSLATE_NOOP("QShortcut", "Right"),
    QT_TRANSLATE_NOOP("QShortcut", "Up"),    QT_TRANSLATE_NOOP("QShortcut", "Down"),
    QT_TRANSLATE_NOOP("QShortcut", "Ins"),   QT_TRANSLATE_NOOP("QShortcut", "Del"),
    QT_TRANSLATE_NOOP("QShortcut", "Space"), QT_TRANSLATE_NOOP("QShortcut", "Backspace"),
};
// What refusalText() is asked for.
[[maybe_unused]] constexpr std::array<const char*, 4> kRefusals{
    QT_TRANSLATE_NOOP("KeyRefusals", "This key cannot be read: please choose another key."),
    QT_TRANSLATE_NOOP("KeyRefusals",
                      "The key %1 belongs to the menu commands: please choose another key."),
    QT_TRANSLATE_NOOP("KeyRefusals",
                      "The key %1 is used by a seated player's key pair %2: please choose "
                      "another key."),
    QT_TRANSLATE_NOOP("KeyRefusals",
                      "The key %1 is already used by %2: please choose another key.")};
// What keyPairsText() is asked for.
[[maybe_unused]] constexpr std::array<const char*, 6> kKeyPairTexts{
    QT_TRANSLATE_NOOP("KeyPairs", "Left / Right"),
    QT_TRANSLATE_NOOP("KeyPairs", "Ins / Del"),
    QT_TRANSLATE_NOOP("KeyPairs", "Custom keys %1"),
    QT_TRANSLATE_NOOP("KeyPairs", "Gamepad %1 (%2)"),
    QT_TRANSLATE_NOOP("KeyPairs", "not connected"),
    QT_TRANSLATE_NOOP("KeyPairs", "none")};

QString keyPairsText(const char* text) {
    return QCoreApplication::translate("KeyPairs", text);
}

// Why a key cannot steer, in the player's language around the key's and the pair's names.
QString refusalText(const char* text) {
    return QCoreApplication::translate("KeyRefusals", text);
}

// The refusal naming the key and the pair that has it.
std::string refusedFor(int qtKey, const char* text, int pair) {
    return refusalText(text)
        .arg(QString::fromStdString(keyName(qtKey)), QString::fromStdString(keyPairText(pair, {})))
        .toStdString();
}

}  // namespace

std::string keyPairText(int k, const PadStates& pads) {
    if (isFixedPair(k)) return keyPairsText(keyPairLabel(k, pads).c_str()).toStdString();
    if (isCustomPair(k))
        return keyPairsText("Custom keys %1").arg(k - kFirstCustomPair + 1).toStdString();
    if (!isGamepadPair(k)) return {};
    const PadState& state = pads[std::size_t(k - kFirstGamepadPair)];
    return keyPairsText("Gamepad %1 (%2)")
        .arg(k - kFirstGamepadPair + 1)
        .arg(state.connected ? QString::fromStdString(state.name) : keyPairsText("not connected"))
        .toStdString();
}

std::string keyName(int qtKey) {
    if (qtKey == 0) return keyPairsText("none").toStdString();
    return QKeySequence(qtKey).toString(QKeySequence::NativeText).toStdString();
}

CustomKeys defaultCustomKeys() {
    CustomKeys keys;
    keys.code = {{{Qt::Key_Z, Qt::Key_X}, {Qt::Key_K, Qt::Key_L}}};
    return keys;
}

bool usableCustomKey(int qtKey) {
    // Codes at or above Key_unknown carry modifier bits or stand for no key.
    if (qtKey <= 0 || qtKey >= Qt::Key_unknown) return false;
    if (std::find(kMenuKeys.begin(), kMenuKeys.end(), qtKey) != kMenuKeys.end()) return false;
    return !QKeySequence(qtKey).toString().isEmpty();
}

std::optional<std::string> customKeyRefusal(int qtKey, const CustomKeys& custom,
                                            const std::vector<int>& seatedPairs) {
    if (!usableCustomKey(qtKey)) {
        if (qtKey <= 0 || qtKey >= Qt::Key_unknown)
            return refusalText("This key cannot be read: please choose another key.").toStdString();
        return refusalText("The key %1 belongs to the menu commands: please choose another key.")
            .arg(QString::fromStdString(keyName(qtKey)))
            .toStdString();
    }
    for (int k : seatedPairs) {
        if (!isFixedPair(k)) continue;
        const auto& codes = kFixedPairCodes[std::size_t(k)];
        if (std::find(codes.begin(), codes.end(), qtKey) != codes.end())
            return refusedFor(qtKey,
                              "The key %1 is used by a seated player's key pair %2: please "
                              "choose another key.",
                              k);
    }
    // The pair being chosen is cleared while it is chosen, so its own earlier left counts.
    if (const auto taken = customPairKey(qtKey, custom))
        return refusedFor(qtKey, "The key %1 is already used by %2: please choose another key.",
                          taken->pair);
    return std::nullopt;
}

std::vector<int> pairCodes(int k, const CustomKeys& custom) {
    if (isFixedPair(k)) {
        const auto& codes = kFixedPairCodes[std::size_t(k)];
        return {codes.begin(), codes.end()};
    }
    if (isCustomPair(k)) {
        const auto& codes = custom.code[std::size_t(k - kFirstCustomPair)];
        return {codes.begin(), codes.end()};
    }
    return {};
}

}  // namespace slyders
