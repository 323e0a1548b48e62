#include "params/param.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "params/ext_value.h"
#include "params/settings_table.h"
#include "params/sstring.h"
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
    EXPECT_EQ(p.getText(4), "0.5");  // texts by type letter
    p.setInt(1, -3);
    EXPECT_EQ(p.getText(1), "-3");
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

    EXPECT_EQ(p.setString(2, "abcdefg"), kSetAboveMax | kSetChanged);  // at most 5 long
    EXPECT_EQ(r.name, "abcde");
    EXPECT_EQ(p.setString(3, "abcdefg"), kSetChanged);  // no greatest length
    EXPECT_EQ(p.setString(3, "abcdefg"), 0);
    EXPECT_EQ(p.setText(0, "abc"), kSetBelowMin | kSetChanged);
    EXPECT_EQ(p.setText(0, "33 and more"), kSetChanged);
    EXPECT_EQ(r.points, 33);
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
    EXPECT_EQ(std::tuple(back.note, back.name, back.points, back.ratio),
              std::tuple(r.note, "x~", 40, 0.25));
}

// The names, order, groups and hidden flags of the settings show in the settings file and
// window tests; here only the lookups past the last group.
TEST(SettingsTable, LookUpsPastTheLastGroupFindNothing) {
    TInterface settings;
    Param p = settingsParam(settings);
    ASSERT_EQ(p.groupCount(), 4);
    EXPECT_EQ(std::tuple(p.groupName(4), p.groupMember(3, 3), p.groupMember(4, 0)),
              std::tuple(nullptr, p.findProperty("dis_attract"), kNoMember));
}

TEST(SString, CopiesShareUntilWrittenSubstringsAndTildeEscapes) {
    const std::int32_t before = SBuf::empty().references;
    {
        SString a, b(a), c;
        c = b;
        EXPECT_EQ(c.buffer(), &SBuf::empty());
    }
    EXPECT_EQ(SBuf::empty().references, before);
    EXPECT_STREQ(SBuf::empty().text, "");

    SString a("abc"), b(a), c(a);
    EXPECT_EQ(a.buffer(), b.buffer());
    b += "d";
    std::memcpy(c.beginWrite(), "xyz", 3);
    c.finishWrite(3);
    EXPECT_EQ(a, "abc");
    EXPECT_EQ(b, "abcd");
    EXPECT_EQ(c, "xyz");
    a.append(a);  // the source is the string's own text
    EXPECT_EQ(a, "abcabc");
    a.set(a.c_str() + 3);
    EXPECT_EQ(a, "abc");

    // Substrings and tilde escapes; the empty buffer is never counted.
    const SString s("abcdef");
    EXPECT_EQ(s.substring(-2, 5), "abc");
    EXPECT_EQ(s.substring(4, 10), "ef");
    EXPECT_EQ(s.substring(0, 6).buffer(), s.buffer());
    EXPECT_TRUE(s.substring(7, 3).empty());
    EXPECT_TRUE(s.substring(-9, 5).empty());

    SString t("a~b~");
    EXPECT_TRUE(t.escapeTildes());
    EXPECT_EQ(t, "a\\~b\\~");
    EXPECT_TRUE(t.unescapeTildes());
    EXPECT_EQ(t, "a~b~");
    SString plain("a\\b\\");  // backslashes alone are no escapes
    EXPECT_TRUE(plain.unescapeTildes());
    EXPECT_EQ(plain, "a\\b\\");
    EXPECT_FALSE(plain.escapeTildes());
}

TEST(ExtValue, Conversions) {
    EXPECT_EQ(ExtValue(2.0).asString(), "2.0");
    EXPECT_EQ(ExtValue(2.5).asString(), "2.5");
    EXPECT_EQ(ExtValue(1e20).asString(), "1e+20.0");
    EXPECT_EQ(ExtValue().asString(), "null");
    EXPECT_EQ(ExtValue(-7).asString(), "-7");
    EXPECT_EQ(ExtValue("12abc").asInt(), 12);
    EXPECT_EQ(ExtValue("abc").asInt(), 0);
    EXPECT_EQ(ExtValue(" -7").asInt(), -7);
    EXPECT_EQ(ExtValue(-2.9).asInt(), -2);
    EXPECT_DOUBLE_EQ(ExtValue("2.5x").asDouble(), 2.5);
    EXPECT_TRUE(ExtValue(3).asObject().isEmpty());
    EXPECT_EQ(ExtValue(ExtObject()).asString(), "<empty object>");
    TInterface settings;
    Param param = settingsParam(settings);
    EXPECT_EQ(ExtValue(ExtObject::ofParam(param)).asString().substring(0, 20),
              "<Settings object at ");
}
