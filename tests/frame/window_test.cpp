#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QStyleOptionMenuItem>

#include "frame_fixture.h"

namespace slyders {
namespace {

// What a menu would draw beside an item.
QStyleOptionMenuItem::CheckType drawnCheck(QAction* item) {
    struct Menu : QMenu {
        using QMenu::initStyleOption;
    } menu;
    menu.addAction(item);
    QStyleOptionMenuItem option;
    menu.initStyleOption(&option, item);
    return option.checkType;
}

// Players, Computer and Speed show check marks, one per group whatever was chosen, also
// when the checked item is chosen again. No item repeats with a held key.
TEST(MenuItems, GroupsCarryOneCheckMarkAndNoItemRepeats) {
    test::WindowTest t;
    const std::vector<std::vector<std::string>> groups{
        {"PlayersNocomputerplayers", "PlayersOnecomputerplayer", "PlayersTwocomputerplayers"},
        {"ComputerPoor", "ComputerMedium", "ComputerGood"},
        {"SpeedSlow", "SpeedMedium", "SpeedFast"}};
    for (const auto& group : groups) {
        for (const std::string& chosen : {group[2], group[0], group[0], group[1]}) {
            t.window->menuItem(chosen)->trigger();
            for (const std::string& name : group) {
                QAction* item = t.window->menuItem(name);
                EXPECT_EQ(item->isChecked(), name == chosen) << chosen << " then " << name;
                EXPECT_EQ(drawnCheck(item), QStyleOptionMenuItem::NonExclusive) << name;
            }
        }
    }
    EXPECT_EQ(t.gra.firstSlot, 1);
    EXPECT_EQ(t.gra.skillLevel, 2);
    EXPECT_EQ(t.gra.speedLevel, 1);
    for (QAction* item : t.window->findChildren<QAction*>()) {
        if (item->objectName().isEmpty()) continue;  // the toolkit's own
        EXPECT_FALSE(item->autoRepeat()) << item->objectName().toStdString();
    }
}

}  // namespace
}  // namespace slyders
