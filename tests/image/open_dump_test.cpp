#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dump_builder.h"
#include "image/loaded_image.h"

namespace valta9 {
namespace {

using test::DumpBuilder;

const std::vector<std::string> kServiceMessages = {
    "Ошибка контольной суммы идентификации в Банке-0!",
    "Ошибка контольной суммы характеристического числа №1 в Банке-0!",
    "Ошибка контольной суммы характеристического числа №2 в Банке-0!",
    "Ошибка контольной суммы рабочих циклов в Банке-0!",
    "Ошибка контольной суммы относительных циклов в Банке-0!",
    "Ошибка контольной суммы идентификации в Банке-1!",
    "Ошибка контольной суммы характеристического числа №1 в Банке-1!",
    "Ошибка контольной суммы характеристического числа №2 в Банке-1!",
    "Ошибка контольной суммы рабочих циклов в Банке-1!",
    "Ошибка контольной суммы относительных циклов в Банке-1!",
    "Ошибка контольной суммы время работы механизмов в Банке-0!",
    "Ошибка контольной суммы счетчика моточасов в Банке-0!",
    "Ошибка контольной суммы время работы механизмов в Банке-1!",
    "Ошибка контольной суммы счетчика моточасов в Банке-1!",
};

TEST(OpenDump, ErasedMemoryReportsEveryServiceBlockThenTheSettings) {
    OpenReport report;
    DumpBuilder(0xFF).open(&report);
    ASSERT_TRUE(report.opened());
    auto expected = kServiceMessages;
    expected.push_back("Ошибка контольной суммы структуры \"Parametr\"");
    EXPECT_EQ(report.messages, expected);
}

TEST(OpenDump, SealedDumpOpensWithoutMessages) {
    OpenReport report;
    const LoadedImage image = DumpBuilder().sealAll().open(&report);
    EXPECT_TRUE(report.opened());
    EXPECT_TRUE(report.messages.empty());
    EXPECT_TRUE(image.loaded);
    EXPECT_EQ(image.path, "test.drn");
}

// One byte flipped inside each checked service block gives that block's message alone.
TEST(OpenDump, EachBrokenServiceBlockGivesItsOwnMessage) {
    const std::size_t brokenByte[] = {3,       27,       33,        50,       100,
                                      184 + 3, 184 + 27, 184 + 33,  184 + 50, 184 + 100,
                                      140,     165,      184 + 140, 184 + 165};
    for (std::size_t i = 0; i < std::size(brokenByte); ++i) {
        DumpBuilder dump;
        dump.sealAll().bytes(brokenByte[i], {0x5A});
        OpenReport report;
        dump.open(&report);
        EXPECT_EQ(report.messages, std::vector<std::string>{kServiceMessages[i]}) << i;
    }
}

TEST(OpenDump, SeveralLastRecordMarksInTheOverloadLogAreReportedLast) {
    OpenReport report;
    DumpBuilder(0xFF)
        .bytes(test::overloadAt(10) + 17, {175})
        .bytes(test::overloadAt(20) + 17, {175})
        .open(&report);
    ASSERT_EQ(report.messages.size(), 16u);
    EXPECT_EQ(report.messages.back(), "Найдено несколько меток последней записи!");
}

struct SizeCase {
    std::size_t size;
    bool opened;
};

TEST(OpenDump, FileShorterThanTheImageIsRefusedAndChangesNothing) {
    const LoadedImage previous = DumpBuilder().sealAll().bytes(0, {0x56, 0x34, 0x12}).open();
    const SizeCase cases[] = {{0, false}, {1, false}, {270336, false}, {270337, true}};
    for (const auto& c : cases) {
        LoadedImage image = previous;
        std::vector<std::uint8_t> bytes(c.size, 0xFF);
        const OpenReport report = OpenDumpBytes(bytes, bytes.size(), "short.drn", image);
        EXPECT_EQ(report.opened(), c.opened) << c.size;
        if (!c.opened) {
            EXPECT_EQ(report.error, "Файл повреждён или не является дампом РП: размер " +
                                        std::to_string(c.size) +
                                        " байт, ожидается не менее 270337.");
            EXPECT_TRUE(report.messages.empty());
            EXPECT_EQ(image.path, "test.drn");
            EXPECT_EQ(image.service.craneNumber, "00123456");
        }
    }
}

class DumpFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir =
            std::filesystem::temp_directory_path() /
            ("valta9-open-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path m_dir;
};

TEST_F(DumpFileTest, UnreadablePathsKeepThePreviousDump) {
    LoadedImage image = DumpBuilder().sealAll().bytes(0, {0x01}).open();
    for (const auto& path : {m_dir / "missing.drn", m_dir}) {
        const OpenReport report = OpenDump(path, image);
        EXPECT_EQ(report.status, OpenStatus::CannotOpen);
        EXPECT_EQ(report.error, "\n Файл не удальсь открыть!");
        EXPECT_EQ(image.path, "test.drn");
        EXPECT_EQ(image.service.craneNumber, "00000001");
    }
}

TEST_F(DumpFileTest, ReadsTheTailUpToTheEndOfTheFileOnly) {
    // The fourth text ends after 5 bytes; the rest of its slot is missing and reads as zero.
    DumpBuilder dump;
    dump.sealAll().resize(test::kTail + 150);
    dump.append({0x31, 0x35, 0x2E, 0x30, 0x34});
    LoadedImage image;
    const auto report = OpenDump(write("tail.drn", dump.build()), image);
    ASSERT_TRUE(report.opened());
    EXPECT_EQ(image.fileSize, 270337u + 155u);
    EXPECT_EQ(image.operatorInfo.date, "15.04");
    EXPECT_EQ(image.operatorInfo.name, "");

    // A longer file: bytes past the tail are not read, a full slot has no terminator.
    DumpBuilder full;
    full.sealAll().resize(test::kTail + 200 + 4096);
    std::vector<std::uint8_t> bytes = full.build();
    std::fill_n(bytes.begin() + test::kTail, 50, std::uint8_t{0xC0}); // "А" × 50
    const auto longReport = OpenDump(write("long.drn", bytes), image);
    ASSERT_TRUE(longReport.opened());
    EXPECT_EQ(image.fileSize, bytes.size());
    std::string fifty;
    for (int i = 0; i < 50; ++i) {
        fifty += "А";
    }
    EXPECT_EQ(image.operatorInfo.name, fifty);
}

TEST(OpenDump, SecondOpenReplacesEveryOperatorTextAlsoWithEmptyOnes) {
    DumpBuilder first;
    first.sealAll().resize(test::kTail).append({0xC8, 0xE2});
    LoadedImage image = first.open();
    EXPECT_EQ(image.operatorInfo.name, "Ив");
    const OpenReport report =
        OpenDumpBytes(DumpBuilder().sealAll().build(), test::kImage, "second.drn", image);
    ASSERT_TRUE(report.opened());
    EXPECT_EQ(image.operatorInfo.name, "");
    EXPECT_EQ(image.path, "second.drn");
}

struct VersionCase {
    const char* name;
    std::vector<std::uint8_t> marks; // mark bytes of the first frames
    std::optional<int> version;
};

// Rows print as their names in test listings.
void PrintTo(const VersionCase& row, std::ostream* os) {
    *os << row.name;
}

class BtpVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(BtpVersionTest, FirstChunkMarkedZeroOneOrTwoGivesTheVersion) {
    DumpBuilder dump(0xA0);
    for (std::size_t i = 0; i < GetParam().marks.size(); ++i) {
        dump.bytes(test::frameAt(i) + 31, {GetParam().marks[i]});
    }
    EXPECT_EQ(dump.open().btpVersion, GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, BtpVersionTest,
    ::testing::Values(VersionCase{"first_frame_two", {2}, 2},
                      VersionCase{"marks_passed_over", {0xA0, 0x91, 0xAF, 5, 200, 1}, 1},
                      VersionCase{"zero_is_a_version", {0x91, 0}, 0},
                      VersionCase{"none_up_to_the_end_of_the_file", {}, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BtpVersion, ScanRunsPastTheRingIntoTheRestOfTheImage) {
    DumpBuilder dump(0xA0);
    dump.bytes(test::frameAt(3000) + 31, {2}); // 0x8000 + 32 × 3000 lies beyond the ring
    EXPECT_EQ(dump.open().btpVersion, 2);
}

} // namespace
} // namespace valta9
