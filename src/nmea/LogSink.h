#pragma once

#include <string>
#include <string_view>

namespace trakora {

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

// Receives every line the dispatcher is handed, before any check.
class IRawLineSink {
public:
    virtual ~IRawLineSink() = default;
    virtual void AddRawLine(std::string_view line) = 0;
};

// Shows a message with one OK button.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

} // namespace trakora
