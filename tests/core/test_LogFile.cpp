#include "nmea/LogFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sstream>

using trakora::LineFileReader;
using trakora::LogFile;
using Lines = std::vector<std::string>;

namespace {

// One file per test, as ctest may run the tests of this file side by side.
std::string Path()
{
    return ::testing::TempDir() + "trakora-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

void WriteFile(const std::string& bytes)
{
    std::ofstream(Path(), std::ios::binary) << bytes;
}

// Appends at most `most` lines read to `lines`.
void ReadInto(Lines& lines, LineFileReader& reader, std::size_t most = SIZE_MAX)
{
    for (std::string line; most-- > 0 && reader.ReadLine(line);)
        lines.push_back(line);
}

Lines LinesOf(const std::string& bytes)
{
    WriteFile(bytes);
    LineFileReader reader;
    EXPECT_TRUE(reader.Open(Path()).Ok);
    Lines lines;
    ReadInto(lines, reader);
    return lines;
}

TEST(LogFile, AppendsEachLineWithCrLfAtOnceAndReportsSystemErrors)
{
    std::remove(Path().c_str());
    LogFile log;
    ASSERT_TRUE(log.OpenAppend(Path()).Ok); // creates the missing file
    EXPECT_TRUE(log.WriteLine("$GPGGA,1*00"));
    log.Close();
    ASSERT_TRUE(log.OpenAppend(Path()).Ok);
    EXPECT_TRUE(log.WriteLine(std::string("a\0b", 3)));
    std::stringstream written; // with the system before any close
    written << std::ifstream(Path(), std::ios::binary).rdbuf();
    EXPECT_EQ(written.str(), std::string("$GPGGA,1*00\r\na\0b\r\n", 18));

    const auto result = log.OpenAppend("/nonexistent-dir/GP040317.TKL");
    EXPECT_EQ(result.ErrorNumber, ENOENT);
    EXPECT_EQ(result.ErrorText, "No such file or directory");
    EXPECT_FALSE(log.WriteLine("x"));
    ASSERT_TRUE(log.OpenAppend("/dev/full").Ok);
    EXPECT_FALSE(log.WriteLine("$GPGGA,1*00"));
    EXPECT_EQ(log.LastError(), "Error 28 - No space left on device");

    LineFileReader reader;
    EXPECT_EQ(reader.Open("/nonexistent-dir/x.TKL").ErrorNumber, ENOENT);
    EXPECT_EQ(reader.Open("/tmp").ErrorNumber, EISDIR);
    EXPECT_FALSE(reader.Seek(0));
}

TEST(LineFileReader, LineEndings)
{
    EXPECT_EQ(LinesOf("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(LinesOf("a\r\n\r\n\nb\n\r"), (Lines{"a", "", "", "b", ""}));
    EXPECT_EQ(LinesOf(""), Lines{});
    EXPECT_EQ(LinesOf(std::string(" a\0b \r\n\0", 8)), (Lines{std::string(" a\0b ", 5), std::string("\0", 1)}));
    // A line far longer than a read buffer, and a CR LF split between two 64 KiB chunks.
    const std::string first(65535, 'a'), longLine = std::string(100000, 'x') + "y" + std::string(99999, 'x');
    EXPECT_EQ(LinesOf(first + "\r\n" + longLine + "\r\nend"), (Lines{first, longLine, "end"}));
}

TEST(LineFileReader, ResumesExactlyWhereItStopped)
{
    std::string bytes;
    Lines expected;
    for (int i = 0; i < 20000; ++i) {
        expected.push_back("$GPGGA," + std::to_string(i));
        bytes += expected.back() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    }
    WriteFile(bytes);
    LineFileReader reader;
    ASSERT_TRUE(reader.Open(Path()).Ok);
    Lines lines;
    ReadInto(lines, reader, 12345);
    const long long stoppedAt = reader.Position();
    reader.Close();
    ASSERT_TRUE(reader.Open(Path()).Ok);
    ASSERT_TRUE(reader.Seek(stoppedAt));
    ReadInto(lines, reader);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(reader.Position(), static_cast<long long>(bytes.size()));
    EXPECT_TRUE(reader.AtEnd());
}

} // namespace
