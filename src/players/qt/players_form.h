#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <utility>

#include "boxes/message_boxes.h"
#include "game/gra.h"
#include "input/local_devices.h"

class QComboBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace slyders {

// "Set up human players": how many humans play, who sits in which seat with which keys,
// and adding or deleting roster players. Roster changes are saved at once; the seats and
// the number of humans are taken over only when the dialog closes with valid choices.
class TPlayersMgr final : public QDialog {
    Q_OBJECT

public:
    // onCommit runs after a successful close, so the main window can lay out its score bands.
    // devices gives the custom keys and the pads; without it there are no pads.
    TPlayersMgr(Gra& gra, MessageBoxes& boxes, std::function<void()> onCommit,
                QWidget* parent = nullptr, LocalDevices* devices = nullptr);

    void Radio1Click() { chooseHumans(1); }
    void Radio2Click() { chooseHumans(2); }
    void Radio3Click() { chooseHumans(3); }
    void Radio4Click() { chooseHumans(4); }
    void addplrClick();
    void plrlistClick() { updateDeleteButton(); }
    void plrlistKeyUp() { updateDeleteButton(); }
    void plrlistMouseUp() { updateDeleteButton(); }
    void delplrClick();
    // "Keys...": the custom keys and the key test of the seats chosen now.
    void keysClick();
    // Names the pads in the key lists as they are plugged in and out.
    void refreshGamepadEntries();
    // Validates the seats; on success takes them over and allows the close.
    bool FormCloseQuery();

    int chosenHumans() const { return m_humans; }

    // Every way of closing (OK, Escape, the close box) ends here and closes with result OK.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Row = std::array<QComboBox*, kHumanSeats>;

    QWidget* buildSeatRows();
    QWidget* buildRosterEditing();
    QLayout* buildPaletteRow();
    void fillLists();
    void selectSeats();
    void chooseHumans(int n);
    void updateDeleteButton();
    void refillPlayerList();
    void removeNameItem(int item);
    void commit(int n);
    int firstCheckedRadio() const;
    static std::optional<std::pair<int, int>> sameSelection(const Row& lists, int n);
    std::optional<std::pair<int, int>> sameKeys(int n) const;

    Gra& m_gra;
    MessageBoxes& m_boxes;
    std::function<void()> m_onCommit;
    LocalDevices m_noDevices;  // stands in when the caller has none
    LocalDevices& m_devices;
    int m_humans = 1;

    std::array<QRadioButton*, kHumanSeats> m_radio{};
    Row m_names{};
    Row m_keys{};
    QLineEdit* m_plrname = nullptr;
    QPushButton* m_addplr = nullptr;
    QListWidget* m_plrlist = nullptr;
    QWidget* m_plrlistViewport = nullptr;
    QPushButton* m_delplr = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_keysButton = nullptr;
    QComboBox* m_palette = nullptr;
};

}  // namespace slyders
