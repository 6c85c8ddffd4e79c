#pragma once

#include "nmea/LogSink.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace trakora {

// The per-user store of text values addressed by section and key (the
// application key is fixed per store).
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::string Get(std::string_view section, std::string_view key, std::string_view def) = 0;
    virtual void Save(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Writes out at once what a store holding writes back has not written yet.
    virtual void Flush() {}
    // Where a store that writes to a medium says, once, that writing failed.
    virtual void ReportWriteFailuresTo(IMessageSink* /*messages*/) {}
    // What the user must be told about how the store was opened (a damaged
    // file set aside), or nothing.
    virtual std::string OpeningNotice() const { return {}; }
};

// A store held in memory: used by the tests and by tools that must not touch
// the user's settings.
class MemorySettingsStore : public ISettingsStore {
public:
    std::string Get(std::string_view section, std::string_view key, std::string_view def) override
    {
        auto it = m_values.find({std::string(section), std::string(key)});
        return it == m_values.end() ? std::string(def) : it->second;
    }
    void Save(std::string_view section, std::string_view key, std::string_view value) override
    {
        m_values[{std::string(section), std::string(key)}] = std::string(value);
    }
    bool Contains(std::string_view section, std::string_view key) const
    {
        return m_values.count({std::string(section), std::string(key)}) != 0;
    }
    const std::map<std::pair<std::string, std::string>, std::string>& Values() const { return m_values; }

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

} // namespace trakora
