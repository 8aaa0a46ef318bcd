#pragma once
// The texts that explain a failed transfer (the cause, its code and what to try), the
// progress window's heading, the write-cancel question and the port listing.

#include <string>

#include "lang/language.h"

namespace mv52 {

enum class LinkText {
    // Causes. The code follows each in brackets.
    CausePortNone,       // no device for the COM number
    CausePortMissing,
    CausePortPermission,
    CausePortBusy,
    CausePortOpen,
    CausePortLost,
    CauseRadioSilent,
    CauseRadioStopped,   // %1: the address
    CauseRadioChecksum,
    CauseRadioGarbage,
    // The parts of an explanation.
    SystemSays,          // %1: the system's own words
    WhatToTry,
    // Hints.
    HintChoosePort,
    HintPlugIn,
    HintNotInGroup,      // %1 group, %2 device, %3 the command
    HintGroupNotActive,  // %1 group
    HintAskForAccess,    // %1 device
    HintCloseOthers,
    HintGrabber,         // %1 the program, %2 the command that stops it
    HintRadioOn,
    HintRightPort,
    HintDamagedReplies,
    HintNotTheRadio,
    HintReplugAdapter,
    // The progress window's heading. %1 the port and its device.
    HeadingRead,
    HeadingWrite,
    HeadingVerify,
    // The write's Cancel.
    StopWriteQuestion,
    WriteStopped,        // %1 blocks written, %2 of all
    WriteStoppedAgain,   // appended to WriteStopped in the desktop program
    ReadStopped,
    // The port list.
    PortConfigured,
    PortSerialShort,
    PortDevice,
    PortDescription,
    PortManufacturer,
    PortUsbId,
    PortSerialNumber,
    // What a probe found on a port.
    ProbeRadio,             // %1 model, %2 firmware
    ProbeOtherModel,        // %1 model, %2 firmware
    ProbeNoReply,
    ProbeNoIdentification,
    ProbeGarbage,           // %1 the bytes in hexadecimal
    ProbeRefused,           // %1 the system's words
    ProbeFound,             // %1 the port
    ProbeNoneAnswered,
    ProbeNoCandidates,
    PlugInstruction,
    PlugAppeared,           // %1 the port
    PlugNothing,
    // The port dialog's Find Radio.
    FindRadioButton,
    FindEveryPort,
    ProbeAsking,
    // The support bundle.
    SupportFilter,
    SupportIncludeData,  // %1 the data file
    SupportSaved,        // %1 the archive
    SupportFailed,       // %1 the archive, %2 the reason
};

std::string text(LinkText key, LanguageIndex language);

}  // namespace mv52
