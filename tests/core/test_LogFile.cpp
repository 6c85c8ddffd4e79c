#include "nmea/LogFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using trakora::LineFileReader;
using trakora::LogFile;

namespace {

class TempFile {
public:
    TempFile()
    {
        char name[] = "/tmp/trakora-logXXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        m_path = name;
    }
    ~TempFile() { std::remove(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

    void Write(const std::string& bytes) const
    {
        std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string Read() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string m_path;
};

std::vector<std::string> ReadAll(LineFileReader& reader)
{
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
}

std::vector<std::string> LinesOf(const std::string& bytes)
{
    TempFile file;
    file.Write(bytes);
    LineFileReader reader;
    EXPECT_TRUE(reader.Open(file.Path()).Ok);
    return ReadAll(reader);
}

TEST(LogFile, AppendsLinesWithCrLf)
{
    TempFile file;
    file.Write("earlier\r\n");
    LogFile log;
    ASSERT_TRUE(log.OpenAppend(file.Path()).Ok);
    EXPECT_TRUE(log.IsOpen());
    EXPECT_EQ(log.Path(), file.Path());
    EXPECT_TRUE(log.WriteLine("$GPGGA,1*00"));
    // Each line is with the system at once, before any close.
    EXPECT_EQ(file.Read(), "earlier\r\n$GPGGA,1*00\r\n");
    EXPECT_TRUE(log.WriteLine(std::string("a\0b", 3)));
    log.Close();
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(file.Read(), std::string("earlier\r\n$GPGGA,1*00\r\na\0b\r\n", 27));
}

TEST(LogFile, CreatesAMissingFile)
{
    TempFile file;
    std::remove(file.Path().c_str());
    LogFile log;
    ASSERT_TRUE(log.OpenAppend(file.Path()).Ok);
    EXPECT_TRUE(log.WriteLine("x"));
    struct stat info {};
    ASSERT_EQ(stat(file.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u & ~[] { mode_t m = umask(0); umask(m); return m; }());
    EXPECT_EQ(file.Read(), "x\r\n");
}

TEST(LogFile, OpenFailureGivesTheSystemError)
{
    LogFile log;
    const auto result = log.OpenAppend("/nonexistent-dir/GP040317.TKL");
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.ErrorNumber, ENOENT);
    EXPECT_EQ(result.ErrorText, "No such file or directory");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(log.WriteLine("x"));
}

TEST(LogFile, WriteFailureReportsTheError)
{
    LogFile log;
    ASSERT_TRUE(log.OpenAppend("/dev/full").Ok);
    EXPECT_FALSE(log.WriteLine("$GPGGA,1*00"));
    EXPECT_NE(log.LastError().find("28"), std::string::npos);
    EXPECT_NE(log.LastError().find("No space left on device"), std::string::npos);
    log.Close();
    EXPECT_FALSE(log.WriteLine("x"));
    EXPECT_FALSE(log.LastError().empty());
}

TEST(LineFileReader, LineEndings)
{
    EXPECT_EQ(LinesOf("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(LinesOf("a\r\n\r\n\nb\r\n"), (std::vector<std::string>{"a", "", "", "b"}));
    EXPECT_EQ(LinesOf("a\n\r"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(LinesOf("\r\n"), (std::vector<std::string>{""}));
    EXPECT_EQ(LinesOf(""), std::vector<std::string>{});
    EXPECT_EQ(LinesOf("  $GPGGA  \r\n"), std::vector<std::string>{"  $GPGGA  "});
    EXPECT_EQ(LinesOf(std::string("a\0b\r\n\0", 6)),
              (std::vector<std::string>{std::string("a\0b", 3), std::string("\0", 1)}));
}

TEST(LineFileReader, LinesLongerThanTheBufferAndCrLfAcrossChunks)
{
    std::string longLine(200000, 'x');
    longLine[100000] = 'y';
    // Put a CR as the last byte of the first 64 KiB chunk and its LF after it.
    std::string first(65535, 'a');
    const std::string bytes = first + "\r\n" + longLine + "\r\nend";
    EXPECT_EQ(LinesOf(bytes), (std::vector<std::string>{first, longLine, "end"}));
}

TEST(LineFileReader, ResumesExactlyWhereItStopped)
{
    TempFile file;
    std::string bytes;
    std::vector<std::string> expected;
    for (int i = 0; i < 20000; ++i) {
        expected.push_back("$GPGGA," + std::to_string(i));
        bytes += expected.back() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    }
    file.Write(bytes);

    LineFileReader reader;
    ASSERT_TRUE(reader.Open(file.Path()).Ok);
    std::vector<std::string> lines;
    std::string line;
    for (int i = 0; i < 12345; ++i) {
        ASSERT_TRUE(reader.ReadLine(line));
        lines.push_back(line);
    }
    const long long stoppedAt = reader.Position();
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.ReadLine(line));

    LineFileReader resumed;
    ASSERT_TRUE(resumed.Open(file.Path()).Ok);
    ASSERT_TRUE(resumed.Seek(stoppedAt));
    EXPECT_EQ(resumed.Position(), stoppedAt);
    for (auto& rest : ReadAll(resumed))
        lines.push_back(rest);
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(resumed.AtEnd());
    EXPECT_EQ(resumed.Position(), static_cast<long long>(bytes.size()));
}

TEST(LineFileReader, AtEndAndAppendedLines)
{
    TempFile file;
    file.Write("one\r\n");
    LineFileReader reader;
    ASSERT_TRUE(reader.Open(file.Path()).Ok);
    EXPECT_FALSE(reader.AtEnd());
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine(line));
    {
        std::ofstream out(file.Path(), std::ios::binary | std::ios::app);
        out << "two\r\n";
    }
    EXPECT_FALSE(reader.AtEnd());
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "two");
}

TEST(LineFileReader, OpenFailures)
{
    LineFileReader reader;
    auto missing = reader.Open("/nonexistent-dir/x.TKL");
    EXPECT_FALSE(missing.Ok);
    EXPECT_EQ(missing.ErrorNumber, ENOENT);
    EXPECT_FALSE(missing.ErrorText.empty());
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_TRUE(reader.AtEnd());
    auto directory = reader.Open("/tmp");
    EXPECT_FALSE(directory.Ok);
    EXPECT_EQ(directory.ErrorNumber, EISDIR);
    EXPECT_FALSE(reader.Seek(0));
}

} // namespace
