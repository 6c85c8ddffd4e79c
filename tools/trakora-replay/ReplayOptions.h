#pragma once

#include <array>
#include <string>
#include <vector>

namespace trakora {

struct ReplayOptions {
    bool Help = false;
    bool Serial = false;
    bool Each = false;
    bool AllTalkers = false;         // --talkers all
    std::string RecordPath;          // empty: no recording
    bool GroupsGiven = false;
    std::array<int, 3> Groups{};     // position, waypoint, satellites; 0 or 1
    std::vector<std::string> Inputs; // "-" is standard input; none means "-"
};

extern const char* const ReplayUsage;

// Reads the command line; on a wrong option returns false with a one-line
// reason in `error`.
bool ParseReplayOptions(const std::vector<std::string>& args, ReplayOptions& options, std::string& error);

} // namespace trakora
