#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trakora {

// The longest line a log holds, far above any NMEA sentence (82 characters).
// A longer line is never recorded, and reading a log gives no longer line.
constexpr std::size_t MaxLineLength = 4096;

struct DispatchResult;

// Where recorded sentences go.
class ILogSink {
public:
    virtual ~ILogSink() = default;
    virtual bool IsOpen() const = 0;
    // Appends the line and CR LF; false when the line could not be written
    // completely (the error text is then in LastError()).
    virtual bool WriteLine(std::string_view line) = 0;
    virtual std::string LastError() const = 0;
};

// Receives every line the dispatcher is handed, before any check, and then
// what became of it.
class IRawLineSink {
public:
    virtual ~IRawLineSink() = default;
    virtual void AddRawLine(std::string_view line) = 0;
    // The outcome of the line last added.
    virtual void LineChecked(const DispatchResult&) {}
};

// Shows a message with one OK button.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

} // namespace trakora
