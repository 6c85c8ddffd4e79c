#include "nmea/LogFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>

using namespace trakora;
using Lines = std::vector<std::string>;

namespace {

// One file per test, as ctest may run the tests of this file side by side.
std::string Path()
{
    return ::testing::TempDir() + "trakora-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

Lines Read(LineFileReader& reader, std::size_t most = SIZE_MAX)
{
    Lines lines;
    for (std::string line; lines.size() < most && reader.ReadLine(line);)
        lines.push_back(line);
    return lines;
}

// Writes `bytes` to the test's file and reads them back as lines.
Lines LinesOf(const std::string& bytes, LineFileReader& reader)
{
    std::ofstream(Path(), std::ios::binary) << bytes;
    EXPECT_TRUE(reader.Open(Path()).Ok);
    return Read(reader);
}
Lines LinesOf(const std::string& bytes) { LineFileReader reader; return LinesOf(bytes, reader); }

TEST(LogFile, AppendsEachLineWithCrLfAtOnceAndReportsSystemErrors)
{
    std::remove(Path().c_str());
    LogFile log;
    ASSERT_TRUE(log.OpenAppend(Path()).Ok); // creates the missing file
    EXPECT_TRUE(log.WriteLine("$GPGGA,1*00") && log.WriteLine(std::string("a\0b", 3)));
    std::ifstream written(Path(), std::ios::binary); // with the system before any close
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), std::string("$GPGGA,1*00\r\na\0b\r\n", 18));

    // The messages of failed opens are checked through the input pump.
    EXPECT_FALSE(log.OpenAppend("/nonexistent-dir/GP040317.TKL").Ok || log.WriteLine("x")) << "no write after a failed open";
    ASSERT_TRUE(log.OpenAppend("/dev/full").Ok && !log.WriteLine("$GPGGA,1*00"));
    EXPECT_EQ(log.LastError(), "Error 28 - No space left on device");
    EXPECT_EQ(LineFileReader().Open("/tmp").ErrorNumber, EISDIR);
}

TEST(LineFileReader, LineEndings)
{
    EXPECT_EQ(LinesOf("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(LinesOf("a\r\n\r\n\nb\n\r"), (Lines{"a", "", "", "b", ""}));
    EXPECT_EQ(LinesOf(""), Lines{});
    EXPECT_EQ(LinesOf(std::string(" a\0b \r\n\0", 8)), (Lines{std::string(" a\0b ", 5), std::string("\0", 1)}));
}

// Lines of more than 16 characters as their length and first character, so a failure prints briefly.
Lines Summary(const Lines& lines)
{
    Lines summary;
    for (const std::string& line : lines)
        summary.push_back(line.size() > 16 ? std::to_string(line.size()) + "*" + line.substr(0, 1) : line);
    return summary;
}

TEST(LineFileReader, LongLinesAreCutAndTheirRestSkippedAndCounted)
{
    const std::size_t stretch = LineFileReader::LongestStretch, cut = MaxLineLength + 1;
    const struct { std::string Bytes; Lines Expected; long long LongLines, Skipped; } cases[] = {
        {std::string(MaxLineLength, 'x') + "\n" + std::string(cut, 'y') + "\rz", {"4096*x", "4097*y", "z"}, 1, 0},
        // Cut, with its CR LF split between two 64 KiB read chunks.
        {std::string(65535, 'a') + "\r\nend", {"4097*a", "end"}, 1, 65535 - cut},
        // No line break for three stretches and a bit: one line per stretch.
        {std::string(3 * stretch + 5, 'q') + "\nend", {"4097*q", "4097*q", "4097*q", "qqqqq", "end"}, 3, 3 * (stretch - cut)},
    };
    for (const auto& c : cases) {
        LineFileReader reader;
        EXPECT_EQ(Summary(LinesOf(c.Bytes, reader)), c.Expected);
        EXPECT_EQ(std::pair(reader.LongLines(), reader.SkippedBytes()), std::pair(c.LongLines, c.Skipped));
    }
    // A file without end or line breaks is read a stretch at a time.
    LineFileReader zeros;
    ASSERT_TRUE(zeros.Open("/dev/zero").Ok);
    EXPECT_EQ(Summary(Read(zeros, 3)), Lines(3, std::to_string(cut) + "*" + std::string(1, '\0')));
    EXPECT_EQ(zeros.Position(), static_cast<long long>(3 * stretch));
}

TEST(LineFileReader, ResumesExactlyWhereItStopped)
{
    std::string bytes;
    Lines expected;
    for (int i = 0; i < 20000; ++i) // every line ending in turn
        expected.push_back("$GPGGA," + std::to_string(i)),
            bytes += expected.back() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    EXPECT_EQ(LinesOf(bytes), expected);
    LineFileReader reader;
    ASSERT_TRUE(reader.Open(Path()).Ok);
    Read(reader, 12345);
    const long long stoppedAt = reader.Position();
    reader.Close();
    ASSERT_TRUE(reader.Open(Path()).Ok && reader.Seek(stoppedAt));
    EXPECT_EQ(Read(reader), Lines(expected.begin() + 12345, expected.end()));
}

} // namespace
