#pragma once
// What this system says around a serial device: the group that owns it and whether the user
// has that group, and which programs that take USB serial ports for themselves are running.

#include <string>
#include <vector>

#include "link/link_trouble.h"

namespace mv52 {

class SystemPortInspector final : public PortInspector {
public:
    PortCircumstances inspect(const std::string& device) override;

    // The programs of `watched` that run now, by the process names under `procFolder`.
    static std::vector<std::string> runningPrograms(const std::string& procFolder,
                                                    const std::vector<std::string>& watched);
};

}  // namespace mv52
