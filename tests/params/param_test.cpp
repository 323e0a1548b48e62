#include "params/param.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "params/settings_table.h"
#include "params/virt_file.h"

using namespace slyders;

namespace {

struct Record {
    std::int32_t points = 40;
    std::int32_t free = 0;
    SString name;
    SString note;
    double ratio = 0.5;
    std::int32_t fixed = 3;
};

const PropertyDescriptor kRecordTable[] = {
    {"Main", 1, 6, "Record", "a test record", 0, nullptr, nullptr, nullptr},
    {"points", 0, 0, "Points", "d 10 80", offsetof(Record, points), nullptr, nullptr, ""},
    {"free", 0, 0, "Free", "d", offsetof(Record, free), nullptr, nullptr, ""},
    {"name", 0, 0, "Name", "s 0 5", offsetof(Record, name), nullptr, nullptr, ""},
    {"note", 0, 0, "Note", "s 0 0", offsetof(Record, note), nullptr, nullptr, ""},
    {"ratio", 0, 0, "Ratio", "f 0 1", offsetof(Record, ratio), nullptr, nullptr, ""},
    {"fixed", 0, kPropReadOnly, "Fixed", "d", offsetof(Record, fixed), nullptr, nullptr, ""},
    {nullptr, 0, 0, nullptr, nullptr, 0, nullptr, nullptr, nullptr},
};

}  // namespace

// Each setter clamps to the range of the type letter and reports what it did.
TEST(Param, SettersClampAndReportWhatChanged) {
    Record r;
    Param p(kRecordTable, &r);
    EXPECT_EQ(p.setInt(0, 40), 0);
    EXPECT_EQ(p.setInt(0, 5), kSetBelowMin | kSetChanged);
    EXPECT_EQ(r.points, 10);
    EXPECT_EQ(p.setInt(0, 5), kSetBelowMin);
    EXPECT_EQ(p.setInt(0, 100), kSetAboveMax | kSetChanged);
    EXPECT_EQ(r.points, 80);
    EXPECT_EQ(p.setInt(1, -123456), kSetChanged);  // no range, no clamping
    EXPECT_EQ(r.free, -123456);
    EXPECT_EQ(p.setInt(5, 9), kSetReadOnly);
    EXPECT_EQ(r.fixed, 3);
    EXPECT_EQ(p.setDouble(4, 1.5), kSetAboveMax | kSetChanged);
    EXPECT_EQ(r.ratio, 1.0);

    EXPECT_EQ(p.setString(2, "abcdefg"),
              kSetAboveMax | kSetChanged);  // at most 5 long
    EXPECT_EQ(r.name, "abcde");
    EXPECT_EQ(p.setString(3, "abcdefg"), kSetChanged);  // no greatest length
    EXPECT_EQ(p.setString(3, "abcdefg"), 0);
    EXPECT_EQ(p.setText(0, "abc"), kSetBelowMin | kSetChanged);
    EXPECT_EQ(p.setText(0, "33 and more"), kSetChanged);
    EXPECT_EQ(r.points, 33);
}

TEST(Param, TextsByTypeLetter) {
    Record r;
    Param p(kRecordTable, &r);
    p.setInt(1, -3);
    EXPECT_EQ(p.getText(1), "-3");
    EXPECT_EQ(p.getText(4), "0.5");
    EXPECT_EQ(p.findProperty("nothing"), -1);
}

TEST(Param, TextsWithTildesAndLineBreaksRoundTripThroughTheFile) {
    Record r;
    Param p(kRecordTable, &r);
    r.note = "one~two\nthree\\four";
    r.name = "x~";
    r.ratio = 0.25;
    StdioFILE file(std::tmpfile());
    ASSERT_EQ(p.saveObject(&file, "Other"), 0);
    file.rewind();
    char header[16];
    EXPECT_STREQ(file.getLine(header, sizeof header), "Other:\n");
    file.rewind();

    Record back;
    back.points = 11;
    Param(kRecordTable, &back).loadObject(&file);
    EXPECT_EQ(back.note, r.note);
    EXPECT_EQ(back.name, "x~");
    EXPECT_EQ(back.points, 40);
    EXPECT_EQ(back.ratio, 0.25);
}

// The names, order, groups and hidden flags of the settings show in the settings file and
// window tests; here only the lookups past the last group.
TEST(SettingsTable, LookUpsPastTheLastGroupFindNothing) {
    TInterface settings;
    Param p = settingsParam(settings);
    ASSERT_EQ(p.groupCount(), 4);
    EXPECT_EQ(p.groupName(4), nullptr);
    EXPECT_EQ(p.groupMember(3, 3), p.findProperty("dis_attract"));
    EXPECT_EQ(p.groupMember(4, 0), kNoMember);
}
