#include "platform/support_facts.h"

#include <QString>
#include <QSysInfo>
#include <QtGlobal>

#include "app/port_settings.h"
#include "version/version_table.h"

namespace mv52 {

SupportFacts systemSupportFacts(PortList& ports, std::uint16_t comPort, LanguageIndex language) {
    SupportFacts facts;
    facts.programVersion = kProgramVersion;
    facts.toolkitVersion = std::string("Qt ") + qVersion();
    facts.system = (QSysInfo::prettyProductName() + QStringLiteral(", ") + QSysInfo::kernelType() +
                    QLatin1Char(' ') + QSysInfo::kernelVersion() + QStringLiteral(", ") +
                    QSysInfo::currentCpuArchitecture())
                       .toStdString();
    for (const PortEntry& e : ports.ports()) facts.portLines.push_back(portLine(e, e.comPort == comPort, language));
    return facts;
}

}  // namespace mv52
