// The CD-database lookup against a loopback server: the request carries the disc ID of the table of contents, the
// query path and the client text; the record comes back as its text lines; every failure is silent and quick.
#include "CddbServer.h"
#include "CueImage.h"
#include "DiscLayouts.h"
#include "DriveAt.h"
#include "ImageDrives.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"
#include "platform/cdrom/TestHooks.h"
#include "platform/cdrom/detail/CddbHttpGet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

using namespace platform::cdrom;
using namespace std::chrono_literals;
using cdrom_test::CannedRecord;
using cdrom_test::CddbServer;
using cdrom_test::CueImage;

namespace {

int DigitSum(int value) {
    int sum = 0;
    for (; value > 0; value /= 10) sum += value % 10;
    return sum;
}

// The database's disc ID from track start frames (with the 150-frame lead-in) and the lead-out frame.
std::uint32_t DiscId(const std::vector<int>& startFrames, int leadOutFrame) {
    int digits = 0;
    for (int frame : startFrames) digits += DigitSum(frame / 75);
    const int seconds = leadOutFrame / 75 - startFrames.front() / 75;
    return static_cast<std::uint32_t>((digits % 0xFF) << 24 | seconds << 8 | static_cast<int>(startFrames.size()));
}

// As the database serves it: the offsets, length and revision comments come before the fields.
// The words of the cmd parameter; "+" stands for one blank, so a doubled "+" shows as an empty word.
std::vector<std::string> CommandWords(const std::string& target) {
    std::vector<std::string> words;
    const std::size_t start = target.find("cmd=");
    if (start == std::string::npos) return words;
    std::string word;
    for (std::size_t i = start + 4; i < target.size() && target[i] != '&'; ++i) {
        if (target[i] != '+') {
            word += target[i];
        } else {
            words.push_back(word);
            word.clear();
        }
    }
    words.push_back(word);
    return words;
}

constexpr const char* kRecord =
    "# xmcd\n"
    "#\n"
    "# Track frame offsets:\n"
    "#\t300\n"
    "#\t675\n"
    "#\t875\n"
    "#\n"
    "# Disc length: 13 seconds\n"
    "#\n"
    "# Revision: 1\n"
    "#\n"
    "DISCID=0f000903\n"
    "DTITLE=The Band / First Album\n"
    "DYEAR=1999\n"
    "DGENRE=Pop\n"
    "TTITLE0=Opening\n"
    "TTITLE1=Second Song\n"
    "TTITLE2=Data\n"
    "EXTD=\n"
    "EXTT0=\n"
    "EXTT1=\n"
    "EXTT2=\n"
    "PLAYORDER=\n";

class CddbTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage image = CueImage::Write(folder.path(), "mixed", cdrom_test::MixedDisc());
    cdrom_test::ImageDrives drives{{image.cuePath()}};
    HCDROM handle = OpenDriveAt(0);
    // Track starts 300, 675, 875 and lead-out 975, the mixed disc's frames.
    std::uint32_t discId = DiscId({300, 675, 875}, 975);
    std::vector<TCDDBQueryItem> items = std::vector<TCDDBQueryItem>(MAX_CDDB_MATCHES);

    ~CddbTest() override { CloseCDHandle(handle); }

    void SetOptions(const std::string& server) {
        CDDBSetOption(CDDB_OPT_SERVER, server.c_str(), 0);
        CDDBSetOption(CDDB_OPT_QUERY_PATH, "/~cddb/cddb.cgi", 0);
        CDDBSetOption(CDDB_OPT_EMAIL, "tester@example.org", 0);
        CDDBSetOption(CDDB_OPT_CLIENT, "program 1.0", 0);
    }

    // The query result and count; the count is -1 when the call failed.
    int Query() {
        TCDDBQuery query;
        query.num = MAX_CDDB_MATCHES;
        query.q = items.data();
        return CDDBQuery(handle, &query) == 1 ? query.num : -1;
    }

    static std::string Loopback(int port) { return "127.0.0.1:" + std::to_string(port); }
};

}  // namespace

TEST_F(CddbTest, DiscIdOfTheFixtureWorkedByHand) {
    // Digits of 4, 9 and 11 seconds: 4 + 9 + 2 = 15; 13 - 4 = 9 seconds of playing; 3 tracks.
    EXPECT_EQ(discId, 0x0F000903u);
}

TEST_F(CddbTest, QueryCarriesDiscIdPathAndClientAndReturnsTheRecord) {
    CddbServer server({{"misc", discId, "The Band / First Album", kRecord}});
    SetOptions(Loopback(server.port()));
    ASSERT_EQ(Query(), 1);

    std::vector<char> text(32000, 'x');
    ASSERT_EQ(CDDBGetDiskInfo(&items[0], text.data(), static_cast<int>(text.size())), 1u);
    const std::string record(text.data());
    EXPECT_NE(record.find("DTITLE=The Band / First Album\n"), std::string::npos) << record;
    EXPECT_NE(record.find("TTITLE0=Opening\nTTITLE1=Second Song\nTTITLE2=Data\n"), std::string::npos) << record;
    EXPECT_NE(record.find("DYEAR=1999\n"), std::string::npos) << record;

    const std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].rfind("/~cddb/cddb.cgi?", 0), 0u) << requests[0];
    const std::vector<std::string> expected{"cddb", "query", "0f000903", "3", "300", "675", "875", "13"};
    EXPECT_EQ(CommandWords(requests[0]), expected) << requests[0];
    EXPECT_NE(requests[0].find("?cmd=cddb+query+0f000903+3+300+675+875+13&"), std::string::npos) << requests[0];
    EXPECT_NE(requests[0].find("+program+1.0"), std::string::npos) << requests[0];
    EXPECT_EQ(CommandWords(requests[1]), (std::vector<std::string>{"cddb", "read", "misc", "0f000903"}));
}

TEST_F(CddbTest, TitlesInUtf8ComeBackUnchanged) {
    std::string record(kRecord);
    record.replace(record.find("TTITLE0=Opening"), 15, "TTITLE0=第一首 «Ouverture»");
    CddbServer server({{"misc", discId, "The Band / First Album", record}});
    SetOptions(Loopback(server.port()));
    ASSERT_EQ(Query(), 1);
    std::vector<char> text(32000);
    ASSERT_EQ(CDDBGetDiskInfo(&items[0], text.data(), static_cast<int>(text.size())), 1u);
    EXPECT_NE(std::string(text.data()).find("TTITLE0=第一首 «Ouverture»\n"), std::string::npos) << text.data();
}

TEST_F(CddbTest, SeveralMatchesAreAllReturned) {
    CddbServer server({{"misc", discId, "A / One", kRecord}, {"rock", discId, "B / Two", kRecord}});
    SetOptions(Loopback(server.port()));
    EXPECT_EQ(Query(), 2);
}

TEST_F(CddbTest, ServerFromTheEnvironmentWins) {
    CddbServer server({{"misc", discId, "The Band / First Album", kRecord}});
    SetOptions(Loopback(CddbServer::RefusingPort()));
    setenv("TRACKMILL_CDDB_SERVER", Loopback(server.port()).c_str(), 1);
    const int matches = Query();
    unsetenv("TRACKMILL_CDDB_SERVER");
    EXPECT_EQ(matches, 1);
}

TEST_F(CddbTest, RecordLongerThanTheBufferKeepsWholeLines) {
    CddbServer server({{"misc", discId, "The Band / First Album", kRecord}});
    SetOptions(Loopback(server.port()));
    ASSERT_EQ(Query(), 1);
    char text[40];
    ASSERT_EQ(CDDBGetDiskInfo(&items[0], text, sizeof text), 1u);
    const std::string record(text);
    EXPECT_LT(record.size(), sizeof text);
    EXPECT_EQ(record.back(), '\n');
    EXPECT_EQ(record.rfind("DISCID=0f000903\n", 0), 0u) << record;

    char one[1] = {'x'};
    ASSERT_EQ(CDDBGetDiskInfo(&items[0], one, sizeof one), 1u);
    EXPECT_EQ(one[0], '\0') << "room for the end mark only";
}

TEST_F(CddbTest, NoMatchIsACountOfZero) {
    CddbServer server({{"misc", discId + 1, "Other / Disc", kRecord}});
    SetOptions(Loopback(server.port()));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_LE(Query(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(CddbTest, RefusedOrClosedConnectionFailsQuietly) {
    SetOptions(Loopback(CddbServer::RefusingPort()));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Query(), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);

    CddbServer closing({}, CddbServer::Behaviour::CloseAtOnce);
    SetOptions(Loopback(closing.port()));
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(Query(), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(CddbTest, SlowServerTimesOut) {
    CddbServer slow({{"misc", discId, "The Band / First Album", kRecord}}, CddbServer::Behaviour::Slow, 20s);
    SetOptions(Loopback(slow.port()));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Query(), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 8s);
}

TEST_F(CddbTest, AServerThatNeverStopsSendingIsCutOffAtTheSizeOfAnyRealRecord) {
    CddbServer endless({}, CddbServer::Behaviour::Endless);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(detail::HttpGet("127.0.0.1", endless.port(), "/~cddb/cddb.cgi?cmd=cddb+read", 3s), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << "the size, not the time-out, ends it";
    SetOptions(Loopback(endless.port()));
    EXPECT_EQ(Query(), -1);
}

TEST_F(CddbTest, AHostNameThatTakesForeverToLookUpEndsWithTheTimeOut) {
    // The lookup hangs until the test lets it go, long after the time-out. Its thread may wake after the test has
    // returned, so what it touches is shared with it.
    struct Lookup {
        std::mutex mutex;
        std::condition_variable released;
        bool release = false;
        std::vector<std::string> looked;
    };
    const auto lookup = std::make_shared<Lookup>();
    SetNameLookupHook([lookup](const std::string& host) {
        std::unique_lock lock(lookup->mutex);
        lookup->looked.push_back(host);
        lookup->released.wait(lock, [&] { return lookup->release; });
        return false;
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(detail::HttpGet("cddb.example.org", 80, "/~cddb/cddb.cgi?cmd=cddb+read", 500ms), std::nullopt);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, 450ms);
    EXPECT_LT(took, 1500ms);
    {
        std::lock_guard lock(lookup->mutex);
        lookup->release = true;
        EXPECT_EQ(lookup->looked, (std::vector<std::string>{"cddb.example.org"}));
    }
    lookup->released.notify_all();
    SetNameLookupHook(nullptr);
}

TEST_F(CddbTest, RecordOfAnUnknownOrDamagedItemFails) {
    CddbServer server({{"misc", discId, "The Band / First Album", kRecord}});
    SetOptions(Loopback(server.port()));
    char text[256];
    TCDDBQueryItem unknown{};
    EXPECT_EQ(CDDBGetDiskInfo(&unknown, text, sizeof text), 0u) << "no category";
    TCDDBQueryItem damaged;
    std::fill(std::begin(damaged.data), std::end(damaged.data), 'a');
    EXPECT_EQ(CDDBGetDiskInfo(&damaged, text, sizeof text), 0u) << "category without an end";
    EXPECT_EQ(CDDBGetDiskInfo(nullptr, text, sizeof text), 0u);
    ASSERT_EQ(Query(), 1);
    EXPECT_EQ(CDDBGetDiskInfo(&items[0], text, 0), 0u);
}

TEST_F(CddbTest, QueryWithoutADiscFailsWithoutAsking) {
    CddbServer server({{"misc", discId, "The Band / First Album", kRecord}});
    SetOptions(Loopback(server.port()));
    std::filesystem::remove(image.cuePath());
    EXPECT_EQ(Query(), -1);
    EXPECT_TRUE(server.requests().empty());
}

TEST(CddbServerTest, RefusesAQueryWithoutSingleBlanksBetweenFields) {
    CddbServer server({{"misc", 0x0F000903, "The Band / First Album", kRecord}});
    const auto ask = [&](const std::string& command) {
        return platform::cdrom::detail::HttpGet("127.0.0.1", server.port(), "/cgi?cmd=" + command + "&proto=6", 3s)
            .value_or("no answer");
    };
    EXPECT_EQ(ask("cddb+query+0f000903+3+300+675+875+13").substr(0, 4), "200 ");
    EXPECT_EQ(ask("cddb+query+0f000903+3+300+675+875++13").substr(0, 4), "500 ");
    EXPECT_EQ(ask("cddb+query+0f000903+3+300+675+875+13+").substr(0, 4), "500 ");
    EXPECT_EQ(ask("cddb+query+0f000903+3+300+675+13").substr(0, 4), "500 ") << "track count and offsets disagree";
}

TEST_F(CddbTest, RecordWithoutCommentHeaderIsRead) {
    // A server may serve the record's fields alone, without the offsets, length and revision comments.
    std::string record(kRecord);
    record.erase(0, record.find("DISCID="));
    CddbServer server({{"misc", discId, "The Band / First Album", record}});
    SetOptions(Loopback(server.port()));
    ASSERT_EQ(Query(), 1);
    std::vector<char> text(32000);
    ASSERT_EQ(CDDBGetDiskInfo(&items[0], text.data(), static_cast<int>(text.size())), 1u);
    const std::string read(text.data());
    EXPECT_NE(read.find("DTITLE=The Band / First Album\n"), std::string::npos) << read;
    EXPECT_NE(read.find("TTITLE0=Opening\nTTITLE1=Second Song\nTTITLE2=Data\n"), std::string::npos) << read;
}

TEST_F(CddbTest, RecordWithoutRevisionLineIsRead) {
    std::string record(kRecord);
    record.erase(record.find("# Revision: 1\n"), 14);
    CddbServer server({{"misc", discId, "The Band / First Album", record}});
    SetOptions(Loopback(server.port()));
    ASSERT_EQ(Query(), 1);
    std::vector<char> text(32000);
    ASSERT_EQ(CDDBGetDiskInfo(&items[0], text.data(), static_cast<int>(text.size())), 1u);
    EXPECT_NE(std::string(text.data()).find("DTITLE=The Band / First Album\n"), std::string::npos) << text.data();
}
