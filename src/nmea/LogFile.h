#pragma once

#include "common/FileResult.h"
#include "nmea/LogSink.h"

#include <cstddef>
#include <string>

namespace trakora {

// The log being recorded: opened for appending (created when missing), one
// line and CR LF per write. Each line goes to the operating system at once,
// so a crash of the program loses nothing already recorded.
class LogFile : public ILogSink {
public:
    LogFile() = default;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;
    ~LogFile() override;

    FileResult OpenAppend(const std::string& path);
    void Close();
    const std::string& Path() const { return m_path; }

    bool IsOpen() const override { return m_fd >= 0; }
    bool WriteLine(std::string_view line) override;
    std::string LastError() const override { return m_lastError; }

private:
    int m_fd = -1;
    std::string m_path;
    std::string m_lastError;
    std::string m_buffer; // the line with its CR LF, reused between writes
};

// A log read back line by line. A line ends at LF, CR or CR LF, which is not
// part of it; an unterminated last line is a line too.
//
// A line longer than MaxLineLength comes back as its first MaxLineLength + 1
// bytes, too long for the dispatcher, which counts it as damaged, and the
// rest of it is skipped. So that a file without line breaks (/dev/zero, a
// binary file) neither fills the memory nor holds a read for long, a line
// running on beyond LongestStretch bytes is taken as several lines, one per
// LongestStretch bytes.
class LineFileReader {
public:
    LineFileReader() = default;
    LineFileReader(const LineFileReader&) = delete;
    LineFileReader& operator=(const LineFileReader&) = delete;
    ~LineFileReader();

    FileResult Open(const std::string& path);
    void Close();
    bool IsOpen() const;
    bool AtEnd();
    // False at end of file.
    bool ReadLine(std::string& line);

    static constexpr std::size_t LongestStretch = 1024 * 1024;

    // Lines longer than MaxLineLength read so far, and the bytes of them skipped.
    long long LongLines() const;
    long long SkippedBytes() const;

    // Offset of the next unread byte; lets a stopped replay resume there.
    long long Position() const;
    bool Seek(long long position);
    // Bytes in the file now (it may be growing), 0 when not open.
    long long Size() const;
    // True once the file read is no longer at its path (deleted, or replaced).
    bool Vanished() const;

private:
    struct Impl;
    Impl* m_impl = nullptr;
};

} // namespace trakora
