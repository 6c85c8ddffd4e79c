#include "nmea/LogFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace trakora {

namespace {

std::string ErrorText(int error)
{
    return "Error " + std::to_string(error) + " - " + std::strerror(error);
}

FileResult Failure(int error)
{
    return FileResult{false, error, std::strerror(error)};
}

} // namespace

LogFile::~LogFile()
{
    Close();
}

FileResult LogFile::OpenAppend(const std::string& path)
{
    Close();
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        m_lastError = ErrorText(error);
        return Failure(error);
    }
    m_fd = fd;
    m_path = path;
    m_lastError.clear();
    return {};
}

void LogFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool LogFile::WriteLine(std::string_view line)
{
    if (m_fd < 0) {
        m_lastError = "The log file is not open.";
        return false;
    }
    // One write per line: the line and its CR LF reach the system together.
    m_buffer.assign(line);
    m_buffer.append("\r\n");
    std::size_t written = 0;
    while (written < m_buffer.size()) {
        const ssize_t n = ::write(m_fd, m_buffer.data() + written, m_buffer.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        const int error = n < 0 ? errno : ENOSPC;
        // A torn line would run into the next one appended; cut it off so
        // the file ends with the last whole line.
        if (written > 0) {
            const off_t end = ::lseek(m_fd, 0, SEEK_END);
            if (end >= static_cast<off_t>(written))
                (void)::ftruncate(m_fd, end - static_cast<off_t>(written));
        }
        m_lastError = ErrorText(error);
        return false;
    }
    return true;
}

struct LineFileReader::Impl {
    static constexpr std::size_t ChunkSize = 64 * 1024;

    int Fd = -1;
    std::string Path;
    std::vector<char> Buffer = std::vector<char>(ChunkSize);
    std::size_t Begin = 0;      // next unread byte in Buffer
    std::size_t End = 0;        // bytes of Buffer filled
    long long BufferOffset = 0; // file offset of Buffer[0]
    long long LongLines = 0;
    long long SkippedBytes = 0;

    // Reads the next chunk once the buffer is used up; false at end of file.
    // End of file is not remembered, so lines appended later are still read.
    bool Refill()
    {
        if (Begin < End)
            return true;
        BufferOffset += static_cast<long long>(End);
        Begin = End = 0;
        for (;;) {
            const ssize_t n = ::read(Fd, Buffer.data(), Buffer.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            End = static_cast<std::size_t>(n);
            return true;
        }
    }
};

LineFileReader::~LineFileReader()
{
    Close();
    delete m_impl;
}

FileResult LineFileReader::Open(const std::string& path)
{
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Failure(EISDIR);
    }
    if (m_impl == nullptr)
        m_impl = new Impl;
    m_impl->Fd = fd;
    m_impl->Path = path;
    m_impl->Begin = m_impl->End = 0;
    m_impl->BufferOffset = 0;
    return {};
}

void LineFileReader::Close()
{
    if (m_impl != nullptr && m_impl->Fd >= 0) {
        ::close(m_impl->Fd);
        m_impl->Fd = -1;
    }
}

bool LineFileReader::IsOpen() const
{
    return m_impl != nullptr && m_impl->Fd >= 0;
}

bool LineFileReader::AtEnd()
{
    return !IsOpen() || !m_impl->Refill();
}

bool LineFileReader::ReadLine(std::string& line)
{
    if (AtEnd())
        return false;
    Impl& in = *m_impl;
    line.clear();
    std::size_t length = 0; // of the whole line, kept or skipped
    for (;;) {
        const char* start = in.Buffer.data() + in.Begin;
        const std::size_t available = std::min(in.End - in.Begin, LongestStretch - length);
        const char* stop = start;
        const char* const limit = start + available;
        while (stop < limit && *stop != '\n' && *stop != '\r')
            ++stop;
        const std::size_t piece = static_cast<std::size_t>(stop - start);
        if (line.size() <= MaxLineLength)
            line.append(start, std::min(piece, MaxLineLength + 1 - line.size()));
        in.Begin += piece;
        length += piece;
        if (stop == limit) {
            if (length < LongestStretch && in.Refill())
                continue;
            break; // an unterminated last line, or a stretch without a line break
        }
        const char ending = *stop;
        ++in.Begin;
        // A CR may be followed by its LF in the next chunk.
        if (ending == '\r' && in.Refill() && in.Buffer[in.Begin] == '\n')
            ++in.Begin;
        break;
    }
    if (length > MaxLineLength) {
        ++in.LongLines;
        in.SkippedBytes += static_cast<long long>(length - line.size());
    }
    return true;
}

long long LineFileReader::LongLines() const
{
    return m_impl == nullptr ? 0 : m_impl->LongLines;
}

long long LineFileReader::SkippedBytes() const
{
    return m_impl == nullptr ? 0 : m_impl->SkippedBytes;
}

long long LineFileReader::Position() const
{
    if (m_impl == nullptr)
        return 0;
    return m_impl->BufferOffset + static_cast<long long>(m_impl->Begin);
}

bool LineFileReader::Seek(long long position)
{
    if (!IsOpen() || position < 0)
        return false;
    if (::lseek(m_impl->Fd, static_cast<off_t>(position), SEEK_SET) < 0)
        return false;
    m_impl->Begin = m_impl->End = 0;
    m_impl->BufferOffset = position;
    return true;
}

long long LineFileReader::Size() const
{
    struct stat info {};
    if (!IsOpen() || ::fstat(m_impl->Fd, &info) != 0)
        return 0;
    return static_cast<long long>(info.st_size);
}

bool LineFileReader::Vanished() const
{
    struct stat open {};
    struct stat named {};
    if (!IsOpen() || ::fstat(m_impl->Fd, &open) != 0)
        return false;
    return open.st_nlink == 0 || ::stat(m_impl->Path.c_str(), &named) != 0 || named.st_ino != open.st_ino ||
           named.st_dev != open.st_dev;
}

} // namespace trakora
