#include "params/qt/param_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <limits>
#include <utility>

namespace slyders {

namespace {

constexpr char kLabelMark = '~';
const QString kChangedPrefix = QStringLiteral("[*] ");

// An up-down control covers only ranges that fit its 16-bit position.
constexpr std::int64_t kUpDownLowest = -32768;
constexpr std::int64_t kUpDownHighest = 32767;
constexpr std::int64_t kUpDownMinSpan = 1;
constexpr std::int64_t kTrackBarMinSpan = 2;

// Tick spacing: a tenth of the range, then kept to multiples of round numbers.
constexpr double kTickFraction = 0.1;
constexpr std::array<std::pair<int, int>, 4> kTickRounding{
    {{1000, 1000}, {100, 100}, {10, 10}, {5, 5}}};

constexpr int kNumberFieldWidth = 70;
constexpr int kUpDownButtonWidth = 16;
constexpr int kTrackBarMinWidth = 60;
constexpr int kTreeMargin = 20;
constexpr int kTreeTextMinimum = 10;
constexpr int kTreeIconGap = 6;
constexpr int kMinWidthBesideTree = 200;
constexpr int kMarkSize = 12;

std::int64_t leadingInteger(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::strtoll(bytes.constData(), nullptr, 10);
}

int toInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

QString fromText(const char* text) {
    return QString::fromUtf8(text ? text : "");
}
QString fromText(const SString& text) {
    return QString::fromUtf8(text.c_str());
}

// The settings table's shown texts, for the translators; other objects' texts pass through.
[[maybe_unused]] constexpr std::array kSettingsTexts{
    QT_TRANSLATE_NOOP("Settings", "General"),
    QT_TRANSLATE_NOOP("Settings", "Basic events"),
    QT_TRANSLATE_NOOP("Settings", "Events"),
    QT_TRANSLATE_NOOP("Settings", "Disasters"),
    QT_TRANSLATE_NOOP("Settings", "Sounds"),
    QT_TRANSLATE_NOOP("Settings", "Produce sounds?"),
    QT_TRANSLATE_NOOP("Settings", "Save on exit"),
    QT_TRANSLATE_NOOP("Settings", "Save settings on exit?"),
    QT_TRANSLATE_NOOP("Settings", "Points in each round"),
    QT_TRANSLATE_NOOP("Settings", "How many points to finish a round?"),
    QT_TRANSLATE_NOOP("Settings", "Progress bars"),
    QT_TRANSLATE_NOOP("Settings", "Show progress bars?"),
    QT_TRANSLATE_NOOP("Settings", "Event names"),
    QT_TRANSLATE_NOOP("Settings", "Show event names?"),
    QT_TRANSLATE_NOOP("Settings", "Finish speed-up for computers"),
    QT_TRANSLATE_NOOP("Settings", "Increase speed when only computer players play?"),
    QT_TRANSLATE_NOOP("Settings", "Background"),
    QT_TRANSLATE_NOOP("Settings", "Restart game to see the change."),
    QT_TRANSLATE_NOOP("Settings", "Black"),
    QT_TRANSLATE_NOOP("Settings", "Dark blue"),
    QT_TRANSLATE_NOOP("Settings", "Blue"),
    QT_TRANSLATE_NOOP("Settings", "Stripes"),
    QT_TRANSLATE_NOOP("Settings", "Color stripes"),
    QT_TRANSLATE_NOOP("Settings", "Waves"),
    QT_TRANSLATE_NOOP("Settings", "Mesh"),
    QT_TRANSLATE_NOOP("Settings", "Jeans"),
    QT_TRANSLATE_NOOP("Settings", "Green jeans"),
    QT_TRANSLATE_NOOP("Settings", "Diagonal stripes"),
    QT_TRANSLATE_NOOP("Settings", "Pattern 1"),
    QT_TRANSLATE_NOOP("Settings", "Pattern 2"),
    QT_TRANSLATE_NOOP("Settings", "Pattern 3"),
    QT_TRANSLATE_NOOP("Settings", "Rings"),
    QT_TRANSLATE_NOOP("Settings", "Grid"),
    QT_TRANSLATE_NOOP("Settings", "Small tiles"),
    QT_TRANSLATE_NOOP("Settings", "Large tiles"),
    QT_TRANSLATE_NOOP("Settings", "Tunnels"),
    QT_TRANSLATE_NOOP("Settings", "Make tunnels near players?"),
    QT_TRANSLATE_NOOP("Settings", "Big gaps"),
    QT_TRANSLATE_NOOP("Settings", "Make extra big gaps?"),
    QT_TRANSLATE_NOOP("Settings", "Cruel mouse"),
    QT_TRANSLATE_NOOP("Settings", "Enable cruel mouse pointer?"),
    QT_TRANSLATE_NOOP("Settings", "Walls"),
    QT_TRANSLATE_NOOP("Settings", "Make walls?"),
    QT_TRANSLATE_NOOP("Settings", "Food"),
    QT_TRANSLATE_NOOP("Settings", "Drop food to earn points just like while crossing gaps?"),
    QT_TRANSLATE_NOOP("Settings", "Void"),
    QT_TRANSLATE_NOOP("Settings", "Make empty areas while playing?"),
    QT_TRANSLATE_NOOP("Settings", "Attractors"),
    QT_TRANSLATE_NOOP("Settings", "Make attractors?"),
    QT_TRANSLATE_NOOP("Settings", "Invisibility"),
    QT_TRANSLATE_NOOP("Settings", "Enable temporary invisibility?"),
    QT_TRANSLATE_NOOP("Settings", "Scrolling"),
    QT_TRANSLATE_NOOP("Settings", "Scroll the arena?"),
    QT_TRANSLATE_NOOP("Settings", "Letters"),
    QT_TRANSLATE_NOOP("Settings", "Drop letters? (not yet implemented)"),
    QT_TRANSLATE_NOOP("Settings", "Missiles"),
    QT_TRANSLATE_NOOP("Settings", "Allow launching missiles? (not yet implemented)"),
    QT_TRANSLATE_NOOP("Settings", "Teleports"),
    QT_TRANSLATE_NOOP("Settings", "Make teleports? (not yet implemented)"),
    QT_TRANSLATE_NOOP("Settings", "Void disaster"),
    QT_TRANSLATE_NOOP("Settings", "Enable empty areas disaster?"),
    QT_TRANSLATE_NOOP("Settings", "Tunnels disaster"),
    QT_TRANSLATE_NOOP("Settings", "Enable tunnels disaster?"),
    QT_TRANSLATE_NOOP("Settings", "Walls disaster"),
    QT_TRANSLATE_NOOP("Settings", "Enable walls disaster?"),
    QT_TRANSLATE_NOOP("Settings", "Attractors disaster"),
    QT_TRANSLATE_NOOP("Settings", "Enable attractors disaster?"),
};

// A value the object brought into range: its name, its group and the value it now has.
constexpr const char* kTooSmall =
    QT_TRANSLATE_NOOP("slyders::TParamWnd", "%1 value (in '%2') too small (adjusted to %3)");
constexpr const char* kTooBig =
    QT_TRANSLATE_NOOP("slyders::TParamWnd", "%1 value (in '%2') too big (adjusted to %3)");

// A shown text of the parameter object in the installed language.
QString shown(const char* text) {
    if (!text || !*text) return {};
    return QCoreApplication::translate("Settings", text);
}

// The mark of a group that holds edits not yet applied: a small orange disc.
QIcon markIcon() {
    QPixmap mark(kMarkSize, kMarkSize);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(120, 60, 0));
    painter.setBrush(QColor(255, 150, 0));
    painter.drawEllipse(1, 1, kMarkSize - 2, kMarkSize - 2);
    return QIcon(mark);
}

}  // namespace

// Two arrow buttons that step a position within a range, beside the edit field they drive.
class UpDown final : public QWidget {
public:
    UpDown(std::int64_t minimum, std::int64_t maximum, QWidget* parent)
        : QWidget(parent), m_minimum(minimum), m_maximum(maximum) {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        column->addWidget(arrow(Qt::UpArrow, +1));
        column->addWidget(arrow(Qt::DownArrow, -1));
    }

    void setPosition(std::int64_t value) { m_position = std::clamp(value, m_minimum, m_maximum); }
    std::int64_t position() const { return m_position; }

    std::function<void(std::int64_t)> onStep;

private:
    QToolButton* arrow(Qt::ArrowType type, int delta) {
        auto* button = new QToolButton(this);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFixedWidth(kUpDownButtonWidth);
        button->setSizePolicy(QSizePolicy::Fixed,
                              QSizePolicy::Ignored);  // halves of the field's height
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, delta] { step(delta); });
        return button;
    }

    void step(int delta) {
        const std::int64_t next = std::clamp(m_position + delta, m_minimum, m_maximum);
        if (next == m_position) return;
        m_position = next;
        if (onStep) onStep(next);
    }

    std::int64_t m_minimum, m_maximum;
    std::int64_t m_position = 0;
};

EditorType parseEditorType(const char* type) {
    EditorType result;
    if (!type || !*type) return result;
    result.letter = type[0];
    const char* cursor = type + 1;
    char* end = nullptr;
    const long long minimum = std::strtoll(cursor, &end, 10);
    if (end == cursor) return result;
    cursor = end;
    const long long maximum = std::strtoll(cursor, &end, 10);
    if (end == cursor) return result;
    result.hasRange = true;
    result.minimum = minimum;
    result.maximum = maximum;
    cursor = end;
    while (*cursor == ' ' || *cursor == '\t') ++cursor;
    if (*cursor == kLabelMark) {
        for (const QString& label : fromText(cursor + 1).split(QLatin1Char(kLabelMark))) {
            result.labels.push_back(shown(label.toUtf8().constData()));
        }
    }
    return result;
}

int trackBarTickStep(std::int64_t minimum, std::int64_t maximum) {
    auto step = static_cast<std::int64_t>(static_cast<double>(maximum - minimum) * kTickFraction);
    for (const auto& [above, multiple] : kTickRounding) {
        if (step > above) {
            step -= step % multiple;
            break;
        }
    }
    return toInt(std::max<std::int64_t>(step, 1));
}

QString integerHint(const char* help, std::int64_t minimum, std::int64_t maximum) {
    QString hint = shown(help);
    if (!hint.isEmpty()) hint += QLatin1Char('\n');
    QString range = QCoreApplication::translate("Settings", "(integer %1÷%2)");
    range.replace(QStringLiteral("%1"), QString::number(minimum));
    return hint + range.replace(QStringLiteral("%2"), QString::number(maximum));
}

TParamWnd::TParamWnd(QWidget* owner, ParamInterface& object, const QString& caption,
                     MessageBoxes& boxes)
    : QDialog(owner), m_object(object), m_boxes(boxes), m_givenCaption(caption) {
    setObjectName(QStringLiteral("ParamWnd"));
    setCaption(caption);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox"));
    m_scroll->setWidgetResizable(true);
    // Tab goes through the editors themselves; the area follows the one in focus.
    m_scroll->setFocusPolicy(Qt::NoFocus);

    auto* body = new QHBoxLayout;
    if (m_object.groupCount() > 1) {
        buildTree();
        body->addWidget(m_tree);
    }
    body->addWidget(m_scroll, 1);
    auto* form = new QVBoxLayout(this);
    form->addLayout(body, 1);
    buildEditors(0);
    buildButtons();
    form->addLayout(m_buttonRow);
    sizeToScreen();
}

TParamWnd::~TParamWnd() = default;

void TParamWnd::buildTree() {
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView"));
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(tr("Groups of settings"));
    m_tree->setRootIsDecorated(false);
    m_tree->setColumnCount(1);
    const int iconSide = style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_tree->setIconSize(QSize(iconSide, iconSide));
    const QFontMetrics metrics = m_tree->fontMetrics();
    int rightEnd = kTreeTextMinimum;
    for (int g = 0; g < m_object.groupCount(); ++g) {
        const QString name = shown(m_object.groupName(g));
        new QTreeWidgetItem(m_tree, QStringList{name});
        rightEnd = std::max(rightEnd, iconSide + kTreeIconGap + metrics.horizontalAdvance(name));
    }
    m_tree->setFixedWidth(rightEnd + kTreeMargin + 2 * m_tree->frameWidth());
    // Group 0 shows first; the caption names a group only once the user picks one.
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) TreeViewChange(m_tree->indexOfTopLevelItem(item));
    });
}

void TParamWnd::buildButtons() {
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addStretch(1);
    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_apply = new QPushButton(tr("&Apply"), this);
    m_apply->setObjectName(QStringLiteral("Apply"));
    m_apply->setEnabled(false);
    for (QPushButton* button : {m_ok, m_cancel, m_apply}) m_buttonRow->addWidget(button);
    connect(m_ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, [this] { ApplyButtonClick(); });
}

// Two thirds of the screen for a tree of groups, half of it for a single group; centred.
void TParamWnd::sizeToScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int width = m_tree ? area.width() * 2 / 3 : area.width() / 2;
    const int height = m_tree ? area.height() * 2 / 3 : area.height() / 2;
    const int minWidth = m_tree ? m_tree->minimumWidth() + kMinWidthBesideTree : area.width() / 4;
    setMinimumSize(minWidth, area.height() / 4);
    resize(std::max(width, minWidth), height);
    move(area.x() + (area.width() - this->width()) / 2,
         area.y() + (area.height() - this->height()) / 2);
}

void TParamWnd::TreeViewChange(int group) {
    if (group < 0 || group >= m_object.groupCount()) return;
    m_group = group;
    setCaption(m_givenCaption + QStringLiteral(". ") + shown(m_object.groupName(group)));
    buildEditors(group);
}

QString TParamWnd::currentText(int property) const {
    const auto pending = m_pendingText.find(property);
    if (pending != m_pendingText.end()) return pending->second;
    return fromText(m_object.getText(property));
}

void TParamWnd::buildEditors(int group) {
    m_building = true;
    m_editors.clear();
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Editors"));
    auto* grid = new QGridLayout(content);
    int row = 0;
    for (int n = 0;; ++n) {
        const int i = m_object.groupMember(group, n);
        if (i == kNoMember) break;
        if (m_object.propertyFlags(i) & kPropHidden) continue;
        Editor editor;
        editor.property = i;
        editor.text = currentText(i);
        const EditorType type = parseEditorType(m_object.propertyType(i));
        QWidget* control = makeEditor(editor, type, content);
        // The label stands beside the control; a screen reader reads the control by it.
        for (QWidget* w :
             {static_cast<QWidget*>(editor.check), static_cast<QWidget*>(editor.list),
              static_cast<QWidget*>(editor.edit), static_cast<QWidget*>(editor.trackBar)}) {
            if (w) w->setAccessibleName(shown(m_object.propertyName(i)));
        }
        auto* label = new QLabel(shown(m_object.propertyName(i)), content);
        label->setObjectName(fromText(m_object.propertyId(i)) + QStringLiteral(".label"));
        label->setToolTip(editor.hint);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
        m_editors.push_back(editor);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    m_scroll->setWidget(content);  // the editors of the previous group go with their holder
    m_building = false;
}

QWidget* TParamWnd::makeEditor(Editor& editor, const EditorType& type, QWidget* parent) {
    const int i = editor.property;
    const QString id = fromText(m_object.propertyId(i));
    editor.hint = shown(m_object.propertyHelp(i));
    if (type.letter == 'd' && type.hasRange && !type.labels.isEmpty()) {
        editor.list = new QComboBox(parent);
        editor.list->setObjectName(id);
        editor.list->addItems(type.labels);
        editor.list->setCurrentIndex(toInt(leadingInteger(editor.text)));
        editor.list->setToolTip(editor.hint);
        connect(editor.list, &QComboBox::currentIndexChanged, this,
                [this, i](int k) { EditorChange(i, QString::number(k)); });
        return editor.list;
    }
    if (type.letter == 'd' && type.hasRange && type.minimum == 0 && type.maximum == 1) {
        editor.check = new QCheckBox(parent);
        editor.check->setObjectName(id);
        editor.check->setChecked(leadingInteger(editor.text) == 1);
        editor.check->setToolTip(editor.hint);
        connect(editor.check, &QCheckBox::toggled, this, [this, i](bool on) {
            EditorChange(i, on ? QStringLiteral("1") : QStringLiteral("0"));
        });
        return editor.check;
    }
    return makeNumberEditor(editor, type, parent);
}

// An edit field, with an up-down control and a track bar where the range suits them; the
// three follow each other.
QWidget* TParamWnd::makeNumberEditor(Editor& editor, const EditorType& type, QWidget* parent) {
    const int i = editor.property;
    const QString id = fromText(m_object.propertyId(i));
    if (type.letter == 'd' && type.hasRange) {
        editor.hint = integerHint(m_object.propertyHelp(i), type.minimum, type.maximum);
    }
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    editor.edit = new QLineEdit(editor.text, holder);
    editor.edit->setObjectName(id);
    editor.edit->setFixedWidth(kNumberFieldWidth);
    row->addWidget(editor.edit);
    const bool numeric = type.letter == 'd' && type.hasRange;
    const std::int64_t span = type.maximum - type.minimum;
    const std::int64_t value = leadingInteger(editor.text);
    if (numeric && span >= kUpDownMinSpan && type.maximum <= kUpDownHighest &&
        type.minimum >= kUpDownLowest) {
        editor.upDown = new UpDown(type.minimum, type.maximum, holder);
        editor.upDown->setObjectName(id + QStringLiteral(".updown"));
        editor.upDown->setPosition(value);
        editor.upDown->setFixedHeight(editor.edit->sizeHint().height());
        row->addWidget(editor.upDown);
    }
    if (numeric && span >= kTrackBarMinSpan) {
        editor.trackBar = new QSlider(Qt::Horizontal, holder);
        editor.trackBar->setObjectName(id + QStringLiteral(".track"));
        editor.trackBar->setRange(toInt(type.minimum), toInt(type.maximum));
        editor.trackBar->setTickPosition(QSlider::TicksBelow);
        editor.trackBar->setTickInterval(trackBarTickStep(type.minimum, type.maximum));
        editor.trackBar->setPageStep(editor.trackBar->tickInterval());
        editor.trackBar->setValue(toInt(value));
        editor.trackBar->setMinimumWidth(kTrackBarMinWidth);
        row->addWidget(editor.trackBar, 1);
    } else {
        row->addStretch(1);
    }
    for (QWidget* w : {static_cast<QWidget*>(editor.edit), static_cast<QWidget*>(editor.upDown),
                       static_cast<QWidget*>(editor.trackBar)}) {
        if (w) w->setToolTip(editor.hint);
    }
    linkNumberControls(i, editor.edit, editor.upDown, editor.trackBar);
    return holder;
}

void TParamWnd::linkNumberControls(int i, QLineEdit* edit, UpDown* upDown, QSlider* trackBar) {
    if (upDown) upDown->onStep = [edit](std::int64_t v) { edit->setText(QString::number(v)); };
    if (trackBar) {
        connect(trackBar, &QSlider::valueChanged, edit,
                [edit](int v) { edit->setText(QString::number(v)); });
    }
    connect(edit, &QLineEdit::textChanged, this, [this, i, upDown, trackBar](const QString& text) {
        const std::int64_t typed = leadingInteger(text);
        if (upDown) upDown->setPosition(typed);
        if (trackBar) {
            const QSignalBlocker quiet(trackBar);
            trackBar->setValue(toInt(typed));
        }
        EditorChange(i, text);
    });
}

void TParamWnd::EditorChange(int property, const QString& text) {
    if (m_building) return;
    m_pendingText[property] = text;
    for (Editor& editor : m_editors) {
        if (editor.property == property) editor.text = text;
    }
    if (std::find(m_changed.begin(), m_changed.end(), property) == m_changed.end()) {
        m_changed.push_back(property);
    }
    m_apply->setEnabled(true);
    setMarked(m_group, true);
}

QString TParamWnd::boundsLine(int property, const char* line) const {
    return tr(line).arg(shown(m_object.propertyName(property)),
                        shown(m_object.groupName(m_object.propertyGroup(property))),
                        fromText(m_object.getText(property))) +
           QLatin1Char('\n');
}

// Writes the edits in the order they were first made, and tells the user which values the
// object had to bring into range.
void TParamWnd::applyChanges() {
    QString lines;
    for (const int i : m_changed) {
        QString text = m_pendingText[i];
        text.remove(QLatin1Char('\r'));
        const int result = m_object.setText(i, SString(text.toUtf8().constData()));
        if (result & kSetBelowMin) lines += boundsLine(i, kTooSmall);
        if (result & kSetAboveMax) lines += boundsLine(i, kTooBig);
    }
    if (!lines.isEmpty()) m_boxes.error(tr("Bounds warning").toStdString(), lines.toStdString());
    m_apply->setEnabled(false);
    m_changed.clear();
    m_pendingText.clear();
    for (int g = 0; g < m_object.groupCount(); ++g) setMarked(g, false);
}

void TParamWnd::ApplyButtonClick() {
    applyChanges();
    buildEditors(m_group);  // adjusted values show as stored
}

void TParamWnd::OKButtonClick() {
    applyChanges();
    accept();
}

void TParamWnd::setMarked(int group, bool marked) {
    if (m_tree) {
        if (QTreeWidgetItem* item = m_tree->topLevelItem(group)) {
            item->setIcon(0, marked ? markIcon() : QIcon());
        }
        return;
    }
    const bool shown = m_caption.startsWith(kChangedPrefix);
    if (marked && !shown) setCaption(kChangedPrefix + m_caption);
    if (!marked && shown) setCaption(m_caption.mid(kChangedPrefix.size()));
}

void TParamWnd::setCaption(const QString& text) {
    m_caption = text;
    // The title bar reads "[*]" as the modified-window placeholder; doubled, it shows as is.
    QString shown = text;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(shown);
}

}  // namespace slyders
