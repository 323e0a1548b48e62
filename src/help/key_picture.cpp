#include "help/key_picture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <utility>

namespace slyders {

namespace {

constexpr int kUnit = 21;        // the side of a plain key cap, gap included
constexpr int kCapGap = 2;       // between neighbouring caps
constexpr int kLeft = 6;         // centres 23 units of keyboard in the picture
constexpr int kFunctionTop = 4;  // the function row, set apart from the rest
constexpr int kMainTop = kFunctionTop + kUnit + 4;
constexpr double kNavColumn = 15.5;
constexpr double kPadColumn = 19.0;
constexpr int kLargestLabel = 9;
constexpr int kSmallestLabel = 5;

const QColor kYellow{255, 230, 0};
const QColor kBlue{40, 90, 255};
const QColor kGreen{0, 180, 0};
const QColor kRed{225, 30, 30};
const QColor kPlainCap{232, 232, 232};
const QColor kCapEdge{70, 70, 70};

// The players' key pairs; the keypad keys are the same keys with Num Lock off.
const std::array<std::pair<const char*, QColor>, 12> kPlayerKeys{{
    {"Q", kYellow},
    {"W", kYellow},
    {"N", kBlue},
    {"M", kBlue},
    {"Insert", kGreen},
    {"Delete", kGreen},
    {"Num0", kGreen},
    {"NumDecimal", kGreen},
    {"Left", kRed},
    {"Right", kRed},
    {"Num4", kRed},
    {"Num6", kRed},
}};

QColor playerColour(const QString& id) {
    for (const auto& [key, colour] : kPlayerKeys) {
        if (id == QLatin1String(key)) return colour;
    }
    return {};
}

// Lays out the caps of one row from left to right, in key units.
class KeyRow {
public:
    KeyRow(std::vector<KeyCap>& caps, int row, double column)
        : m_caps(caps), m_row(row), m_x(column) {}

    KeyRow& key(const char* id, const char* label, double width = 1.0, int rows = 1) {
        const int top = m_row < 0 ? kFunctionTop : kMainTop + m_row * kUnit;
        const int left = kLeft + static_cast<int>(m_x * kUnit);
        const int right = kLeft + static_cast<int>((m_x + width) * kUnit);
        const QRect rect(left, top, right - left - kCapGap, rows * kUnit - kCapGap);
        m_caps.push_back({QString::fromUtf8(id), QString::fromUtf8(label), rect,
                          playerColour(QString::fromUtf8(id))});
        m_x += width;
        return *this;
    }
    // Plain keys whose id is their label, one character each.
    KeyRow& keys(const char* labels) {
        for (const char* c = labels; *c; ++c) {
            const char text[2] = {*c, '\0'};
            key(text, text);
        }
        return *this;
    }
    KeyRow& skip(double width) {
        m_x += width;
        return *this;
    }

private:
    std::vector<KeyCap>& m_caps;
    int m_row;  // -1: the function row
    double m_x;
};

void addMainBlock(std::vector<KeyCap>& caps) {
    KeyRow(caps, -1, 0)
        .key("Esc", "Esc")
        .skip(1)
        .key("F1", "F1")
        .key("F2", "F2")
        .key("F3", "F3")
        .key("F4", "F4")
        .skip(0.5)
        .key("F5", "F5")
        .key("F6", "F6")
        .key("F7", "F7")
        .key("F8", "F8")
        .skip(0.5)
        .key("F9", "F9")
        .key("F10", "F10")
        .key("F11", "F11")
        .key("F12", "F12");
    KeyRow(caps, 0, 0).keys("`1234567890-=").key("Backspace", "Bksp", 2);
    KeyRow(caps, 1, 0).key("Tab", "Tab", 1.5).keys("QWERTYUIOP[]").key("Backslash", "\\", 1.5);
    KeyRow(caps, 2, 0)
        .key("CapsLock", "Caps", 1.75)
        .keys("ASDFGHJKL;'")
        .key("Return", "Enter", 2.25);
    KeyRow(caps, 3, 0)
        .key("LeftShift", "Shift", 2.25)
        .keys("ZXCVBNM,./")
        .key("RightShift", "Shift", 2.75);
    KeyRow(caps, 4, 0)
        .key("LeftCtrl", "Ctrl", 1.5)
        .key("LeftWin", "Win")
        .key("LeftAlt", "Alt", 1.5)
        .key("Space", "", 7)
        .key("RightAlt", "Alt", 1.5)
        .key("RightWin", "Win")
        .key("RightCtrl", "Ctrl", 1.5);
}

void addEditingBlock(std::vector<KeyCap>& caps) {
    KeyRow(caps, -1, kNavColumn).key("Print", "Prt").key("ScrollLock", "Scr").key("Pause", "Pse");
    KeyRow(caps, 0, kNavColumn).key("Insert", "Ins").key("Home", "Home").key("PageUp", "PgUp");
    KeyRow(caps, 1, kNavColumn).key("Delete", "Del").key("End", "End").key("PageDown", "PgDn");
    KeyRow(caps, 3, kNavColumn).skip(1).key("Up", "\u2191");
    KeyRow(caps, 4, kNavColumn).key("Left", "\u2190").key("Down", "\u2193").key("Right", "\u2192");
}

void addKeypad(std::vector<KeyCap>& caps) {
    KeyRow(caps, 0, kPadColumn)
        .key("NumLock", "Num")
        .key("NumDivide", "/")
        .key("NumMultiply", "*")
        .key("NumSubtract", "-");
    KeyRow(caps, 1, kPadColumn)
        .key("Num7", "7")
        .key("Num8", "8")
        .key("Num9", "9")
        .key("NumAdd", "+", 1, 2);
    KeyRow(caps, 2, kPadColumn).key("Num4", "4").key("Num5", "5").key("Num6", "6");
    KeyRow(caps, 3, kPadColumn)
        .key("Num1", "1")
        .key("Num2", "2")
        .key("Num3", "3")
        .key("NumEnter", "Ent", 1, 2);
    KeyRow(caps, 4, kPadColumn).key("Num0", "0", 2).key("NumDecimal", ".");
}

// The largest label font, up to kLargestLabel pixels, that fits the cap.
QFont labelFont(const QString& label, const QRect& cap) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    for (int size = kLargestLabel; size >= kSmallestLabel; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(label) <= cap.width() - kCapGap) break;
    }
    return font;
}

void drawCap(QPainter& painter, const KeyCap& cap) {
    const bool steered = cap.colour.isValid();
    painter.setPen(kCapEdge);
    painter.setBrush(steered ? cap.colour : kPlainCap);
    painter.drawRoundedRect(cap.rect, 3, 3);
    const bool darkCap = steered && cap.colour.lightness() < 128;
    painter.setPen(darkCap ? Qt::white : Qt::black);
    painter.setFont(labelFont(cap.label, cap.rect));
    painter.drawText(cap.rect, Qt::AlignCenter, cap.label);
}

}  // namespace

std::vector<KeyCap> keyboardLayout() {
    std::vector<KeyCap> caps;
    addMainBlock(caps);
    addEditingBlock(caps);
    addKeypad(caps);
    return caps;
}

QPixmap drawKeyboard() {
    QPixmap picture(kKeyPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const KeyCap& cap : keyboardLayout()) drawCap(painter, cap);
    return picture;
}

}  // namespace slyders
