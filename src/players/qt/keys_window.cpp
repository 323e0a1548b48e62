#include "players/qt/keys_window.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <algorithm>

#include "input/qt/custom_keys_store.h"
#include "input/qt/qt_keys.h"

namespace slyders {

namespace {

constexpr int kPadPollMs = 20;  // pads have no events for the window: look at them often
constexpr int kLampWidth = 90;
constexpr int kHintWidth = 420;
const char* const kLampDark = "background: #303030; color: #808080; padding: 4px;";
const char* const kLampLit = "background: #ffd700; color: black; padding: 4px;";
const char* const kHint = QT_TRANSLATE_NOOP(
    "slyders::KeysWindow",
    "All players: hold both your keys at once. A key that stays dark while held cannot be read "
    "together with the others on this keyboard: choose another key pair for that seat.");
const std::array<const char*, 2> kSideNames{QT_TRANSLATE_NOOP("slyders::KeysWindow", "left"),
                                            QT_TRANSLATE_NOOP("slyders::KeysWindow", "right")};

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString pairText(const std::array<int, 2>& codes) {
    return q(keyName(codes[0]) + " / " + keyName(codes[1]));
}

}  // namespace

KeysWindow::KeysWindow(LocalDevices& devices, std::vector<SeatInPlay> seats, MessageBoxes& boxes,
                       QWidget* parent)
    : QDialog(parent), m_devices(devices), m_seats(std::move(seats)), m_boxes(boxes) {
    setWindowTitle(tr("Keys"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCustomRows());
    layout->addWidget(buildKeyTest());
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("OK");
    ok->setFocusPolicy(Qt::NoFocus);  // every key belongs to the test
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setFocusPolicy(Qt::StrongFocus);
    m_padTimer = new QTimer(this);
    connect(m_padTimer, &QTimer::timeout, this, &KeysWindow::updateTest);
    m_padTimer->start(kPadPollMs);
    showCustomKeys();
    updateTest();
}

QWidget* KeysWindow::buildCustomRows() {
    auto* group = new QGroupBox(tr(" Custom keys "), this);
    auto* grid = new QGridLayout(group);
    for (int c = 0; c < kCustomKeyPairs; ++c) {
        const QString number = QString::number(c + 1);
        grid->addWidget(new QLabel(q(keyPairText(kFirstCustomPair + c, {})) + ":", group), c, 0);
        m_customLabels[std::size_t(c)] = new QLabel(group);
        m_customLabels[std::size_t(c)]->setObjectName("custom" + number);
        grid->addWidget(m_customLabels[std::size_t(c)], c, 1);
        auto* choose = new QPushButton(tr("Choose..."), group);
        choose->setObjectName("chooseCustom" + number);
        choose->setFocusPolicy(Qt::NoFocus);
        connect(choose, &QPushButton::clicked, this, [this, c] { chooseCustom(c); });
        m_chooseButtons[std::size_t(c)] = choose;
        grid->addWidget(choose, c, 2);
    }
    m_prompt = new QLabel(group);
    m_prompt->setObjectName("prompt");
    m_prompt->setWordWrap(true);
    QStringList problems;
    for (const std::string& p : m_devices.problems) problems << q(p);
    m_prompt->setText(problems.join("\n"));
    grid->addWidget(m_prompt, kCustomKeyPairs, 0, 1, 3);
    return group;
}

QWidget* KeysWindow::buildKeyTest() {
    auto* group = new QGroupBox(tr(" Key test "), this);
    auto* column = new QVBoxLayout(group);
    auto* hint = new QLabel(tr(kHint), group);
    hint->setObjectName("hint");
    hint->setWordWrap(true);
    hint->setMinimumWidth(kHintWidth);
    column->addWidget(hint);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        const int row = int(i);
        grid->addWidget(new QLabel(q(m_seats[i].name), group), row, 0);
        std::array<QLabel*, 2> lamps{};
        for (int side : {CustomKeys::kLeft, CustomKeys::kRight}) {
            auto* lamp = new QLabel(group);
            lamp->setObjectName(QString("seat%1%2").arg(row + 1).arg(side ? "Right" : "Left"));
            lamp->setAlignment(Qt::AlignCenter);
            lamp->setMinimumWidth(kLampWidth);
            lamps[std::size_t(side)] = lamp;
            grid->addWidget(lamp, row, 1 + side);
        }
        m_lamps.push_back(lamps);
    }
    column->addLayout(grid);
    m_heldLine = new QLabel(group);
    m_heldLine->setObjectName("heldTogether");
    m_heldLine->setWordWrap(true);
    column->addWidget(m_heldLine);
    return group;
}

void KeysWindow::chooseCustom(int customPair) {
    m_choosing = m_devices.custom;
    m_choosing.code[std::size_t(customPair)] = {0, 0};
    m_choosingPair = customPair;
    m_choosingSide = CustomKeys::kLeft;
    m_prompt->setText(
        tr("Press the key for %1 of %2.")
            .arg(tr(kSideNames[0]), q(keyPairText(kFirstCustomPair + customPair, {}))));
    setFocus();
}

void KeysWindow::takeCustomKey(int code) {
    const int pair = *m_choosingPair;
    if (const auto refusal = customKeyRefusal(code, m_choosing, seatedPairs())) {
        m_boxes.inform(*refusal);
        return;
    }
    m_choosing.code[std::size_t(pair)][std::size_t(m_choosingSide)] = code;
    if (m_choosingSide == CustomKeys::kLeft) {
        m_choosingSide = CustomKeys::kRight;
        m_prompt->setText(tr("Press the key for %1 of %2.")
                              .arg(tr(kSideNames[1]), q(keyPairText(kFirstCustomPair + pair, {}))));
        return;
    }
    m_devices.custom = m_choosing;
    m_choosingPair.reset();
    writeCustomKeys(m_devices.custom);
    m_prompt->setText(tr("%1 are now %2.")
                          .arg(q(keyPairText(kFirstCustomPair + pair, {})),
                               pairText(m_devices.custom.code[std::size_t(pair)])));
    showCustomKeys();
    updateTest();
}

void KeysWindow::cancelChoosing() {
    const int pair = *m_choosingPair;
    m_choosingPair.reset();
    m_prompt->setText(tr("Choosing cancelled: %1 stay %2.")
                          .arg(q(keyPairText(kFirstCustomPair + pair, {})),
                               pairText(m_devices.custom.code[std::size_t(pair)])));
}

void KeysWindow::showCustomKeys() {
    for (int c = 0; c < kCustomKeyPairs; ++c)
        m_customLabels[std::size_t(c)]->setText(pairText(m_devices.custom.code[std::size_t(c)]));
}

std::vector<int> KeysWindow::seatedPairs() const {
    std::vector<int> pairs;
    for (const SeatInPlay& seat : m_seats) pairs.push_back(seat.keyPair);
    return pairs;
}

bool KeysWindow::held(int keyPair, int side, const PadStates& pads) const {
    if (isGamepadPair(keyPair)) {
        const PadState& pad = pads[std::size_t(keyPair - kFirstGamepadPair)];
        return pad.connected && (side == CustomKeys::kLeft ? pad.held.left : pad.held.right);
    }
    const PairKey wanted{keyPair, side};
    return std::any_of(m_held.begin(), m_held.end(), [&](const HeldKey& k) {
        return fixedPairKey(k.code, k.keypad) == wanted ||
               customPairKey(k.code, m_devices.custom) == wanted;
    });
}

QString KeysWindow::lampText(int keyPair, int side) const {
    if (isGamepadPair(keyPair))
        return tr("Gamepad %1 %2")
            .arg(keyPair - kFirstGamepadPair + 1)
            .arg(tr(kSideNames[std::size_t(side)]));
    const std::vector<int> codes = pairCodes(keyPair, m_devices.custom);
    return codes.empty() ? QString("?") : q(keyName(codes[std::size_t(side)]));
}

bool KeysWindow::lit(int seat, int side) const {
    return m_lamps[std::size_t(seat)][std::size_t(side)]->styleSheet() == kLampLit;
}

void KeysWindow::updateTest() {
    const PadStates pads = m_devices.pads();
    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        for (int side : {CustomKeys::kLeft, CustomKeys::kRight}) {
            QLabel* lamp = m_lamps[i][std::size_t(side)];
            lamp->setText(lampText(m_seats[i].keyPair, side));
            const char* style = held(m_seats[i].keyPair, side, pads) ? kLampLit : kLampDark;
            if (lamp->styleSheet() != style) lamp->setStyleSheet(style);
        }
    }
    m_heldLine->setText(heldTogether());
}

QString KeysWindow::heldTogether() const {
    QStringList names;
    for (const HeldKey& k : m_held) names << q(keyName(k.code));
    return tr("Held together: %1").arg(names.isEmpty() ? tr("none") : names.join(", "));
}

void KeysWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    const int code = event->key();
    if (m_choosingPair && code == Qt::Key_Escape) {
        cancelChoosing();
        return;
    }
    if (m_choosingPair) {
        takeCustomKey(code);
        return;
    }
    if (code == Qt::Key_Escape) {
        accept();
        return;
    }
    const HeldKey key{code, bool(event->modifiers() & Qt::KeypadModifier)};
    if (std::find(m_held.begin(), m_held.end(), key) == m_held.end()) m_held.push_back(key);
    updateTest();
}

void KeysWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    // The keypad flag of a release may differ from its press: let go of the code.
    const int code = event->key();
    std::erase_if(m_held, [code](const HeldKey& k) { return k.code == code; });
    updateTest();
}

void KeysWindow::focusOutEvent(QFocusEvent* event) {
    m_held.clear();  // releases while away are never told
    updateTest();
    QDialog::focusOutEvent(event);
}

}  // namespace slyders
