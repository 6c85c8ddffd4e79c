#include "ReplayOptions.h"

namespace trakora {

const char* const ReplayUsage =
    "Usage: trakora-replay [--serial] [--each] [--talkers gp|all] [--record OUT [--groups P,W,S]]\n"
    "                      [FILE|-]...\n"
    "\n"
    "Runs NMEA lines through the receiver decoders and prints the resulting state\n"
    "as JSON: {\"state\": {...}, \"stats\": {...}} after the last line.\n"
    "\n"
    "  FILE|-          input files in order; standard input when none or \"-\"\n"
    "  --serial        treat the input as the byte stream of a serial port: lines\n"
    "                  end at LF, the character before the LF is dropped as the CR,\n"
    "                  a line not starting with \"$\" arrives as five blanks and\n"
    "                  text after the last LF is never dispatched\n"
    "                  (default: every line as read, without its LF, CR or CR LF)\n"
    "  --each          before the final object, print {\"line\": ..., \"state\": ...}\n"
    "                  for every dispatched line (JSON Lines)\n"
    "  --talkers gp    decode $GP sentences only, as the program with Talkers \"GPS\n"
    "                  only\" (default)\n"
    "  --talkers all   decode the standard sentences of every talker ($GN, $GL, $GA,\n"
    "                  $GB, ...); the state then also lists every satellite by system\n"
    "  --record OUT    append the recorded sentences to OUT, each ended by CR LF\n"
    "  --groups P,W,S  record position, waypoint and satellite sentences (each 0\n"
    "                  or 1; default 1,0,0); only together with --record\n"
    "  --help          print this text\n"
    "\n"
    "Texts are written byte for byte as the characters U+0000 to U+00FF.\n"
    "Exit status: 0 done; 1 the output or the recording could not be written;\n"
    "2 an input could not be read or an option is wrong.\n";

namespace {

bool ParseGroups(const std::string& text, std::array<int, 3>& groups)
{
    // Exactly three switches, each 0 or 1, separated by commas: "1,0,1".
    if (text.size() != 5 || text[1] != ',' || text[3] != ',')
        return false;
    for (int i = 0; i < 3; ++i) {
        const char c = text[i * 2];
        if (c != '0' && c != '1')
            return false;
        groups[i] = c - '0';
    }
    return true;
}

} // namespace

bool ParseReplayOptions(const std::vector<std::string>& args, ReplayOptions& options, std::string& error)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            options.Inputs.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.Help = true;
        } else if (arg == "--serial") {
            options.Serial = true;
        } else if (arg == "--each") {
            options.Each = true;
        } else if (arg == "--record" || arg == "--groups" || arg == "--talkers") {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (arg == "--talkers") {
                if (value != "gp" && value != "all") {
                    error = "--talkers wants gp or all, not \"" + value + "\"";
                    return false;
                }
                options.AllTalkers = value == "all";
            } else if (arg == "--record") {
                if (value.empty()) {
                    error = "--record needs a file name";
                    return false;
                }
                options.RecordPath = value;
            } else {
                if (!ParseGroups(value, options.Groups)) {
                    error = "--groups wants P,W,S with each 0 or 1, not \"" + value + "\"";
                    return false;
                }
                options.GroupsGiven = true;
            }
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (options.GroupsGiven && options.RecordPath.empty()) {
        error = "--groups needs --record";
        return false;
    }
    if (options.Inputs.empty())
        options.Inputs.push_back("-");
    return true;
}

} // namespace trakora
