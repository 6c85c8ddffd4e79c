#include "Replayer.h"

#include "GnssJson.h"

#include "common/LoadProgramSettings.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace trakora {

namespace {

const char* const StandardInput = "/dev/stdin";

std::string InputPath(const std::string& input)
{
    return input == "-" ? StandardInput : input;
}

std::string InputName(const std::string& input)
{
    return input == "-" ? "standard input" : input;
}

// A directory opens like a file on Linux but fails at the first read; say so
// before any line is dispatched.
bool IsDirectory(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

// Appending to the file being read would feed each recorded line back in and
// never reach the end.
bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {}, second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

Replayer::Replayer(const ReplayOptions& options, std::FILE* out, std::FILE* err)
    : m_options(options), m_out(out), m_err(err), m_gps(std::make_unique<GpsState>()),
      m_gnss(std::make_unique<GnssState>()), m_counters(static_cast<IMonotonicClock&>(*this))
{
    LoadProgramSettings(m_settings, *m_gps, m_store);
    m_settings.Talkers = options.AllTalkers ? TalkerFilter::AllGnss : TalkerFilter::GpsOnly;
    m_settings.WriteData = options.RecordPath.empty() ? 0 : 1;
    m_settings.OutputFileName = options.RecordPath; // named in the write-failure message
    if (options.GroupsGiven) {
        m_settings.SavePositionInfo = options.Groups[0];
        m_settings.SaveWaypointInfo = options.Groups[1];
        m_settings.SavePRNInfo = options.Groups[2];
    }
    m_dispatcher = std::make_unique<SentenceDispatcher>(m_parse, *m_gps, *m_gnss, m_settings, m_log,
                                                         static_cast<IMessageSink&>(*this));
    m_dispatcher->SetCounters(&m_counters);
}

int Replayer::Run()
{
    if (!CheckInputsReadable())
        return ExitBadInputOrOption;
    if (!m_options.RecordPath.empty()) {
        const FileResult opened = m_log.OpenAppend(m_options.RecordPath);
        if (!opened.Ok) {
            std::fprintf(m_err, "trakora-replay: cannot open %s for recording: %s\n",
                         m_options.RecordPath.c_str(), opened.ErrorText.c_str());
            return ExitBadInputOrOption;
        }
    }

    SerialLineCutter cutter; // one byte stream across all inputs
    for (const std::string& input : m_options.Inputs) {
        const bool ok = m_options.Serial ? ReplaySerial(input, cutter) : ReplayLines(input);
        if (!ok)
            return ExitBadInputOrOption;
    }

    Json final = Json::object();
    final["state"] = CurrentState();
    final["stats"] = m_stats.ToJson(m_counters);
    WriteJsonLine(final);
    m_log.Close();
    NoteSkippedTalkers();

    if (std::fflush(m_out) != 0 || std::ferror(m_out)) {
        std::fprintf(m_err, "trakora-replay: cannot write the output: %s\n", std::strerror(errno));
        return ExitWriteFailed;
    }
    return m_recordingFailed ? ExitWriteFailed : ExitDone;
}

bool Replayer::CheckInputsReadable()
{
    for (const std::string& input : m_options.Inputs) {
        if (input == "-")
            continue;
        if (IsDirectory(input))
            return Fail(input, std::strerror(EISDIR));
        if (!m_options.RecordPath.empty() && SameFile(input, m_options.RecordPath))
            return Fail(input, "it is also the file to record to");
        std::FILE* file = std::fopen(input.c_str(), "rb");
        if (!file)
            return Fail(input, std::strerror(errno));
        std::fclose(file);
    }
    return true;
}

bool Replayer::ReplayLines(const std::string& input)
{
    LineFileReader reader;
    const FileResult opened = reader.Open(InputPath(input));
    if (!opened.Ok)
        return Fail(input, opened.ErrorText);
    std::string line;
    while (reader.ReadLine(line))
        DispatchLine(line);
    return true;
}

bool Replayer::ReplaySerial(const std::string& input, SerialLineCutter& cutter)
{
    std::FILE* file = input == "-" ? stdin : std::fopen(input.c_str(), "rb");
    if (!file)
        return Fail(input, std::strerror(errno));
    char chunk[1 << 16];
    std::string line;
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        cutter.Append(std::string_view(chunk, got));
        while (cutter.NextLine(line))
            DispatchLine(line);
    }
    const bool readFailed = std::ferror(file) != 0;
    const int readError = errno;
    if (file != stdin)
        std::fclose(file);
    return readFailed ? Fail(input, std::strerror(readError)) : true;
}

void Replayer::DispatchLine(const std::string& line)
{
    m_parse.FullString = line;
    const DispatchResult result = m_dispatcher->Dispatch();
    m_stats.Count(result);
    if (result.Outcome == DispatchResult::OtherTalker)
        ++m_otherTalkerLines;
    if (m_options.Each) {
        Json entry = Json::object();
        entry["line"] = TextJson(line);
        entry["state"] = CurrentState();
        WriteJsonLine(entry);
    }
}

Json Replayer::CurrentState() const
{
    Json state = StateJson(*m_gps);
    if (m_options.AllTalkers)
        AddGnssJson(state, *m_gps, *m_gnss);
    return state;
}

// Said to a person only: scripts reading standard error see what they always saw.
void Replayer::NoteSkippedTalkers()
{
    if (m_otherTalkerLines == 0 || !::isatty(::fileno(m_err)))
        return;
    std::fprintf(m_err, "trakora-replay: %lld sentences of other talkers than GP were skipped; --talkers all "
                        "decodes them\n", m_otherTalkerLines);
}

void Replayer::WriteJsonLine(const Json& value)
{
    const std::string text = DumpJson(value);
    std::fwrite(text.data(), 1, text.size(), m_out);
    std::fputc('\n', m_out);
}

void Replayer::ShowMessage(std::string_view text)
{
    m_recordingFailed = true;
    std::string oneLine(text);
    for (char& c : oneLine)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(m_err, "trakora-replay: %s\n", oneLine.c_str());
}

bool Replayer::Fail(const std::string& input, const std::string& reason)
{
    std::fprintf(m_err, "trakora-replay: cannot read %s: %s\n", InputName(input).c_str(), reason.c_str());
    return false;
}

} // namespace trakora
