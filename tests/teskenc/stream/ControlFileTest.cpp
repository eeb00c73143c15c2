#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "teskenc/stream/ControlFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/teskenc/stream/TestFiles.h"

using namespace testsupport;

namespace tesk {
namespace {

struct LookupCase {
    const char* name;
    std::string text;
    std::vector<std::string> args;  // argv[0] included
    const char* section;
    const char* key;
    std::optional<std::string> expected;  // none: the lookup fails
};

std::optional<std::string> lookUp(const LookupCase& c) {
    ScratchFolder dir;
    const std::string path = dir.file("rc.txt");
    writeFileText(path, c.text);
    std::vector<const char*> argv;
    for (const std::string& a : c.args) argv.push_back(a.c_str());
    const ControlFile control(path, static_cast<int>(argv.size()), argv.data());
    std::string value = "untouched";
    if (!control.getString(c.section, c.key, value)) {
        EXPECT_EQ(value, "untouched") << c.name;
        return std::nullopt;
    }
    return value;
}

const std::vector<std::string> kThreeArgs = {"teskenc", "rc.txt", "ARG2"};

TEST(ControlFileTest, LookupEdgeCases) {
    const std::string longValue(5000, 'v');
    const std::vector<LookupCase> cases = {
        {"blank padded section name", "[ TESK ]\nk=1\n", kThreeArgs, "TESK", "k", "1"},
        {"empty brackets are no section", "[A]\n[]\nk=1\n", kThreeArgs, "A", "k", "1"},
        {"blank brackets are no section", "[A]\n[ ]\nk=1\n", kThreeArgs, "A", "k", "1"},
        {"brackets inside a value make a section line", "[A]\nx=1\ninput_wavfile = c:\\[in]\\a.wav\nk=2\n", kThreeArgs,
         "in", "k", "2"},
        {"bracketed value line is no key line", "[A]\nx=1\ninput_wavfile = c:\\[in]\\a.wav\n", kThreeArgs, "A",
         "input_wavfile", std::nullopt},
        {"comment after the value", "[A]\nencode_file = out.bin // the output\n", kThreeArgs, "A", "encode_file",
         "out.bin"},
        {"comment marker before the equals sign is part of the key", "[A]\n// note = x\n", kThreeArgs, "A", "// note",
         "x"},
        {"argument reference", "[A]\nrate = %2 // from the caller\n", kThreeArgs, "A", "rate", "ARG2"},
        {"argument 0 stays literal", "[A]\nrate = %0\n", kThreeArgs, "A", "rate", "%0"},
        {"negative argument stays literal", "[A]\nrate = %-1\n", kThreeArgs, "A", "rate", "%-1"},
        {"argument past the count stays literal", "[A]\nrate = %3\n", kThreeArgs, "A", "rate", "%3"},
        {"%9 with fewer arguments", "[A]\nrate = %9\n", kThreeArgs, "A", "rate", "%9"},
        {"argument 1 is the control file", "[A]\nself = %1\n", kThreeArgs, "A", "self", "rc.txt"},
        {"argument text is used whole", "[A]\nv = %2 \n", {"p", "c", "\t  x y \n"}, "A", "v", "\t  x y \n"},
        {"argument text ending in a blank", "[A]\nv = %2\n", {"p", "c", "talk.wav "}, "A", "v", "talk.wav "},
        {"empty section is dropped", "[A]\n[A]\nk=1\n", kThreeArgs, "A", "k", "1"},
        {"only the first section of a name is searched", "[A]\nk=1\n[B]\nj=0\n[A]\nk=2\n", kThreeArgs, "A", "k", "1"},
        {"a later section of the same name is never consulted", "[A]\nk=1\n[B]\nj=0\n[A]\nm=2\n", kThreeArgs, "A", "m",
         std::nullopt},
        {"key case is ignored", "[A]\nKey = v\n", kThreeArgs, "A", "key", "v"},
        {"section case is ignored", "[Tesk]\nk = v\n", kThreeArgs, "TESK", "k", "v"},
        {"empty value", "[A]\nk =\n", kThreeArgs, "A", "k", ""},
        {"empty key is no key line", "[A]\n = v\n", kThreeArgs, "A", "", std::nullopt},
        {"key lines before any section are unreachable", "k=1\n[A]\nj=2\n", kThreeArgs, "A", "k", std::nullopt},
        {"missing section", "[A]\nk=1\n", kThreeArgs, "TESK", "k", std::nullopt},
        {"windows line ends", "[A]\r\nk = v \r\nj=2\r\n", kThreeArgs, "A", "k", "v"},
        {"no newline at the end", "[A]\nk = last", kThreeArgs, "A", "k", "last"},
        {"first key of a name wins", "[A]\nk=1\nk=2\n", kThreeArgs, "A", "k", "1"},
        {"a line keeps its first 511 characters", "[A]\nk = " + longValue + "\n", kThreeArgs, "A", "k",
         longValue.substr(0, 507)},
        {"the rest of a long line is no line of its own", "[A]\nk = 1 // " + longValue + " [B]\nj = 2\n", kThreeArgs,
         "A", "j", "2"},
        {"non-ASCII bytes are not folded", "[A]\n\xC3\x84=1\n", kThreeArgs, "A", "\xC3\xA4", std::nullopt},
        {"tabs trimmed around key and value", "[A]\n\tk\t=\tv\t\n", kThreeArgs, "A", "k", "v"},
    };
    for (const LookupCase& c : cases) EXPECT_EQ(lookUp(c), c.expected) << c.name;
}

TEST(ControlFileTest, ManySectionsAreAllReachable) {
    std::string text;
    for (int s = 0; s < 3000; ++s) text += "[S" + std::to_string(s) + "]\nk = " + std::to_string(s) + "\n";
    ScratchFolder dir;
    writeFileText(dir.file("rc.txt"), text);
    const char* argv[] = {"teskenc"};
    const ControlFile control(dir.file("rc.txt"), 1, argv);
    std::string value;
    ASSERT_TRUE(control.getString("S2999", "k", value));
    EXPECT_EQ(value, "2999");
    ASSERT_TRUE(control.getString("s1024", "k", value));
    EXPECT_EQ(value, "1024");
}

TEST(ControlFileTest, UnreadableFileLeavesEveryLookupFailing) {
    const char* argv[] = {"teskenc"};
    ControlFile control("/nonexistent/rc.txt", 1, argv);
    EXPECT_FALSE(control.load("/nonexistent/rc.txt", 1, argv));
    std::string value = "x";
    EXPECT_FALSE(control.getString("TESK", "encode_file", value));
    EXPECT_EQ(value, "x");
}

TEST(ControlFileTest, IntegersReadLikePercentD) {
    ScratchFolder dir;
    writeFileText(dir.file("rc.txt"), "[A]\na = 7\nb = -3x\nc = x3\nd =\ne = 99999999999\nf = %2\n");
    const char* argv[] = {"teskenc", "rc.txt", " 5"};
    const ControlFile control(dir.file("rc.txt"), 3, argv);
    int32_t value = 42;
    EXPECT_TRUE(control.getInt("A", "a", value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(control.getInt("A", "b", value));
    EXPECT_EQ(value, -3);
    value = 42;
    EXPECT_FALSE(control.getInt("A", "c", value));
    EXPECT_FALSE(control.getInt("A", "d", value));
    EXPECT_FALSE(control.getInt("A", "e", value));
    EXPECT_FALSE(control.getInt("A", "missing", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(control.getInt("A", "f", value));
    EXPECT_EQ(value, 5);
}

}  // namespace
}  // namespace tesk
