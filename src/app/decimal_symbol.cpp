#include "app/decimal_symbol.h"

#include "system/locale.h"

namespace mv52 {

RememberedDecimalSymbol forceDecimalPoint(LocaleSystem& locale) {
    RememberedDecimalSymbol remembered;
    remembered.localeId = locale.userDefaultLocaleId();
    remembered.symbol = locale.decimalSymbol(remembered.localeId).substr(0, 1);
    if (remembered.symbol != ".") locale.setDecimalSymbol(remembered.localeId, ".");
    return remembered;
}

void restoreDecimalSymbol(LocaleSystem& locale, const RememberedDecimalSymbol& remembered) {
    if (remembered.symbol != ".") locale.setDecimalSymbol(remembered.localeId, remembered.symbol);
}

}  // namespace mv52
