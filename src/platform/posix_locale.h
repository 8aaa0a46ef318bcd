#pragma once
// Locale identifiers and the decimal symbol from the process's locale settings. A change of
// the decimal symbol stays inside this process: no system-wide setting is ever touched.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "system/locale.h"

namespace mv52 {

// The Windows locale identifier of a POSIX locale name ("zh_CN.UTF-8" gives 0x0804); names
// it does not know give English (US), 0x0409.
std::uint32_t localeIdFromName(std::string_view name);

class PosixLocale final : public LocaleSystem {
public:
    // The locale names come from LC_ALL, then LC_MESSAGES (LC_NUMERIC for the decimal
    // symbol), then LANG.
    std::uint32_t systemDefaultLocaleId() const override;
    std::uint32_t userDefaultLocaleId() const override { return systemDefaultLocaleId(); }
    std::string decimalSymbol(std::uint32_t localeId) const override;
    bool setDecimalSymbol(std::uint32_t localeId, const std::string& symbol) override;

private:
    std::optional<std::string> override_;
};

}  // namespace mv52
