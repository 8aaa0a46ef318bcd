#pragma once
// INI settings files with the semantics of the Windows private-profile functions: section and
// key names match without regard to case, values are trimmed, a NUL ends a value, and a write
// changes one line in place and keeps the rest of the file.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mv52 {

class ProfileFile {
public:
    virtual ~ProfileFile() = default;
    // The value of `key` in `section` of the file at `path`, cut to maxChars - 1 characters;
    // `fallback` when the file, the section or the key is missing.
    virtual std::string read(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view fallback, std::size_t maxChars = 1024) const = 0;
    // Sets the key, creating the section or the file when needed; false when it cannot be written.
    virtual bool write(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view value) = 0;
};

// The same semantics on the text of a file, for adapters and fakes.
std::optional<std::string> profileLookup(std::string_view fileText, std::string_view section,
                                         std::string_view key);
// What read() returns for a file whose text is `fileText` (nullopt: there is no such file).
std::string profileRead(const std::optional<std::string>& fileText, std::string_view section, std::string_view key,
                        std::string_view fallback, std::size_t maxChars);
std::string profileUpdate(std::string_view fileText, std::string_view section, std::string_view key,
                          std::string_view value);

}  // namespace mv52
