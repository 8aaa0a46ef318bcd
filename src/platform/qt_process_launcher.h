#pragma once

#include "version/handover.h"

namespace mv52 {

class QtProcessLauncher final : public ProcessLauncher {
public:
    bool startDetached(const std::string& path) override;
};

}  // namespace mv52
