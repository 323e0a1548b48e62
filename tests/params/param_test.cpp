// Parameters, their strings and values, and the settings file.
#include "params/param.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "params/ext_value.h"
#include "params/report.h"
#include "params/settings_file.h"
#include "params/settings_table.h"
#include "params/sstring.h"
#include "params/virt_file.h"
#include "test_support.h"

using namespace slyders;
namespace fs = std::filesystem;

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

// Real files that stop taking writes after a few lines, like a disk that fills
// up.
class FailingFileSystem : public StdioFileSystem {
public:
    VirtFILE* open(const char* name, const char* mode) override {
        struct Failing : StdioFILE {
            using StdioFILE::StdioFILE;
            int left = 5;
            int putString(const char* text) override {
                return --left < 0 ? -1 : StdioFILE::putString(text);
            }
        };
        std::FILE* handle = std::fopen(name, mode);
        return handle ? new Failing(handle) : nullptr;
    }
};

constexpr uid_t kNobody = 65534;

// Runs the work as a player would: root may open any file, so under root the
// work runs in a child process that has given up its rights. False when that is
// not possible.
bool asPlayer(const fs::path& dir, const std::function<void()>& work) {
    if (::geteuid() != 0) {
        work();
        return true;
    }
    if (::chown(dir.c_str(), kNobody, kNobody) != 0) return false;
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(77);
        work();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = (m_dir / "Default.par").string();
        m_previousSink = setMessageSink([this](const char*, const char* fn, int, const char* text) {
            m_messages.push_back(std::string(fn) + " " + text);
        });
    }
    void TearDown() override { setMessageSink(m_previousSink); }
    void write(const std::string& text) { std::ofstream(m_path, std::ios::binary) << text; }
    std::string read() const { return test::readFile(m_path); }
    // Loads "Settings:" followed by the given lines into fresh settings.
    TInterface load(const std::string& lines) {
        write("Settings:\n" + lines);
        TInterface settings;
        EXPECT_TRUE(loadSettingsFile(*m_files, settings, m_path));
        return settings;
    }

    VirtFileSystem* m_files = &StdioFileSystem::instance();
    const test::TempFolder m_temp;
    const fs::path m_dir = m_temp.path;
    std::string m_path;
    std::vector<std::string> m_messages;
    MessageSink m_previousSink;
};

}  // namespace

// Each setter clamps to the range of the type letter and reports what it did.
TEST(Param, SettersClampAndReportWhatChanged) {
    Record r;
    Param p(kRecordTable, &r);
    EXPECT_EQ(p.getText(4), "0.5");  // texts by type letter
    p.setInt(1, -3);
    EXPECT_EQ(p.getText(1), "-3");
    // Each setter's report and the field it wrote; a braced list reads them in this order.
    EXPECT_EQ(p.setInt(0, 40), 0);
    EXPECT_EQ((std::pair{p.setInt(0, 5), r.points}), std::pair(kSetBelowMin | kSetChanged, 10));
    EXPECT_EQ(p.setInt(0, 5), kSetBelowMin);
    EXPECT_EQ((std::pair{p.setInt(0, 100), r.points}), std::pair(kSetAboveMax | kSetChanged, 80));
    // No range, no clamping.
    EXPECT_EQ((std::pair{p.setInt(1, -123456), r.free}), std::pair(kSetChanged, -123456));
    EXPECT_EQ((std::pair{p.setInt(5, 9), r.fixed}), std::pair(kSetReadOnly, 3));
    EXPECT_EQ((std::pair{p.setDouble(4, 1.5), r.ratio}),
              std::pair(kSetAboveMax | kSetChanged, 1.0));
    // At most 5 long, and no greatest length.
    EXPECT_EQ(p.setString(2, "abcdefg"), kSetAboveMax | kSetChanged);
    EXPECT_EQ(r.name, "abcde");
    EXPECT_EQ(p.setString(3, "abcdefg"), kSetChanged);
    EXPECT_EQ(p.setString(3, "abcdefg"), 0);
    EXPECT_EQ(p.setText(0, "abc"), kSetBelowMin | kSetChanged);
    EXPECT_EQ((std::pair{p.setText(0, "33 and more"), r.points}), std::pair(kSetChanged, 33));
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
    EXPECT_TRUE(a == "abc" && b == "abcd" && c == "xyz") << a.c_str() << b.c_str() << c.c_str();
    a.append(a);  // the source is the string's own text
    EXPECT_EQ(a, "abcabc");
    a.set(a.c_str() + 3);
    EXPECT_EQ(a, "abc");

    // Substrings and tilde escapes; the empty buffer is never counted.
    const SString s("abcdef");
    EXPECT_TRUE(s.substring(-2, 5) == "abc" && s.substring(4, 10) == "ef");
    EXPECT_EQ(s.substring(0, 6).buffer(), s.buffer());
    EXPECT_TRUE(s.substring(7, 3).empty() && s.substring(-9, 5).empty());

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
    EXPECT_EQ((std::array{ExtValue("12abc").asInt(), ExtValue("abc").asInt(),
                          ExtValue(" -7").asInt(), ExtValue(-2.9).asInt()}),
              (std::array{12, 0, -7, -2}));
    EXPECT_DOUBLE_EQ(ExtValue("2.5x").asDouble(), 2.5);
    EXPECT_TRUE(ExtValue(3).asObject().isEmpty());
    EXPECT_EQ(ExtValue(ExtObject()).asString(), "<empty object>");
    TInterface settings;
    Param param = settingsParam(settings);
    EXPECT_EQ(ExtValue(ExtObject::ofParam(param)).asString().substring(0, 20),
              "<Settings object at ");
}

TEST_F(SettingsFile, NoFileKeepsDefaultsAndTheExitWritesThemButOnlyWithSaveOnExit) {
    TInterface settings;
    EXPECT_FALSE(loadSettingsFile(*m_files, settings, m_path));
    saveSettingsFileOnExit(*m_files, settings, m_path);
    EXPECT_EQ(read(),
              "Settings:\nint_snd:1\nint_soe:1\nint_rndpts:40\nint_showbars:0\nint_showevents:1\n"
              "int_fastfinish:1\nint_background:7\nxtr_tunnel:1\nxtr_biggaps:1\nxtr_cruelptr:1\n"
              "xtr_wall:1\nxtr_food:1\nxtr_void:1\nxtr_attract:1\nxtr_invis:1\nxtr_scroll:1\n"
              "xtr_letters:1\nxtr_missile:1\nxtr_teleport:1\ndis_void:1\ndis_tunnel:1\n"
              "dis_wall:1\ndis_attract:1\n\n");
    EXPECT_FALSE(fs::exists(m_path + ".tmp"));

    write("int_soe:1\n");
    settings.int_soe = 0;
    saveSettingsFileOnExit(*m_files, settings, m_path);
    EXPECT_EQ(read(), "int_soe:1\n");
}

// What a hand-edited or foreign file may hold: each line is read as far as it
// makes sense.
TEST_F(SettingsFile, LoadsWhatMakesSenseAndAdjustsTheRest) {
    const struct {
        const char* what;
        std::string lines;
        int rndpts, snd, soe, showbars;
    } cases[] = {
        {"too small", "int_rndpts:5\n", 10, 1, 1, 0},
        {"too big", "int_rndpts:200\n", 80, 1, 1, 0},
        {"not a number", "int_rndpts:many\n", 10, 1, 1, 0},
        {"empty values", "int_rndpts:\nint_snd:\n", 10, 0, 1, 0},
        {"names of nothing, the last value wins, the empty line ends",
         "bogus:0\n int_snd:0\nint_snd :0\nint_rndpts:20\nint_rndpts:30\n\nint_showbars:1\n", 30, 1,
         1, 0},
        {"CR LF", "int_rndpts:33\r\nint_snd:0\r\n\r\nint_soe:0\r\n", 33, 0, 1, 0},
        {"long line", "int_rndpts:" + std::string(150, '0') + "55\nint_snd:0\n", 55, 0, 1, 0},
        {"tilde block", "int_rndpts:~\n25\nmore~ trailing\r\nint_snd:0\n", 25, 0, 1, 0},
    };
    for (const auto& c : cases) {
        const TInterface s = load(c.lines);
        EXPECT_EQ(std::tuple(s.int_rndpts, s.int_snd, s.int_soe, s.int_showbars),
                  std::tuple(c.rndpts, c.snd, c.soe, c.showbars))
            << c.what;
    }
    EXPECT_EQ(load("int_background:20\n").int_background, 16);
    ASSERT_EQ(m_messages.size(), 5u);
    EXPECT_EQ(m_messages[0], "load2 Adjusted 'int_rndpts' in 'Settings' (was too small)");
    EXPECT_EQ(m_messages[1], "load2 Adjusted 'int_rndpts' in 'Settings' (was too big)");
}

TEST_F(SettingsFile, AFailedSaveLeavesTheOldFile) {
    write("Settings:\nint_rndpts:20\n\n");
    FailingFileSystem failing;
    m_files = &failing;
    TInterface settings;
    saveSettingsFileOnExit(*m_files, settings, m_path);
    EXPECT_EQ(read(), "Settings:\nint_rndpts:20\n\n");
    EXPECT_FALSE(fs::exists(m_path + ".tmp"));

    fs::create_directory(m_path + ".tmp");  // the temporary file cannot be made
    m_files = &StdioFileSystem::instance();
    EXPECT_FALSE(saveSettingsFile(*m_files, settings, m_path));
    EXPECT_EQ(read(), "Settings:\nint_rndpts:20\n\n");
}

TEST_F(SettingsFile, AFileThePlayerCannotWriteIsLeftAsItWas) {
    const std::string old = "Settings:\nint_rndpts:20\n\n";
    for (const mode_t mode : {mode_t(0), mode_t(0444)}) {
        TInterface settings;
        const bool ran = asPlayer(m_dir, [&] {
            write(old);
            ::chmod(m_path.c_str(), mode);
            loadSettingsFile(*m_files, settings, m_path);
            saveSettingsFileOnExit(*m_files, settings, m_path);
        });
        if (!ran) GTEST_SKIP() << "runs as root and cannot act as an ordinary player";
        EXPECT_EQ(modeOf(m_path), mode);
        ::chmod(m_path.c_str(), 0644);
        EXPECT_EQ(read(), old) << std::oct << mode;
        EXPECT_FALSE(fs::exists(m_path + ".tmp"));
        fs::remove(m_path);
    }
}

TEST_F(SettingsFile, AReplacedFileKeepsItsModeAndHiddenSettingsAndAStaleTemporaryGoes) {
    write("Settings:\nint_rndpts:20\n\n");
    ::chmod(m_path.c_str(), 0600);
    std::ofstream(m_path + ".tmp") << "half a save";
    TInterface settings;
    ASSERT_TRUE(loadSettingsFile(*m_files, settings, m_path));
    EXPECT_FALSE(fs::exists(m_path + ".tmp"));
    settings.int_rndpts = 77;
    settings.xtr_letters = settings.xtr_missile = settings.xtr_teleport = 0;
    ASSERT_TRUE(saveSettingsFile(*m_files, settings, m_path));
    EXPECT_EQ(modeOf(m_path), 0600u);
    TInterface back;
    ASSERT_TRUE(loadSettingsFile(*m_files, back, m_path));
    EXPECT_EQ(back.xtr_letters + back.xtr_missile + back.xtr_teleport, 0);
    EXPECT_EQ(back.int_rndpts, 77);
}
