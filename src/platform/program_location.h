#pragma once

#include <string>

namespace mv52 {

// The folder that holds the running executable (the program folder), without a trailing
// separator. `argv0` is the fallback where the system cannot say.
std::string programFolder(const char* argv0);

}  // namespace mv52
