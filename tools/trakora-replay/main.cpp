#include "ReplayOptions.h"
#include "Replayer.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace trakora;
    ReplayOptions options;
    std::string error;
    if (!ParseReplayOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "trakora-replay: %s (see --help)\n", error.c_str());
        return ExitBadInputOrOption;
    }
    if (options.Help) {
        std::fputs(ReplayUsage, stdout);
        return ExitDone;
    }
    return Replayer(options, stdout, stderr).Run();
}
