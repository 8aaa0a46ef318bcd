#pragma once
// Profile files on disk.

#include <utility>

#include "data/durable_files.h"
#include "system/profile_file.h"

namespace mv52 {

// A write replaces the file crash-safe: a crash or power cut leaves the old text or the new,
// never an empty or half-written file.
class IniProfileFile final : public ProfileFile {
public:
    // `probe` sees every step of a write (tests stop a write part-way).
    explicit IniProfileFile(SaveProbe probe = {}) : probe_(std::move(probe)) {}

    std::string read(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view fallback, std::size_t maxChars = 1024) const override;
    bool write(const std::string& path, std::string_view section, std::string_view key,
               std::string_view value) override;

private:
    SaveProbe probe_;
};

}  // namespace mv52
