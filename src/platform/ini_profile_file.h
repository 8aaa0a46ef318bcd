#pragma once
// Profile files on disk.

#include "system/profile_file.h"

namespace mv52 {

class IniProfileFile final : public ProfileFile {
public:
    std::string read(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view fallback, std::size_t maxChars = 1024) const override;
    bool write(const std::string& path, std::string_view section, std::string_view key,
               std::string_view value) override;
};

}  // namespace mv52
