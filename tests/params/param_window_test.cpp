#include "params/qt/param_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>
#include <cstddef>
#include <memory>

#include "params/settings_table.h"
#include "boxes/scripted_boxes.h"

namespace slyders {
namespace {

const QString kDivision{QChar(0x00F7)};
using Errors = std::vector<std::pair<std::string, std::string>>;

class SettingsWindow : public testing::Test {
protected:
    SettingsWindow() : param(settingsParam(settings)) {
        window = std::make_unique<TParamWnd>(nullptr, param, QStringLiteral("Settings"), boxes);
    }

    template <typename T>
    T* editor(const char* id) const {
        return window->findChild<T*>(QString::fromLatin1(id));
    }
    QTreeWidget* tree() const { return window->findChild<QTreeWidget*>(); }
    QPushButton* button(const char* name) const { return editor<QPushButton>(name); }
    void selectGroup(int g) const { tree()->setCurrentItem(tree()->topLevelItem(g)); }
    bool marked(int g) const { return !tree()->topLevelItem(g)->icon(0).isNull(); }
    void type(const char* id, const char* text) const {
        editor<QLineEdit>(id)->setText(QString::fromLatin1(text));
    }

    TInterface settings;
    Param param;
    test::ScriptedBoxes boxes;
    std::unique_ptr<TParamWnd> window;
};

TEST_F(SettingsWindow, ShowsTheFourGroupsWithoutTheHiddenSettingsInEditorsByType) {
    ASSERT_NE(tree(), nullptr);
    QStringList names;
    for (int g = 0; g < tree()->topLevelItemCount(); ++g) names << tree()->topLevelItem(g)->text(0);
    EXPECT_EQ(names, (QStringList{"General", "Basic events", "Events", "Disasters"}));
    EXPECT_EQ(window->caption(), "Settings");
    EXPECT_FALSE(button("Apply")->isEnabled());
    EXPECT_TRUE(button("OK")->isDefault());

    selectGroup(2);
    EXPECT_EQ(window->caption(), "Settings. Events");
    EXPECT_EQ(window->findChildren<QCheckBox*>().size(), 6);
    for (const char* hidden : {"xtr_letters", "xtr_missile", "xtr_teleport"})
        EXPECT_EQ(window->findChild<QWidget*>(hidden), nullptr) << hidden;
    EXPECT_NE(editor<QCheckBox>("xtr_scroll"), nullptr);

    // Editors by type.
    selectGroup(0);
    auto* background = editor<QComboBox>("int_background");
    auto* points = editor<QLineEdit>("int_rndpts");
    auto* track = editor<QSlider>("int_rndpts.track");
    auto* upDown = editor<QWidget>("int_rndpts.updown");
    ASSERT_TRUE(background && points && track && upDown);
    EXPECT_EQ(background->count(), 17);
    EXPECT_EQ(background->currentText(), "Jeans");
    EXPECT_TRUE(editor<QCheckBox>("int_snd")->isChecked());
    EXPECT_FALSE(editor<QCheckBox>("int_showbars")->isChecked());
    EXPECT_EQ(points->text(), "40");
    EXPECT_EQ(points->toolTip(),
              "How many points to finish a round?\n(integer 10" + kDivision + "80)");
    EXPECT_EQ(track->tickInterval(), 5);

    // The field, the arrows and the track bar follow each other.
    upDown->findChildren<QToolButton*>().at(0)->click();
    EXPECT_EQ(std::pair(points->text(), track->value()), std::pair(QString("41"), 41));
    track->setValue(70);
    EXPECT_EQ(points->text(), "70");
    type("int_rndpts", "5");
    EXPECT_EQ(track->value(), 10);
    EXPECT_EQ(settings.int_rndpts, 40);  // nothing is written before Apply
}

TEST_F(SettingsWindow, ApplyAdjustsOutOfRangeValuesAndSaysSo) {
    const struct {
        const char* typed;
        int stored;
        const char* line;
    } cases[] = {
        {"5", 10, "Points in each round value (in 'General') too small (adjusted to 10)\n"},
        {"100", 80, "Points in each round value (in 'General') too big (adjusted to 80)\n"},
        {"many", 10, "Points in each round value (in 'General') too small (adjusted to 10)\n"},
    };
    for (const auto& c : cases) {
        boxes.errors.clear();
        type("int_rndpts", c.typed);
        EXPECT_TRUE(button("Apply")->isEnabled() && marked(0));
        button("Apply")->click();
        EXPECT_EQ(std::pair(settings.int_rndpts, editor<QLineEdit>("int_rndpts")->text()),
                  std::pair(c.stored, QString::number(c.stored)))
            << c.typed;
        EXPECT_EQ(boxes.errors, (Errors{{"Bounds warning", c.line}}));
        EXPECT_FALSE(button("Apply")->isEnabled() || marked(0));
    }
    type("int_rndpts", "60");
    button("Apply")->click();
    // An in-range value raises no warning.
    EXPECT_EQ(std::pair(settings.int_rndpts, boxes.errors.size()), std::pair(60, std::size_t(1)));
}

TEST_F(SettingsWindow, CancelDropsWhatWasNotApplied) {
    editor<QComboBox>("int_background")->setCurrentIndex(3);
    button("Apply")->click();
    EXPECT_EQ(settings.int_background, 3);

    editor<QCheckBox>("int_snd")->click();
    type("int_rndpts", "55");
    button("Cancel")->click();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(std::tuple(settings.int_snd, settings.int_rndpts, settings.int_background),
              std::tuple(1, 40, 3));
    EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(SettingsWindow, EditsSurviveSwitchingGroupsUntilApplied) {
    type("int_rndpts", "90");
    selectGroup(3);
    editor<QCheckBox>("dis_wall")->click();
    EXPECT_TRUE(marked(0) && marked(3));
    selectGroup(0);
    EXPECT_EQ(editor<QLineEdit>("int_rndpts")->text(), "90");

    button("OK")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(std::pair(settings.int_rndpts, settings.dis_wall), std::pair(80, 0));
    EXPECT_EQ(boxes.errors.size(), 1u);
    EXPECT_FALSE(marked(0) || marked(3));
}

// A single-group object: no tree, and the caption carries the mark of unapplied edits.
struct Pair {
    std::int32_t alpha = 7;
    std::int32_t beta = 0;
};
const PropertyDescriptor kPairTable[] = {
    {"Main", 1, 2, "Pair", nullptr, 0, nullptr, nullptr, nullptr},
    {"alpha", 0, 0, "Alpha", "d 0 1000", offsetof(Pair, alpha), nullptr, nullptr, "First one"},
    {"beta", 0, 0, "Beta", "d -5 5", offsetof(Pair, beta), nullptr, nullptr, ""},
    {nullptr, 0, 0, nullptr, nullptr, 0, nullptr, nullptr, nullptr},
};

TEST(SingleGroupWindow, MarksTheCaptionAndReportsInOrderOfFirstChange) {
    Pair pair;
    Param param(kPairTable, &pair);
    test::ScriptedBoxes boxes;
    TParamWnd window(nullptr, param, QStringLiteral("Pair"), boxes);
    EXPECT_EQ(window.findChild<QTreeWidget*>(), nullptr);
    EXPECT_EQ(window.findChild<QLineEdit*>("beta")->toolTip(), "(integer -5" + kDivision + "5)");
    EXPECT_EQ(window.findChild<QSlider*>("alpha.track")->tickInterval(), 100);

    window.findChild<QLineEdit*>("beta")->setText("9");
    EXPECT_EQ(window.caption(), "[*] Pair");
    window.findChild<QLineEdit*>("alpha")->setText("-3\r");
    window.findChild<QLineEdit*>("beta")->setText("12");
    EXPECT_EQ(window.caption(), "[*] Pair");

    window.ApplyButtonClick();
    EXPECT_EQ(std::pair(pair.alpha, pair.beta), std::pair(0, 5));
    ASSERT_EQ(boxes.errors.size(), 1u);
    EXPECT_EQ(boxes.errors[0].second,
              "Beta value (in 'Main') too big (adjusted to 5)\n"
              "Alpha value (in 'Main') too small (adjusted to 0)\n");
    EXPECT_EQ(window.caption(), "Pair");
}

TEST(TrackBarTicks, KeepToRoundNumbers) {
    const struct {
        int minimum, maximum, step;
    } cases[] = {{10, 80, 5},    {0, 1, 1},         {0, 30, 3},       {0, 170, 10},
                 {0, 1000, 100}, {-500, 1299, 100}, {0, 25000, 2000}, {0, 59, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(trackBarTickStep(c.minimum, c.maximum), c.step) << c.minimum << ".." << c.maximum;
}

}  // namespace
}  // namespace slyders
