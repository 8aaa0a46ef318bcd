#pragma once
// Why a transfer could not start or stopped, in words a user can act on: the port and its
// device, the cause with a short code (E-PORT-PERM ...), and what to try for that cause.
// The system's circumstances (the device's group, the programs that grab serial ports) come
// from a PortInspector, so the texts are built and tested without a real port.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
#include "link/frames.h"
#include "link/serial_link.h"

namespace mv52 {

enum class TroubleCode {
    PortNone,       // E-PORT-NONE: the COM number leads to no device
    PortMissing,    // E-PORT-MISSING
    PortPermission, // E-PORT-PERM
    PortBusy,       // E-PORT-BUSY
    PortOpen,       // E-PORT-OPEN: any other refusal
    PortLost,       // E-PORT-LOST: failed or vanished while open
    RadioSilent,    // E-RADIO-SILENT: no reply to the handshake or identification
    RadioStopped,   // E-RADIO-STOPPED: no reply to a block
    RadioChecksum,  // E-RADIO-CHECKSUM
    RadioGarbage,   // E-RADIO-GARBAGE
};

std::string_view troubleCodeName(TroubleCode code);
TroubleCode troubleForOpenFailure(PortFailure failure);

// What the system says around a port; everything is optional.
struct PortCircumstances {
    std::string deviceGroup;     // the group that owns the device file
    bool userInGroup = false;    // the user is a member of it
    bool groupInEffect = false;  // and this process already has it
    bool unixLike = false;       // groups and commands as on Linux
    std::vector<std::string> grabbers;  // programs running that take USB serial ports
};

class PortInspector {
public:
    virtual ~PortInspector() = default;
    virtual PortCircumstances inspect(const std::string& device) = 0;
};

struct Trouble {
    TroubleCode code = TroubleCode::PortOpen;
    std::string portName;      // "COM34"
    std::string device;        // "/dev/ttyUSB1"; may be empty
    std::string systemReason;  // the system's own words; may be empty
    int address = -1;          // RadioStopped: the block awaited
    PortCircumstances circumstances;
};

// The cause of a missing or refused reply: damaged data replies, something else, or silence.
TroubleCode troubleForReply(const std::optional<LinkBytes>& rejected, bool awaitingBlock);

// The lines below the message: "COM34 (/dev/ttyUSB1): permission denied [E-PORT-PERM]", the
// system's words, then "What to try:" and one line per hint. Lines end with CR LF, as in the
// message table.
std::string troubleExplanation(const Trouble& trouble, LanguageIndex language);

// "COM34 (/dev/ttyUSB1)", "COM34" alone without a device, the device alone without a name.
std::string portWithDevice(std::string_view portName, std::string_view device);

}  // namespace mv52
