#include "platform/posix_locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <utility>

namespace mv52 {
namespace {

std::string firstSetVariable(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return {};
}

}  // namespace

std::uint32_t localeIdFromName(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    static constexpr std::pair<std::string_view, std::uint32_t> kRegions[] = {
        {"zh_CN", 0x0804}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404},
        {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"de_DE", 0x0407},
        {"fr_FR", 0x040C}, {"es_ES", 0x0C0A}, {"it_IT", 0x0410}, {"ja_JP", 0x0411}, {"ko_KR", 0x0412},
        {"nl_NL", 0x0413}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ru_RU", 0x0419}, {"pl_PL", 0x0415}};
    for (const auto& [region, id] : kRegions)
        if (name == region) return id;
    static constexpr std::pair<std::string_view, std::uint32_t> kLanguages[] = {
        {"zh", 0x0804}, {"de", 0x0407}, {"fr", 0x040C}, {"es", 0x0C0A}, {"it", 0x0410},
        {"ja", 0x0411}, {"ko", 0x0412}, {"nl", 0x0413}, {"pt", 0x0816}, {"ru", 0x0419}, {"pl", 0x0415}};
    const std::string_view language = name.substr(0, name.find('_'));
    for (const auto& [code, id] : kLanguages)
        if (language == code) return id;
    return 0x0409;
}

std::uint32_t PosixLocale::systemDefaultLocaleId() const {
    return localeIdFromName(firstSetVariable({"LC_ALL", "LC_MESSAGES", "LANG"}));
}

std::string PosixLocale::decimalSymbol(std::uint32_t) const {
    if (override_) return *override_;
    const std::string name = firstSetVariable({"LC_ALL", "LC_NUMERIC", "LANG"});
    locale_t loc = newlocale(LC_NUMERIC_MASK, name.empty() ? "C" : name.c_str(), static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return ".";
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    std::string symbol = radix && *radix ? std::string(1, *radix) : ".";
    freelocale(loc);
    return symbol;
}

bool PosixLocale::setDecimalSymbol(std::uint32_t, const std::string& symbol) {
    override_ = symbol;
    return true;
}

}  // namespace mv52
