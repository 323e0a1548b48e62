#include "players/qt/players_form.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "input/qt/qt_keys.h"
#include "players/qt/keys_window.h"
#include "players/roster_bytes.h"
#include "present/qt/view_preferences.h"

namespace slyders {

namespace {

constexpr int kNameMaxCharacters = 16;
constexpr int kFirstHumanEntry = 2;  // entries 0 and 1 are the computer players
constexpr int kKeepEntries = 4;      // the computers and two more are never deleted
const QColor kRed(255, 0, 0);

const std::array<const char*, kHumanSeats> kRadioCaptions{
    QT_TRANSLATE_NOOP("slyders::TPlayersMgr", "One player"),
    QT_TRANSLATE_NOOP("slyders::TPlayersMgr", "Two players"),
    QT_TRANSLATE_NOOP("slyders::TPlayersMgr", "Three players"),
    QT_TRANSLATE_NOOP("slyders::TPlayersMgr", "Four players")};
constexpr int kPadRefreshMs = 500;  // pads plugged in while the dialog is open get named
const char* const kInvalidName =
    QT_TRANSLATE_NOOP("slyders::TPlayersMgr",
                      "Not a valid player name: must be unique and have at least two characters.");
const char* const kRosterFull =
    QT_TRANSLATE_NOOP("slyders::TPlayersMgr",
                      "The list of players is full: delete a player before adding a new one.");
const char* const kSelectAsMany = QT_TRANSLATE_NOOP(
    "slyders::TPlayersMgr", "Please select as many human players as you have chosen to play.");
const char* const kSamePlayer =
    QT_TRANSLATE_NOOP("slyders::TPlayersMgr", "Some player is selected twice - please correct.");
const char* const kSameKeys = QT_TRANSLATE_NOOP(
    "slyders::TPlayersMgr", "Some players use the same control keys - please correct.");

// Spaces at either end go; tabs and other white space are part of the name.
QString trimSpaces(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

// The roster keeps a name in 19 bytes of UTF-8: the edit takes only what is kept whole, so
// that sixteen umlauts are not quietly cut to nine.
class StoredNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return trimSpaces(input).toUtf8().size() <= qsizetype(kMaxNameBytes) ? Acceptable : Invalid;
    }
};

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Shows controls red while a message about them is open, and gives their colours back.
class RedWhileOpen {
public:
    explicit RedWhileOpen(std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets) {
            m_saved.push_back({w, w->palette(), w->autoFillBackground()});
            QPalette red = w->palette();
            for (QPalette::ColorRole role :
                 {w->backgroundRole(), QPalette::Base, QPalette::Button}) {
                red.setColor(role, kRed);
            }
            w->setPalette(red);
            w->setAutoFillBackground(true);
        }
    }
    ~RedWhileOpen() {
        for (const Saved& s : m_saved) {
            s.widget->setPalette(s.palette);
            s.widget->setAutoFillBackground(s.autoFill);
        }
    }
    RedWhileOpen(const RedWhileOpen&) = delete;
    RedWhileOpen& operator=(const RedWhileOpen&) = delete;

private:
    struct Saved {
        QWidget* widget;
        QPalette palette;
        bool autoFill;
    };
    std::vector<Saved> m_saved;
};

QString playerLine(Scores& scores, int index) {
    return QCoreApplication::translate("slyders::TPlayersMgr", "%1    (rating = %2)")
        .arg(q(scores.entry(index).name))
        .arg(scores.Rating(index));
}

}  // namespace

TPlayersMgr::TPlayersMgr(Gra& gra, MessageBoxes& boxes, std::function<void()> onCommit,
                         QWidget* parent, LocalDevices* devices)
    : QDialog(parent),
      m_gra(gra),
      m_boxes(boxes),
      m_onCommit(std::move(onCommit)),
      m_devices(devices ? *devices : m_noDevices) {
    if (!devices) m_noDevices.custom = defaultCustomKeys();
    setWindowTitle(tr("Set up human players"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSeatRows());
    layout->addWidget(buildRosterEditing());
    layout->addLayout(buildPaletteRow());
    auto* buttons = new QHBoxLayout;
    m_keysButton = new QPushButton(tr("Keys..."), this);
    m_keysButton->setObjectName("keys");
    m_keysButton->setToolTip(tr("Choose custom keys and test the keys of every seat"));
    m_keysButton->setAutoDefault(false);
    connect(m_keysButton, &QPushButton::clicked, this, &TPlayersMgr::keysClick);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName("OK");
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(m_keysButton);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillLists();
    selectSeats();
    updateDeleteButton();
    auto* padTimer = new QTimer(this);
    connect(padTimer, &QTimer::timeout, this, &TPlayersMgr::refreshGamepadEntries);
    padTimer->start(kPadRefreshMs);
    adjustSize();
    if (!parent && screen()) move(screen()->availableGeometry().center() - rect().center());
}

QWidget* TPlayersMgr::buildSeatRows() {
    auto* group = new QGroupBox(tr(" Currently playing "), this);
    group->setObjectName("RadioGroup1");
    auto* grid = new QGridLayout(group);
    // Row i holds the option button, the player and the keys of seat i.
    for (int i = 0; i < kHumanSeats; ++i) {
        const QString number = QString::number(i + 1);
        m_radio[i] = new QRadioButton(tr(kRadioCaptions[i]), group);
        m_radio[i]->setObjectName("Radio" + number);
        connect(m_radio[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) chooseHumans(i + 1);
        });
        m_names[i] = new QComboBox(group);
        m_names[i]->setObjectName("ComboBox" + number);
        m_names[i]->setToolTip(tr("Player name"));
        m_keys[i] = new QComboBox(group);
        m_keys[i]->setObjectName("ComboBox" + QString::number(i + 1 + kHumanSeats));
        m_keys[i]->setToolTip(tr("Used control keys"));
        grid->addWidget(m_radio[i], i, 0);
        grid->addWidget(m_names[i], i, 1);
        grid->addWidget(m_keys[i], i, 2);
    }
    return group;
}

// The colours this window shows the slyders in; the game and its replays stay the same.
QLayout* TPlayersMgr::buildPaletteRow() {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&Colours:"), this);
    m_palette = new QComboBox(this);
    m_palette->setObjectName("palette");
    m_palette->addItem(tr("Standard colours"));
    m_palette->addItem(tr("Colour-blind safe"));
    m_palette->setCurrentIndex(savedSlotPalette() == SlotPalette::ColourBlindSafe ? 1 : 0);
    label->setBuddy(m_palette);
    row->addWidget(label);
    row->addWidget(m_palette, 1);
    return row;
}

QWidget* TPlayersMgr::buildRosterEditing() {
    auto* group = new QGroupBox(tr(" Available players "), this);
    group->setObjectName("RadioGroup2");
    auto* column = new QVBoxLayout(group);
    auto* addRow = new QHBoxLayout;
    auto* label = new QLabel(tr("New player name:"), group);
    label->setObjectName("StaticText1");
    m_plrname = new QLineEdit(group);
    m_plrname->setObjectName("plrname");
    m_plrname->setMaxLength(kNameMaxCharacters);
    m_plrname->setValidator(new StoredNameValidator(m_plrname));
    m_plrname->setToolTip(tr("Enter the new player name here"));
    m_addplr = new QPushButton(tr("Add"), group);
    m_addplr->setObjectName("addplr");
    m_addplr->setToolTip(tr("Click here to add a new player"));
    m_addplr->setAutoDefault(false);
    connect(m_addplr, &QPushButton::clicked, this, &TPlayersMgr::addplrClick);
    addRow->addWidget(label);
    addRow->addWidget(m_plrname);
    addRow->addWidget(m_addplr);
    column->addLayout(addRow);

    m_plrlist = new QListWidget(group);
    m_plrlist->setObjectName("plrlist");
    m_plrlist->setAccessibleName(tr("Available players"));
    m_plrlist->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_plrlist, &QListWidget::clicked, this, &TPlayersMgr::plrlistClick);
    m_plrlist->installEventFilter(this);
    m_plrlistViewport = m_plrlist->viewport();
    m_plrlistViewport->installEventFilter(this);
    column->addWidget(m_plrlist);

    m_delplr = new QPushButton(tr("Delete selected player"), group);
    m_delplr->setObjectName("delplr");
    m_delplr->setToolTip(tr("Select the player on the list above"));
    m_delplr->setAutoDefault(false);
    connect(m_delplr, &QPushButton::clicked, this, &TPlayersMgr::delplrClick);
    column->addWidget(m_delplr);
    return group;
}

void TPlayersMgr::fillLists() {
    Scores& scores = m_gra.scores();
    for (int i = 0; i < kHumanSeats; ++i) {
        for (int r = kFirstHumanEntry; r < scores.count(); ++r)
            m_names[i]->addItem(q(scores.entry(r).name));
        for (int k = 0; k < kKeyPairCount; ++k) m_keys[i]->addItem(QString());
    }
    refreshGamepadEntries();
    refillPlayerList();
}

void TPlayersMgr::refreshGamepadEntries() {
    const PadStates pads = m_devices.pads();
    for (QComboBox* list : m_keys) {
        for (int k = 0; k < kKeyPairCount; ++k) {
            QString label = q(keyPairText(k, pads));
            // A custom pair shows its keys, so a seat can be given the right one at a glance.
            if (isCustomPair(k)) {
                const auto& codes = m_devices.custom.code[std::size_t(k - kFirstCustomPair)];
                label += q(" (" + keyName(codes[0]) + " / " + keyName(codes[1]) + ")");
            }
            if (list->itemText(k) != label) list->setItemText(k, label);
        }
    }
}

void TPlayersMgr::keysClick() {
    std::vector<SeatInPlay> seats;
    for (int i = 0; i < firstCheckedRadio(); ++i) {
        const QString name =
            m_names[i]->currentIndex() < 0 ? tr("Player %1").arg(i + 1) : m_names[i]->currentText();
        seats.push_back({name.toStdString(), m_keys[i]->currentIndex()});
    }
    KeysWindow window(m_devices, seats, m_boxes, this);
    window.exec();
    refreshGamepadEntries();  // the custom keys may have changed
}

void TPlayersMgr::selectSeats() {
    const int entries = m_gra.scores().count();
    for (int i = 0; i < kHumanSeats; ++i) {
        const HumanSeat& seat = m_gra.seats[std::size_t(i)];
        m_keys[i]->setCurrentIndex(seat.keyPair);
        const bool seated = seat.rosterIndex >= kFirstHumanEntry && seat.rosterIndex < entries;
        m_names[i]->setCurrentIndex(seated ? seat.rosterIndex - kFirstHumanEntry : -1);
    }
    if (m_names[0]->currentIndex() < 0) m_names[0]->setCurrentIndex(0);
    const int h = std::clamp(m_gra.humans, 1, kHumanSeats);
    m_radio[h - 1]->setChecked(true);
    chooseHumans(h);
}

void TPlayersMgr::chooseHumans(int n) {
    m_humans = n;
    for (int i = 0; i < kHumanSeats; ++i) {
        m_names[i]->setEnabled(i < n);
        m_keys[i]->setEnabled(i < n);
    }
}

void TPlayersMgr::refillPlayerList() {
    Scores& scores = m_gra.scores();
    m_plrlist->clear();
    for (int r = kFirstHumanEntry; r < scores.count(); ++r)
        m_plrlist->addItem(playerLine(scores, r));
}

void TPlayersMgr::updateDeleteButton() {
    const bool selected = !m_plrlist->selectedItems().isEmpty();
    m_delplr->setEnabled(selected && m_gra.scores().count() > kKeepEntries);
}

void TPlayersMgr::addplrClick() {
    const QString trimmed = trimSpaces(m_plrname->text());
    m_plrname->setText(trimmed);
    const PlrScore entry{trimmed.toStdString(), 0, {}};
    Scores& scores = m_gra.scores();
    if (!scores.fits(entry)) {
        m_boxes.warn(tr(kRosterFull).toStdString());
        return;
    }
    if (!scores.Add(entry)) {
        RedWhileOpen red{m_plrname};
        m_boxes.inform(tr(kInvalidName).toStdString());
        return;
    }
    scores.Save();
    const QString stored = q(scores.entry(scores.count() - 1).name);
    for (QComboBox* list : m_names) list->addItem(stored);
    m_plrname->clear();  // ready for the next name
    refillPlayerList();
    updateDeleteButton();
}

void TPlayersMgr::delplrClick() {
    Scores& scores = m_gra.scores();
    const QList<QListWidgetItem*> selected = m_plrlist->selectedItems();
    if (selected.isEmpty() || scores.count() <= kKeepEntries) return;
    const int line = m_plrlist->row(selected.front());
    const int r = line + kFirstHumanEntry;
    const std::string name = scores.entry(r).name;
    if (Scores::total(scores.entry(r)) != 0 &&
        !m_boxes.ask(tr("Delete permanently player '%1' ?").arg(q(name)).toStdString())) {
        return;
    }
    delete m_plrlist->takeItem(line);
    m_plrlist->clearSelection();  // a second click must not delete the neighbour
    // The seats follow the roster at once, whatever becomes of the dialog.
    for (HumanSeat& seat : m_gra.seats) {
        if (seat.rosterIndex == r) {
            seat.rosterIndex = -1;
        } else if (seat.rosterIndex > r) {
            --seat.rosterIndex;
        }
    }
    removeNameItem(line);
    scores.Remove(r);
    scores.Save();
    updateDeleteButton();
}

void TPlayersMgr::removeNameItem(int item) {
    // A list that showed the deleted player is left without a selection.
    for (QComboBox* list : m_names) {
        const int was = list->currentIndex();
        list->removeItem(item);
        list->setCurrentIndex(was == item ? -1 : was > item ? was - 1 : was);
    }
}

int TPlayersMgr::firstCheckedRadio() const {
    for (int i = 0; i < kHumanSeats; ++i) {
        if (m_radio[i]->isChecked()) return i + 1;
    }
    return 1;
}

std::optional<std::pair<int, int>> TPlayersMgr::sameSelection(const Row& lists, int n) {
    // The highest row with an equal earlier row, paired with the first such earlier row.
    for (int i = n - 1; i >= 1; --i) {
        for (int j = 0; j < i; ++j) {
            if (lists[j]->currentIndex() == lists[i]->currentIndex()) return std::pair{j, i};
        }
    }
    return std::nullopt;
}

std::optional<std::pair<int, int>> TPlayersMgr::sameKeys(int n) const {
    if (const auto same = sameSelection(m_keys, n)) return same;
    // A custom key may be one of a fixed pair that was not seated when it was chosen.
    const auto codes = [this](int row) {
        return pairCodes(m_keys[row]->currentIndex(), m_devices.custom);
    };
    for (int i = n - 1; i >= 1; --i) {
        for (int j = 0; j < i; ++j) {
            const std::vector<int> a = codes(i), b = codes(j);
            if (std::any_of(a.begin(), a.end(), [&b](int code) {
                    return code != 0 && std::find(b.begin(), b.end(), code) != b.end();
                }))
                return std::pair{j, i};
        }
    }
    return std::nullopt;
}

bool TPlayersMgr::FormCloseQuery() {
    const int n = firstCheckedRadio();
    for (int i = 0; i < n; ++i) {
        if (m_names[i]->currentIndex() < 0) {
            RedWhileOpen red{m_names[i], m_radio[n - 1]};
            m_boxes.inform(tr(kSelectAsMany).toStdString());
            return false;
        }
    }
    if (const auto pair = sameSelection(m_names, n)) {
        RedWhileOpen red{m_names[pair->first], m_names[pair->second]};
        m_boxes.warn(tr(kSamePlayer).toStdString());
        return false;
    }
    if (const auto pair = sameKeys(n)) {
        RedWhileOpen red{m_keys[pair->first], m_keys[pair->second]};
        m_boxes.warn(tr(kSameKeys).toStdString());
        return false;
    }
    commit(n);
    return true;
}

void TPlayersMgr::commit(int n) {
    m_gra.humans = n;
    // Seats beyond n are taken over as well; a list without a selection stores entry 1, which
    // the dialog shows as no selection the next time.
    for (int i = 0; i < kHumanSeats; ++i) {
        HumanSeat& seat = m_gra.seats[std::size_t(i)];
        seat.keyPair = m_keys[i]->currentIndex();
        seat.rosterIndex = m_names[i]->currentIndex() + kFirstHumanEntry;
    }
    saveSlotPalette(m_palette->currentIndex() == 1 ? SlotPalette::ColourBlindSafe
                                                   : SlotPalette::Standard);
    if (m_onCommit) m_onCommit();
}

void TPlayersMgr::done(int /*result*/) {
    if (!FormCloseQuery()) return;
    QDialog::done(QDialog::Accepted);
}

bool TPlayersMgr::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_plrlist && event->type() == QEvent::KeyRelease) plrlistKeyUp();
    if (watched == m_plrlistViewport && event->type() == QEvent::MouseButtonRelease) {
        plrlistMouseUp();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace slyders
