#pragma once
// The locale facilities start-up needs, with Windows locale identifiers (0x0804 Chinese
// PRC, 0x0409 English US, ...).

#include <cstdint>
#include <string>

namespace mv52 {

class LocaleSystem {
public:
    virtual ~LocaleSystem() = default;
    virtual std::uint32_t systemDefaultLocaleId() const = 0;
    virtual std::uint32_t userDefaultLocaleId() const = 0;
    // The user locale's decimal symbol, one character.
    virtual std::string decimalSymbol(std::uint32_t localeId) const = 0;
    // Changes it and tells the other programs (Windows broadcasts the settings change);
    // false when it cannot be changed.
    virtual bool setDecimalSymbol(std::uint32_t localeId, const std::string& symbol) = 0;
};

}  // namespace mv52
