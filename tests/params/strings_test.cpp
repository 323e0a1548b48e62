#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "params/ext_value.h"
#include "params/settings_table.h"
#include "params/sstring.h"

using namespace slyders;

TEST(SString, CopiesShareUntilOneIsWrittenAndTheEmptyBufferIsNeverCounted) {
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
}

TEST(SString, SubstringsAndTildeEscapes) {
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
