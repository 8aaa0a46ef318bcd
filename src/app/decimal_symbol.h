#pragma once
// Every number text of the program uses "." as its decimal point. Start-up forces the user
// locale's decimal symbol to "." and the close puts the remembered symbol back.

#include <cstdint>
#include <string>

namespace mv52 {

class LocaleSystem;

struct RememberedDecimalSymbol {
    std::uint32_t localeId = 0;
    std::string symbol = ".";
};

// Remembers the user's symbol and sets "." when it differs. Failures are not reported.
RememberedDecimalSymbol forceDecimalPoint(LocaleSystem& locale);
// At a close that goes ahead: the remembered symbol again, when it was not ".".
void restoreDecimalSymbol(LocaleSystem& locale, const RememberedDecimalSymbol& remembered);

}  // namespace mv52
