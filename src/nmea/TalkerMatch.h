#pragma once

#include "common/ReceiverOptions.h"

#include <string_view>

namespace trakora {

// The row of the sentence table for an identifier, or -1. With GPS only the
// twelve identifiers are matched exactly; with all talkers the nine standard
// types are also matched after any talker of two upper-case letters
// ("$GNGGA", "$GLGSV", "$INRMC"), "$P" being proprietary.
int MatchSentenceRow(std::string_view identifier, TalkerFilter filter);

// True for a GGA the filter accepts: the sentence that closes an epoch.
bool IsAcceptedGga(std::string_view identifier, TalkerFilter filter);

} // namespace trakora
