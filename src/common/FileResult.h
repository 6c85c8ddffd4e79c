#pragma once

#include <string>

namespace trakora {

// The outcome of opening or closing a file: the system's error number and
// its description when it failed.
struct FileResult {
    bool Ok = true;
    int ErrorNumber = 0;
    std::string ErrorText;
};

} // namespace trakora
