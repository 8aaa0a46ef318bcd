#pragma once
// The versions of the program, Qt and the operating system, and the port list, for the
// support bundle.

#include <cstdint>

#include "app/support_bundle.h"
#include "lang/language.h"
#include "system/port_list.h"

namespace mv52 {

SupportFacts systemSupportFacts(PortList& ports, std::uint16_t comPort, LanguageIndex language);

}  // namespace mv52
